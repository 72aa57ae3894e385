// Bind variables without a server: the scanner, declaration and its refusals, the conversions of
// Assign and VariableValue, the 7-byte DATE, the ROWID texts and the number rule.
#include "oracle/Oracle.h"

#include "platform/settings/DateTime.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

using TPlaces = std::vector<std::pair<std::string, int>>;

std::vector<int> Bytes(const TVariableData& variable) {
    return std::vector<int>(variable.Buffer.begin(), variable.Buffer.begin() + 7);
}

} // namespace

TEST(VariableScannerTest, QuotesCommentsAndAssignmentStartNoVariable) {
    EXPECT_EQ(TOracleQuery::FindVariables("select ':a' from t where x = :b", false), (TPlaces{{"B", 30}}));
    EXPECT_EQ(TOracleQuery::FindVariables("select 1 -- :a\r\nfrom t where x = :b", false),
              (TPlaces{{"B", 34}}));
    EXPECT_EQ(TOracleQuery::FindVariables("select /* :a */ :b from t", false), (TPlaces{{"B", 17}}));
    EXPECT_EQ(TOracleQuery::FindVariables("begin x := :v; end;", false), (TPlaces{{"V", 12}}));
}

TEST(VariableScannerTest, NamesAreUpperCasedAndListedOnceWhenAskedUnique) {
    const std::string text = "select :id, :Name$1 from t where id = :ID";
    EXPECT_EQ(TOracleQuery::FindVariables(text, false), (TPlaces{{"ID", 8}, {"NAME$1", 13}, {"ID", 39}}));
    EXPECT_EQ(TOracleQuery::FindVariables(text, true), (TPlaces{{"ID", 8}, {"NAME$1", 13}}));
}

TEST(VariableScannerTest, LineCommentEndsAtALoneLineFeedToo) {
    EXPECT_EQ(TOracleQuery::FindVariables("select 1 -- note\nfrom t where x = :b", false),
              (TPlaces{{"B", 35}}));
}

TEST(SubstitutionTest, SubstitutionVariablesArePastedAndCarriageReturnsRemoved) {
    TOracleQuery query;
    query.SQL = {"select * from &t", "from :tab where x = :x"};
    query.AddVariable("tab", otType::otSubst);
    query.AddVariable("x", otType::otInteger);
    query.AssignVariable("TAB", TVariant::FromText("oblim"));
    EXPECT_EQ(query.PreparedText(), "select * from &t\nfrom oblim where x = :x");
    query.AssignVariable("tab", TVariant());
    EXPECT_EQ(query.PreparedText(), "select * from &t\nfrom  where x = :x");
    query.SQL.clear();
    EXPECT_EQ(query.PreparedText(), " ");
}

TEST(VariableDeclarationTest, NamesAreNormalisedForEveryLookup) {
    TOracleQuery query;
    query.AddVariable("status", otType::otInteger);
    EXPECT_EQ(query.IndexOfVariable(":STATUS"), 0);
    EXPECT_EQ(query.IndexOfVariable("status"), 0);
    EXPECT_EQ(query.Variables()[0].Name, ":STATUS");
    query.AddVariable(":Status", otType::otString); // replaces in place
    EXPECT_EQ(query.Variables().Count(), 1);
    EXPECT_EQ(query.Variables()[0].ElementSize, 4001);
    query.AddVariable("qel__rowid", otType::otString);
    EXPECT_EQ(query.Variables()[1].ElementSize, 501);
}

TEST(VariableDeclarationTest, RefusalsHaveTheirTexts) {
    TOracleQuery query;
    const auto message = [&](auto action) {
        try {
            action();
        } catch (const Exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { query.AddVariable("", otType::otInteger); }),
              "You cannot declare a variable with an empty name");
    EXPECT_EQ(message([&] { query.AddVariable("x", 77); }), "Unsupported variable type");
    EXPECT_EQ(message([&] { query.AddVariable("c", otType::otCursor); }),
              "Variables of type 116 are not supported");
    EXPECT_EQ(message([&] { query.AssignVariable("nope", TVariant::FromInteger(1)); }),
              "Variable :NOPE not declared");
    EXPECT_EQ(message([&] { query.VariableValue("nope"); }), "Unknown variable: :NOPE");
    query.AddVariable("n", otType::otInteger);
    EXPECT_EQ(message([&] { query.AssignVariable("n", TVariant::FromText("abc")); }),
              "Variant conversion error for variable :N");
}

