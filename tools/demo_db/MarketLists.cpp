// ECB code lists and the exchanges. List 014 splits a term in days into the ECB's residual maturity
// bands; the last band is open (INTERVAL_DO empty). Shares and funds are listed on an exchange,
// a third of the bonds too; some listings have ended.
#include "tools/demo_db/DemoParts.h"

namespace {

void AddEcbLists(TDemoWorld& world) {
    const struct {
        std::int64_t code;
        double from, to; // to < 0: open band
        const char* name;
    } bands[] = {{1, 0, 90, "Do 3 mesecev"},
                 {2, 91, 180, "Od 3 do 6 mesecev"},
                 {3, 181, 365, "Od 6 mesecev do 1 leta"},
                 {4, 366, 730, "Od 1 do 2 let"},
                 {5, 731, 1825, "Od 2 do 5 let"},
                 {6, 1826, 3650, "Od 5 do 10 let"},
                 {7, 3651, -1, "Nad 10 let"}};
    for (const auto& b : bands)
        world.Emit("ECB_SIFRANTI", {Text("014"), Id(b.code), Amount(b.from),
                                    b.to < 0 ? TDemoValue{} : Amount(b.to), Text(b.name)});
    world.Emit("ECB_SIFRANTI", {Text("016"), Id(1), TDemoValue{}, TDemoValue{}, Text("Tržni instrument")});
    world.Emit("ECB_SIFRANTI", {Text("016"), Id(2), TDemoValue{}, TDemoValue{}, Text("Netržni instrument")});
}

void AddExchanges(TDemoWorld& world) {
    const char* const exchanges[][2] = {{"XLJU", "Ljubljanska borza"},
                                        {"XZAG", "Zagrebačka burza"},
                                        {"XETR", "Xetra"},
                                        {"XWBO", "Wiener Börse"},
                                        {"XNYS", "New York Stock Exchange"}};
    std::int64_t number = 0;
    for (const auto& e : exchanges)
        world.Emit("TRG", {Id(++number), Text(e[0]), Text(e[1])});
}

void AddListings(TDemoWorld& world) {
    for (const TDemoSecurity& s : world.securities) {
        if (s.IsDebt() && !world.random.Chance(0.33))
            continue;
        const std::int64_t exchange =
            s.currency == "E" ? (world.random.Chance(0.8) ? 1 : 3) : world.random.Between(2, 5);
        TDemoValue delisted;
        if (world.random.Chance(0.05))
            delisted = Day(world.options.day - world.random.Between(30, 400));
        world.Emit("KTC", {Id(s.sfvp), Id(exchange), Day(s.issue + 5), delisted});
    }
}

} // namespace

void GenerateMarketLists(TDemoWorld& world) {
    AddEcbLists(world);
    AddExchanges(world);
    AddListings(world);
}
