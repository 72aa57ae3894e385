// Field values read and written as text, integer, float and date-time under the process locale,
// the conversion errors, NULL handling, text size and the display text of a view.
#include "TestDataSets.h"

#include "platform/settings/DateTime.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

class FieldConversion : public ::testing::Test {
protected:
    void SetUp() override {
        Locale() = TLocale::Slovenian();
        ds.FieldDefs().Add("S", TFieldType::ftString, 5);
        ds.FieldDefs().Add("SI", TFieldType::ftSmallint);
        ds.FieldDefs().Add("I", TFieldType::ftInteger);
        ds.FieldDefs().Add("F", TFieldType::ftFloat);
        ds.FieldDefs().Add("C", TFieldType::ftCurrency);
        ds.FieldDefs().Add("D", TFieldType::ftDate);
        ds.FieldDefs().Add("T", TFieldType::ftTime);
        ds.FieldDefs().Add("DT", TFieldType::ftDateTime);
        ds.FieldDefs().Add("B", TFieldType::ftBlob);
        ds.Open();
        ds.Append();
    }
    void TearDown() override { Locale() = TLocale::Slovenian(); }
    TField& F(const char* name) { return ds.FieldByName(name); }

    TMemDataSet ds{"CONV"};
};

TEST_F(FieldConversion, IntegerTextMustBeADecimalNumberWithinRange) {
    F("I").SetAsString(" -42 ");
    EXPECT_EQ(F("I").AsInteger(), -42);
    EXPECT_EQ(F("I").AsString(), "-42");

    EXPECT_EQ(ErrorOf<Exception>([&] { F("I").SetAsString("12a"); }), "'12a' is not a valid integer value");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("I").SetAsString("1,5"); }), "'1,5' is not a valid integer value");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("I").SetAsString("9223372036854775808"); }),
              "'9223372036854775808' is not a valid integer value");
    EXPECT_EQ(F("I").AsInteger(), -42) << "a failed conversion keeps the value";

    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { F("SI").SetAsInteger(40000); }),
              "40000 is not a valid value for field 'SI'. The allowed range is -32768 to 32767");
    EXPECT_TRUE(F("SI").IsNull());
}

TEST_F(FieldConversion, IntegerFieldsHoldIdsOf64BitsAndNeverWrap) {
    const std::pair<const char*, std::int64_t> fits[] = {{"2147483648", 2147483648LL},
                                                         {"9223372036854775807", INT64_MAX},
                                                         {"-9223372036854775808", INT64_MIN}};
    for (const auto& [text, value] : fits) {
        F("I").SetAsString(text);
        EXPECT_EQ(F("I").AsLargeInt(), value);
        EXPECT_EQ(F("I").AsString(), text);
    }
    F("I").SetAsLargeInt(2147483648LL);
    EXPECT_EQ(ErrorOf<Exception>([&] { (void)F("I").AsInteger(); }),
              "'2147483648' is not a valid integer value");
    F("F").SetAsFloat(3e9);
    EXPECT_EQ(F("F").AsLargeInt(), 3000000000LL);
    F("F").SetAsFloat(9223372036854775807.0); // the double is 2^63
    EXPECT_EQ(ErrorOf<Exception>([&] { (void)F("F").AsLargeInt(); }),
              "'9,22337203685478E18' is not a valid integer value");
}

TEST_F(FieldConversion, FloatsFollowTheLocaleAndRoundTiesToEvenAsIntegers) {
    F("F").SetAsString("12,5");
    EXPECT_DOUBLE_EQ(F("F").AsFloat(), 12.5);
    EXPECT_EQ(F("F").AsString(), "12,5");
    EXPECT_EQ(F("F").AsInteger(), 12);
    F("F").SetAsFloat(13.5);
    EXPECT_EQ(F("F").AsInteger(), 14);

    EXPECT_EQ(ErrorOf<Exception>([&] { F("F").SetAsString("12.5x"); }),
              "'12.5x' is not a valid floating point value");

    F("I").SetAsFloat(2.5);
    EXPECT_EQ(F("I").AsInteger(), 2);
    F("S").SetAsFloat(0.25);
    EXPECT_EQ(F("S").AsString(), "0,25");
}

TEST_F(FieldConversion, DateTextIsReadWithTheLocalesShortDate) {
    F("D").SetAsString("31.12.2025");
    EXPECT_DOUBLE_EQ(F("D").AsDateTime(), EncodeDate(2025, 12, 31));
    EXPECT_EQ(F("D").AsString(), "31.12.2025");

    F("D").SetAsDateTime(EncodeDate(2024, 2, 29) + 0.75);
    EXPECT_DOUBLE_EQ(F("D").AsDateTime(), EncodeDate(2024, 2, 29)) << "a date field keeps no time";

    Locale().ShortDateFormat = "MM/dd/yyyy";
    F("D").SetAsString("12/30/2025");
    EXPECT_DOUBLE_EQ(F("D").AsDateTime(), EncodeDate(2025, 12, 30));
    EXPECT_EQ(F("D").AsString(), "12/30/2025");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("D").SetAsString("31.12.2025"); }),
              "'31.12.2025' is not a valid date");
}

