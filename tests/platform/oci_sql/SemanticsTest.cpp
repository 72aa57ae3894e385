// The Oracle rules the engine keeps, end to end on sqlite3: NULL for the empty string, name case,
// blank-padded CHAR, byte lengths, decimal NUMBER arithmetic and rounding, conversions, DATE texts
// under the session's format, date arithmetic, storage forms and binary text order.
#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace orasql;
using namespace orasql::test;

namespace {

class Semantics : public ::testing::Test {
protected:
    void SetUp() override {
        db.Exec("create table k (id number(9), txt varchar2(5), code char(3), amount number(12,2), n number, "
                "small number(3,1), d date)");
    }
    Rows Stored(const std::string& column) { return db.Exec("select " + column + " from k order by id"); }
    TestDatabase db;
};

} // namespace

TEST_F(Semantics, EmptyStringIsNull) {
    db.Exec("insert into k (id, txt) values (1, '')");
    db.Exec("insert into k (id, txt) values (2, :t)", {{"T", std::string()}});
    EXPECT_EQ(db.One("select count(*) from k where txt is null"), "2");
    EXPECT_EQ(db.One("select count(*) from dual where '' is null"), "1");
    EXPECT_EQ(db.One("select nvl('', 'empty') from dual"), "empty");
    EXPECT_EQ(db.One("select count(*) from dual where '' = ''"), "0");
}

TEST_F(Semantics, NamesAreCaseInsensitiveUnlessQuoted) {
    db.Exec("insert into K (ID, Txt) values (1, 'a')");
    EXPECT_EQ(db.One("SELECT TXT FROM k WHERE Id = 1"), "a");
    EXPECT_EQ(db.One("select \"TXT\" from \"K\""), "a");
    EXPECT_EQ(db.Error("select \"txt\" from k"), "ORA-00904: \"txt\": invalid identifier");
    db.Exec("create table \"Mixed\" (\"Col\" number)");
    EXPECT_EQ(db.Error("select * from mixed"), "ORA-00942: table or view does not exist");
    db.Exec("insert into \"Mixed\" values (1)");
    EXPECT_EQ(db.One("select \"Col\" from \"Mixed\""), "1");
}

TEST_F(Semantics, CharIsBlankPaddedAndComparesPadded) {
    db.Exec("insert into k (id, code) values (1, 'ab')");
    db.Exec("insert into k (id, code) values (2, 'abc   ')");
    EXPECT_EQ(Stored("'[' || code || ']'"), (Rows{{"[ab ]"}, {"[abc]"}}));
    EXPECT_EQ(db.One("select id from k where code = 'ab'"), "1");
    EXPECT_EQ(db.One("select length(code) from k where id = 1"), "3");
}

TEST_F(Semantics, LengthsAreCheckedInBytes) {
    db.Exec("insert into k (id, txt) values (1, 'abcde')");
    EXPECT_EQ(db.Error("insert into k (id, txt) values (2, 'abcdef')"),
              "ORA-12899: value too large for column \"DEMO\".\"K\".\"TXT\" (actual: 6, maximum: 5)");
    // Five characters, seven bytes.
    EXPECT_EQ(db.Error("insert into k (id, txt) values (3, 'ščabc')"),
              "ORA-12899: value too large for column \"DEMO\".\"K\".\"TXT\" (actual: 7, maximum: 5)");
    EXPECT_EQ(db.Error("update k set code = 'abcd'"),
              "ORA-12899: value too large for column \"DEMO\".\"K\".\"CODE\" (actual: 4, maximum: 3)");
    EXPECT_EQ(db.Error("insert into k (id, txt) values (4, 123456)"),
              "ORA-12899: value too large for column \"DEMO\".\"K\".\"TXT\" (actual: 6, maximum: 5)");
}

TEST_F(Semantics, NumberArithmeticIsExactInDecimal) {
    EXPECT_EQ(db.One("select count(*) from dual where 0.1 + 0.2 = 0.3"), "1");
    EXPECT_EQ(db.One("select 0.1 + 0.2 from dual"), "0.3");
    EXPECT_EQ(db.One("select 1.1 * 3 from dual"), "3.3");
    EXPECT_EQ(db.One("select 1 - 0.9 from dual"), "0.1");
    EXPECT_EQ(db.One("select 1 / 3 * 3 from dual"), "1");
    db.Exec("insert into k (id, amount) values (1, 0.02)");
    db.Exec("insert into k (id, amount) values (2, -0.03)");
    EXPECT_EQ(db.One("select sum(amount) from k"), "-0.01");
    EXPECT_EQ(db.One("select count(*) from k having abs(sum(amount)) >= 0.01"), "2");
    EXPECT_EQ(db.One("select count(*) from dual where 123456789012.34 + 0.01 = 123456789012.35"), "1");
    EXPECT_EQ(db.One("select 123456789012345 + 1 from dual"), "123456789012346");
    EXPECT_EQ(db.Error("select 1 / 0 from dual"), "ORA-01476: divisor is equal to zero");
    EXPECT_EQ(db.Error("select 1 / (select 0 from dual) from dual"), "ORA-01476: divisor is equal to zero");
}

TEST_F(Semantics, StoredNumbersRoundToTheColumnScale) {
    db.Exec("insert into k (id, amount, small, n) values (1, 2.345, 12.25, 0.1)");
    db.Exec("insert into k (id, amount, small) values (2, -2.345, -12.25)");
    EXPECT_EQ(Stored("amount"), (Rows{{"2.35"}, {"-2.35"}}));
    EXPECT_EQ(Stored("small"), (Rows{{"12.3"}, {"-12.3"}}));
    EXPECT_EQ(db.One("select n from k where id = 1"), "0.1");
    EXPECT_EQ(db.Error("insert into k (id, small) values (3, 100)"),
              "ORA-01438: value larger than specified precision allowed for this column");
    db.Exec("insert into k (id, small) values (4, 99.94)");
    EXPECT_EQ(db.Error("update k set small = 99.95 where id = 4"),
              "ORA-01438: value larger than specified precision allowed for this column");
    EXPECT_EQ(db.One("select id from k where id = 4.0"), "4");
}

