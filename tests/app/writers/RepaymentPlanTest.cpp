// Repayment plans written into OBLIAM from hand-made coupon schedules: the 100-period cap with
// nothing outstanding after the last row, the day-count interest, amounts per coupon and indexed
// rates, codes trimmed of control characters, the due date as a day, the plan's currency and nominal
// value, no rows without coupons, a failed read, and a
// failing row of a block of plans reported with the tag of its position.
#include "WritersFixture.h"

#include "app/RepaymentPlan.h"

#include <cstdio>
#include <string>

namespace {

using writerstest::WritersTest;

class RepaymentPlan : public WritersTest {
protected:
    void SetUp() override {
        WritersTest::SetUp();
        Run({"INSERT INTO VLT VALUES ('EUR', 'EUR', '978')",
             "INSERT INTO SFVP (SFVP, SFVLTNMN, GLVNMN, SFGLVENT) VALUES (7, 'EUR', 1000, '%')"});
    }

    //! One coupon row of security 7.
    void Coupon(int number, const std::string& start, const std::string& due, const std::string& rest) {
        Run({"INSERT INTO KPN (SFVP, STKPN, PRVDAN, ZDNDAN, SFOBD, SFOBM, SFOBR, SFINX, OBRPRC, OBROBR, "
             "GLVOBR, "
             "GLV) VALUES (7, " +
             std::to_string(number) + ", '" + start + "', '" + due + "', " + rest + ")"});
    }
};

TEST_F(RepaymentPlan, HundredTwentyCouponsGiveHundredRowsTheLastWithNothingOutstanding) {
    for (int k = 1; k <= 120; ++k) {
        const int year = 2000 + (k - 1) / 12, month = (k - 1) % 12 + 1;
        char start[11], due[11];
        std::snprintf(start, sizeof start, "01.%02d.%04d", month, year);
        std::snprintf(due, sizeof due, "28.%02d.%04d", month, year);
        Coupon(k, start, due, "'365', 'x', 'A', NULL, 0, 1, 10, " + std::to_string(1200 - 10 * (k - 1)));
    }
    ZapisVrsticObliam(*DM, Output, 5, 7, 2);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIAM WHERE ID_SEQ_OBLIM=5"), "100");
    EXPECT_EQ(Value("SELECT MAX(DATZAP) FROM OBLIAM"), "28.04.2008");
    EXPECT_EQ(Value("SELECT ZNSGLOST FROM OBLIAM WHERE DATZAP='28.04.2008'"), "0");
    // Outstanding after a period is the next period's principal outstanding.
    EXPECT_EQ(Value("SELECT ZNSGLOST FROM OBLIAM WHERE DATZAP='28.01.2000'"), "2380");
    EXPECT_EQ(Value("SELECT ZNSGL FROM OBLIAM WHERE DATZAP='28.01.2000'"), "20");
    EXPECT_EQ(Value("SELECT ZNSOBRS FROM OBLIAM WHERE DATZAP='28.01.2000'"), "2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIAM WHERE AM_STT='A' AND DATZAPVAL IS NULL AND ID_VAL='978' "
                    "AND OT_LIK=0 AND DAT_STANJA='15.03.2024'"),
              "100");
    EXPECT_DOUBLE_EQ(Output.OblimRow.ZNESNOM, 1000);
}

TEST_F(RepaymentPlan, InterestOverDaysWithEndDayOnA360DayYear) {
    Coupon(1, "01.01.2024", "31.03.2024", "'360', '=', 'F', NULL, 4, 0, 0, 10");
    Output.RiskType = 1;
    ZapisVrsticObliam(*DM, Output, 1, 7, 10);
    EXPECT_EQ(Value("SELECT ZNSOBRS FROM OBLIAM WHERE OT_LIK=1"), "101,11");
    EXPECT_EQ(Value("SELECT ZNSGLOST FROM OBLIAM"), "0");
}