TEST(VariableConversionTest, DateZeroIsNullUnlessZeroDateIsNullIsOff) {
    TOracleQuery query;
    query.AddVariable("d", otType::otDate);
    query.AssignVariable("d", TVariant::FromDateTime(0));
    EXPECT_EQ(query.Variables()[0].Indicator, OCI_IND_NULL);
    TOracleSession session;
    session.Preferences.ZeroDateIsNull = false;
    query.SetSession(&session);
    query.AssignVariable("d", TVariant::FromDateTime(0));
    EXPECT_EQ(query.Variables()[0].Indicator, OCI_IND_NOTNULL);
    EXPECT_EQ(Bytes(query.Variables()[0]), (std::vector<int>{118, 199, 12, 30, 1, 1, 1}));
    query.SetSession(nullptr);
}

TEST(VariableConversionTest, DatesRoundTripThroughTheSevenByteForm) {
    TOracleQuery query;
    query.AddVariable("d", otType::otDate);
    const TDateTime value = EncodeDate(2023, 3, 5) + EncodeTime(13, 45, 7, 0);
    query.AssignVariable("d", TVariant::FromDateTime(value));
    EXPECT_EQ(Bytes(query.Variables()[0]), (std::vector<int>{120, 123, 3, 5, 14, 46, 8}));
    EXPECT_NEAR(query.VariableValue("d").DateTime(), value, 1e-9);
    Locale() = TLocale::Slovenian();
    query.AssignVariable("d", TVariant::FromText("05.03.2023"));
    EXPECT_EQ(Bytes(query.Variables()[0]), (std::vector<int>{120, 123, 3, 5, 1, 1, 1}));
}

TEST(VariableConversionTest, ImpossibleDatesDecodeToTheDayBeforeYearOne) {
    const ub1 invalid[7] = {100, 100, 13, 40, 11, 1, 1};
    EXPECT_NEAR(DecodeOracleDate(invalid), -693594 - 10.0 / 24, 1e-9);
}

TEST(VariableConversionTest, StringsLoseCarriageReturnsAndAreCutToTheirSize) {
    TOracleQuery query;
    query.AddVariable("s", otType::otString);
    query.AssignVariable("s", TVariant::FromText("a\r\nb"));
    EXPECT_EQ(query.VariableValue("s").Text(), "a\r\nb"); // stored "a\nb", read back normalised
    EXPECT_STREQ(reinterpret_cast<const char*>(query.Variables()[0].Buffer.data()), "a\nb");
    query.AssignVariable("s", TVariant::FromText(std::string(5000, 'x')));
    EXPECT_EQ(query.VariableValue("s").Text().size(), 4000u);
    query.AssignVariable("s", TVariant());
    EXPECT_TRUE(query.VariableValue("s").IsNull());
}

TEST(VariableConversionTest, ANullVariableReadsAsTheSessionsNullValue) {
    TOracleSession session;
    TOracleQuery query;
    query.SetSession(&session);
    query.AddVariable("s", otType::otString);
    query.AssignVariable("s", TVariant());
    EXPECT_TRUE(query.VariableValue("s").IsUnassigned());
    EXPECT_TRUE(query.VariableValue("s").IsNull());
    session.NullValue = TNullValue::nvNull;
    EXPECT_FALSE(query.VariableValue("s").IsUnassigned());
    EXPECT_EQ(query.VariableValue("s"), TVariant());
}

