// The numeric reading of a variant: which kinds carry a number, that only a text meets the parser,
// and that the parser's own error reaches the caller unchanged.
#include "platform/dataset/VariantNumber.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/FloatText.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

namespace {

double RefusingParser(const std::string& text) {
    throw Exception("parsed '" + text + "'");
}

} // namespace

TEST(VariantNumberTest, NumbersAndDateTimesNeedNoParser) {
    EXPECT_EQ(NumericValue(TVariant::FromInteger(-7), RefusingParser), -7.0);
    EXPECT_EQ(NumericValue(TVariant::FromInteger(std::int64_t{1} << 52), RefusingParser), 4503599627370496.0);
    EXPECT_EQ(NumericValue(TVariant::FromFloat(2.5), RefusingParser), 2.5);
    EXPECT_EQ(NumericValue(TVariant::FromDateTime(46022.75), RefusingParser), 46022.75);
}

TEST(VariantNumberTest, TextGoesThroughTheGivenParserWhoseErrorPassesThrough) {
    Locale() = TLocale::Slovenian();
    EXPECT_EQ(NumericValue(TVariant::FromText("12,5"), StrToFloat), 12.5);
    try {
        NumericValue(TVariant::FromText("1x"), RefusingParser);
        FAIL() << "the parser's error was swallowed";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "parsed '1x'");
    }
}

TEST(VariantNumberTest, NullAndBytesAreNoNumberForTheCallerToJudge) {
    EXPECT_EQ(NumericValue(TVariant(), RefusingParser), std::nullopt);
    EXPECT_EQ(NumericValue(TVariant::FromBytes({'1', '2'}), RefusingParser), std::nullopt)
        << "bytes that spell a number are still bytes";
}
