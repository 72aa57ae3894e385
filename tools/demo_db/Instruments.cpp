// The securities and their instrument classes: bonds of the debt classes D (with the government
// issues under instrument "G"), K and k, shares (L) and funds (P). A few codes carry "_S", the suffix
// the back office gives a second line of the same issue; one bond is held in the currency without rates.
#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct TInstrument {
    const char* fin;
    char lst;
    const char* name;
};

const TInstrument kInstruments[] = {
    {"OBV", 'D', "Obveznice"},      {"G", 'D', "Državne obveznice"}, {"KZ", 'K', "Komercialni zapisi"},
    {"BZ", 'k', "Zakladne menice"}, {"DEL", 'L', "Delnice"},         {"VS", 'P', "Vzajemni skladi"},
    {"ETF", 'P', "Borzni skladi"},
};

const char* const kNames[] = {"KRK", "PET", "ZVT", "TLS", "CIC", "LKP", "GOR", "MEL", "SAV", "IEK",
                              "NLB", "POS", "INR", "ACL", "TCR", "MKO", "ELN", "HDX", "UKB", "SKB"};

std::string Serial(const char* prefix, std::int64_t number) {
    return prefix + std::to_string(number);
}

std::string Isin(const TDemoSecurity& security) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%09lld%d", security.currency == "E" ? "SI" : "XS",
                  static_cast<long long>(security.sfvp), static_cast<int>(security.sfvp % 10));
    return text;
}

const TInstrument& PickInstrument(TDemoRandom& random) {
    const long long roll = random.Between(1, 100);
    if (roll <= 30)
        return kInstruments[0];
    if (roll <= 42)
        return kInstruments[1];
    if (roll <= 48)
        return kInstruments[2];
    if (roll <= 52)
        return kInstruments[3];
    if (roll <= 84)
        return kInstruments[4];
    return kInstruments[roll <= 95 ? 5 : 6];
}

void ShapeDebt(TDemoWorld& world, TDemoSecurity& s) {
    TDemoRandom& r = world.random;
    const bool shortTerm = s.lst != 'D';
    const int termMonths =
        shortTerm ? static_cast<int>(r.Between(3, 12)) : static_cast<int>(r.Between(2, 15)) * 12;
    const TDateTime earliest = std::max(EncodeDate(2005, 1, 1), world.options.day - termMonths * 30.0 + 20);
    s.issue = std::floor(r.Real(earliest, world.options.day - 10));
    s.maturity = AddMonths(s.issue, termMonths);
    s.nominal = shortTerm ? 1000 : (r.Chance(0.7) ? 1 : 1000);
    s.percent = shortTerm || r.Chance(0.85);
    s.floating = !shortTerm && r.Chance(0.3);
    s.amortising = s.percent && !shortTerm && r.Chance(0.25);
    s.price =
        s.percent ? std::round(r.Real(92, 106) * 1000) / 1000 : std::round(r.Real(900, 1050) * 100) / 100;
}

TDemoSecurity MakeSecurity(TDemoWorld& world, const TInstrument& instrument) {
    TDemoRandom& r = world.random;
    TDemoSecurity s;
    s.sfvp = 10000 + static_cast<std::int64_t>(world.securities.size()) + 1;
    s.fin = instrument.fin;
    s.lst = instrument.lst;
    s.currency = r.Chance(0.8) ? "E" : r.Pick(world.currencies);
    const char* name = kNames[s.sfvp % std::size(kNames)];
    if (s.IsDebt()) {
        ShapeDebt(world, s);
        s.code = s.fin == std::string("G") ? Serial("RS", s.sfvp % 100000) : Serial(name, s.sfvp);
        if (s.lst != 'D')
            s.code = Serial(s.lst == 'K' ? "KZ" : "TZ", s.sfvp);
    } else {
        s.code = (s.lst == 'L' ? std::string(name) + "G" : "VS" + std::string(name)) + std::to_string(s.sfvp);
        s.price = std::round(r.Real(4, 320) * 100) / 100;
        s.issue = EncodeDate(2000, 1, 1) + r.Between(0, 3000);
    }
    return s;
}

