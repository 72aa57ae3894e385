// The valuation as a whole: the kind letter, the step names in their order, the coupon period left
// on Qkpn for the writers, a row valued after another carrying nothing of it, the same valuation
// for every risk type, and a failed lookup ending the valuation with its message.
#include "ValuationFixture.h"

#include "app/SourceExtraction.h"
#include "app/Valuation.h"
#include "oracle/Oracle.h"

#include <sstream>

namespace {

using valuationtest::TBooking;
using valuationtest::ValuationTest;

// Every field of the record, so that two valuations can be compared as a whole.
std::string AllFields(const TOblimRow& r) {
    std::ostringstream text;
    text << r.ID_APLI << '|' << r.DAT_STANJA << '|' << r.ORGEN << '|' << r.SM << '|' << r.ID_KOM << '|'
         << r.POGODBA << '|' << r.DAT_OTVORITVE << '|' << r.DAT_ZAPAD_POSLA << '|' << r.ECB_14 << '|'
         << r.ECB_38 << '|' << r.ECB_40 << '|' << r.STEVILO_LOTOV << '|' << r.VP_BORZNAOZN << '|' << r.ID_REFE
         << '|' << r.DAT_VPISA << '|' << r.ID_STO << '|' << r.ISIN << '|' << r.SFVP << '|'
         << r.ECB_ELIGIBLE_DN << '|' << r.ID_MAT_TIP << '|' << r.ID_KONTO << '|' << r.DAT_ZAPADLOSTI << '|'
         << r.ID_VAL << '|' << r.ZNSVAL << '|' << r.ZNSDOMVAL << '|' << r.ECB_16 << '|' << r.ECB_21 << '|'
         << r.ECB_22 << '|' << r.ECB_24 << '|' << r.REAL_DML << '|' << r.REAL_OBRM << '|' << r.SKUPNA_OBRM
         << '|' << r.REFER_OBRM << '|' << r.ZNSPNC << '|' << r.DAT_REPR << '|' << r.ECB_42 << '|' << r.ZNESNOM
         << '|' << r.IDKONVEN << '|' << r.AM_VREDNOST << '|' << r.KODA_BORZE << '|' << r.LIN_KON << '|'
         << r.BAN_TRG << '|' << r.ZAST_LOTI << '|' << r.VKNT << '|' << r.SFGLVENT << '|' << r.IDPOG << '|'
         << r.ZST << '|' << r.OPKRTBNK << '|' << r.DOGLOT;
    return text.str();
}

// A bond position on a security account with everything set that a deal-account row leaves out,
// and a deal-account position of security 2 that sorts after it.
class Flow : public ValuationTest {
protected:
    void SetUp() override {
        ValuationTest::SetUp();
        Security(1, {{"ZPDVP", "'15.03.2030'"}, {"DANODP", "'01.06.2026'"}, {"FIXOBR", "'1'"}});
        Coupon(1, 1, "01.01.2024", "31.12.2024", {{"REFOBM", "'EU3M'"}, {"SFOBD", "'365'"}, {"OBRPRC", "4"}});
        Coupon(1, 2, "01.01.2025", "31.12.2025", {{"REFOBM", "'EU3M'"}, {"SFOBD", "'365'"}, {"OBRPRC", "4"}});
        Insert("VPHST", {{"SFVP", "1"},
                         {"DAN", "'15.03.2024'"},
                         {"IDVP", "100"},
                         {"IDPOG", "11"},
                         {"SFSVP", "'L'"},
                         {"LOT", "7"},
                         {"GLVTCJNKP", "98.5"}});
        Insert("VPSHST",
               {{"IDPOG", "11"}, {"SFVP", "1"}, {"DAN", "'15.03.2024'"}, {"SFSVP", "'L'"}, {"ZST", "3"}});
        Insert("ZDNHST", {{"DAN", "'15.03.2024'"}, {"SFDJV", "'L'"}, {"VRDOK", "'D'"}});
        Book({.idpog = 11});
        Security(2, {{"SFGLVENT", "'K'"}, {"SFFIN", "'DEL'"}});
        Book({.konto = 601, .vp = 2, .idvp = "200", .credit = "50"});
    }
};

TEST_F(Flow, KindLetterFollowsTheAccountClass) {
    EXPECT_EQ(KindLetterFromVknt("1"), "E");
    EXPECT_EQ(KindLetterFromVknt("2"), "E");
    EXPECT_EQ(KindLetterFromVknt("6"), "M");
    EXPECT_EQ(KindLetterFromVknt("7"), "E");
    EXPECT_EQ(KindLetterFromVknt(""), "E");
}

TEST_F(Flow, StepsAreNamedInTheirOrder) {
    Run({"DELETE FROM KNJIZBE WHERE KONTO = 601"});
    Value();
    EXPECT_EQ(Labels.Calls,
              (std::vector<std::string>{"step KUPONI", "step ID_KOM", "step ID_BONITETA", "step ZAVAROVANJE",
                                        "step DAT_ZAPAD", "step ZNESEK_VAL", "step REVAL_DML",
                                        "step REVAL_OBRM", "step ECB_14", "step ECB_15", "step ECB_17",
                                        "step ECB_29", "step ECB_21", "step ECB_34"}));
}

TEST_F(Flow, CurrentCouponStaysOnQkpnForTheWriters) {
    Run({"DELETE FROM KNJIZBE WHERE KONTO = 601"});
    const TOblimRow row = Value();
    EXPECT_EQ(row.DAT_REPR, "01.01.2025"); // the next period was read, but elsewhere
    EXPECT_EQ(DM->Qkpn.FieldByName("REFOBM").AsString(), "EU3M");
    EXPECT_EQ(DM->Qkpn.FieldByName("ZDNDAN").AsString(), "31.12.2024");
}

TEST_F(Flow, NothingOfTheRowBeforeSurvives) {
    const std::vector<TOblimRow> rows = ValueAll();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].REAL_OBRM, 1);
    EXPECT_EQ(rows[0].DAT_REPR, "01.01.2025");
    // The deal-account row alone on a fresh record.
    Output = TRowOutput();
    BeriPodatke(*Context);
    DM->Q1.Next();
    EXPECT_EQ(AllFields(ValueCurrentRow()), AllFields(rows[1]));
}

TEST_F(Flow, EveryRiskTypeGetsTheSameValuation) {
    std::vector<std::string> valuations;
    for (int riskType : {0, 1, 2}) {
        Output = TRowOutput();
        Output.RiskType = riskType;
        std::string all;
        for (const TOblimRow& row : ValueAll())
            all += AllFields(row) + "\n";
        valuations.push_back(all);
    }
    EXPECT_EQ(valuations[1], valuations[0]);
    EXPECT_EQ(valuations[2], valuations[0]);
}

TEST_F(Flow, FailedLookupEndsTheValuationWithItsMessage) {
    Run({"DELETE FROM KNJIZBE WHERE KONTO = 601"});
    BeriPodatke(*Context);
    Labels.Calls.clear();
    Run({"DROP TABLE FIN"});
    EXPECT_THROW(ValueCurrentRow(), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("Napaka:\r", 0), 0u);
    EXPECT_NE(RecordingUi.Messages[0].find("FROM FIN, SIF"), std::string::npos);
    EXPECT_EQ(Labels.Calls.back(), "step ZAVAROVANJE");
}

} // namespace
