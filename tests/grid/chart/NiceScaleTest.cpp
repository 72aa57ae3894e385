// The value axis: whole steps one order below the range, equal values widened to 0, and ranges
// without an order falling back to 0 to 1.
#include "grid/chart/NiceScale.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NiceScaleTest, WidensTheRangeToWholeStepsOneOrderBelowIt) {
    EXPECT_EQ(NiceScale(3, 87), (TAxisScale{3, 88, 1}));
    EXPECT_EQ(NiceScale(-12.5f, 130), (TAxisScale{-20, 140, 10}));
    EXPECT_EQ(NiceScale(130, -12.5f), (TAxisScale{-20, 140, 10}));
    EXPECT_EQ(NiceScale(0, 1000), (TAxisScale{0, 1100, 100}));
}

TEST(NiceScaleTest, EqualValuesAreWidenedToZero) {
    EXPECT_EQ(NiceScale(50, 50), (TAxisScale{0, 51, 1}));
    EXPECT_EQ(NiceScale(-50, -50), (TAxisScale{-50, 1, 1}));
}

TEST(NiceScaleTest, RangesWithoutAnOrderGiveZeroToOne) {
    const TAxisScale fallback{0, 1, 0.1f};
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(NiceScale(0, 0), fallback);
    EXPECT_EQ(NiceScale(0, infinity), fallback);
    EXPECT_EQ(NiceScale(-infinity, 5), fallback);
    EXPECT_EQ(NiceScale(std::numeric_limits<float>::quiet_NaN(), 5), fallback);
    EXPECT_EQ(NiceScale(-3e38f, 3e38f), fallback);
}

} // namespace
