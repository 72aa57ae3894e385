// The positions a demo run needs to exercise every rule of the valuation and the clean-up: the
// contracts named by number, the accounts 257 and 379 and the "0900"/"0909" labels, the "_S" codes,
// balances at the extraction threshold, deal groups that the FIFO and the sign-based passes remove,
// and bookings without deal id.
#include "tools/demo_db/DemoParts.h"
#include "tools/demo_db/DemoPositions.h"

#include "platform/settings/Exceptions.h"

#include <algorithm>

namespace {

template <class Match> const TDemoSecurity& Find(const TDemoWorld& world, Match match) {
    const auto found = std::find_if(world.securities.begin(), world.securities.end(), match);
    if (found == world.securities.end())
        throw Exception("The demo securities lack one a special case needs");
    return *found;
}

// The first security of a class in the domestic currency whose code has no "_S".
const TDemoSecurity& FirstOf(const TDemoWorld& world, char lst) {
    return Find(world, [&](const TDemoSecurity& s) {
        return s.lst == lst && s.currency == "E" && s.code.find("_S") == std::string::npos;
    });
}

const TDemoSecurity& ByCode(const TDemoWorld& world, const std::string& code) {
    return Find(world, [&](const TDemoSecurity& s) { return s.code == code; });
}

const TDemoAccount& AccountOf(const std::vector<TDemoAccount>& accounts, std::int64_t ctrl) {
    return *std::find_if(accounts.begin(), accounts.end(),
                         [&](const TDemoAccount& a) { return a.ctrl == ctrl; });
}

TDemoPosition Holding(TDemoWorld& world, const TDemoSecurity& s, std::int64_t ctrl, std::int64_t contract) {
    return {&s, &AccountOf(world.securityAccounts, ctrl), contract, world.nextHolding++};
}

int NamedContracts(TDemoWorld& world) {
    int made = 0;
    for (std::int64_t contract : kNamedContracts) {
        const bool share = contract == 25283 || contract == 64398;
        AddSecurityPosition(world, Holding(world, FirstOf(world, share ? 'L' : 'D'), 201, contract), true);
        ++made;
    }
    for (std::int64_t contract : {std::int64_t{67015}, std::int64_t{60390}}) {
        TDemoPosition deal{&FirstOf(world, 'D'), &world.dealAccounts.front(), contract, world.nextHolding++};
        AddDealPosition(world, deal, world.options.day - 20, 125000.00);
        ++made;
    }
    return made;
}

int NamedAccountsAndCodes(TDemoWorld& world) {
    const std::int64_t contract = world.contracts.back().idpog;
    for (std::int64_t ctrl : {257, 379, 245, 246})
        AddSecurityPosition(world, Holding(world, FirstOf(world, 'D'), ctrl, contract), true);
    for (const char* code : {"A_SB", "NLBR_S", "TLSG_S", "RS77", "HRZB28"})
        AddSecurityPosition(world, Holding(world, ByCode(world, code), 202, contract), true);
    return 9;
}

// Security-account balances of 0.01 and -0.01 are extracted; a balance that is zero but for the
// binary residue of its cents (0.10 + 0.20 - 0.30), or exactly zero, is not.
int Thresholds(TDemoWorld& world) {
    const TDateTime day = world.YearStart();
    const double amounts[][3] = {
        {1000.00, -999.99, 0}, {250.00, -250.01, 0}, {0.10, 0.20, -0.30}, {500.00, -500.00, 0}};
    for (const auto& bookings : amounts) {
        const TDemoPosition p = Holding(world, FirstOf(world, 'L'), 203, world.contracts[1].idpog);
        for (double amount : bookings)
            if (amount != 0)
                AddBooking(world, p, 0, day, amount);
    }
    TDemoPosition deal{&FirstOf(world, 'D'), &world.dealAccounts[1], world.contracts[1].idpog,
                       world.nextHolding++};
    const std::int64_t id = AddDealPosition(world, deal, world.options.day - 3, 80.00);
    AddBooking(world, deal, id, world.options.day - 2, -80.01);
    return 5;
}

// Deals of one contract on one deal account sharing their holding id, so that they form one group
// of the clean-up passes: each group lists (days before the report day, amount) per deal.
int DealGroups(TDemoWorld& world) {
    const std::vector<std::vector<std::pair<int, double>>> groups = {
        {{40, 100000.00}, {40, -100000.00}, {36, 50000.00}}, // FIFO: the first day nets to zero
        {{30, 100.00}, {29, -100.00}, {28, 50.00}},          // FIFO: cut at the second day
        {{25, 2500.00}, {24, -2500.00}},                     // FIFO: the whole group goes
        {{20, 100.00}, {19, -30.00}, {18, -80.00}},          // by sign: the negatives outweigh
        {{15, 100.00}, {14, -30.00}, {13, -50.00}},          // by sign: nothing to do
    };
    const std::int64_t contract = world.contracts[2].idpog;
    int made = 0;
    for (const auto& group : groups) {
        const std::int64_t holding = world.nextHolding++;
        for (const auto& [daysBack, amount] : group) {
            AddDealPosition(world, {&FirstOf(world, 'D'), &world.dealAccounts[2], contract, holding},
                            world.options.day - daysBack, amount);
            ++made;
        }
    }
    return made;
}

int WithoutDealId(TDemoWorld& world) {
    for (std::int64_t ctrl : {204, 205, 206})
        AddSecurityPosition(
            world,
            {&FirstOf(world, 'D'), &AccountOf(world.securityAccounts, ctrl), world.contracts[3].idpog, 0},
            false);
    return 3;
}

} // namespace

int GenerateSpecialCases(TDemoWorld& world) {
    return NamedContracts(world) + NamedAccountsAndCodes(world) + Thresholds(world) + DealGroups(world) +
           WithoutDealId(world);
}
