// The generated rows, without a database: the same options give the same rows, and the rows hold
// what a demo run needs (the named contracts and accounts, the "_S" codes, every deal type the
// lookups filter on, bookings up to and on the report day, gap-free coupon schedules, holdings
// that add up per contract).
#include "tools/demo_db/DemoData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// A function, not a constant: the date arithmetic has its own statics, which a constant initialised
// before them would read too early.
TDateTime ReportDay() {
    return EncodeDate(2024, 3, 15);
}

class TRecordingSink : public TDemoSink {
public:
    void Add(const TDemoTable& table, const std::vector<TDemoValue>& values) override {
        std::map<std::string, TDemoValue> row;
        for (size_t i = 0; i < values.size(); ++i)
            row[table.columns[i]] = values[i];
        rows[table.name].push_back(row);
    }
    std::map<std::string, std::vector<std::map<std::string, TDemoValue>>> rows;
};

TRecordingSink Generate(int positions, TDateTime day = ReportDay()) {
    TRecordingSink sink;
    GenerateDemoData({positions, day}, sink);
    return sink;
}

const TRecordingSink& Demo() {
    static const TRecordingSink sink = Generate(2000);
    return sink;
}

std::string TextOf(const TDemoValue& v) {
    return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : "";
}
std::int64_t IdOf(const TDemoValue& v) {
    return std::holds_alternative<std::int64_t>(v) ? std::get<std::int64_t>(v) : 0;
}
TDateTime DayOf(const TDemoValue& v) {
    return std::get<TDemoDay>(v).value;
}
double AmountOf(const TDemoValue& v) {
    return std::holds_alternative<double>(v) ? std::get<double>(v) : 0;
}

template <class F>
std::set<std::string> TextsOf(const std::string& table, const std::string& column, F keep) {
    std::set<std::string> texts;
    for (const auto& row : Demo().rows.at(table))
        if (keep(row))
            texts.insert(TextOf(row.at(column)));
    return texts;
}

std::set<std::int64_t> IdsOf(const std::string& table, const std::string& column) {
    std::set<std::int64_t> ids;
    for (const auto& row : Demo().rows.at(table))
        ids.insert(IdOf(row.at(column)));
    return ids;
}

const auto kAll = [](const auto&) { return true; };

TEST(DemoDataDeterminism, SameOptionsGiveTheSameRowsAndAnotherDayOtherOnes) {
    const TRecordingSink again = Generate(2000);
    EXPECT_TRUE(again.rows == Demo().rows);
    EXPECT_FALSE(Generate(2000, ReportDay() + 1).rows == Demo().rows);
}

TEST(DemoDataDeterminism, MakesTheRequestedNumberOfPositions) {
    TRecordingSink sink;
    EXPECT_EQ(GenerateDemoData({2000, ReportDay()}, sink), 2000);
    TRecordingSink few;
    const int special = GenerateDemoData({1, ReportDay()}, few);
    EXPECT_GT(special, 30); // the special cases are always there
}

TEST(DemoDataReference, DomesticCurrencyAndTheCurrencyWithoutRatesHaveNoRate) {
    const auto currencies = TextsOf("VLN", "SFVLT", kAll);
    EXPECT_EQ(currencies, (std::set<std::string>{"C", "G", "J", "U"}));
    const auto weekendRates = TextsOf("VLN", "SFVLT", [](const auto& row) {
        return DayOf(row.at("DAN")) == EncodeDate(2024, 3, 10); // a Sunday
    });
    EXPECT_TRUE(weekendRates.empty());
    EXPECT_EQ(TextsOf("VLT", "SFVLT", kAll).count("H"), 1u);
}

TEST(DemoDataReference, InstrumentClassesAreRegisteredInListLst) {
    const auto classes =
        TextsOf("SIF", "SIF", [](const auto& row) { return TextOf(row.at("SSF")) == "LST"; });
    EXPECT_EQ(classes, (std::set<std::string>{"D", "K", "L", "P", "k"}));
    EXPECT_EQ(TextsOf("FIN", "SFLST", kAll), classes);
}

TEST(DemoDataReference, CodesWithTheSecondLineSuffix) {
    const auto codes = TextsOf("SFVP", "KRT", kAll);
    for (const char* code : {"A_SB", "NLBR_S", "TLSG_S"})
        EXPECT_EQ(codes.count(code), 1u) << code;
}

TEST(DemoDataReference, NamedAccountsAndLabels) {
    const auto labels = TextsOf("SIFKONT", "OZNAKA", kAll);
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const std::string& l) { return l.starts_with("0900"); }));
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const std::string& l) { return l.starts_with("0909"); }));
    const auto booked = IdsOf("KNJIZBE", "KONTO");
    for (std::int64_t account : {257, 379})
        EXPECT_EQ(booked.count(account), 1u) << account;
    const auto kinds =
        TextsOf("MATRIKA", "VKNT", [](const auto& row) { return TextOf(row.at("VPRC")) == "3"; });
    EXPECT_TRUE(kinds.count("1") && kinds.count("6"));
}