TEST_F(Semantics, CharacterNumberConversions) {
    db.Exec("insert into k (id, amount) values ('7', ' 1.50 ')");
    EXPECT_EQ(db.One("select amount + '1' from k"), "2.5");
    EXPECT_EQ(db.One("select id from k where id = '7'"), "7");
    EXPECT_EQ(db.One("select id from k where id = :v", {{"V", std::string("7")}}), "7");
    EXPECT_EQ(db.Error("insert into k (id, amount) values (8, 'x1')"), "ORA-01722: invalid number");
    EXPECT_EQ(db.Error("select 'a' + 1 from dual"), "ORA-01722: invalid number");
    EXPECT_EQ(db.Error("select id from k where id = 'seven'"), "ORA-01722: invalid number");
    EXPECT_EQ(db.One("select 'n=' || 2.50 from dual"), "n=2.5");
}

TEST_F(Semantics, DateLiteralsAndBindsUseTheSessionFormat) {
    db.Exec("insert into k (id, d) values (1, '05.03.2023')");
    db.Exec("insert into k (id, d) values (2, '05.03.2023 13:14:15')");
    db.Exec("insert into k (id, d) values (3, :d)", {{"D", std::string("2023-03-06 00:00:00")}});
    db.Exec("insert into k (id, d) values (4, :d)", {{"D", std::string("07.03.2023")}});
    EXPECT_EQ(Stored("d"), (Rows{{"2023-03-05 00:00:00"},
                                 {"2023-03-05 13:14:15"},
                                 {"2023-03-06 00:00:00"},
                                 {"2023-03-07 00:00:00"}}));
    EXPECT_EQ(db.One("select count(*) from k where d = '05.03.2023'"), "1");
    EXPECT_EQ(db.One("select count(*) from k where d >= '05.03.2023' and d <= :hi",
                     {{"HI", std::string("06.03.2023")}}),
              "3");
    EXPECT_EQ(db.One("select count(*) from k where d in ('06.03.2023', '07.03.2023')"), "2");
    EXPECT_EQ(db.One("select count(*) from k where d between '05.03.2023' and '06.03.2023'"), "3");
}

TEST_F(Semantics, BadDateTextsFailWithOraclesErrors) {
    EXPECT_EQ(db.Error("insert into k (id, d) values (1, '29.02.2100')"),
              "ORA-01839: date not valid for month specified");
    EXPECT_EQ(db.Error("select count(*) from k where d = '31.04.2023'"),
              "ORA-01839: date not valid for month specified");
    EXPECT_EQ(db.Error("insert into k (id, d) values (1, '01.13.2023')"), "ORA-01843: not a valid month");
    EXPECT_EQ(db.Error("insert into k (id, d) values (1, 'x')"),
              "ORA-01858: a non-numeric character was found where a numeric was expected");
    EXPECT_EQ(db.Error("insert into k (id, d) values (1, :d)", {{"D", std::string("32.01.2023")}}),
              "ORA-01847: day of month must be between 1 and last day of month");
    EXPECT_EQ(db.Error("insert into k (id, d) values (1, 5)"),
              "ORA-00932: inconsistent datatypes: expected DATE got NUMBER");
    db.Exec("insert into k (id, d) values (1, '29.02.2024')");
}

TEST_F(Semantics, DateArithmeticInDays) {
    db.Exec("insert into k (id, d) values (1, '01.03.2024')");
    EXPECT_EQ(db.One("select d - to_date('01.02.2024', 'DD.MM.YYYY') from k"), "29");
    EXPECT_EQ(db.One("select d - '01.02.2024' from k"), "29");
    EXPECT_EQ(db.One("select to_char(d + 1, 'DD.MM.YYYY') from k"), "02.03.2024");
    EXPECT_EQ(db.One("select to_char(d - 1, 'DD.MM.YYYY') from k"), "29.02.2024");
    EXPECT_EQ(db.One("select to_char(d + 0.5, 'DD.MM.YYYY HH24:MI') from k"), "01.03.2024 12:00");
    EXPECT_EQ(db.One("select to_char(1 + d, 'DD.MM.YYYY') from k"), "02.03.2024");
    EXPECT_EQ(db.One("select (d + 0.25) - d from k"), "0.25");
    EXPECT_EQ(db.One("select count(*) from k where d + 1 > '01.03.2024'"), "1");
}

TEST_F(Semantics, StorageFormsAndBinaryTextOrder) {
    db.Exec("insert into k (id, txt, d, amount) values (1, 'b', '05.03.2023', 10)");
    db.Exec("insert into k (id, txt, d, amount) values (2, 'B', '05.03.2023', 10.5)");
    db.Exec("insert into k (id, txt) values (3, 'a')");
    db.Exec("insert into k (id, txt) values (4, 'Č')");
    EXPECT_EQ(
        Text(db.Run("select typeof(\"D\") || typeof(\"AMOUNT\") from \"K\" where \"ID\" = 1", {})[0][0]),
        "textinteger");
    EXPECT_EQ(Text(db.Run("select typeof(\"AMOUNT\") from \"K\" where \"ID\" = 2", {})[0][0]), "real");
    EXPECT_EQ(db.Exec("select txt from k order by txt"), (Rows{{"B"}, {"a"}, {"b"}, {"Č"}}));
    EXPECT_EQ(db.One("select count(*) from k where txt > 'Z'"), "3");
}
