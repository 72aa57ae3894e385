// The sign-based clean-up: the settlement of a group alone, then on stored rows: consumed rows gone
// with their details, the positive row's detail rewritten, and groups never outweighed untouched.
#include "CleanupFixture.h"

#include "app/SignCleanup.h"

namespace cleanuptest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(SignSettlementTest, NegativesOutweighingThePositiveAreConsumedUpToTheTippingRow) {
    const auto settlements =
        SettleGroup({{1, 100, 200, 1}}, {{2, -30, -60, 2}, {3, -80, -160, 3}, {4, -5, -9, 4}});
    ASSERT_EQ(settlements.size(), 1u);
    EXPECT_EQ(settlements[0].Ids, "2,3");
    EXPECT_EQ(settlements[0].Id, 1);
    EXPECT_DOUBLE_EQ(settlements[0].Val, -10);
    EXPECT_DOUBLE_EQ(settlements[0].Dom, -20);
    EXPECT_EQ(settlements[0].Date, 3);
}

TEST(SignSettlementTest, GroupsNeverOutweighedOrOfOneSignHaveNoSettlement) {
    EXPECT_TRUE(SettleGroup({{1, 100, 100, 0}}, {{2, -30, -30, 0}, {3, -50, -50, 0}}).empty());
    EXPECT_TRUE(SettleGroup({}, {{2, -30, -30, 0}}).empty());
    EXPECT_TRUE(SettleGroup({{1, 100, 100, 0}, {2, 5, 5, 0}}, {}).empty());
}

TEST(SignSettlementTest, ConsumedRowsAreNeitherListedNorCountedForTheNextPositive) {
    const auto settlements =
        SettleGroup({{1, 100, 200, 0}, {2, 50, 100, 0}}, {{3, -120, -240, 0}, {4, -60, -120, 0}});
    ASSERT_EQ(settlements.size(), 2u);
    EXPECT_EQ(settlements[1].Ids, "4");
    EXPECT_DOUBLE_EQ(settlements[1].Val, -10);
    EXPECT_DOUBLE_EQ(settlements[1].Dom, -20);
}

TEST(SignSettlementTest, UnconsumedNegativesStillCountForTheNextPositive) {
    const auto settlements =
        SettleGroup({{1, 100, 100, 0}, {2, 10, 10, 0}}, {{3, -30, -30, 0}, {4, -50, -50, 0}});
    ASSERT_EQ(settlements.size(), 1u);
    EXPECT_EQ(settlements[0].Id, 2);
    EXPECT_EQ(settlements[0].Ids, "3");
    EXPECT_DOUBLE_EQ(settlements[0].Val, -20);
}

class SignCleanupTest : public CleanupTest {};

TEST_F(SignCleanupTest, OutweighedPositiveKeepsTheRemainingBalanceAndConsumedRowsGo) {
    Store(Row(1).Maturity("01.04.2026").Znsval(100).Znsdomval(200));
    Store(Row(2).Maturity("02.04.2026").Znsval(-30).Znsdomval(-60));
    Store(Row(3).Maturity("03.04.2026").Znsval(-80).Znsdomval(-160));
    BrisanjePoPredznakih(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(1));
    EXPECT_THAT(DetailIds(), ElementsAre(1));
    EXPECT_EQ(Number("SELECT ZNSVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), -10);
    EXPECT_EQ(Number("SELECT ZNSDOMVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), -20);
    EXPECT_EQ(Number("SELECT STEVILO_LOTOV FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), -20);
    // The detail's maturity goes back to its position's.
    EXPECT_EQ(Number("SELECT COUNT(*) FROM OBLIMD1 WHERE DAT_ZAPADLOSTI = '01.04.2026'"), 1);
    EXPECT_THAT(ReadAppFile("_brisi.sql"), HasSubstr(" WHERE oblim.id in (2,3)  "));
    EXPECT_THAT(ReadAppFile("_spremenioblimd1.sql"), HasSubstr(" SET d.znsval=-10 ,   d.znsdomval=-20 "));
    EXPECT_THAT(ReadAppFile("_brisioblimd1.sql"), HasSubstr("WHERE o.id in (2,3)"));
    EXPECT_THAT(ReadAppFile("_setdat_zapadlosti_d1.sql"), HasSubstr("select max(o.dat_zapadlosti)"));
    EXPECT_THAT(RecordingUi.Messages, IsEmpty());
}

TEST_F(SignCleanupTest, PositiveNeverOutweighedIsLeftAsItIs) {
    Store(Row(1).Maturity("01.04.2026").Znsval(100).Znsdomval(100));
    Store(Row(2).Maturity("02.04.2026").Znsval(-30).Znsdomval(-30));
    Store(Row(3).Maturity("03.04.2026").Znsval(-50).Znsdomval(-50));
    BrisanjePoPredznakih(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(1, 2, 3));
    EXPECT_EQ(Number("SELECT ZNSVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), 100);
    EXPECT_THAT(ReadAppFile("popredznakihvknt6.SQL"),
                HasSubstr(" ORDER BY o.id_konto, o.pogodba, o.dat_zapadlosti, o.dat_otvoritve "));
}

TEST_F(SignCleanupTest, SecondPositiveAddsOnlyTheDomesticAmountsItConsumes) {
    Account(2, "B", '6');
    Store(Row(1).Maturity("01.04.2026").Znsval(100).Znsdomval(200));
    Store(Row(2).Maturity("02.04.2026").Znsval(50).Znsdomval(100));
    Store(Row(3).Maturity("03.04.2026").Znsval(-120).Znsdomval(-240));
    Store(Row(4).Maturity("04.04.2026").Znsval(-60).Znsdomval(-120));
    Store(Row(5).Konto("B").Maturity("01.04.2026").Znsval(-500).Znsdomval(-500));
    Store(Row(6).Maturity("01.04.2026").Znsval(1).Znsdomval(1).OtLik(2));
    Store(Row(7).Maturity("02.04.2026").Znsval(-9).Znsdomval(-9).OtLik(2));
    BrisanjePoPredznakih(*Context, 0);
    EXPECT_THAT(OblimIds(), ElementsAre(1, 2, 5));
    EXPECT_EQ(Number("SELECT ZNSDOMVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), -40);
    EXPECT_EQ(Number("SELECT ZNSDOMVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 2"), -20);
    EXPECT_THAT(OblimIds(2), ElementsAre(6, 7));
}

TEST_F(SignCleanupTest, FailedScanShowsItsStatementAndRaises) {
    Run({"DROP TABLE MATRIKA"});
    EXPECT_ANY_THROW(BrisanjePoPredznakih(*Context, 0));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0] + "\n", ReadAppFile("popredznakihvknt6.SQL"));
}

TEST_F(SignCleanupTest, FailedDeleteIsReportedAsStepOneAndNothingIsRewritten) {
    Store(Row(1).Maturity("01.04.2026").Znsval(100).Znsdomval(100));
    EXPECT_ANY_THROW(
        SpremenivBazivknt6(*Context, 0, {.Ids = "no_such_id", .Id = 1, .Val = -5, .Dom = -5, .Date = 0}));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0] + "\n", "1.\r" + ReadAppFile("_brisioblimd1.sql"));
    EXPECT_EQ(Number("SELECT ZNSVAL FROM OBLIMD1 WHERE ID_SEQ_OBLIM = 1"), 100);
}

} // namespace
} // namespace cleanuptest
