// Sums and averages of amounts as the user reads them: no binary residue of the addends.
#include "platform/settings/DecimalSum.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct TSumCase {
    std::vector<double> Values;
    double Sum;
    double Average;
};

TEST(DecimalSum, SumsAndAveragesAreTheNearestDoublesOfTheExactDecimals) {
    const TSumCase cases[] = {
        {{0.1, 0.2}, 0.3, 0.15},
        {{-869771109.22, -0.01}, -869771109.23, -434885554.615},
        {{1000000.1, 0.7, -0.3, 2e-3}, 1000000.502, 250000.1255},
        {{123.456789012345}, 123.456789012, 123.456789012}, // digits past 9 decimals are rounded off
        {{}, 0.0, 0.0},
    };
    for (const TSumCase& c : cases) {
        TDecimalSum sum;
        for (double value : c.Values)
            sum.Add(value);
        EXPECT_EQ(sum.Value(), c.Sum) << c.Values.size() << " values";
        EXPECT_EQ(sum.Average(), c.Average) << c.Values.size() << " values";
    }
}

TEST(DecimalSum, ManyCentAmountsAddUpWithoutResidue) {
    TDecimalSum sum;
    double binary = 0;
    for (int i = 0; i < 100000; ++i) {
        sum.Add(-42349.4003675);
        binary += -42349.4003675;
    }
    EXPECT_NE(binary, -4234940036.75) << "a binary sum drifts";
    EXPECT_EQ(sum.Value(), -4234940036.75);
}

TEST(DecimalSum, ValuesBeyondTheExactRangeFallBackToTheBinarySum) {
    TDecimalSum sum;
    sum.Add(1e300);
    sum.Add(1.5);
    EXPECT_EQ(sum.Value(), 1e300);
    EXPECT_EQ(sum.Count(), 2);
}

} // namespace
