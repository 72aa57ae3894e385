// The cut list alone: where a group is cut, the zero band of the running sum, and what a finished
// scan adds.
#include "app/FifoCuts.h"

#include <gtest/gtest.h>

namespace {

TEST(FifoCutsTest, GroupBackAtZeroBetweenTwoDatesIsCutAtTheEarlierDate) {
    TFifoCutList cuts;
    cuts.Add("01.03.2026", "A", "P", 100);
    cuts.Add("01.03.2026", "A", "P", -100);
    cuts.Add("05.03.2026", "A", "P", 50);
    EXPECT_EQ(cuts.Finish(), (std::vector<TFifoCut>{{"01.03.2026", "A", "P"}}));
}

TEST(FifoCutsTest, LaterCutOfTheSameGroupReplacesTheDate) {
    TFifoCutList cuts;
    cuts.Add("01.03.2026", "A", "P", 100);
    cuts.Add("02.03.2026", "A", "P", -100);
    cuts.Add("03.03.2026", "A", "P", 40);
    cuts.Add("04.03.2026", "A", "P", -40);
    cuts.Add("05.03.2026", "A", "P", 10);
    EXPECT_EQ(cuts.Finish(), (std::vector<TFifoCut>{{"04.03.2026", "A", "P"}}));
}

TEST(FifoCutsTest, FinishedGroupAtZeroIsCutAtItsLastDateAndTheLastGroupToo) {
    TFifoCutList cuts;
    cuts.Add("01.03.2026", "A", "P", 100);
    cuts.Add("02.03.2026", "A", "P", -100);
    cuts.Add("01.03.2026", "A", "Q", 50);
    cuts.Add("01.03.2026", "B", "P", 70);
    cuts.Add("03.03.2026", "B", "P", -70);
    EXPECT_EQ(cuts.Finish(), (std::vector<TFifoCut>{{"02.03.2026", "A", "P"}, {"03.03.2026", "B", "P"}}));
}

TEST(FifoCutsTest, SingleZeroRowLeavesOnlyAnEntryWithoutDate) {
    TFifoCutList cuts;
    cuts.Add("01.03.2026", "A", "P", 0);
    EXPECT_EQ(cuts.Finish(), (std::vector<TFifoCut>{{"", "A", "P"}}));
    EXPECT_EQ(TFifoCutList().Finish(), (std::vector<TFifoCut>{{"", "", ""}}));
}

TEST(FifoCutsTest, SumBelowTheZeroBandCountsAsZeroAndOneAboveDoesNot) {
    TFifoCutList nearZero;
    nearZero.Add("01.03.2026", "A", "P", 100.00005);
    nearZero.Add("01.03.2026", "A", "P", -100);
    nearZero.Add("02.03.2026", "A", "P", 5);
    EXPECT_EQ(nearZero.Finish(), (std::vector<TFifoCut>{{"01.03.2026", "A", "P"}}));

    TFifoCutList open;
    open.Add("01.03.2026", "A", "P", 100.0002);
    open.Add("01.03.2026", "A", "P", -100);
    open.Add("02.03.2026", "A", "P", 5);
    EXPECT_TRUE(open.Finish().empty());
}

TEST(FifoCutsTest, ManyCentsSumBackToExactlyZero) {
    TFifoCutList cuts;
    for (int i = 0; i < 1000; ++i)
        cuts.Add("01.03.2026", "A", "P", 0.01);
    cuts.Add("01.03.2026", "A", "P", -10);
    cuts.Add("02.03.2026", "A", "P", 1);
    EXPECT_EQ(cuts.Finish().size(), 1u);
}

TEST(FifoCutsTest, MoreGroupsThanTheOldLimitAreAllKept) {
    TFifoCutList cuts;
    for (int i = 0; i < 6000; ++i) {
        const std::string konto = "K" + std::to_string(i);
        cuts.Add("01.03.2026", konto, "P", 10);
        cuts.Add("02.03.2026", konto, "P", -10);
    }
    cuts.Add("01.03.2026", "Z", "P", 1);
    const auto entries = cuts.Finish();
    ASSERT_EQ(entries.size(), 6000u);
    EXPECT_EQ(entries.back(), (TFifoCut{"02.03.2026", "K5999", "P"}));
}

} // namespace
