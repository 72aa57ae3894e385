// Organisational units, persons (issuers and counterparties) and the custody and deal contracts that
// tie a counterparty to a unit. Besides the ordinary contracts there are the ones the valuation names
// by number (fixed counterparty codes, maturity types and the trading-book codes); 67015 is a
// contract of type "T".
#include "tools/demo_db/DemoParts.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const kUnits[][2] = {{"ZAK", "1100"}, {"TRZ", "1200"}, {"SKB", "1300"}, {"ALM", "1400"},
                                 {"SKR", "1500"}, {"POS", "2100"}, {"GLV", "2200"}, {"KRE", "2300"}};

const char* const kSectors[] = {"S.11", "S.122", "S.123", "S.125", "S.128", "S.13", "S.14", "S.2"};
const char* const kCountries[] = {"SI", "SI", "SI", "SI", "HR", "AT", "DE", "US"};

// Counterparty codes are eight digits; a few old ones have ten, or a leading blank from the
// migration, and the valuation takes them as they are.
std::string ClientNumber(std::int64_t person) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lld", static_cast<long long>(10000000 + person * 37 % 89999999));
    if (person % 97 == 5)
        return std::string(text) + "01";
    std::string number(text);
    if (person % 89 == 7)
        number[0] = ' ';
    return number;
}

void AddPerson(TDemoWorld& world, std::int64_t person) {
    TDemoRandom& r = world.random;
    const char* country = kCountries[r.Between(0, 7)];
    char swift[16];
    std::snprintf(swift, sizeof swift, "%c%c%cB%s2X", 'A' + static_cast<char>(person % 26),
                  'A' + static_cast<char>(person / 26 % 26), 'A' + static_cast<char>(person / 676 % 26),
                  country);
    world.Emit("OSB",
               {Id(person), Text(ClientNumber(person)), Text(std::string(1, "ABBCCDE"[r.Between(0, 6)])),
                Text(kSectors[r.Between(0, 7)]), Text(std::to_string(r.Between(1, 99))), Text(swift),
                Text(std::to_string(r.Between(10, 60))), Text(country)});
}

std::string ContractType(TDemoRandom& random) {
    const long long roll = random.Between(1, 20);
    if (roll <= 8)
        return "S"; // custody for a client
    if (roll <= 11)
        return "R";
    if (roll <= 13)
        return "T";
    if (roll <= 15)
        return "H";
    return roll <= 17 ? "B" : " ";
}

void AddContract(TDemoWorld& world, std::int64_t idpog, const std::string& type) {
    world.Emit("POG", {Id(idpog), Text(type), Id(world.random.Between(1, world.units)),
                       Id(world.random.Between(1, world.persons))});
    world.contracts.push_back({idpog});
}

} // namespace

const std::vector<std::int64_t> kNamedContracts = {44229, 4790,  25283, 64398, 67015, 60390,
                                                   60391, 64415, 64416, 66367, 60392, 60395,
                                                   66356, 60394, 60393, 62336, 62374};

void GenerateContracts(TDemoWorld& world) {
    for (const auto& unit : kUnits)
        world.Emit("ORG", {Id(++world.units), Text(unit[0]), Text(unit[1])});
    world.persons = std::clamp<std::int64_t>(world.options.positions / 10, 60, 20000);
    for (std::int64_t person = 1; person <= world.persons; ++person)
        AddPerson(world, person);
    for (std::int64_t idpog : kNamedContracts)
        AddContract(world, idpog, idpog == 67015 ? "T" : ContractType(world.random));
    const int count = std::clamp(world.options.positions / 15, 40, 15000);
    for (int i = 1; i <= count; ++i)
        AddContract(world, 100000 + i * 7, ContractType(world.random));
}
