// The preview and the plan detail over stored results: an empty day shows "0", a position's plan
// is found by day, risk type and sequence number, and a failure shows the statement.
#include "RunFixture.h"

#include "app/Preview.h"
#include "app/TransferRun.h"

namespace {

using runtest::RunTest;

class Preview : public RunTest {};

TEST_F(Preview, DayWithoutResultsShowsZeroRows) {
    Predogled(*Context, 1);
    EXPECT_EQ(Labels.Calls, (std::vector<std::string>{"grid Q1", "rows 0"}));
    EXPECT_TRUE(DM->Q1.Active());
    EXPECT_EQ(IzbranaPozicija(*DM), 0);
}

TEST_F(Preview, PositionsInSequenceOrderAndTheirPlans) {
    Prepis(*Context, Output);
    Predogled(*Context, 0);
    EXPECT_EQ(IzbranaPozicija(*DM), 1);
    EXPECT_TRUE(BeriObliam(*Context, 0, 1));
    EXPECT_EQ(DM->Qobliam1.RecordCount(), 2);
    EXPECT_FALSE(BeriObliam(*Context, 0, 2));
    EXPECT_FALSE(BeriObliam(*Context, 1, 1)) << "another risk type has no plan";
    DM->Q1.Last();
    EXPECT_EQ(IzbranaPozicija(*DM), 3);
}

TEST_F(Preview, NoUsableSequenceNumberIsPositionZero) {
    Run({"CREATE TABLE OTHER (X NUMBER)", "INSERT INTO OTHER (X) VALUES (5)"});
    DM->Q1.Close();
    DM->Q1.SetSQLText("SELECT X FROM OTHER");
    DM->Q1.Open();
    EXPECT_EQ(IzbranaPozicija(*DM), 0);
    DM->Q1.Close();
    DM->Q1.SetSQLText("SELECT 'abc' ID_SEQ_OBLIM FROM DUAL");
    DM->Q1.Open();
    EXPECT_EQ(IzbranaPozicija(*DM), 0) << "a value that is no integer";
    DM->Q1.Close();
    EXPECT_EQ(IzbranaPozicija(*DM), 0);
}

TEST_F(Preview, FailuresShowTheStatement) {
    Run({"DROP TABLE OBLIAM", "DROP TABLE OBLIMD1"});
    EXPECT_THROW(Predogled(*Context, 2), EOracleError);
    EXPECT_THROW(BeriObliam(*Context, 2, 1), EOracleError);
    ASSERT_EQ(RecordingUi.Messages.size(), 2u);
    EXPECT_EQ(
        RecordingUi.Messages[0],
        "SELECT OBLIM.*, OBLIMD1.* FROM OBLIM, OBLIMD1  WHERE OBLIM.DAT_STANJA='15.03.2024'  AND "
        "OBLIM.ID_SEQ_OBLIM=OBLIMD1.ID_SEQ_OBLIM  AND OBLIM.OT_LIK=2 AND OBLIM.DAT_STANJA=OBLIMD1.DAT_STANJA "
        " AND OBLIM.OT_LIK=OBLIMD1.OT_LIK  ORDER BY OBLIM.ID_SEQ_OBLIM");
    EXPECT_EQ(RecordingUi.Messages[1],
              "SELECT * FROM OBLIAM  WHERE DAT_STANJA = :DAT_STANJA  AND OT_LIK= :OT_LIK "
              " AND ID_SEQ_OBLIM = :ID_SEQ_OBLIM ");
}

} // namespace
