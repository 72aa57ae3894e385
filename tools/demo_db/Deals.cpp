// Deals (DOG). A deal moves lots of a security under a contract; purchases carry positive lots in VP,
// sales (types "V" and "x") negative ones, LOT is the traded quantity either way. Settlement is two
// working days on; a tenth of the lots of a purchase are reserved (REZ) now and then.
#include "tools/demo_db/DemoParts.h"

#include <cmath>

std::int64_t AddDeal(TDemoWorld& world, const TDemoPosition& position, char type, TDateTime day,
                     double lots) {
    const TDemoSecurity& s = *position.security;
    const std::int64_t id = world.nextDeal++;
    TDateTime settlement = day + 1;
    while (!IsWorkingDay(settlement))
        settlement += 1;
    const double reserved = lots > 0 && world.random.Chance(0.1) ? std::floor(lots / 10) : 0;
    world.Emit("DOG", {Id(id), Id(world.random.Between(1, world.persons)),
                       position.holding ? Id(position.holding) : TDemoValue{}, Id(position.contract),
                       Id(s.sfvp), Text(std::string(1, type)), Text(s.currency), Day(day), Day(settlement),
                       Amount(lots), Amount(std::fabs(lots)), Amount(reserved), Amount(s.price)});
    return id;
}
