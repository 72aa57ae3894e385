// Interest-rate fields and ECB codes: the term bands at their edges, the reference-rate band, the
// code of list 014 with and without an interval, index names with and without "TOM", the rate
// kind of a coupon, the day-count conventions, the debt and redemption codes by account, and the
// fields a security not quoted in percent leaves empty.
#include "ValuationFixture.h"

#include "platform/settings/DateText.h"

namespace {

using valuationtest::TBooking;
using valuationtest::TColumns;
using valuationtest::ValuationTest;

class Rates : public ValuationTest {
protected:
    //! Security 1 (with these columns) whose one coupon period holds the report day and lasts days.
    TOblimRow Bond(const TColumns& security, const TColumns& coupon, double days = 730, int account = 201) {
        Run({"DELETE FROM KNJIZBE", "DELETE FROM SFVP", "DELETE FROM KPN"});
        Security(1, security);
        const TDateTime start = EncodeDate(2024, 1, 1);
        Coupon(1, 1, FormatShortDate(start), FormatShortDate(start + days), coupon);
        Book({.konto = account});
        return Value();
    }
};

TEST_F(Rates, TermBandEdges) {
    const std::pair<double, const char*> cases[] = {{365, "2"},  {366, "3"},  {1825, "3"},
                                                    {1826, "4"}, {3650, "4"}, {3651, "5"}};
    for (const auto& [days, band] : cases)
        EXPECT_EQ(Bond({}, {}, days).ECB_22, band) << days;
}

TEST_F(Rates, ReferenceRateGivesBandOneAndItsMargin) {
    const TOblimRow row = Bond({{"FIXOBR", "'1'"}}, {{"REFOBM", "'EU3M'"}, {"OBRPRC", "4.5"}}, 5000);
    EXPECT_EQ(row.ECB_22, "1");
    EXPECT_EQ(row.ECB_24, "EU");
    EXPECT_EQ(row.SKUPNA_OBRM, 4.5);
    EXPECT_EQ(row.REFER_OBRM, 3.5);
    EXPECT_EQ(row.REAL_OBRM, 1); // the fixed part stands for the real rate
}

TEST_F(Rates, WithoutReferenceRateTheRealRateIsTheCouponRate) {
    const TOblimRow row = Bond({}, {{"OBRPRC", "4.5"}});
    EXPECT_EQ(row.REAL_OBRM, 4.5);
    EXPECT_EQ(row.REFER_OBRM, 0);
    EXPECT_EQ(row.ECB_24, "");
}

TEST_F(Rates, TermCodeOfList014WrittenWithTwoDigits) {
    Run({"INSERT INTO ECB_SIFRANTI (ECB_SEZNAM_ID, ECB_SIFR_ID, INTERVAL_OD, INTERVAL_DO) VALUES ('014', 7, "
         "0, 400)",
         "INSERT INTO ECB_SIFRANTI (ECB_SEZNAM_ID, ECB_SIFR_ID, INTERVAL_OD, INTERVAL_DO) "
         "VALUES ('014', 123, 401, 1000)"});
    EXPECT_EQ(Bond({}, {}, 365).ECB_14, "07");
    EXPECT_EQ(Bond({}, {}, 730).ECB_14, "12"); // three digits are cut to two
    // No interval holds 2000 days: the lookup's first code.
    EXPECT_EQ(Bond({}, {}, 2000).ECB_14, "01");
}

TEST_F(Rates, TermCodeOfOtherClassesAndAccounts) {
    EXPECT_EQ(Bond({{"SFFIN", "'PID'"}}, {}).ECB_14, "01");
    EXPECT_EQ(Bond({}, {}, 730, 601).ECB_14, "01");
    EXPECT_EQ(Bond({{"SFGLVENT", "'K'"}}, {}).ECB_14, "");
}

TEST_F(Rates, IndexKindGoesByTheCaseSensitiveNameOfTheIndex) {
    Run({"INSERT INTO SFINX (SFINX, NZV) VALUES ('E3M', 'EURIBOR TOM 3M')",
         "INSERT INTO SFINX (SFINX, NZV) VALUES ('ATOM', 'Atomski tom')"});
    EXPECT_EQ(Bond({}, {{"SFINX", "'E3M'"}}).ECB_21, "TOM");
    EXPECT_EQ(Bond({}, {{"SFINX", "'E3M\t'"}}).ECB_21, "TOM");
    EXPECT_EQ(Bond({}, {{"SFINX", "'ATOM'"}}).ECB_21, "OST");
    EXPECT_EQ(Bond({}, {}).ECB_21, "NOM");
    EXPECT_EQ(Bond({}, {{"SFINX", "'E3M'"}}, 730, 601).ECB_21, "NOM");
}

TEST_F(Rates, RateKindOfTheCoupon) {
    EXPECT_EQ(Bond({}, {{"OBRPRC", "4.5"}, {"SFOBD", "'365'"}}).REAL_DML, "3");
    EXPECT_EQ(Bond({}, {{"OBRPRC", "0"}, {"SFOBD", "'365'"}}).REAL_DML, "0");
    EXPECT_EQ(Bond({{"SFFIN", "'PID'"}}, {{"OBRPRC", "4.5"}, {"SFOBD", "'365'"}}).REAL_DML, "0");
    // Day counts 3 and 6 make every coupon real, whatever its class and rate.
    EXPECT_EQ(Bond({{"SFFIN", "'PID'"}}, {{"OBRPRC", "0"}, {"SFOBD", "'3'"}}).REAL_DML, "3");
    EXPECT_EQ(Bond({{"SFFIN", "'PID'"}, {"SFGLVENT", "'K'"}}, {{"SFOBD", "'6'"}}).REAL_DML, "3");
}

TEST_F(Rates, DayCountConventions) {
    const std::pair<const char*, int> cases[] = {{"'100'", 2}, {"'200'", 3}, {"'300'", 5}, {"'365'", 6},
                                                 {"'12'", 1},  {"'0'", 1},   {"NULL", 1}};
    for (const auto& [dayCount, convention] : cases)
        EXPECT_EQ(Bond({}, {{"SFOBD", dayCount}}).IDKONVEN, convention) << dayCount;
    EXPECT_EQ(Bond({{"SFGLVENT", "'K'"}}, {{"SFOBD", "'365'"}}).IDKONVEN, 0);
}

TEST_F(Rates, DebtCodeByClassAndAccount) {
    EXPECT_EQ(Bond({}, {}).ECB_38, "1");
    EXPECT_EQ(Bond({}, {}, 730, 379).ECB_38, "2");
    EXPECT_EQ(Bond({}, {}, 730, 257).ECB_38, "2");
    EXPECT_EQ(Bond({{"SFFIN", "'DEL'"}}, {}).ECB_38, "2");
    EXPECT_EQ(Bond({}, {}, 730, 601).ECB_38, "2");
}

TEST_F(Rates, RedemptionCodeByRedemptionKindAndDay) {
    EXPECT_EQ(Bond({{"SFODP", "'N'"}, {"DANODP", "'01.06.2026'"}}, {}).ECB_40, "2");
    EXPECT_EQ(Bond({{"DANODP", "'01.06.2026'"}}, {}).ECB_40, "3");
    EXPECT_EQ(Bond({}, {}).ECB_40, "1");
    EXPECT_EQ(Bond({{"SFFIN", "'DEL'"}}, {}).ECB_40, "");
    EXPECT_EQ(Bond({{"SFFIN", "'DEL'"}}, {}, 730, 601).ECB_40, "2");
}

TEST_F(Rates, SecurityNotQuotedInPercentLeavesTheRateFieldsEmpty) {
    const TOblimRow row = Bond({{"SFGLVENT", "'K'"}, {"FIXOBR", "'1'"}},
                               {{"REFOBM", "'EU3M'"}, {"OBRPRC", "4.5"}, {"SFOBD", "'365'"}});
    EXPECT_EQ(row.ECB_14, "");
    EXPECT_EQ(row.ECB_16, "");
    EXPECT_EQ(row.ECB_21, "");
    EXPECT_EQ(row.ECB_22, "");
    EXPECT_EQ(row.ECB_24, "EU");
    EXPECT_EQ(row.REAL_OBRM, 0);
    EXPECT_EQ(row.SKUPNA_OBRM, 0);
    EXPECT_EQ(row.REFER_OBRM, 0);
    EXPECT_EQ(row.IDKONVEN, 0);
}

TEST_F(Rates, DealAccountCodes) {
    const TOblimRow row = Bond({}, {{"REFOBM", "'EU3M'"}}, 730, 601);
    EXPECT_EQ(row.ECB_14, "01");
    EXPECT_EQ(row.ECB_16, "99");
    EXPECT_EQ(row.ECB_21, "NOM");
    EXPECT_EQ(row.ECB_22, "1");
    EXPECT_EQ(row.ECB_24, "");
    EXPECT_EQ(row.ECB_38, "2");
    EXPECT_EQ(row.ECB_40, "2");
}

} // namespace
