// Position dates by account and instrument class: the first coupon start or the deal date as
// opening, the security's maturity or the end of its coupon period, the latest purchase of a
// share, the value date of a deal account, the fixed contracts, the "0909" accounts, and the next
// repricing of a coupon tied to a reference rate. A missing day is an empty text.
#include "ValuationFixture.h"

namespace {

using valuationtest::TBooking;
using valuationtest::ValuationTest;

// Security 1 pays coupons for 2023, 2024 and 2025; the report day falls into the 2024 period.
// Its position was dealt on 1 February (deal 500).
class Dates : public ValuationTest {
protected:
    void Bond(const valuationtest::TColumns& columns = {}, const valuationtest::TColumns& coupon = {}) {
        Security(1, columns);
        Coupon(1, 1, "01.01.2023", "31.12.2023", coupon);
        Coupon(1, 2, "01.01.2024", "31.12.2024", coupon);
        Coupon(1, 3, "01.01.2025", "31.12.2025", coupon);
        Insert("DOG", {{"IDDOG", "500"},
                       {"IDVP", "100"},
                       {"IDPOG", "10"},
                       {"SFVP", "1"},
                       {"SFPDG", "'A'"},
                       {"DAN", "'01.02.2024'"}});
    }
    void Expect(const TOblimRow& row, const std::string& opening, const std::string& maturity,
                const std::string& dealMaturity) {
        EXPECT_EQ(row.DAT_OTVORITVE, opening);
        EXPECT_EQ(row.DAT_ZAPADLOSTI, maturity);
        EXPECT_EQ(row.DAT_ZAPAD_POSLA, dealMaturity);
    }
};

TEST_F(Dates, DebtSecurityOpensAtItsFirstCouponAndMaturesOnItsMaturity) {
    Bond({{"ZPDVP", "'15.03.2015'"}});
    Book({.idmaster = "500"});
    Expect(Value(), "01.01.2023", "15.03.2015", "15.03.2015");
}

TEST_F(Dates, DebtSecurityWithoutMaturityMaturesAtTheEndOfItsCouponPeriod) {
    Bond();
    Book({.idmaster = "500"});
    Expect(Value(), "01.01.2023", "31.12.2024", "31.12.2024");
}

TEST_F(Dates, DebtSecurityWithoutCouponsHasNoDates) {
    Security(1);
    Book({});
    Expect(Value(), "", "", "");
}

TEST_F(Dates, DatesWithATimeOfDayAreTakenByTheirDay) {
    Bond({{"ZPDVP", "'15.03.2030'"}}, {{"REFOBM", "'6M EURIB'"}});
    Book({.idmaster = "500"});
    Run({"UPDATE KPN SET PRVDAN = PRVDAN + 0.4375, ZDNDAN = ZDNDAN + 0.75",
         "UPDATE DOG SET DAN = DAN + 0.4375", "UPDATE SFVP SET ZPDVP = ZPDVP + 0.4375"});
    TOblimRow row = Value();
    Expect(row, "01.01.2023", "15.03.2030", "15.03.2030");
    EXPECT_EQ(row.DAT_REPR, "01.01.2025");
    EXPECT_EQ(row.ECB_22, "1");
    Run({"DELETE FROM SIF WHERE SIF = 'D'", "UPDATE SFVP SET ZPDVP = NULL"});
    Expect(Value(), "01.02.2024", "31.12.2024", "31.12.2024");
}

TEST_F(Dates, UnregisteredDebtClassOpensOnItsDealDate) {
    Run({"DELETE FROM SIF WHERE SIF = 'D'"});
    Bond({{"ZPDVP", "'15.03.2030'"}});
    Book({.idmaster = "500"});
    Expect(Value(), "01.02.2024", "15.03.2030", "15.03.2030");
}

TEST_F(Dates, FundOpensOnItsDealDateAndIsDueOnTheReportDay) {
    Bond({{"SFFIN", "'PID'"}, {"ZPDVP", "'15.03.2030'"}});
    Book({.idmaster = "500"});
    Expect(Value(), "01.02.2024", "15.03.2024", "15.03.2024");
}

TEST_F(Dates, ShareOpensOnItsLatestPurchaseAlsoOnAFixedContract) {
    Bond({{"SFFIN", "'DEL'"}, {"ZPDVP", "'15.03.2030'"}});
    for (const char* purchase : {"'10.02.2024'", "'05.01.2024'"})
        Insert("VPHST", {{"SFVP", "1"},
                         {"DAN", "'15.03.2024'"},
                         {"IDVP", "100"},
                         {"IDPOG", "44229"},
                         {"SFSVP", "'L'"},
                         {"DANNKP", purchase}});
    Book({.idpog = 44229});
    Expect(Value(), "10.02.2024", "15.03.2024", "15.03.2024");
}

TEST_F(Dates, ShareWithoutRecordedPurchaseHasNoOpeningDate) {
    Bond({{"SFFIN", "'DEL'"}});
    Book({.idmaster = "500"});
    Expect(Value(), "", "15.03.2024", "15.03.2024");
}

TEST_F(Dates, FixedContractsRunOnTheReportDay) {
    Bond({{"ZPDVP", "'15.03.2030'"}});
    for (int contract : {44229, 4790, 25283}) {
        Run({"DELETE FROM KNJIZBE"});
        Book({.idpog = contract, .idmaster = "500"});
        Expect(Value(), "15.03.2024", "15.03.2024", "15.03.2024");
    }
}

TEST_F(Dates, PrefixedAccountOpensAndDealMaturesOnTheReportDay) {
    Bond({{"ZPDVP", "'15.03.2030'"}});
    Book({.konto = 909, .idmaster = "500"});
    const TOblimRow row = Value();
    EXPECT_EQ(row.ID_KONTO, "09091234");
    Expect(row, "15.03.2024", "15.03.2030", "15.03.2024");
}

TEST_F(Dates, DealAccountTakesItsValueDateForAllThreeWhateverItsContract) {
    Bond({{"ZPDVP", "'15.03.2030'"}});
    Book({.konto = 601, .idmaster = "500", .day = "04.03.2024"});
    Book({.konto = 601, .idmaster = "500", .day = "06.03.2024"});
    Insert("DOG",
           {{"IDDOG", "501"}, {"IDVP", "101"}, {"IDPOG", "44229"}, {"SFVP", "1"}, {"DAN", "'01.02.2024'"}});
    Book({.konto = 601, .idvp = "101", .idpog = 44229, .idmaster = "501", .day = "07.03.2024"});
    const std::vector<TOblimRow> rows = ValueAll();
    ASSERT_EQ(rows.size(), 2u);
    Expect(rows[0], "06.03.2024", "06.03.2024", "06.03.2024");
    Expect(rows[1], "07.03.2024", "07.03.2024", "07.03.2024");
}

TEST_F(Dates, DealAccountWithoutValueDateHasNoDates) {
    Bond();
    // The bookings' value date is never NULL; a row made of literals carries one.
    Expect(
        ValueLiteralRow({{"VKNT", "'6'"}, {"KKONTO", "601"}, {"DATUMV", "NULL"}, {"DOGDAN", "'01.02.2024'"}}),
        "", "", "");
}

TEST_F(Dates, ReferenceRateCouponRepricesAtTheNextPeriodsStart) {
    Bond({}, {{"REFOBM", "'EURIBOR'"}});
    Book({});
    EXPECT_EQ(Value().DAT_REPR, "01.01.2025");
}

TEST_F(Dates, ReferenceRateCouponInItsLastPeriodRepricesAtItsEnd) {
    Security(1);
    Coupon(1, 1, "01.01.2023", "31.12.2023", {{"REFOBM", "'EURIBOR'"}});
    Coupon(1, 2, "01.01.2024", "31.12.2024", {{"REFOBM", "'EURIBOR'"}});
    Book({});
    EXPECT_EQ(Value().DAT_REPR, "31.12.2024");
}

TEST_F(Dates, CouponWithoutReferenceRateHasNoRepricing) {
    Bond();
    Book({});
    EXPECT_EQ(Value().DAT_REPR, "");
}

} // namespace
