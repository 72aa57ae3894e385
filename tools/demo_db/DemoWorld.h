// What the parts of the demo data share while they are generated: the options, the random source,
// the reference entities later parts build positions on (securities, accounts, contracts) and the
// id counters. Each part is one file; GenerateDemoData (DemoData.h) calls them in order.
#pragma once

#include "tools/demo_db/DemoRandom.h"
#include "tools/demo_db/DemoRows.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct TDemoOptions {
    int positions = 2000;
    TDateTime day = 0; // the report day the data is built around; no time part
};

struct TDemoSecurity {
    std::int64_t sfvp = 0;
    std::string code;     // SFVP.KRT
    std::string fin;      // instrument code, FIN.SFFIN
    char lst = 'D';       // instrument class: D, K, k (debt), L (share), P (fund)
    std::string currency; // SFVLTNMN
    double nominal = 1;   // GLVNMN, per lot
    double price = 1;     // per lot, or percent of nominal when percent
    bool percent = false; // SFGLVENT "%": quoted in percent of nominal
    bool floating = false;
    bool amortising = false;
    TDateTime issue = 0;
    TDateTime maturity = 0; // 0: none (shares, funds)
    bool IsDebt() const { return lst == 'D' || lst == 'K' || lst == 'k'; }
    // Book value of a number of lots at the security's quoted price.
    double Value(double lots) const { return percent ? lots * nominal * price / 100.0 : lots * price; }
};

struct TDemoAccount {
    std::int64_t ctrl = 0;
    std::string label; // SIFKONT.OZNAKA
    char vknt = '1';
};

struct TDemoContract {
    std::int64_t idpog = 0;
};

// One position as the extraction groups it: a security on an account of a contract, and for
// security accounts the holding (IDVP) its bookings carry; holding 0 means bookings without deal id.
struct TDemoPosition {
    const TDemoSecurity* security = nullptr;
    const TDemoAccount* account = nullptr;
    std::int64_t contract = 0;
    std::int64_t holding = 0;
};

class TDemoWorld {
public:
    TDemoWorld(const TDemoOptions& options, TDemoSink& sink);

    void Emit(const std::string& table, std::vector<TDemoValue> values);
    TDateTime YearStart() const;

    TDemoOptions options;
    TDemoRandom random;
    std::vector<TDemoSecurity> securities;
    std::vector<TDemoAccount> securityAccounts; // VKNT '1'
    std::vector<TDemoAccount> dealAccounts;     // VKNT '6'
    std::vector<TDemoContract> contracts;
    std::vector<std::string> currencies; // foreign ones; "E" is the domestic currency
    std::int64_t persons = 0;
    std::int64_t units = 0;
    std::int64_t nextBooking = 1;
    std::int64_t nextDeal = 1;
    std::int64_t nextHolding = 1;
    // Holdings of the report day by (contract, security): lots, pledged lots, highest price.
    struct TContractHolding {
        double lots = 0, pledged = 0, price = 0;
    };
    std::map<std::pair<std::int64_t, std::int64_t>, TContractHolding> contractHoldings;

private:
    TDemoSink& sink_;
};

// Values as the sink takes them.
inline TDemoValue Id(std::int64_t value) {
    return value;
}
inline TDemoValue Text(std::string value) {
    return value.empty() ? TDemoValue{} : TDemoValue{std::move(value)};
}
inline TDemoValue Day(TDateTime value) {
    return TDemoDay{value};
}
inline TDemoValue Amount(double value) {
    return value;
}
