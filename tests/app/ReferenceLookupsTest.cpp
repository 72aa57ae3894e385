// The reference-data lookups against hand-made rows: rates on or before the day and never after,
// LST classes, the coupon period containing the day at either edge, index values and names, the
// ECB term code with its fallbacks, and the messages shown on failure; inside a run the coupon
// periods of every security as each reads alone.
#include "AppFixture.h"

#include "app/DateLookups.h"
#include "app/ReferenceLookups.h"
#include "oracle/Oracle.h"

#include <vector>

namespace {

using apptest::AppTest;

class ReferenceLookups : public AppTest {};

TEST_F(ReferenceLookups, RateIsTheLatestOnOrBeforeTheDayNeverALaterOne) {
    Run({"INSERT INTO VLN VALUES ('U', '0', '13.03.2024', 1.08)",
         "INSERT INTO VLN VALUES ('U', '0', '14.03.2024', 1.09)",
         "INSERT INTO VLN VALUES ('U', '0', '16.03.2024', 1.20)",
         "INSERT INTO VLN VALUES ('U', '1', '15.03.2024', 1.50)",
         "INSERT INTO VLN VALUES ('C', '0', '14.03.2024', 0)"});
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "U", "15.03.2024"), 1.09);
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "U", "16.03.2024"), 1.20);
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "U", "12.03.2024"), 0.0);
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "C", "15.03.2024"), 0.0);
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "H", "15.03.2024"), 0.0);
}

TEST_F(ReferenceLookups, DomesticCurrencyIsOneWithoutAStatement) {
    DM->Qvln.SetSQLText("untouched");
    EXPECT_DOUBLE_EQ(BeriTecaj(*DM, "E", "not a day"), 1.0);
    EXPECT_EQ(DM->Qvln.SQL(), std::vector<std::string>{"untouched"});
}

TEST_F(ReferenceLookups, UnreadableDayShowsTheStatementAndRaises) {
    EXPECT_THROW(BeriTecaj(*DM, "U", "32.13.2024"), Exception);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(
        RecordingUi.Messages[0],
        "SELECT TCJ FROM VLN  WHERE SFVLT= :SFVLT  AND SFVLN = '0'  AND DAN <= :DAN  ORDER BY DAN DESC ");
    EXPECT_THROW(BeriINX(*DM, "E3M", "x"), Exception);
    EXPECT_EQ(RecordingUi.Messages[1].rfind("Napaka: sfvp:\rSELECT INX FROM INX ", 0), 0u);
}

TEST_F(ReferenceLookups, DebtClassesCountOnlyWhenRegisteredInLst) {
    Run({"INSERT INTO SIF VALUES ('LST', 'K', 'k')", "INSERT INTO SIF VALUES ('LST', 'L', 'l')",
         "INSERT INTO SIF VALUES ('XXX', 'D', 'd')", "INSERT INTO FIN VALUES ('BOND', 'x', 'K')",
         "INSERT INTO FIN VALUES ('SHARE', 'x', 'L')", "INSERT INTO FIN VALUES ('GOV', 'x', 'D')"});
    EXPECT_TRUE(JeDolzniskiVP(*DM, "BOND"));
    EXPECT_FALSE(JeDolzniskiVP(*DM, "SHARE"));
    EXPECT_FALSE(JeDolzniskiVP(*DM, "GOV"));
    EXPECT_FALSE(JeDolzniskiVP(*DM, "NONE"));
    EXPECT_EQ(BeriSflst(*DM, "SHARE"), "L");
    EXPECT_EQ(BeriSflst(*DM, "NONE"), "");
}

TEST_F(ReferenceLookups, FailedClassLookupShowsNapakaAndTheStatement) {
    Run({"DROP TABLE SIF"});
    EXPECT_THROW(JeDolzniskiVP(*DM, "BOND"), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("Napaka:\rSELECT COUNT(SIF.KRT) STEV FROM FIN, SIF ", 0), 0u);
}

