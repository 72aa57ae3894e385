// Currencies and their daily middle rates. "E" is the domestic currency and has no rates; the others
// are published on working days for the two years up to the report day, except "H", which never got
// a rate, so a position in it values at rate 0.
#include "tools/demo_db/DemoParts.h"

#include <cmath>

namespace {

struct TCurrency {
    const char* code;
    const char* name;
    const char* number;
    double rate; // units of the currency per euro, around which the rates move
};

const TCurrency kCurrencies[] = {
    {"E", "EUR", "978", 0},      {"U", "USD", "840", 1.0850}, {"C", "CHF", "756", 0.9420},
    {"G", "GBP", "826", 0.8560}, {"J", "JPY", "392", 158.30}, {"H", "HRK", "191", 0},
};

void AddRates(TDemoWorld& world, const TCurrency& currency) {
    const TDateTime first = world.options.day - 730;
    double rate = currency.rate;
    for (TDateTime day = first; day <= world.options.day; day += 1) {
        if (!IsWorkingDay(day))
            continue;
        rate *= 1.0 + world.random.Real(-0.004, 0.004);
        world.Emit("VLN", {Text(currency.code), Text("0"), Day(day), Amount(std::round(rate * 1e6) / 1e6)});
    }
}

} // namespace

void GenerateCurrencies(TDemoWorld& world) {
    for (const TCurrency& currency : kCurrencies) {
        world.Emit("VLT", {Text(currency.code), Text(currency.name), Text(currency.number)});
        if (currency.rate > 0) {
            world.currencies.push_back(currency.code);
            AddRates(world, currency);
        }
    }
}
