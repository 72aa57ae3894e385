// Date texts in the Slovenian locale and in a changed locale, and the errors of unreadable texts.
#include "platform/settings/DateText.h"

#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

namespace {

class DateTexts : public testing::Test {
protected:
    void SetUp() override { Locale() = TLocale::Slovenian(); }
    void TearDown() override { Locale() = TLocale::Slovenian(); }
};

std::string ErrorOf(TDateTime (*parse)(const std::string&), const std::string& text) {
    try {
        parse(text);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

} // namespace

TEST_F(DateTexts, ShortDateHasTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(FormatShortDate(0), "30.12.1899");
    EXPECT_EQ(FormatShortDate(EncodeDate(2023, 3, 5)), "05.03.2023");
    EXPECT_EQ(FormatShortDate(EncodeDate(2024, 2, 29) + 0.75), "29.02.2024");
    EXPECT_EQ(FormatShortDate(EncodeDate(2100, 2, 28) + 1), "01.03.2100");
}

TEST_F(DateTexts, FixedDayMonthYearTextIgnoresTheLocale) {
    Locale().ShortDateFormat = "yyyy-MM-dd";
    EXPECT_EQ(FormatDayMonthYear(5, 3, 2023), "05.03.2023");
    EXPECT_EQ(FormatDayMonthYear(1, 1, 2007), "01.01.2007");
    EXPECT_EQ(FormatDayMonthYear(29, 2, 2008), "29.02.2008");
    EXPECT_EQ(FormatDayMonthYear(EncodeDate(2023, 3, 5) + 0.75), "05.03.2023"); // time of day left out
}

TEST_F(DateTexts, ShortDateReadsBackAsTheSameDay) {
    for (TDateTime day : {0.0, 2.0, 36526.0, 44990.0, EncodeDate(2100, 3, 1)})
        EXPECT_EQ(ParseShortDate(FormatShortDate(day)), day);
    EXPECT_EQ(ParseShortDate(FormatDayMonthYear(17, 2, 2008)), EncodeDate(2008, 2, 17));
}

TEST_F(DateTexts, ShortDateReadingIsLenientAboutDigitsAndBlanks) {
    EXPECT_EQ(ParseShortDate("5.3.2023"), EncodeDate(2023, 3, 5));
    EXPECT_EQ(ParseShortDate(" 05.03.2023 "), EncodeDate(2023, 3, 5));
    EXPECT_EQ(ParseShortDate("05.03.23"), EncodeDate(2023, 3, 5));
    EXPECT_EQ(ParseShortDate("05.03.99"), EncodeDate(1999, 3, 5));
}

TEST_F(DateTexts, UnreadableDatesNameTheText) {
    EXPECT_EQ(ErrorOf(ParseShortDate, ""), "'' is not a valid date");
    EXPECT_EQ(ErrorOf(ParseShortDate, "29.02.2023"), "'29.02.2023' is not a valid date");
    EXPECT_EQ(ErrorOf(ParseShortDate, "2023-03-05"), "'2023-03-05' is not a valid date");
    EXPECT_EQ(ErrorOf(ParseShortDate, "05.03.2023x"), "'05.03.2023x' is not a valid date");
    EXPECT_EQ(ErrorOf(ParseShortDate, "32.01.2023"), "'32.01.2023' is not a valid date");
    EXPECT_EQ(ErrorOf(ParseShortDate, "05.03.2023 10:00"), "'05.03.2023 10:00' is not a valid date");
}

TEST_F(DateTexts, DateTimeShowsTheTimeOnlyWhenThereIsOne) {
    const TDateTime day = EncodeDate(2023, 3, 5);
    EXPECT_EQ(FormatDateTime(day), "05.03.2023");
    EXPECT_EQ(FormatDateTime(day + EncodeTime(7, 5, 9, 0)), "05.03.2023 07:05:09");
    EXPECT_EQ(FormatLongTime(day + EncodeTime(23, 59, 59, 0)), "23:59:59");
}

TEST_F(DateTexts, DateTimeReadsWithOrWithoutSeconds) {
    const TDateTime day = EncodeDate(2023, 3, 5);
    EXPECT_EQ(ParseDateTime("05.03.2023"), day);
    EXPECT_EQ(ParseDateTime("05.03.2023 07:05:09"), day + EncodeTime(7, 5, 9, 0));
    EXPECT_EQ(ParseDateTime("05.03.2023 7:05"), day + EncodeTime(7, 5, 0, 0));
    EXPECT_EQ(ErrorOf(ParseDateTime, "05.03.2023 25:00"), "'05.03.2023 25:00' is not a valid date and time");
    EXPECT_EQ(ErrorOf(ParseDateTime, "05.03.2023 10"), "'05.03.2023 10' is not a valid date and time");
}

TEST_F(DateTexts, AnotherLocaleChangesBothDirections) {
    Locale().ShortDateFormat = "yyyy-MM-dd";
    Locale().LongTimeFormat = "H.mm";
    const TDateTime value = EncodeDate(2023, 3, 5) + EncodeTime(7, 5, 0, 0);
    EXPECT_EQ(FormatDateTime(value), "2023-03-05 7.05");
    EXPECT_EQ(ParseShortDate("2023-03-05"), EncodeDate(2023, 3, 5));
    EXPECT_THROW(ParseShortDate("05.03.2023"), Exception);
}
