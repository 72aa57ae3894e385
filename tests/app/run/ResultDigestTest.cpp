// The stored results of a 2,000-position demo day on each risk type, field for field, against the
// digests recorded from the run before it was reworked for speed and atomicity.
#include "ResultDigest.h"

#include "app/TransferRun.h"
#include "tests/app/DemoDay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string RecordedDigests() {
    std::ifstream file(std::string(ZORVEKA_SOURCE_DIR) + "/tests/app/run/ResultDigests.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(ResultDigest, DemoDayGivesTheRecordedRowsOnEveryRiskType) {
    apptest::TDemoDay demo("run-digest", 2000);
    std::string digests;
    for (int riskType : {0, 1, 2}) {
        TRowOutput output;
        output.RiskType = riskType;
        Prepis(demo.Context, output);
        digests += runtest::ResultDigests(demo.DM.OracleSession1, "15.03.2024", riskType);
    }
    EXPECT_EQ(digests, RecordedDigests());
}

} // namespace
