// The writers' own classification rules: amortisation value, linear repayment kind, the market
// segment's rule order and the product kind by account class; and the interest of one period.
#include "app/RowWriterRules.h"
#include "app/RepaymentPlan.h"
#include "platform/settings/Rounding.h"

#include <gtest/gtest.h>

TEST(AmVrednostTest, AmortisingSecurityByReferenceRate) {
    EXPECT_EQ(AmVrednost("%", "EURIBOR"), 162);
    EXPECT_EQ(AmVrednost("%", ""), 161);
    EXPECT_EQ(AmVrednost("N", "EURIBOR"), 0);
    EXPECT_EQ(AmVrednost("", ""), 0);
}

TEST(LinKonTest, LinearKindsAreCaseSensitiveAndOnlyForAmortising) {
    for (const char* kind : {"r", "R", "x", "l", "z", "a", "A"})
        EXPECT_EQ(LinKon("%", kind), "1") << kind;
    for (const char* kind : {"X", "L", "Z", "b", "", "rr"})
        EXPECT_EQ(LinKon("%", kind), "2") << kind;
    EXPECT_EQ(LinKon("N", "r"), "");
}

TEST(BanTrgTest, LaterRulesOverrideEarlierOnes) {
    EXPECT_EQ(BanTrg(60390, "1", "X"), "1");
    EXPECT_EQ(BanTrg(66356, "1", "X"), "3");
    EXPECT_EQ(BanTrg(67015, "1", "X"), "3");
    EXPECT_EQ(BanTrg(62374, "1", "X"), "4");
    EXPECT_EQ(BanTrg(1, "1", "X"), "");
    // The counterparty kind comes last and wins over the contract and the account class.
    EXPECT_EQ(BanTrg(67015, "1", "T"), "1");
    EXPECT_EQ(BanTrg(62336, "6", "X"), "5");
    EXPECT_EQ(BanTrg(60390, "6", "R"), "3");
    EXPECT_EQ(BanTrg(1, "6", "H"), "4");
    EXPECT_EQ(BanTrg(60390, "6", "  "), "3");
    EXPECT_EQ(BanTrg(60390, "1", ""), "3");
}

TEST(PsdvrsTest, ByAccountClass) {
    EXPECT_EQ(Psdvrs("1"), "003");
    EXPECT_EQ(Psdvrs("6"), "005");
    EXPECT_EQ(Psdvrs("2"), "");
}

TEST(ObrestiObdobjaTest, DayBasisAndEndDayRule) {
    // 4 % on 10 lots of 1000 over 90 days counted with the end day on a 360-day year.
    EXPECT_DOUBLE_EQ(RoundToCents(ObrestiObdobja(4, 10, 1000, 90, "360", "=")), 101.11);
    EXPECT_DOUBLE_EQ(ObrestiObdobja(4, 10, 1000, 90, "100", "="),
                     ObrestiObdobja(4, 10, 1000, 90, "360", "="));
    EXPECT_DOUBLE_EQ(ObrestiObdobja(3.65, 1, 1000, 100, "365", "x"), 10.0);
    EXPECT_DOUBLE_EQ(ObrestiObdobja(3.65, 1, 1000, 101, "ACT", "0"), 10.0);
    EXPECT_DOUBLE_EQ(ObrestiObdobja(0, 10, 1000, 90, "360", "="), 0.0);
}
