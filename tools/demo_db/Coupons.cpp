// Coupon schedules of the bonds and the reference indices of the floating ones. Periods run from the
// issue to maturity without gaps; amortising bonds repay their principal in equal parts (GLVOBR, in
// percent of nominal) and carry the remaining principal in GLV. Treasury bills (class k) are discount
// paper and have no coupon periods. Index values are published on working days.
#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cmath>

namespace {

struct TIndex {
    const char* code;
    const char* name;
    const char* reference; // REFOBM: the term first, as the classification reads its first two characters
    int months;
    double level;
};

const TIndex kIndices[] = {{"E3M", "3-mesečni EURIBOR", "3M EURIB", 3, 3.10},
                           {"E6M", "6-mesečni EURIBOR", "6M EURIB", 6, 3.25},
                           {"E12M", "12-mesečni EURIBOR", "12M EURIB", 12, 3.40}};

const char* const kDayCounts[] = {"100", "200", "300", "365", "12"};

void AddIndexValues(TDemoWorld& world, const TIndex& index) {
    world.Emit("SFINX", {Text(index.code), Text(index.name)});
    double level = index.level;
    for (TDateTime day = EncodeDate(2005, 1, 3); day <= world.options.day; day += 1) {
        // Monthly fixings in the early years, daily ones for the last two.
        const bool daily = day > world.options.day - 730;
        int year = 0, month = 0, dayOfMonth = 0;
        DecodeDate(day, year, month, dayOfMonth);
        if (!IsWorkingDay(day) || (!daily && dayOfMonth > 7) || (!daily && dayOfMonth != 1 + (month % 5)))
            continue;
        level = std::max(-0.6, level + world.random.Real(-0.03, 0.03));
        world.Emit("INX", {Text(index.code), Day(day), Amount(std::round(level * 1e5) / 1e5)});
    }
}

void AddSchedule(TDemoWorld& world, const TDemoSecurity& s) {
    TDemoRandom& r = world.random;
    const TIndex& index = kIndices[r.Between(0, 2)];
    const int months = s.floating ? index.months : (r.Chance(0.5) ? 12 : 6);
    const double rate = std::round(r.Real(0.75, 6.0) * 8) / 8;
    const char* dayCount = kDayCounts[r.Between(0, 4)];
    const char linear = "rRxlzaA"[r.Between(0, 6)];
    const char bullet = "nNbk"[r.Between(0, 3)];
    int periods = 0;
    for (TDateTime start = s.issue; start < s.maturity; start = AddMonths(start, months))
        ++periods;
    double principal = 100;
    TDateTime start = s.issue;
    for (int number = 1; number <= periods; ++number) {
        const TDateTime end = number == periods ? s.maturity : AddMonths(start, months) - 1;
        const double repaid = s.amortising ? 100.0 / periods : (number == periods ? 100.0 : 0.0);
        const double periodRate = s.floating ? rate + r.Real(-0.2, 0.2) : rate;
        world.Emit("KPN",
                   {Id(s.sfvp), Id(number), Day(start), Day(end), Text(dayCount),
                    Text(s.floating ? "V" : "F"), Text(std::string(1, s.amortising ? linear : bullet)),
                    Text(s.floating ? index.code : ""), Text(s.floating ? index.reference : ""),
                    Amount(std::round(periodRate * 1e4) / 1e4),
                    Amount(std::round(principal * periodRate * months / 12.0 * 1e4) / 1e6),
                    Amount(std::round(repaid * 1e6) / 1e6), Amount(std::round(principal * 1e6) / 1e6)});
        principal -= repaid;
        start = end + 1;
    }
}

} // namespace

void GenerateCoupons(TDemoWorld& world) {
    for (const TIndex& index : kIndices)
        AddIndexValues(world, index);
    for (const TDemoSecurity& s : world.securities)
        if (s.lst == 'D' || s.lst == 'K')
            AddSchedule(world, s);
}
