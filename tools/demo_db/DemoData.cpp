// The order of the parts: reference data first (positions are built on its securities, accounts and
// contracts), then the special cases, the ordinary positions up to the requested number, and last
// the per-contract holdings and closing records, which sum up what the positions hold.
#include "tools/demo_db/DemoData.h"

#include "tools/demo_db/DemoParts.h"

#include <algorithm>

int GenerateDemoData(const TDemoOptions& options, TDemoSink& sink) {
    TDemoWorld world(options, sink);
    GenerateCurrencies(world);
    GenerateContracts(world);
    GenerateInstruments(world);
    GenerateCoupons(world);
    GenerateMarketLists(world);
    GenerateAccounts(world);
    const int special = GenerateSpecialCases(world);
    const int ordinary = std::max(0, options.positions - special);
    GeneratePositions(world, ordinary);
    GenerateClosings(world);
    return special + ordinary;
}