TEST(DemoDataPositions, EveryNamedContractHasBookings) {
    const auto booked = IdsOf("KNJIZBE", "IDPOG");
    for (std::int64_t contract : {44229, 4790, 25283, 64398, 67015, 60390, 60391, 64415, 64416, 66367, 60392,
                                  60395, 66356, 60394, 60393, 62336, 62374})
        EXPECT_EQ(booked.count(contract), 1u) << contract;
}

TEST(DemoDataPositions, EveryDealTypeTheLookupsFilterOn) {
    const auto types = TextsOf("DOG", "SFPDG", kAll);
    for (const char* type : {"}", "A", "B", "N", "W", "+", "3", "V", "x"})
        EXPECT_EQ(types.count(type), 1u) << type;
    const auto migrated = TextsOf("DOG", "SFPDG", [](const auto& row) {
        return TextOf(row.at("SFPDG")) == "3" && DayOf(row.at("DAN")) != EncodeDate(2006, 1, 1);
    });
    EXPECT_TRUE(migrated.empty());
}

TEST(DemoDataPositions, BookingsReachTheReportDayAndNeverPassIt) {
    bool onTheDay = false, withoutDeal = false;
    for (const auto& row : Demo().rows.at("KNJIZBE")) {
        EXPECT_LE(DayOf(row.at("DATUMV")), ReportDay());
        onTheDay |= DayOf(row.at("DATUMV")) == ReportDay();
        withoutDeal |= std::holds_alternative<std::monostate>(row.at("IDVP"));
        EXPECT_TRUE(AmountOf(row.at("BZNESEK")) == 0 || AmountOf(row.at("DZNESEK")) == 0);
    }
    EXPECT_TRUE(onTheDay);
    EXPECT_TRUE(withoutDeal);
}

TEST(DemoDataPositions, ANewYearsDayHasTheCarriedBalances) {
    const TDateTime newYear = EncodeDate(2025, 1, 1);
    const TRecordingSink sink = Generate(300, newYear);
    const auto& bookings = sink.rows.at("KNJIZBE");
    EXPECT_GT(std::count_if(bookings.begin(), bookings.end(),
                            [&](const auto& row) { return DayOf(row.at("DATUMV")) == newYear; }),
              100);
}

TEST(DemoDataCoupons, SchedulesRunWithoutGapsAndAmortisingOnesRepayAllPrincipal) {
    std::map<std::int64_t, std::vector<const std::map<std::string, TDemoValue>*>> bySecurity;
    for (const auto& row : Demo().rows.at("KPN"))
        bySecurity[IdOf(row.at("SFVP"))].push_back(&row);
    bool amortising = false;
    for (const auto& [security, periods] : bySecurity) {
        double repaid = 0;
        for (size_t i = 0; i < periods.size(); ++i) {
            EXPECT_EQ(IdOf(periods[i]->at("STKPN")), static_cast<std::int64_t>(i + 1));
            EXPECT_LE(DayOf(periods[i]->at("PRVDAN")), DayOf(periods[i]->at("ZDNDAN")));
            if (i > 0) {
                EXPECT_EQ(DayOf(periods[i]->at("PRVDAN")), DayOf(periods[i - 1]->at("ZDNDAN")) + 1)
                    << security;
            }
            repaid += AmountOf(periods[i]->at("GLVOBR"));
        }
        EXPECT_NEAR(repaid, 100.0, 1e-3) << security;
        amortising |= periods.size() > 1 && AmountOf(periods.front()->at("GLVOBR")) > 0;
    }
    EXPECT_TRUE(amortising);
}

TEST(DemoDataHoldings, ContractHoldingsAddUpTheDaysHoldings) {
    std::map<std::pair<std::int64_t, std::int64_t>, double> lots;
    for (const auto& row : Demo().rows.at("VPHST")) {
        EXPECT_EQ(DayOf(row.at("DAN")), ReportDay());
        lots[{IdOf(row.at("IDPOG")), IdOf(row.at("SFVP"))}] += AmountOf(row.at("LOT"));
    }
    ASSERT_EQ(Demo().rows.at("VPSHST").size(), lots.size());
    bool pledged = false;
    for (const auto& row : Demo().rows.at("VPSHST")) {
        EXPECT_NEAR(AmountOf(row.at("LOT")), (lots[{IdOf(row.at("IDPOG")), IdOf(row.at("SFVP"))}]), 1e-6);
        EXPECT_LE(AmountOf(row.at("ZST")), AmountOf(row.at("LOT")));
        pledged |= AmountOf(row.at("ZST")) > 0;
    }
    EXPECT_TRUE(pledged);
}

} // namespace