// FIXOBR: a fixed rate the back office set by hand, else 0. Some bonds quoted in percent carry a
// fraction: a fixed bond half a percent more, a floating one its fixed part of the coupon. Taken
// from the security id, so the random sequence, and with it every other row, stays as it was.
double FixedRate(TDemoRandom& r, const TDemoSecurity& s) {
    if (s.floating)
        return s.percent && s.sfvp % 3 == 0 ? (s.sfvp % 2 == 0 ? 0.25 : 0.75) : 0;
    if (!r.Chance(0.2))
        return 0;
    return r.Between(1, 6) + (s.percent && s.sfvp % 2 == 1 ? 0.5 : 0);
}

void EmitSecurity(TDemoWorld& world, const TDemoSecurity& s) {
    TDemoRandom& r = world.random;
    const bool callable = s.IsDebt() && r.Chance(0.1);
    const TDemoValue fixobr = s.IsDebt() ? Amount(FixedRate(r, s)) : TDemoValue{};
    const TDemoValue maturity =
        s.maturity > 0 && !(s.lst == 'D' && r.Chance(0.08)) ? Day(s.maturity) : TDemoValue{};
    world.Emit("SFVP",
               {Id(s.sfvp), Text(s.code), Text(Isin(s)), maturity, Text(s.IsDebt() ? "OBV" : "DEL"),
                Text(s.currency), fixobr, Text(callable ? "D" : "N"),
                callable ? Day(AddMonths(s.maturity, -12)) : TDemoValue{}, Text(s.IsDebt() ? "A" : "B"),
                Text(s.fin), Text(s.floating ? "6M EURIBOR + pribitek" : ""), Amount(s.nominal),
                Text(s.percent ? "%" : "K"), Text(r.Chance(0.6) ? "D" : "N"),
                Id(r.Between(1, world.persons))});
}

// Fixed securities the demo cases rely on: "_S" codes in both forms and the bond in "H".
void AddFixedSecurities(TDemoWorld& world) {
    const struct {
        const char* code;
        const TInstrument& instrument;
        const char* currency;
    } fixed[] = {{"A_SB", kInstruments[4], "E"},
                 {"NLBR_S", kInstruments[0], "E"},
                 {"TLSG_S", kInstruments[4], "E"},
                 {"RS77", kInstruments[1], "E"},
                 {"HRZB28", kInstruments[0], "H"}};
    for (const auto& f : fixed) {
        TDemoSecurity s = MakeSecurity(world, f.instrument);
        s.code = f.code;
        s.currency = f.currency;
        world.securities.push_back(s);
    }
}

} // namespace

void GenerateInstruments(TDemoWorld& world) {
    const char* const classNames[][2] = {{"D", "Dolžniški VP"},
                                         {"K", "Kratkoročni dolžniški VP"},
                                         {"k", "Zakladni zapisi"},
                                         {"L", "Lastniški VP"},
                                         {"P", "Investicijski skladi"}};
    for (const auto& c : classNames)
        world.Emit("SIF", {Text("LST"), Text(c[0]), Text(c[1])});
    world.Emit("SIF", {Text("DRZ"), Text("SI"), Text("Slovenija")});
    for (const TInstrument& instrument : kInstruments)
        world.Emit("FIN",
                   {Text(instrument.fin), Text(instrument.name), Text(std::string(1, instrument.lst))});

    AddFixedSecurities(world);
    const int count = std::clamp(world.options.positions / 25, 60, 8000);
    while (static_cast<int>(world.securities.size()) < count)
        world.securities.push_back(MakeSecurity(world, PickInstrument(world.random)));
    for (const TDemoSecurity& s : world.securities)
        EmitSecurity(world, s);
}
