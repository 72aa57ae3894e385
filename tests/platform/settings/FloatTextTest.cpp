// The locale's float texts: shortest 15-digit rendering, exponent form, reading back, and the
// decimal-point form used inside statements.
#include "platform/settings/FloatText.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

namespace {

class FloatTexts : public testing::Test {
protected:
    void SetUp() override { Locale() = TLocale::Slovenian(); }
    void TearDown() override { Locale() = TLocale::Slovenian(); }
};

} // namespace

TEST_F(FloatTexts, ShortestTextWithDecimalComma) {
    EXPECT_EQ(FloatToStr(0.1), "0,1");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0,3");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(-1234.5), "-1234,5");
    EXPECT_EQ(FloatToStr(1234567.891), "1234567,891");
}

TEST_F(FloatTexts, IntegersHaveNoDecimals) {
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(-42), "-42");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
}

TEST_F(FloatTexts, FifteenSignificantDigitsAtMost) {
    EXPECT_EQ(FloatToStr(1234567.8901234567), "1234567,89012346");
    EXPECT_EQ(FloatToStr(0.30000000000000004), "0,3");
    EXPECT_EQ(FloatToStr(2.675), "2,675");
}

TEST_F(FloatTexts, ExponentFormOutsideTheFixedRange) {
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(-2.5e-7), "-2,5E-7");
    EXPECT_EQ(FloatToStr(0.0001), "0,0001");
}

TEST_F(FloatTexts, CommaToPointMakesStatementNumbers) {
    EXPECT_EQ(CommaToPoint(FloatToStr(-1234.56)), "-1234.56");
    EXPECT_EQ(CommaToPoint(FloatToStr(2.5e-7)), "2.5E-7");
    EXPECT_EQ(CommaToPoint("1,2,3"), "1.2.3");
}

TEST_F(FloatTexts, TextReadsBackToTheSameDouble) {
    for (double value : {0.1, -1234.5, 1e20, 2.5e-7, 123456789012345.0, 0.0})
        EXPECT_EQ(StrToFloat(FloatToStr(value)), value) << FloatToStr(value);
    EXPECT_EQ(StrToFloat(" 12,5 "), 12.5);
    EXPECT_EQ(StrToFloat("-3"), -3.0);
}

TEST_F(FloatTexts, UnreadableNumbersNameTheText) {
    for (const char* text : {"", "abc", "12.5", "1,2,3", "12,5x", "0x10", "nan", "inf", "1e999"}) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST_F(FloatTexts, PointLocaleReadsAndWritesPoints) {
    Locale().DecimalSeparator = ".";
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(StrToFloat("12.5"), 12.5);
    EXPECT_THROW(StrToFloat("12,5"), Exception);
}
