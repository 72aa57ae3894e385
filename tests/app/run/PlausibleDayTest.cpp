// A day of data a bank's schema plausibly holds, run on all three risk types: rounding residues and
// tiny divisors in the turnover share, multi-byte texts at every cut, dates with a time of day,
// deal and row ids past 2^31, fractional fixed rates and a sign group of more than 1,000 rows.
#include "RunFixture.h"

#include "app/TransferRun.h"

namespace {

using runtest::RunTest;
using valuationtest::TBooking;
using Strings = std::vector<std::string>;

std::string At(const std::string& dayAndTime) {
    return "TO_DATE('" + dayAndTime + "', 'DD.MM.YYYY HH24:MI:SS')";
}

class PlausibleDay : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        Context->Arguments = {"DEMO", "demo", "demo", "Služba za tveganja"};
        Run({"INSERT INTO OSB (SFOSB, KRTBNK) VALUES (3, 'ABCDEFGČX')",
             "INSERT INTO VLT (SFVLT, KRT, IDBNK) VALUES ('999', 'ŠK', 'Šk')",
             "UPDATE ORG SET KNTORG = 'ŠČŽŠČ'",
             // An identity never reuses its values: this day's rows come after an old one past 2^31.
             "INSERT INTO OBLIM (ID, ID_SEQ_OBLIM, DAT_STANJA, OT_LIK) VALUES (2147483653, 1, '01.01.2020', "
             "0)"});
        SaleInTheReportMonth();
        TextsAndIds();
        DatesAndRates();
        SignGroup();
    }

    void Deal(int id, int vp, const std::string& idvp, int idpog, const char* kind, const std::string& day) {
        Insert("DOG", {{"IDDOG", std::to_string(id)},
                       {"IDVP", idvp},
                       {"IDPOG", std::to_string(idpog)},
                       {"SFVP", std::to_string(vp)},
                       {"SFPDG", std::string("'") + kind + "'"},
                       {"DAN", day}});
    }

    // Contract 11 trades as "H". Security 11: a sale in a converted currency whose divisor is the
    // residue of rounding the domestic amount (10000.01 / 7.5 = 1333.334667, stored 1333.33);
    // security 12: bought for a cent and sold for 68,000, a real divisor of 0.01.
    void SaleInTheReportMonth() {
        Security(11, {{"SFVLTNMN", "'191'"}});
        Deal(1101, 11, "1100", 11, "V", "'05.03.2024'");
        Book({.vp = 11,
              .idvp = "1100",
              .idpog = 11,
              .idmaster = "1101",
              .credit = "0",
              .debit = "10000.01",
              .currency = "HRK"});
        Security(12);
        Deal(1201, 12, "1200", 11, "A", "'01.02.2024'");
        Deal(1202, 12, "1200", 11, "V", "'05.03.2024'");
        Book({.vp = 12,
              .idvp = "1200",
              .idpog = 11,
              .idmaster = "1201",
              .credit = "0.01",
              .day = "01.02.2024"});
        Book({.vp = 12, .idvp = "1200", .idpog = 11, .idmaster = "1202", .credit = "0", .debit = "68000"});
    }

    // Security 13: issuer code, short code, currency and referent longer in bytes than their columns,
    // on a deal id past 2^31.
    void TextsAndIds() {
        Security(13, {{"KRT", "'ČČČČČČČČČČČČČČČ'"}, {"SFOSBIZD", "3"}, {"SFVLTNMN", "'999'"}});
        Book({.vp = 13, .idvp = "3000000000"});
    }

    // Security 14: a fund share dealt at 10:30; security 15: a floating bond whose coupons and
    // maturity carry times, with a fractional fixed part; security 16: a fixed bond at 2.75 %.
    void DatesAndRates() {
        Security(14, {{"SFFIN", "'PID'"}, {"SFGLVENT", "'K'"}});
        Deal(1401, 14, "1400", 10, "A", At("01.02.2024 10:30:00"));
        Book({.vp = 14, .idvp = "1400", .idmaster = "1401"});
        Security(15, {{"ZPDVP", At("15.03.2030 09:15:00")}, {"FIXOBR", "0.25"}});
        for (int year : {2023, 2024, 2025}) {
            const std::string y = std::to_string(year);
            Insert("KPN", {{"SFVP", "15"},
                           {"STKPN", std::to_string(year - 2022)},
                           {"PRVDAN", At("01.01." + y + " 08:00:00")},
                           {"ZDNDAN", At("31.12." + y + " 17:00:00")},
                           {"REFOBM", "'ČM EURIB'"},
                           {"OBRPRC", "3.5"}});
        }
        Book({.vp = 15, .idvp = "1500"});
        Security(16, {{"FIXOBR", "2.75"}});
        Coupon(16, 1, "01.01.2024", "31.12.2024", {{"OBRPRC", "4"}});
        Book({.vp = 16, .idvp = "1600"});
    }

    // Deal account 601, contract 10, deal 1700 of security 17: one position of +2000 against 1,001
    // of -2, each on its own deal row; the 1,001st outweighs it.
    void SignGroup() {
        Security(17);
        for (int i = 0; i <= SignRows; ++i) {
            Deal(20000 + i, 17, "1700", 10, "A", "'05.03.2024'");
            Book({.konto = 601,
                  .vp = 17,
                  .idvp = "1700",
                  .idmaster = std::to_string(20000 + i),
                  .credit = i == 0 ? "0" : "2",
                  .debit = i == 0 ? "2000" : "0"});
        }
    }

    std::string Of(int sfvp, const std::string& columns, int riskType) {
        const Strings values = Column(
            "SELECT " + columns + " FROM OBLIM O, OBLIMD1 D WHERE O.ID_SEQ_OBLIM = D.ID_SEQ_OBLIM " +
            "AND O.OT_LIK = D.OT_LIK AND O.DAT_STANJA = D.DAT_STANJA AND O.SFVP = " + std::to_string(sfvp) +
            " AND O.OT_LIK = " + std::to_string(riskType));
        return values.size() == 1 ? values.front() : "rows: " + std::to_string(values.size());
    }

    static constexpr int SignRows = 1001;
};

