// The value layers alone: decimal NUMBER arithmetic, DATE texts and arithmetic with format models,
// and the character functions with Oracle's position rules.
#include "platform/oci_sqlite/sql/Decimal.h"
#include "platform/oci_sqlite/sql/NumberFormat.h"
#include "platform/oci_sqlite/sql/OracleDate.h"
#include "platform/oci_sqlite/sql/OracleText.h"
#include "platform/oci_sqlite/sql/Translator.h"

#include <gtest/gtest.h>

using namespace orasql;

namespace {

Decimal D(const char* text) {
    return *Decimal::Parse(text);
}

std::string DateError(const char* text, const char* format) {
    try {
        ParseDate(text, format);
    } catch (const OracleError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(Decimal, ExactSumsDifferencesAndComparisons) {
    EXPECT_EQ((D("0.1") + D("0.2")).ToOracleText(), ".3");
    EXPECT_EQ((D("0.02") + D("-0.03")).ToDouble(), -0.01);
    EXPECT_EQ((Decimal::FromDouble(0.1) + Decimal::FromDouble(0.2)).ToDouble(), 0.3);
    EXPECT_EQ(D("1e20").Compare(D("1e20") + D("1e-10")), -1);
    EXPECT_EQ((D("123456789012345.67") - D("0.67")).ToOracleText(), "123456789012345");
    EXPECT_EQ((D("10") / D("4")).ToOracleText(), "2.5");
    EXPECT_EQ((D("1") / D("3")).ToDouble(), 1.0 / 3.0);
    EXPECT_EQ((D("-1.5") * D("1.5")).ToOracleText(), "-2.25");
    EXPECT_FALSE(Decimal::Parse("1.2.3"));
    EXPECT_FALSE(Decimal::Parse(""));
    EXPECT_EQ(D(" -.5e1 ").ToOracleText(), "-5");
    const Decimal wide = D("12345678901234567890123456789012345678");
    EXPECT_EQ((wide / D("2")).ToDouble(), 6.172839450617284e36);
    EXPECT_EQ(D("1e30").ToInt64Clamped(), 1000000000000000000);
    EXPECT_EQ(D("-2.9").ToInt64Clamped(), -2);
}

TEST(Decimal, RoundingHalfAwayFromZeroAndDigits) {
    EXPECT_EQ(D("2.5").Round(0).ToOracleText(), "3");
    EXPECT_EQ(D("-2.5").Round(0).ToOracleText(), "-3");
    EXPECT_EQ(D("0.125").Round(2).ToOracleText(), ".13");
    EXPECT_EQ(D("1250").Round(-2).ToOracleText(), "1300");
    EXPECT_EQ(D("-2.79").Trunc(1).ToOracleText(), "-2.7");
    EXPECT_EQ(D("999.99").IntegerDigits(), 3);
    EXPECT_EQ(D("0.5").IntegerDigits(), 0);
    EXPECT_EQ(Decimal::FromDouble(1e15).ToInt64(), 1000000000000000);
}

TEST(OracleDateTest, FormatsReadAndWrite) {
    const DateTime d = ParseDate("5.3.2023 7:08:09", "DD.MM.YYYY HH24:MI:SS");
    EXPECT_EQ(ToStoredText(d), "2023-03-05 07:08:09");
    EXPECT_EQ(FormatDate(d, "DD.MM.YYYY"), "05.03.2023");
    EXPECT_EQ(FormatDate(d, "YYYYMMDD HH:MI AM"), "20230305 07:08 AM");
    EXPECT_EQ(FormatDate(d, "FMDD.MM.YYYY"), "5.3.2023");
    EXPECT_EQ(FormatDate(d, "DD-MON-YY"), "05-MAR-23");
    EXPECT_EQ(ToStoredText(ParseDate("05-mar-2023", "DD-MON-YYYY")), "2023-03-05 00:00:00");
    EXPECT_EQ(ToStoredText(ReadSessionDate("05.03.2023 10:11:12", "DD.MM.YYYY")), "2023-03-05 10:11:12");
    EXPECT_EQ(ToStoredText(ReadSessionDate("2023-03-05 10:11:12", "DD.MM.YYYY")), "2023-03-05 10:11:12");
    EXPECT_FALSE(ParseStoredDate("2023-02-29 00:00:00"));
}

TEST(OracleDateTest, BadTextsGiveOraclesErrors) {
    EXPECT_EQ(DateError("29.02.2100", "DD.MM.YYYY"), "ORA-01839: date not valid for month specified");
    EXPECT_EQ(DateError("00.01.2023", "DD.MM.YYYY"),
              "ORA-01847: day of month must be between 1 and last day of month");
    EXPECT_EQ(DateError("01.00.2023", "DD.MM.YYYY"), "ORA-01843: not a valid month");
    EXPECT_EQ(DateError("01.01.0000", "DD.MM.YYYY"),
              "ORA-01841: (full) year must be between -4713 and +9999, and not be 0");
    EXPECT_EQ(DateError("01.01.2023 10:60", "DD.MM.YYYY HH24:MI"),
              "ORA-01851: minutes must be between 0 and 59");
    EXPECT_EQ(DateError("01.01.2023 10:10:61", "DD.MM.YYYY HH24:MI:SS"),
              "ORA-01852: seconds must be between 0 and 59");
    EXPECT_EQ(DateError("01.01.2023x", "DD.MM.YYYY"),
              "ORA-01830: date format picture ends before converting entire input string");
    EXPECT_EQ(DateError("01.01.2023", "DD.MM.QQ"), "ORA-01821: date format not recognized");
}

TEST(OracleDateTest, ArithmeticRoundingAndTruncation) {
    const DateTime d = ParseDate("31.01.2024 18:00", "DD.MM.YYYY HH24:MI");
    EXPECT_EQ(ToStoredText(AddDays(d, *Decimal::Parse("29.25"))), "2024-03-01 00:00:00");
    EXPECT_EQ(DaysBetween(ParseDate("01.03.2024", "DD.MM.YYYY"), d).ToOracleText(), "29.25");
    EXPECT_EQ(ToStoredText(RoundDate(d, "")), "2024-02-01 00:00:00");
    EXPECT_EQ(ToStoredText(TruncDate(d, "MM")), "2024-01-01 00:00:00");
    EXPECT_EQ(ToStoredText(RoundDate(d, "YYYY")), "2024-01-01 00:00:00");
}

TEST(OracleTextTest, PositionsCaseLikeAndNumberFormats) {
    EXPECT_EQ(InstrChars("ABC_S_S", "_S", 1, 2), 6);
    EXPECT_EQ(InstrChars("ABC", "_S", 1, 1), 0);
    EXPECT_EQ(InstrChars("čaxčax", "ax", -1, 1), 5);
    EXPECT_EQ(SubstrChars("ABC_S", 1, 3), "ABC");
    EXPECT_EQ(SubstrChars("abc", -5, std::nullopt), "");
    EXPECT_EQ(ChangeCase("žabe Ľ ß", true), "ŽABE Ľ ß");
    EXPECT_EQ(ChangeCase("ŽABE Ľ", false), "žabe ľ");
    EXPECT_TRUE(LikeMatch("A_SB", "A\\_%", U'\\'));
    EXPECT_FALSE(LikeMatch("AxSB", "A\\_%", U'\\'));
    EXPECT_TRUE(LikeMatch("čas", "_as", std::nullopt));
    EXPECT_EQ(FormatNumber(*Decimal::Parse("1234.567"), "9,999.99"), " 1,234.57");
    EXPECT_EQ(FormatNumber(*Decimal::Parse("-0.5"), "90.00"), " -0.50");
    EXPECT_EQ(FormatNumber(*Decimal::Parse("12345"), "999"), "####");
}
