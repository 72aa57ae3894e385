// A fresh engine database with the result datasets open for appending on the test's report day, a
// source row in Q1 and a current coupon period in Qkpn made from literal values, and a helper that
// reads one stored value back as text.
#pragma once

#include "../AppFixture.h"

#include "app/OblimRow.h"

#include <string>

namespace writerstest {

class WritersTest : public apptest::AppTest {
protected:
    static constexpr const char* kDay = "15.03.2024";

    void SetUp() override;
    //! Q1 on one source row with these account class, security kind and counterparty kind.
    void SourceRow(const std::string& vknt, const std::string& sfglvent, const std::string& sftpf);
    //! Qkpn on one coupon period with this reference rate and repayment kind.
    void CurrentCoupon(const std::string& refobm, const std::string& sfobr);
    //! The single value a query returns, as text ("" for NULL).
    std::string Value(const std::string& query);

    TRowOutput Output;
};

} // namespace writerstest
