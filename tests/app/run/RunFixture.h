// Three positions of one report day on security accounts, as the run meets them: an amortising bond
// held with lots and two coupon periods, an amortising bond without a holding (no lots) and a share.
// Counting helpers read the result tables by day and risk type.
#pragma once

#include "../valuation/ValuationFixture.h"

#include <string>
#include <vector>

namespace runtest {

class RunTest : public valuationtest::ValuationTest {
protected:
    void SetUp() override;
    //! The first column of every row of a query, as text.
    std::vector<std::string> Column(const std::string& sql);
    //! COUNT(*) of table's rows of the report day and the risk type.
    int Count(const std::string& table, int riskType);
    //! The run's progress label texts, without the valuation's step names.
    std::vector<std::string> ProgressCalls() const;
};

} // namespace runtest