TEST_F(RepaymentPlan, IndexedRateAddsTheIndexOnItsDay) {
    Run({"INSERT INTO INX VALUES ('EUR6M', '29.12.2023', 1)",
         "INSERT INTO INX VALUES ('EUR6M', '02.01.2024', 5)"});
    Coupon(1, "01.01.2024", "31.03.2024", "'360', '=', 'F', 'EUR6M', 3, 0, 0, 10");
    ZapisVrsticObliam(*DM, Output, 1, 7, 10);
    EXPECT_EQ(Value("SELECT ZNSOBRS FROM OBLIAM"), "101,11");
}

// Codes keyed by hand may end in a tab or a line end: trimmed, they still name the index and the
// currency.
TEST_F(RepaymentPlan, CodesEndingInControlCharactersAreTrimmed) {
    Run({"INSERT INTO INX VALUES ('EUR6M', '29.12.2023', 1)", "UPDATE VLT SET IDBNK = '97\t'"});
    Coupon(1, "01.01.2024", "31.03.2024", "'360', '=', 'F', 'EUR6M\n', 3, 0, 0, 10");
    ZapisVrsticObliam(*DM, Output, 1, 7, 10);
    EXPECT_EQ(Value("SELECT ZNSOBRS FROM OBLIAM"), "101,11");
    EXPECT_EQ(Value("SELECT ID_VAL FROM OBLIAM"), "97");
}

TEST_F(RepaymentPlan, DueDateIsTheDayOfTheCouponEnd) {
    Coupon(1, "01.01.2024", "31.03.2024", "'360', '=', 'F', NULL, 4, 0, 0, 10");
    Run({"UPDATE KPN SET ZDNDAN = TO_DATE('31.03.2024 17:30:00', 'DD.MM.YYYY HH24:MI:SS')"});
    ZapisVrsticObliam(*DM, Output, 1, 7, 10);
    EXPECT_EQ(Value("SELECT TO_CHAR(DATZAP, 'DD.MM.YYYY HH24:MI:SS') FROM OBLIAM"), "31.03.2024 00:00:00");
}

TEST_F(RepaymentPlan, NoCouponsWriteNoRows) {
    ZapisVrsticObliam(*DM, Output, 1, 99, 10);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIAM"), "0");
    EXPECT_TRUE(RecordingUi.Messages.empty());
}

TEST_F(RepaymentPlan, FailedCouponReadShowsTheStatement) {
    Run({"DROP TABLE VLT"});
    EXPECT_ANY_THROW(ZapisVrsticObliam(*DM, Output, 1, 7, 10));
    ASSERT_FALSE(RecordingUi.Messages.empty());
    EXPECT_EQ(RecordingUi.Messages[0].rfind(
                  "Napaka:\r SELECT kpn.*, sfvp.glvnmn glvnmn, vlt.idbnk idbnk FROM KPN", 0),
              0u);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIAM"), "0");
}

TEST_F(RepaymentPlan, FailingPlanRowNamesItsTagAndSendsNothingAfterIt) {
    int failedTag = -1;
    TInsertBlock block = ObliamBlock(*DM, {}, [&](int tag, const auto&, const auto&) { failedTag = tag; });
    const auto row = [](TVariant seq) {
        return std::vector<TVariant>{seq,
                                     TVariant::FromText("978"),
                                     TVariant::FromDateTime(45000),
                                     TVariant::FromFloat(1),
                                     TVariant::FromFloat(2),
                                     TVariant::FromFloat(3),
                                     TVariant::FromText("A"),
                                     TVariant::FromDateTime(45366),
                                     TVariant::FromInteger(0)};
    };
    block.AddRow(row(TVariant::FromInteger(1)), 7);
    block.AddRow(row(TVariant()), 8); // ID_SEQ_OBLIM is NOT NULL
    block.AddRow(row(TVariant::FromInteger(3)), 9);
    EXPECT_ANY_THROW(block.Flush());
    EXPECT_EQ(failedTag, 8);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM OBLIAM WHERE ID_SEQ_OBLIM=3"), "0");
}

} // namespace
