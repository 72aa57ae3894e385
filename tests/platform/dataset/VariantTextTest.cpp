// The text of a variant: every kind written under the process locale, NULL as empty text, and a
// date-time showing its time only when it has one.
#include "platform/dataset/VariantText.h"

#include "platform/settings/DateTime.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

TEST(VariantTextTest, EveryKindFollowsTheLocale) {
    Locale() = TLocale::Slovenian();
    EXPECT_EQ(TextValue(TVariant()), "");
    EXPECT_EQ(TextValue(TVariant::FromInteger(-9007199254740993)), "-9007199254740993");
    EXPECT_EQ(TextValue(TVariant::FromFloat(-0.25)), "-0,25");
    EXPECT_EQ(TextValue(TVariant::FromText("a\r\nb")), "a\r\nb");
    EXPECT_EQ(TextValue(TVariant::FromBytes({'x', 0, 'y'})), std::string("x\0y", 3));
}

TEST(VariantTextTest, DateTimesShowTheirTimeOnlyWhenTheyHaveOne) {
    Locale() = TLocale::Slovenian();
    const TDateTime day = EncodeDate(2025, 12, 31);
    EXPECT_EQ(TextValue(TVariant::FromDateTime(day)), "31.12.2025");
    EXPECT_EQ(TextValue(TVariant::FromDateTime(day + EncodeTime(23, 5, 9, 0))), "31.12.2025 23:05:09");
}