TEST(VariableConversionTest, NumbersConvertToTheVariableType) {
    TOracleQuery query;
    query.AddVariable("i", otType::otInteger);
    query.AddVariable("f", otType::otFloat);
    query.AssignVariable("i", TVariant::FromFloat(2.5));
    query.AssignVariable("f", TVariant::FromInteger(3));
    EXPECT_EQ(query.VariableValue("i").Integer(), 2);
    EXPECT_EQ(query.VariableValue("f").Float(), 3.0);
    query.AssignVariable("i", TVariant::FromText("42"));
    EXPECT_EQ(query.VariableValue("i").Integer(), 42);
}

TEST(VariableConversionTest, IntegerVariablesHold64BitIdsAndRefuseWhatDoesNotFit) {
    TOracleQuery query;
    query.AddVariable("i", otType::otInteger);
    const std::pair<TVariant, std::int64_t> fits[] = {{TVariant::FromText("4294967297"), 4294967297LL},
                                                      {TVariant::FromText("2147483648"), 2147483648LL},
                                                      {TVariant::FromInteger(INT64_MAX), INT64_MAX},
                                                      {TVariant::FromFloat(3e9), 3000000000LL}};
    for (const auto& [value, stored] : fits) {
        query.AssignVariable("i", value);
        EXPECT_EQ(query.VariableValue("i").Integer(), stored);
    }
    const auto message = [&](const TVariant& value) {
        try {
            query.AssignVariable("i", value);
        } catch (const Exception& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(message(TVariant::FromText("9223372036854775808")),
              "Variant conversion error for variable :I: 9223372036854775808 does not fit a 64-bit integer");
    EXPECT_EQ(message(TVariant::FromFloat(1e19)),
              "Variant conversion error for variable :I: 1E19 does not fit a 64-bit integer");
}

TEST(VariableConversionTest, LongRawTakesBytesOnly) {
    TOracleQuery query;
    query.AddVariable("r", otType::otLongRaw);
    query.AssignVariable("r", TVariant::FromBytes({1, 2, 3}));
    EXPECT_EQ(query.VariableValue("r").Bytes(), (TBytes{1, 2, 3}));
    EXPECT_THROW(query.AssignVariable("r", TVariant::FromInteger(1)), Exception);
}

TEST(RowIdTextTest, ExtendedAndRestrictedForms) {
    EXPECT_EQ(RowIdText(74565, 4, 131, 0), "AAASNFAAEAAAACDAAA");
    EXPECT_EQ(RowIdText(0, 4, 131, 2), "00000083.0002.0004");
    ub4 object, file, block, row;
    ASSERT_TRUE(ParseExtendedRowId("AAASNFAAEAAAACDAAA", object, file, block, row));
    EXPECT_EQ(std::vector<ub4>({object, file, block, row}), std::vector<ub4>({74565, 4, 131, 0}));
    EXPECT_FALSE(ParseExtendedRowId("short", object, file, block, row));
}

TEST(NumberRuleTest, IntegersUpToNineDigitsOthersDouble) {
    const TNumberRule rule;
    EXPECT_EQ(NumberFetchType(9, 0, rule).Type, SQLT_INT);
    EXPECT_EQ(NumberFetchType(10, 0, rule).Type, SQLT_FLT);
    EXPECT_EQ(NumberFetchType(0, 0, rule).Type, SQLT_FLT);
    EXPECT_EQ(NumberFetchType(0, -127, rule).Type, SQLT_FLT);
    EXPECT_EQ(NumberFetchType(5, 2, rule).Type, SQLT_FLT);
    EXPECT_EQ(NumberFetchType(126, -127, rule).Type, SQLT_FLT);
    EXPECT_EQ(NumberFetchType(10, 0, TNumberRule{0, 0, false, true}).Type, SQLT_INT);
    const TFetchType text = NumberFetchType(12, 2, TNumberRule{0, 10, false, false});
    EXPECT_EQ(text.Type, SQLT_STR);
    EXPECT_EQ(text.Size, 15);
}
