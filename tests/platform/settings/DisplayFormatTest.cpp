// Display formats of numeric fields in the Slovenian locale: grouping, fixed and optional decimals,
// literals and sections.
#include "platform/settings/DisplayFormat.h"

#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

namespace {

class DisplayFormats : public testing::Test {
protected:
    void SetUp() override { Locale() = TLocale::Slovenian(); }
    void TearDown() override { Locale() = TLocale::Slovenian(); }
};

} // namespace

TEST_F(DisplayFormats, GroupedWithTwoDecimals) {
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1.234.567,89");
    EXPECT_EQ(FormatFloat("#,##0.00", -1234567.891), "-1.234.567,89");
    EXPECT_EQ(FormatFloat("#,##0.00", 0), "0,00");
    EXPECT_EQ(FormatFloat("#,##0.00", 999.999), "1.000,00");
    EXPECT_EQ(FormatFloat("#,##0.00", 0.5), "0,50");
    EXPECT_EQ(FormatFloat("#,##0.00", 123), "123,00");
}

TEST_F(DisplayFormats, FixedDecimalsWithoutGrouping) {
    EXPECT_EQ(FormatFloat("0.00", 1234567.891), "1234567,89");
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0,12");
    EXPECT_EQ(FormatFloat("0.00", 0.375), "0,38");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0,00");
    EXPECT_EQ(FormatFloat("000", 7), "007");
}

TEST_F(DisplayFormats, GroupedWholeNumbers) {
    EXPECT_EQ(FormatFloat("#,##0", 1234567.891), "1.234.568");
    EXPECT_EQ(FormatFloat("#,##0", 999), "999");
    EXPECT_EQ(FormatFloat("#,##0", -1000), "-1.000");
    EXPECT_EQ(FormatFloat("#,##0", 0.4), "0");
}

TEST_F(DisplayFormats, OptionalDigitsShowOnlyWhenSignificant) {
    EXPECT_EQ(FormatFloat("0.0#", 1.5), "1,5");
    EXPECT_EQ(FormatFloat("0.0#", 1.25), "1,25");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ",5");
    EXPECT_EQ(FormatFloat("#,##0.##", 1234), "1.234");
}

TEST_F(DisplayFormats, LiteralsAndSections) {
    EXPECT_EQ(FormatFloat("#,##0.00 \"EUR\"", 1234.5), "1.234,50 EUR");
    EXPECT_EQ(FormatFloat("'Znesek: '0.00", 3), "Znesek: 3,00");
    EXPECT_EQ(FormatFloat("0.00;(0.00)", -3), "(3,00)");
    EXPECT_EQ(FormatFloat("0.00;(0.00)", 3), "3,00");
    EXPECT_EQ(FormatFloat("0.00;(0.00);\"nič\"", 0), "nič");
    EXPECT_EQ(FormatFloat("0.00;;\"-\"", -2), "-2,00");
}

TEST_F(DisplayFormats, HugeValuesKeepAllTheirDigits) {
    const std::string text = FormatFloat("#,##0.00", 1e300);
    EXPECT_EQ(text.substr(0, 6), "1.000.");
    EXPECT_EQ(text.size(), 1 + 100 * 4 + 3u);
}

TEST_F(DisplayFormats, EmptyFormatIsTheGeneralText) {
    EXPECT_EQ(FormatFloat("", 1234.5), "1234,5");
    EXPECT_EQ(FormatFloat("", 0.1 + 0.2), "0,3");
}

TEST_F(DisplayFormats, SeparatorsComeFromTheLocale) {
    Locale().DecimalSeparator = ".";
    Locale().ThousandSeparator = ",";
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
}