TEST_F(ReferenceLookups, CurrentCouponContainsTheDayAtEitherEdge) {
    Run({"INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFINX, OBRPRC, REFOBM, SFOBR) "
         "VALUES (7, 1, '15.09.2023', '15.03.2024', 'E6M', 3.5, 'R1', 'F')",
         "INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFINX, OBRPRC, REFOBM, SFOBR) "
         "VALUES (7, 2, '16.03.2024', '15.09.2024', 'E3M', 4.25, 'R2', 'G')"});
    const auto coupon = [&](int year, int month, int day) {
        Context->ReportDay = EncodeDate(year, month, day);
        BeriTekociKupon(*Context, 7);
        EXPECT_EQ(DM->Qkpn.RecordCount(), 1);
        return DM->Qkpn.FieldByName("SfInx").AsString() + " " + DM->Qkpn.FieldByName("ZDNDAN").AsString();
    };
    EXPECT_EQ(coupon(2023, 9, 15), "E6M 15.03.2024");
    EXPECT_EQ(coupon(2024, 3, 15), "E6M 15.03.2024");
    EXPECT_EQ(coupon(2024, 3, 16), "E3M 15.09.2024");
    EXPECT_DOUBLE_EQ(DM->Qkpn.FieldByName("ObrPrc").AsFloat(), 4.25);
    EXPECT_EQ(coupon(2024, 9, 16), " ");
    EXPECT_DOUBLE_EQ(DM->Qkpn.FieldByName("OBRPRC").AsFloat(), 0.0);
}

TEST_F(ReferenceLookups, IndexValueOnOrBeforeTheDayAndItsName) {
    Run({"INSERT INTO INX VALUES ('E3M', '14.03.2024', 3.9)",
         "INSERT INTO INX VALUES ('E3M', '18.03.2024', 3.8)",
         "INSERT INTO SFINX VALUES ('E3M', 'EURIBOR 3M')"});
    EXPECT_DOUBLE_EQ(BeriINX(*DM, "E3M", "15.03.2024"), 3.9);
    EXPECT_DOUBLE_EQ(BeriINX(*DM, "E3M", "13.03.2024"), 0.0);
    EXPECT_EQ(BeriNazivIndeksa(*DM, "E3M"), "EURIBOR 3M");
    EXPECT_EQ(BeriNazivIndeksa(*DM, "E6M"), "");
}

TEST_F(ReferenceLookups, EcbTermCodeByIntervalWithOneAsFallback) {
    Run({"INSERT INTO ECB_SIFRANTI VALUES ('014', 0, 0, 10, 'zero')",
         "INSERT INTO ECB_SIFRANTI VALUES ('014', 3, 11, 365, 'year')",
         "INSERT INTO ECB_SIFRANTI VALUES ('014', 5, 366, NULL, 'longer')",
         "INSERT INTO ECB_SIFRANTI VALUES ('015', 9, 1000, 2000, 'other list')"});
    EXPECT_EQ(BeriEcb014(*DM, 365), 3);
    EXPECT_EQ(BeriEcb014(*DM, 1825), 5);
    EXPECT_EQ(BeriEcb014(*DM, 5), 1);
    EXPECT_EQ(BeriEcb014(*DM, -4), 1);
    Run({"DROP TABLE ECB_SIFRANTI"});
    EXPECT_EQ(BeriEcb014(*DM, 365), 1);
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

// Positions of a run go back and forth between securities, with and without a current period, and
// a day-count code that is no number fails where it is read.
TEST_F(ReferenceLookups, RunReadsEachCouponPeriodAsTheSecurityAloneReads) {
    Run({"INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFOBD, SFINX, OBRPRC, REFOBM, SFOBR) "
         "VALUES (7, 1, '15.09.2023', '15.03.2024', '360', 'E6M', 3.5, 'R1', 'F')",
         "INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFOBD, SFINX, OBRPRC, REFOBM, SFOBR) "
         "VALUES (7, 2, '16.03.2024', '15.09.2024', '365', 'E3M', 4.25, 'R2', 'G')",
         "INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFOBD) VALUES (9, 1, '01.01.2024', '31.12.2024', "
         "'abc')"});
    Context->ReportDay = EncodeDate(2024, 3, 20);
    const auto period = [&](int sfvp) {
        BeriTekociKupon(*Context, sfvp);
        std::vector<std::string> values;
        for (const char* column : {"ZDNDAN", "SFINX", "REFOBM", "SFOBR", "OBRPRC"})
            values.push_back(DM->Qkpn.FieldByName(column).AsString());
        try {
            values.push_back(std::to_string(DM->Qkpn.FieldByName("SFOBD").AsInteger()));
        } catch (const Exception& e) {
            values.push_back(e.Message());
        }
        values.push_back(RacunajSteviloDni(*Context, sfvp) + " " + std::to_string(Context->SteviloDni));
        return values;
    };
    const std::vector<int> securities = {7, 8, 9, 7, 8};
    std::vector<std::vector<std::string>> alone;
    for (int sfvp : securities)
        alone.push_back(period(sfvp));
    EXPECT_EQ(alone[0][0], "15.09.2024");
    const TLookupCacheScope run(DM->Lookups);
    for (size_t i = 0; i < securities.size(); ++i)
        EXPECT_EQ(period(securities[i]), alone[i]) << securities[i];
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

} // namespace