TEST_F(PlausibleDay, RunCompletesOnEveryRiskTypeWithTheValuesTheRulesGive) {
    for (int riskType : {0, 1, 2}) {
        Output.RiskType = riskType;
        ASSERT_NO_THROW(Prepis(*Context, Output)) << riskType;
    }
    for (int riskType : {0, 1, 2}) {
        SCOPED_TRACE(riskType);
        // Three positions of the base day, six here and the sign group's positive row.
        EXPECT_EQ(Count("OBLIM", riskType), 10);
        EXPECT_EQ(Count("OBLIMD1", riskType), 10);
        EXPECT_EQ(Of(11, "D.ZNSDOMVAL || ':' || D.ECB_42", riskType), "1333.33:0");
        EXPECT_EQ(Of(12, "ROUND(D.ECB_42 / 1000000)", riskType), "680");
        EXPECT_EQ(Of(13,
                     "O.ID_KOM || '|' || O.POGODBA || '|' || O.VP_BORZNAOZN || '|' || D.ID_VAL || '|' || "
                     "O.ID_REFE || '|' || O.SM",
                     riskType),
                  "ABCDEFG|103000000000ČČČČČČČČČ|ČČČČČČČČČČČČČČČ|Šk|Služba za|ŠČŽŠČ");
        EXPECT_EQ(Of(14, "TO_CHAR(O.DAT_OTVORITVE, 'DD.MM.YYYY HH24:MI')", riskType), "01.02.2024 00:00");
        EXPECT_EQ(Of(15,
                     "TO_CHAR(O.DAT_OTVORITVE, 'DD.MM.YYYY HH24:MI') || '|' || "
                     "TO_CHAR(O.DAT_ZAPADLOSTI, 'DD.MM.YYYY') || '|' || TO_CHAR(D.DAT_REPR, 'DD.MM.YYYY') || "
                     "'|' || D.ECB_24 || '|' || D.REAL_OBRM || '|' || D.REFER_OBRM",
                     riskType),
                  "01.01.2023 00:00|15.03.2030|01.01.2025|Č|.25|3.25");
        EXPECT_EQ(Of(16, "D.REAL_OBRM || '|' || D.REFER_OBRM", riskType), "2.75|0");
        // The positive row outweighed by the 1,001 negative ones keeps the remaining -2; the others go.
        EXPECT_EQ(Of(17, "D.ZNSVAL || ':' || O.STEVILO_LOTOV", riskType), "-2:-2");
        EXPECT_EQ(Column("SELECT COUNT(*) FROM OBLIM WHERE ID <= 2147483653 AND OT_LIK = " +
                         std::to_string(riskType) + " AND DAT_STANJA = '" + kDay + "'"),
                  Strings{"0"});
    }
}

} // namespace
