// Holdings on the report day: one VPHST row per holding (lots, purchase price, purchase date), one
// VPSHST row per contract and security with the pledged lots, and the closing records (ZDNHST) of
// the last weeks: securities ("L") and the general ledger ("O") are closed on each working day, but
// one day three working days back was reopened (VRDOK "P") and has no "D" record for "L".
#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cmath>

void AddHolding(TDemoWorld& world, const TDemoPosition& position, double lots, double pledged,
                TDateTime bought) {
    const TDemoSecurity& s = *position.security;
    world.Emit("VPHST", {Id(s.sfvp), Day(world.options.day), Id(position.holding), Id(position.contract),
                         Text("L"), Amount(lots), Amount(s.price), Day(bought)});
    auto& holding = world.contractHoldings[{position.contract, s.sfvp}];
    holding.lots += lots;
    holding.pledged += pledged;
    holding.price = std::max(holding.price, s.price);
}

void GenerateClosings(TDemoWorld& world) {
    for (const auto& [key, holding] : world.contractHoldings)
        world.Emit("VPSHST",
                   {Id(key.first), Id(key.second), Day(world.options.day), Text("L"), Amount(holding.lots),
                    Amount(holding.price), Amount(std::round(holding.pledged))});
    int workingDays = 0;
    for (TDateTime day = world.options.day; day > world.options.day - 40; day -= 1) {
        if (!IsWorkingDay(day) && day != world.options.day)
            continue;
        const bool reopened = ++workingDays == 4;
        world.Emit("ZDNHST", {Day(day), Text("L"), Text(reopened ? "P" : "D")});
        world.Emit("ZDNHST", {Day(day), Text("O"), Text("D")});
    }
}
