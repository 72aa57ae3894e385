// Amounts of a position: the sign turned and rounded to cents on the double's true value, the
// conversion by the latest rate on or before the day, the unconverted amount of a currency
// without a rate, and the share of the month's sale turnover.
#include "ValuationFixture.h"

#include "app/ValuationSteps.h"

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

// A holding of contract 11 (counterparty kind "H") bought in February (deal 500) of which a sale
// (deal 501, kind "V") is booked in the report month; both bookings belong to position 100.
class TurnoverShare : public Amounts {
protected:
    void Position(int contract, const std::string& bought, const std::string& sold,
                  const std::string& currency) {
        Insert("DOG", {{"IDDOG", "500"},
                       {"IDVP", "100"},
                       {"IDPOG", std::to_string(contract)},
                       {"SFVP", "1"},
                       {"SFPDG", "'A'"},
                       {"DAN", "'01.02.2024'"}});
        Insert("DOG", {{"IDDOG", "501"},
                       {"IDVP", "100"},
                       {"IDPOG", std::to_string(contract)},
                       {"SFVP", "1"},
                       {"SFPDG", "'V'"},
                       {"DAN", "'05.03.2024'"}});
        if (bought != "0")
            Book({.idpog = contract,
                  .idmaster = "500",
                  .credit = bought,
                  .day = "01.02.2024",
                  .currency = currency});
        Book({.idpog = contract, .idmaster = "501", .credit = "0", .debit = sold, .currency = currency});
    }
};

TEST_F(TurnoverShare, IsTheTurnoverOverTheTurnoverAndThePosition) {
    Position(11, "100", "20", "E"); // position -80, turnover 20: 2000 / (80 + 20)
    EXPECT_EQ(Value().ECB_42, 20);
}

TEST_F(TurnoverShare, TurnoverIsConvertedLikeTheAmount) {
    Position(11, "750", "150", "HRK"); // both divided by 7.5: -80 and 20
    const TOblimRow row = Value();
    EXPECT_EQ(row.ZNSDOMVAL, -80);
    EXPECT_EQ(row.ECB_42, 20);
}

TEST_F(TurnoverShare, ZeroDivisorGivesZero) {
    Position(11, "0", "20", "E"); // position 20 equals the turnover 20
    const TOblimRow row = Value();
    EXPECT_EQ(row.ZNSDOMVAL, 20);
    EXPECT_EQ(row.ECB_42, 0);
}

TEST_F(TurnoverShare, DivisorUnderHalfACentIsAZeroAmount) {
    ValueLiteralRow({{"SFTPF", "'H'"}});
    const struct {
        double turnover, domestic, share;
    } cases[] = {{0.0049, 0, 0}, {-0.0049, 0, 0}, {0.005, 0, 100}, {-0.005, 0, 100}, {20, -80, 20}};
    for (const auto& c : cases) {
        TOblimRow out;
        out.VKNT = "1";
        out.ZNSDOMVAL = c.domestic;
        TValuationRow row(*Context, out);
        row.MesecniPromet = c.turnover;
        EXPECT_DOUBLE_EQ(::TurnoverShare(row), c.share) << c.turnover;
    }
}

TEST_F(TurnoverShare, OtherCounterpartyKindsGetZeroAlsoAfterAShare) {
    Position(11, "100", "20", "E");
    // Security 2 sorts after security 1: its contract 10 is of kind "T" and has a sale too.
    Security(2);
    Insert("DOG", {{"IDDOG", "502"},
                   {"IDVP", "200"},
                   {"IDPOG", "10"},
                   {"SFVP", "2"},
                   {"SFPDG", "'V'"},
                   {"DAN", "'05.03.2024'"}});
    Book({.vp = 2, .idvp = "200", .idmaster = "502", .credit = "0", .debit = "30"});
    const std::vector<TOblimRow> rows = ValueAll();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].ECB_42, 20);
    EXPECT_EQ(rows[1].ECB_42, 0);
}

// Lots, pledged lots and price of position 100 of contract 10 (deal row 500, 12 lots dealt).
class Lots : public Amounts {
protected:
    void SetUp() override {
        Amounts::SetUp();
        Insert("DOG", {{"IDDOG", "500"},
                       {"IDVP", "100"},
                       {"IDPOG", "10"},
                       {"SFVP", "1"},
                       {"SFPDG", "'A'"},
                       {"DAN", "'01.02.2024'"},
                       {"VP", "12"},
                       {"REZ", "4"},
                       {"LOT", "12"},
                       {"GLVTCJ", "99"}});
        Book({.idmaster = "500"});
        Insert("VPSHST",
               {{"IDPOG", "10"}, {"SFVP", "1"}, {"DAN", "'15.03.2024'"}, {"SFSVP", "'L'"}, {"ZST", "3"}});
    }
    void ClosedDay() { Insert("ZDNHST", {{"DAN", "'15.03.2024'"}, {"SFDJV", "'L'"}, {"VRDOK", "'D'"}}); }
    void Holding(const std::string& lots, const std::string& price) {
        Insert("VPHST", {{"SFVP", "1"},
                         {"DAN", "'15.03.2024'"},
                         {"IDVP", "100"},
                         {"IDPOG", "10"},
                         {"SFSVP", "'L'"},
                         {"LOT", lots},
                         {"GLVTCJNKP", price}});
    }
};

TEST_F(Lots, ClosedDayTakesLotsAndPriceOfTheHoldingAndPledgesOfTheContract) {
    ClosedDay();
    Holding("7", "98.5");
    const TOblimRow row = Value();
    EXPECT_EQ(row.STEVILO_LOTOV, 7);
    EXPECT_EQ(row.ZST, 3);
    EXPECT_EQ(row.ZNSPNC, 98.5);
}

TEST_F(Lots, UnclosedDayTakesTheDealtLots) {
    // Only a closing record of another kind: the day counts as not closed.
    Insert("ZDNHST", {{"DAN", "'15.03.2024'"}, {"SFDJV", "'L'"}, {"VRDOK", "'X'"}});
    Holding("7", "98.5");
    const TOblimRow row = Value();
    EXPECT_EQ(row.STEVILO_LOTOV, 12);
    EXPECT_EQ(row.ZNSPNC, 98.5);
    EXPECT_EQ(row.ZST, 3);
}

TEST_F(Lots, WithoutAHoldingPriceTheDealsGivePriceLotsAndPledges) {
    ClosedDay();
    Holding("7", "0");
    Insert("DOG", {{"IDDOG", "501"},
                   {"IDVP", "101"},
                   {"IDPOG", "10"},
                   {"SFVP", "1"},
                   {"SFPDG", "'B'"},
                   {"DAN", "'02.02.2024'"},
                   {"VP", "3"},
                   {"REZ", "1"},
                   {"LOT", "3"},
                   {"GLVTCJ", "104"}});
    const TOblimRow row = Value();
    EXPECT_EQ(row.ZNSPNC, 100); // (12 * 99 + 3 * 104) / 15
    EXPECT_EQ(row.STEVILO_LOTOV, 15);
    EXPECT_EQ(row.ZST, 5);
}

} // namespace
