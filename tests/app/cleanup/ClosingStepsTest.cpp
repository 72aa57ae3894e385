// The lot copy and the closing procedure: lots taken from the details within the day and risk type,
// and the procedure's status shown as it comes, with or without rows.
#include "CleanupFixture.h"

#include "app/ClosingProcedure.h"
#include "app/LotCopy.h"

namespace cleanuptest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ClosingStepsTest : public CleanupTest {};

TEST_F(ClosingStepsTest, PositionsTakeTheirDetailsLotsWithinTheDayAndRiskType) {
    Store(Row(1).Znsval(10).Znsdomval(1234.5));
    Store(Row(2).Znsval(10).Znsdomval(99).OtLik(1));
    Run({"INSERT INTO OBLIM (ID, ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, STEVILO_LOTOV) VALUES (3, 3, '" + Day +
         "', 0, 5)"});
    RedundancnoFilanjeStevilaLotov(*Context, 0);
    EXPECT_EQ(Number("SELECT STEVILO_LOTOV FROM OBLIM WHERE ID = 1"), 1234.5);
    EXPECT_EQ(Number("SELECT STEVILO_LOTOV FROM OBLIM WHERE ID = 2"), 7);
    EXPECT_EQ(Number("SELECT STEVILO_LOTOV FROM OBLIM WHERE ID = 3"), std::nullopt);
}

TEST_F(ClosingStepsTest, ProcedureStatusIsShownAsReturned) {
    Store(Row(1).Znsval(10).Znsdomval(10));
    PrepissProceduro(*Context, 0);
    PrepissProceduro(*Context, 2);
    EXPECT_THAT(
        RecordingUi.Messages,
        ElementsAre("Status: 0\rStatusText: Kopirano: OBLIM 1, OBLIMD1 1, OBLIAM 0.",
                    "Status: 1\rStatusText: Za dan 31.03.2026 in tip tveganja 2 ni podatkov za kopiranje."));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM OBLIM_ARHIV"), 1);
}

TEST_F(ClosingStepsTest, FailedCallShowsTheCallAndRaises) {
    Run({"DROP PROCEDURE OBLI_COPY"});
    EXPECT_ANY_THROW(PrepissProceduro(*Context, 1));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0],
              "Napaka pri klicu procedure: \r begin OBLI_COPY(  '31.03.2026',  1,  :status,  "
              ":StatusText  )  ; end; ");
}

} // namespace
} // namespace cleanuptest
