// Bookings (KNJIZBE) on security and deal accounts. Debits go to BZNESEK and credits to DZNESEK,
// always in cents. IDOBD marks the kind of booking: 0 an ordinary one, 1 the balance a holding
// carries into a new year, -1 a booking reversed later (the deal-account extraction leaves those out).
#include "tools/demo_db/DemoParts.h"

#include <cmath>

namespace {
double Cents(double value) {
    return std::round(value * 100) / 100;
}
} // namespace

void AddBooking(TDemoWorld& world, const TDemoPosition& position, std::int64_t deal, TDateTime valueDate,
                double amount, int closingKind) {
    const TDemoSecurity& s = *position.security;
    const double cents = Cents(amount);
    TDateTime entered = valueDate;
    while (entered < world.options.day && !IsWorkingDay(entered))
        entered += 1;
    world.Emit("KNJIZBE", {Id(world.nextBooking++), Id(position.account->ctrl), Id(s.sfvp),
                           position.holding ? Id(position.holding) : TDemoValue{}, Id(position.contract),
                           deal ? Id(deal) : TDemoValue{}, Id(closingKind), Amount(cents > 0 ? cents : 0),
                           Amount(cents < 0 ? -cents : 0), Day(valueDate), Day(entered), Day(entered),
                           Text(position.account->vknt == '6' ? "POS" : "VP"), Text(s.currency)});
}

void AddHoldingBookings(TDemoWorld& world, const TDemoPosition& position, std::int64_t deal, TDateTime opened,
                        double amount) {
    AddBooking(world, position, deal, opened, amount);
    if (opened < world.YearStart())
        AddBooking(world, position, deal, world.YearStart(), amount, 1);
}
