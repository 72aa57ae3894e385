// Amounts of a position: the sign turned and rounded to cents on the double's true value, the
// conversion by the latest rate on or before the day, the unconverted amount of a currency
// without a rate, and the share of the month's sale turnover.
#include "ValuationFixture.h"

namespace {

using valuationtest::TBooking;
using valuationtest::ValuationTest;

class Amounts : public ValuationTest {
protected:
    void SetUp() override {
        ValuationTest::SetUp();
        Security(1);
    }
};

TEST_F(Amounts, SignIsTurnedThenRoundedToCentsOnTheTrueValue) {
    // Below a cent the source tables cannot hold these amounts; the row carries them as literals.
    const std::pair<const char*, double> cases[] = {
        {"0.125", -0.12}, {"0.375", -0.38}, {"0.025", -0.03}, {"0.015", -0.01}, {"-0.025", 0.03}};
    for (const auto& [balance, expected] : cases) {
        const TOblimRow row = ValueLiteralRow({{"ZNESEK", balance}});
        EXPECT_EQ(row.ZNSVAL, expected) << balance;
        EXPECT_EQ(row.ZNSDOMVAL, expected) << balance;
    }
}

TEST_F(Amounts, DomesticAmountIsRoundedAfterTheRate) {
    Run({"INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('DVA', '0', '01.01.2024', 2)"});
    // -0.05 / 2 = 0.025 lies above the tie as a double, 0.03 / 2 = 0.015 below it, 0.25 / 2 is a tie.
    const std::pair<const char*, double> cases[] = {{"0.05", -0.03}, {"0.03", -0.01}, {"0.25", -0.12}};
    for (const auto& [credit, expected] : cases) {
        Run({"DELETE FROM KNJIZBE"});
        Book({.credit = credit, .currency = "DVA"});
        EXPECT_EQ(Value().ZNSDOMVAL, expected) << credit;
    }
}

TEST_F(Amounts, DomesticCurrencyIsCopied) {
    Book({.credit = "1000"});
    const TOblimRow row = Value();
    EXPECT_EQ(row.ZNSVAL, -1000);
    EXPECT_EQ(row.ZNSDOMVAL, -1000);
    EXPECT_EQ(row.ID_VAL, "EU");
}

TEST_F(Amounts, ForeignAmountIsDividedByTheLatestRateOnOrBeforeTheDay) {
    // HRK has 7.5 from 1 March, 8 only from the day after, and 9 on another rate list.
    Book({.credit = "0", .debit = "750", .currency = "HRK"});
    const TOblimRow row = Value();
    EXPECT_EQ(row.ZNSVAL, 750);
    EXPECT_EQ(row.ZNSDOMVAL, 100);
}

TEST_F(Amounts, CurrencyWithoutUsableRateIsTakenOverUnconverted) {
    Run({"INSERT INTO VLN (SFVLT, SFVLN, DAN, TCJ) VALUES ('NIC', '0', '01.03.2024', 0)"});
    for (const char* currency : {"USD", "NIC"}) {
        Run({"DELETE FROM KNJIZBE"});
        Book({.credit = "-123.45", .currency = currency});
        const TOblimRow row = Value();
        EXPECT_EQ(row.ZNSVAL, 123.45) << currency;
        EXPECT_EQ(row.ZNSDOMVAL, 123.45) << currency;
    }
}

} // namespace