TEST_F(FieldConversion, TimeAndDateTimeTextsCarryTheTimeOfDay) {
    F("DT").SetAsString("31.12.2025 13:45");
    EXPECT_EQ(F("DT").AsString(), "31.12.2025 13:45:00");
    F("T").SetAsString("06:30:15");
    EXPECT_EQ(F("T").AsString(), "06:30:15");
    F("T").SetAsDateTime(EncodeDate(2025, 1, 1) + 0.5);
    EXPECT_DOUBLE_EQ(F("T").AsDateTime(), 0.5) << "a time field keeps no date";
    EXPECT_EQ(ErrorOf<Exception>([&] { F("T").SetAsString("25:00"); }), "'25:00' is not a valid time");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("DT").SetAsString("31.12.2025 x"); }),
              "'31.12.2025 x' is not a valid date and time");
}

TEST_F(FieldConversion, EmptyTextAndClearStoreNull) {
    const std::pair<const char*, const char*> samples[] = {
        {"S", "x"}, {"I", "1"}, {"F", "1,5"}, {"D", "1.1.2025"}, {"DT", "1.1.2025 10:00"}};
    for (const auto& [name, text] : samples) {
        F(name).SetAsString(text);
        ASSERT_FALSE(F(name).IsNull()) << name;
        F(name).SetAsString("");
        EXPECT_TRUE(F(name).IsNull()) << name;
    }
    F("I").SetAsInteger(7);
    F("I").Clear();
    EXPECT_TRUE(F("I").IsNull());
    EXPECT_EQ(F("I").AsInteger(), 0);
    EXPECT_EQ(F("I").AsString(), "");
    EXPECT_EQ(F("D").DisplayText(), "");
}

TEST_F(FieldConversion, TextLongerThanTheSizeIsCutToWholeCharactersWithinItsBytes) {
    const std::pair<const char*, const char*> cases[] = {
        {"ČŠŽabcd", "ČŠ"}, {"abcdČ", "abcd"}, {"abcŽ", "abcŽ"}, {"abcdef", "abcde"}};
    for (const auto& [text, stored] : cases) {
        F("S").SetAsString(text);
        EXPECT_EQ(F("S").AsString(), stored) << text;
    }
}

TEST_F(FieldConversion, BlobsHoldBytesAndRefuseNumbers) {
    F("B").SetAsString("raw");
    EXPECT_EQ(F("B").AsString(), "raw");
    EXPECT_EQ(F("B").DisplayText(), "(BLOB)");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { (void)F("B").AsInteger(); }),
              "Cannot access field 'B' as type Integer");
    F("B").SetDisplayLabel("Priloga");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { (void)F("B").AsFloat(); }),
              "Cannot access field 'Priloga' as type Float");
}

TEST_F(FieldConversion, DisplayTextGoesThroughTheDisplayFormat) {
    F("F").SetAsFloat(1234.5);
    EXPECT_EQ(F("F").DisplayText(), "1234,5");
    F("F").SetDisplayFormat("#,##0.00");
    EXPECT_EQ(F("F").DisplayText(), "1.234,50");
    EXPECT_EQ(F("F").AsString(), "1234,5") << "the format is for display only";

    F("I").SetAsInteger(1234567);
    F("I").SetDisplayFormat("#,##0");
    EXPECT_EQ(F("I").DisplayText(), "1.234.567");

    F("C").SetAsFloat(1234.5);
    EXPECT_EQ(F("C").DisplayText(), "1.234,50");
}

TEST_F(FieldConversion, DisplayTextGoesThroughTheGetTextHandler) {
    F("I").SetAsInteger(-32000);
    F("I").SetDisplayFormat("#,##0");
    F("I").SetOnGetText(
        [](const TField& f) { return f.AsInteger() == -32000 ? std::string("Skupaj") : f.AsString(); });
    EXPECT_EQ(F("I").DisplayText(), "Skupaj");
    F("I").SetAsInteger(5);
    EXPECT_EQ(F("I").DisplayText(), "5") << "the handler replaces the display format";
}

TEST_F(FieldConversion, PresentationDefaultsFollowTheType) {
    EXPECT_EQ(F("S").DisplayLabel(), "S");
    EXPECT_EQ(F("S").DisplayWidth(), 5);
    EXPECT_EQ(F("S").Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(F("F").Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(F("SI").DisplayWidth(), 6);
    EXPECT_TRUE(F("S").Visible());
}

TEST(FieldAccess, WritingOutsideEditOrInsertStateIsRefused) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->FieldByName("QTY").SetAsInteger(2); }),
              "Dataset not in edit or insert mode");
    EXPECT_EQ(ds->FieldByName("QTY").AsInteger(), 1);
}

TEST(FieldAccess, FieldsAreFoundByNameWithoutRegardToCase) {
    auto ds = MakeOrders();
    EXPECT_EQ(&ds->FieldByName("qty"), &ds->FieldByName("QTY"));
    EXPECT_EQ(ds->FindField("MISSING"), nullptr);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->FieldByName("MISSING"); }),
              "ORDERS: Field 'MISSING' not found");
}

} // namespace
