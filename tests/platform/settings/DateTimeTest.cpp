// Day numbers against the calendar: day 0, the Gregorian leap rules, month ends, and clock times.
#include "platform/settings/DateTime.h"

#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Encoded while this file's constants are initialised, before or after the library's own.
const TDateTime kEncodedAtStartUp = EncodeDate(2024, 3, 15);

struct TYmd {
    int Year, Month, Day;
    bool operator==(const TYmd&) const = default;
};

TYmd Decode(TDateTime value) {
    TYmd ymd{};
    DecodeDate(value, ymd.Year, ymd.Month, ymd.Day);
    return ymd;
}

} // namespace

TEST(DayNumbers, DatesEncodedDuringStaticInitialisationAreRight) {
    EXPECT_EQ(kEncodedAtStartUp, 45366.0);
}

TEST(DayNumbers, DayZeroIsThe30thOfDecember1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(Decode(0), (TYmd{1899, 12, 30}));
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2023, 3, 5), 44990.0);
}

TEST(DayNumbers, LeapYearsFollowTheGregorianRule) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0);
    EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2.0);
    EXPECT_EQ(Decode(EncodeDate(2024, 2, 28) + 1), (TYmd{2024, 2, 29}));
    EXPECT_EQ(Decode(EncodeDate(2100, 2, 28) + 1), (TYmd{2100, 3, 1}));
}

TEST(DayNumbers, DecodeInvertsEncodeAcrossCenturies) {
    for (int year : {1, 1600, 1899, 1900, 1999, 2000, 2024, 2100, 9999})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, DaysInMonth(year, month)})
                ASSERT_EQ(Decode(EncodeDate(year, month, day)), (TYmd{year, month, day}))
                    << day << "." << month << "." << year;
}

TEST(DayNumbers, TimeOfDayDoesNotChangeTheDay) {
    EXPECT_EQ(Decode(EncodeDate(2023, 12, 31) + 0.999), (TYmd{2023, 12, 31}));
}

TEST(DayNumbers, ImpossibleDatesAreRefused) {
    EXPECT_THROW(EncodeDate(2023, 2, 29), Exception);
    EXPECT_THROW(EncodeDate(1900, 2, 29), Exception);
    EXPECT_THROW(EncodeDate(2023, 13, 1), Exception);
    EXPECT_THROW(EncodeDate(2023, 4, 31), Exception);
    EXPECT_THROW(EncodeDate(0, 1, 1), Exception);
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
}

TEST(ClockTimes, EncodeAndDecodeRoundTrip) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    int hour, minute, second, ms;
    for (int h : {0, 1, 13, 23})
        for (int m : {0, 30, 59})
            for (int s : {0, 1, 59}) {
                DecodeTime(EncodeDate(2024, 2, 29) + EncodeTime(h, m, s, 7), hour, minute, second, ms);
                ASSERT_EQ(hour * 10000 + minute * 100 + second, h * 10000 + m * 100 + s);
                ASSERT_EQ(ms, 7);
            }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), Exception);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), Exception);
}

TEST(ClockTimes, JustBeforeMidnightStaysOnTheSameDay) {
    int hour, minute, second, ms;
    DecodeTime(1.0 - 1e-12, hour, minute, second, ms);
    EXPECT_EQ(hour, 23);
    EXPECT_EQ(minute, 59);
    EXPECT_EQ(second, 59);
}

TEST(ClockTimes, TodayHasNoTimeOfDay) {
    const TDateTime today = Today();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_LE(today, Now());
    EXPECT_GT(today, EncodeDate(2020, 1, 1));
}
