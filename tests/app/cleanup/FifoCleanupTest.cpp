// The FIFO passes on stored rows: which OBLIM rows go, that only VKNT '6' accounts of the day and risk
// type are touched, quotes in the keys, the orphan details of the second pass, dumps and failures.
#include "CleanupFixture.h"

#include "app/FifoCleanup.h"

namespace cleanuptest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class FifoCleanupTest : public CleanupTest {};

TEST_F(FifoCleanupTest, ClosedOutRowsOfTheFirstDateGoAndTheLaterRowStays) {
    Store(Row(1).Opening("01.03.2026").Znsval(100));
    Store(Row(2).Opening("01.03.2026").Znsval(-100));
    Store(Row(3).Opening("05.03.2026").Znsval(50));
    FIFOBrisanje1(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(3));
    EXPECT_THAT(ReadAppFile("fifo1.SQL"), HasSubstr(" ORDER BY o.id_konto, o.pogodba, o.dat_otvoritve "));
    EXPECT_THAT(RecordingUi.Messages, IsEmpty());
}

TEST_F(FifoCleanupTest, GroupsAreCutOnTheirOwn) {
    Account(2, "B", '6');
    Store(Row(1).Opening("01.03.2026").Znsval(100));
    Store(Row(2).Opening("02.03.2026").Znsval(-100));
    Store(Row(3).Opening("03.03.2026").Znsval(50));
    Store(Row(4).Konto("B").Opening("01.03.2026").Znsval(20));
    Store(Row(5).Konto("B").Opening("04.03.2026").Znsval(-20));
    Store(Row(6).Konto("B").Pogodba("Q").Opening("01.03.2026").Znsval(0));
    FIFOBrisanje1(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(3, 6));
}

TEST_F(FifoCleanupTest, OtherAccountClassesRiskTypesAndOpenSumsAreLeftAlone) {
    Account(2, "S", '1');
    Store(Row(1).Konto("S").Opening("01.03.2026").Znsval(100));
    Store(Row(2).Konto("S").Opening("02.03.2026").Znsval(-100));
    Store(Row(3).Opening("01.03.2026").Znsval(100).OtLik(1));
    Store(Row(4).Opening("02.03.2026").Znsval(-100).OtLik(1));
    Store(Row(5).Opening("01.03.2026").Znsval(100));
    Store(Row(6).Opening("02.03.2026").Znsval(-99.99));
    FIFOBrisanje1(*Context, 0);
    EXPECT_THAT(OblimIds(0), ElementsAre(1, 2, 5, 6));
    EXPECT_THAT(OblimIds(1), ElementsAre(3, 4));
}

TEST_F(FifoCleanupTest, QuoteInAccountAndContractStaysInsideTheLiteral) {
    Account(2, "A'1", '6');
    Store(Row(1).Konto("A'1").Pogodba("P' OR 'x'='x").Opening("01.03.2026").Znsval(100));
    Store(Row(2).Konto("A'1").Pogodba("P' OR 'x'='x").Opening("02.03.2026").Znsval(-100));
    Store(Row(3).Opening("01.03.2026").Znsval(10));
    FIFOBrisanje1(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(3));
}

TEST_F(FifoCleanupTest, SecondPassCutsByMaturityAndDropsDetailsWithoutPosition) {
    Store(Row(1).Opening("05.03.2026").Maturity("01.04.2026").Znsval(100));
    Store(Row(2).Opening("01.03.2026").Maturity("02.04.2026").Znsval(-100));
    Store(Row(3).Opening("02.03.2026").Maturity("03.04.2026").Znsval(50));
    Run({"INSERT INTO OBLIMD1 (ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, ZNSVAL) VALUES (9, '" + Day + "', 0, 1)",
         "INSERT INTO OBLIMD1 (ID_SEQ_OBLIM, DAT_STANJA, OT_LIK, ZNSVAL) VALUES (9, '" + Day + "', 1, 1)"});
    FIFOBrisanje2(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(3));
    EXPECT_THAT(DetailIds(0), ElementsAre(3));
    EXPECT_THAT(DetailIds(1), ElementsAre(9));
    EXPECT_THAT(ReadAppFile("fifo2.SQL"),
                HasSubstr(" ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve "));
}

TEST_F(FifoCleanupTest, DayWithoutPositionsDeletesNothing) {
    FIFOBrisanje1(*Context, 0);
    FIFOBrisanje2(*Context, 0);
    EXPECT_THAT(OblimIds(), IsEmpty());
    EXPECT_THAT(RecordingUi.Messages, IsEmpty());
}

TEST_F(FifoCleanupTest, FailedScanShowsItsStatementAndRaises) {
    Run({"DROP TABLE SIFKONT"});
    EXPECT_ANY_THROW(FIFOBrisanje1(*Context, 0));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0] + "\n", ReadAppFile("fifo1.SQL"));
}

} // namespace
} // namespace cleanuptest
