// The calendar and random source the demo data rests on: working days, month steps that keep the
// day of month where the month has it, and a random source that stays in its bounds and repeats.
#include "tools/demo_db/DemoParts.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoCalendar, WeekendsNewYearAndChristmasAreNoWorkingDays) {
    EXPECT_TRUE(IsWorkingDay(EncodeDate(2024, 3, 15)));  // Friday
    EXPECT_FALSE(IsWorkingDay(EncodeDate(2024, 3, 16))); // Saturday
    EXPECT_FALSE(IsWorkingDay(EncodeDate(2024, 3, 17))); // Sunday
    EXPECT_TRUE(IsWorkingDay(EncodeDate(2024, 3, 18)));  // Monday
    EXPECT_FALSE(IsWorkingDay(EncodeDate(2025, 1, 1)));  // Wednesday
    EXPECT_FALSE(IsWorkingDay(EncodeDate(2024, 12, 25)));
    EXPECT_TRUE(IsWorkingDay(EncodeDate(2024, 12, 24)));
}

TEST(DemoCalendar, MonthStepsKeepTheDayWhereTheMonthHasIt) {
    EXPECT_EQ(AddMonths(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(AddMonths(EncodeDate(2023, 1, 31), 1), EncodeDate(2023, 2, 28));
    EXPECT_EQ(AddMonths(EncodeDate(2024, 11, 15), 2), EncodeDate(2025, 1, 15));
    EXPECT_EQ(AddMonths(EncodeDate(2024, 3, 15), -12), EncodeDate(2023, 3, 15));
    EXPECT_EQ(AddMonths(EncodeDate(2024, 1, 10), -1), EncodeDate(2023, 12, 10));
}

TEST(DemoRandom, StaysWithinItsBoundsAndRepeatsFromTheSameSeed) {
    TDemoRandom first(42), second(42), other(43);
    bool low = false, high = false, differs = false;
    for (int i = 0; i < 1000; ++i) {
        const long long value = first.Between(-2, 2);
        EXPECT_GE(value, -2);
        EXPECT_LE(value, 2);
        low |= value == -2;
        high |= value == 2;
        EXPECT_EQ(value, second.Between(-2, 2));
        differs |= value != other.Between(-2, 2);
        const double real = first.Real(1.5, 2.5);
        EXPECT_GE(real, 1.5);
        EXPECT_LT(real, 2.5);
        second.Real(1.5, 2.5);
        other.Real(1.5, 2.5);
    }
    EXPECT_TRUE(low && high);
    EXPECT_TRUE(differs);
}

} // namespace
