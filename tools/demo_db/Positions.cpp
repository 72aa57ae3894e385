// The ordinary positions: seven in ten are holdings on security accounts (VKNT '1'), bought with one of
// the purchase deal types, some partly sold in the report month with a "V" or "x" deal, some revalued
// at a month end, some pledged; the rest are deals on deal accounts (VKNT '6') since 2007, some
// partly settled, some with a reversed pair of bookings beside them.
#include "tools/demo_db/DemoPositions.h"

#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cmath>

namespace {

const TDateTime kMigration = 38718; // 01.01.2006: holdings taken over from the old system as deals "3"

double Lots(TDemoRandom& r, const TDemoSecurity& s) {
    if (s.lst == 'L')
        return static_cast<double>(r.Between(10, 5000));
    if (s.lst == 'P')
        return std::round(r.Real(10, 20000) * 1e4) / 1e4;
    return s.nominal == 1 ? static_cast<double>(r.Between(10, 500) * 1000)
                          : static_cast<double>(r.Between(1, 500));
}

TDateTime PurchaseDay(TDemoRandom& r, const TDemoSecurity& s, TDateTime reportDay) {
    const TDateTime earliest = std::max(s.issue, kMigration - 400);
    const TDateTime day = std::floor(r.Real(earliest, reportDay + 1));
    return day < kMigration ? kMigration : std::min(day, reportDay);
}

TDateTime MonthStart(TDateTime day) {
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return EncodeDate(year, month, 1);
}

double SellInReportMonth(TDemoWorld& world, const TDemoPosition& position, double lots) {
    TDemoRandom& r = world.random;
    const double sold = position.security->lst == 'P' ? std::round(lots * r.Real(0.1, 0.5) * 1e4) / 1e4
                                                      : std::floor(lots * r.Real(0.1, 0.5));
    if (sold <= 0)
        return lots;
    const TDateTime day = std::floor(r.Real(MonthStart(world.options.day), world.options.day + 1));
    const std::int64_t deal = AddDeal(world, position, r.Chance(0.7) ? 'V' : 'x', day, -sold);
    AddBooking(world, position, deal, day, -position.security->Value(sold));
    return lots - sold;
}

} // namespace

void AddSecurityPosition(TDemoWorld& world, const TDemoPosition& position, bool withHolding) {
    TDemoRandom& r = world.random;
    const TDemoSecurity& s = *position.security;
    double lots = Lots(r, s);
    const TDateTime opened = PurchaseDay(r, s, world.options.day);
    const char type = opened == kMigration ? '3' : "}ABNW+"[r.Between(0, 5)];
    const std::int64_t deal = position.holding ? AddDeal(world, position, type, opened, lots) : 0;
    AddHoldingBookings(world, position, deal, opened, s.Value(lots));
    if (r.Chance(0.25) && MonthStart(world.options.day) > world.YearStart())
        AddBooking(world, position, 0, MonthStart(world.options.day) - 1,
                   s.Value(lots) * r.Real(-0.03, 0.03));
    if (position.holding && r.Chance(0.2))
        lots = SellInReportMonth(world, position, lots);
    if (r.Chance(0.05))
        AddBooking(world, position, deal, world.options.day, s.Value(lots) * 0.001);
    if (withHolding && position.holding && !r.Chance(0.05))
        AddHolding(world, position, lots, r.Chance(0.1) ? std::floor(lots * r.Real(0.1, 0.6)) : 0, opened);
}

std::int64_t AddDealPosition(TDemoWorld& world, const TDemoPosition& position, TDateTime day, double amount) {
    const TDemoSecurity& s = *position.security;
    const double lots = amount / std::max(0.01, s.Value(1));
    const std::int64_t deal = AddDeal(world, position, "}ABNWDR"[world.random.Between(0, 6)], day, lots);
    AddBooking(world, position, deal, day, amount);
    return deal;
}

void AddRandomDealPosition(TDemoWorld& world, const TDemoPosition& position) {
    TDemoRandom& r = world.random;
    const TDateTime day = std::floor(r.Real(EncodeDate(2007, 1, 1), world.options.day + 1));
    const double amount = position.security->Value(Lots(r, *position.security)) * (r.Chance(0.25) ? -1 : 1);
    const std::int64_t deal = AddDealPosition(world, position, day, amount);
    if (r.Chance(0.3) && day < world.options.day)
        AddBooking(world, position, deal, std::floor(r.Real(day + 1, world.options.day + 1)),
                   -amount * r.Real(0.2, 0.8));
    if (r.Chance(0.05)) {
        AddBooking(world, position, deal, day, amount / 2, -1);
        AddBooking(world, position, deal, day, -amount / 2, -1);
    }
}

TDemoPosition RandomPosition(TDemoWorld& world, const std::vector<TDemoAccount>& accounts) {
    TDemoRandom& r = world.random;
    return {&r.Pick(world.securities), &r.Pick(accounts), r.Pick(world.contracts).idpog, world.nextHolding++};
}

void GeneratePositions(TDemoWorld& world, int count) {
    const TDemoAccount otherKind{401, "07000401", '2'};
    for (int i = 0; i < count; ++i) {
        if (i % 10 < 7)
            AddSecurityPosition(world, RandomPosition(world, world.securityAccounts), true);
        else
            AddRandomDealPosition(world, RandomPosition(world, world.dealAccounts));
        if (i % 50 == 0) // bookings on an account of another kind, which no extraction reads
            AddBooking(world, {&world.random.Pick(world.securities), &otherKind, 0, 0}, 0,
                       world.options.day - i % 300, 1000.0 + i);
    }
}
