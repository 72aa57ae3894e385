// Cent rounding decides on the exact value of the double: ties to even, near-ties by their true side.
#include "platform/settings/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RoundToCents, DoubleJustAboveTieRoundsUp) {
    EXPECT_EQ(RoundToCents(0.025), 0.03);
    EXPECT_EQ(RoundToCents(0.375), 0.38); // exact tie, 37.5 -> 38 (even)
}

TEST(RoundToCents, DoubleJustBelowTieRoundsDown) {
    EXPECT_EQ(RoundToCents(0.015), 0.01);
}

TEST(RoundToCents, ExactTieGoesToEven) {
    EXPECT_EQ(RoundToCents(0.125), 0.12);
    EXPECT_EQ(RoundToCents(0.625), 0.62);
}

TEST(RoundToCents, NegativesMirrorPositives) {
    EXPECT_EQ(RoundToCents(-0.025), -0.03);
    EXPECT_EQ(RoundToCents(-0.015), -0.01);
    EXPECT_EQ(RoundToCents(-0.125), -0.12);
    EXPECT_EQ(RoundToCents(-1234.5678), -1234.57);
}

TEST(RoundToCents, ResultIsTheNearestDoubleOfTheCentAmount) {
    EXPECT_EQ(RoundToCents(1234567.891), 1234567.89);
    EXPECT_EQ(RoundToCents(19.999), 20.0);
    EXPECT_EQ(RoundToCents(0.0), 0.0);
    EXPECT_EQ(RoundToCents(-100.0), -100.0);
}

TEST(RoundToCents, HugeAndNonFiniteValuesPassThrough) {
    EXPECT_EQ(RoundToCents(1e300), 1e300);
    EXPECT_EQ(RoundToCents(9007199254740993.0), 9007199254740993.0);
    EXPECT_TRUE(std::isnan(RoundToCents(NAN)));
    EXPECT_EQ(RoundToCents(-INFINITY), -INFINITY);
}
