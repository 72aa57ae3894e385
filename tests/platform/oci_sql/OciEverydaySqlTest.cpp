// The everyday SQL a console user types, through the client entry points: one table of statement
// text and the value (or ORA code) it must give, then the exact case of quoted names and the
// NUMBER(p,s) limits.
#include "OciClient.h"

#include <gtest/gtest.h>

using namespace ocitest;

namespace {

struct Case {
    const char* sql;
    const char* expected;
};

class OciEverydaySql : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(client.Logon(CreateTestDatabase("everyday")).status, OCI_SUCCESS);
        for (const char* sql : {
                 "CREATE TABLE emp (id NUMBER(9), name VARCHAR2(10), dept NUMBER(9), pay NUMBER(7,2), "
                 "hired DATE)",
                 "INSERT INTO emp VALUES (1, 'Ana', 10, 300, '31.01.2023')",
                 "INSERT INTO emp VALUES (2, 'Bor', 10, 200, '15.02.2023')",
                 "INSERT INTO emp VALUES (3, 'Cene', 20, 200, '28.02.2023 13:30:00')",
                 "INSERT INTO emp VALUES (4, 'Dana', 20, NULL, NULL)",
                 "INSERT INTO emp VALUES (5, 'Eva', 20, 100, '01.03.2024')",
             })
            ASSERT_EQ(client.Run(sql).status, OCI_SUCCESS) << sql << "\n" << client.Run(sql).text;
    }

    // Rows joined by "|", columns by ","; a failure gives its "ORA-NNNNN" code alone. A statement
    // other than a query gives "" when it succeeds.
    std::string Outcome(const std::string& sql) {
        if (sql.rfind("select", 0) != 0 && sql.rfind("with", 0) != 0) {
            const OciStatus status = client.Run(sql);
            return status.status == OCI_SUCCESS ? "" : status.text.substr(0, 9);
        }
        try {
            std::string out;
            for (const auto& row : client.Query(sql)) {
                out += out.empty() ? "" : "|";
                for (size_t i = 0; i < row.size(); ++i)
                    out += (i ? "," : "") + row[i];
            }
            return out;
        } catch (const std::runtime_error& e) {
            return std::string(e.what()).substr(0, 9);
        }
    }

    void ExpectAll(std::initializer_list<Case> cases) {
        for (const Case& c : cases)
            EXPECT_EQ(Outcome(c.sql), c.expected) << c.sql;
    }

    std::vector<std::string> DescribedNames(const std::string& sql) {
        Statement query(client, sql);
        EXPECT_EQ(query.Execute(0), OCI_SUCCESS) << query.Status(OCI_ERROR).text;
        std::vector<std::string> names;
        for (ub4 i = 1; i <= query.Attr<ub4>(OCI_ATTR_PARAM_COUNT); ++i) {
            void* param = nullptr;
            char* name = nullptr;
            ub4 length = 0;
            client.oci.OCIParamGet(query.stmt, OCI_HTYPE_STMT, client.err, &param, i);
            client.oci.OCIAttrGet(param, OCI_DTYPE_PARAM, &name, &length, OCI_ATTR_NAME, client.err);
            names.emplace_back(name, length);
        }
        return names;
    }

    Client client;
};

} // namespace

TEST_F(OciEverydaySql, CharacterFunctions) {
    ExpectAll({
        {"select concat('a', 'b') from dual", "ab"},
        {"select concat('a', null) || concat(1, 2) from dual", "a12"},
        {"select concat(null, null) from dual", "<null>"},
        {"select concat('a') from dual", "ORA-00909"},
        {"select trim('  ab  ') from dual", "ab"},
        {"select trim('x' from 'xxabxx') from dual", "ab"},
        {"select trim(leading '0' from '00120') from dual", "120"},
        {"select trim(trailing '0' from '00120') from dual", "0012"},
        {"select trim(both 'x' from 'xaxx') from dual", "a"},
        {"select trim(leading from '  a  ') || '|' from dual", "a  |"},
        {"select trim('x' from 'xxx') from dual", "<null>"},
        {"select trim(null from 'a') from dual", "<null>"},
        {"select trim('xy' from 'xyaxy') from dual", "ORA-30001"},
        {"select trim('a', 'b') from dual", "ORA-00907"},
        {"select lpad('abc', 6, '*') || lpad('7', 3, '0') from dual", "***abc007"},
        {"select lpad('abc', 2) from dual", "ab"},
        {"select rpad('abc', 7, 'xy') from dual", "abcxyxy"},
        {"select rpad('čš', 4, 'ž') from dual", "čšžž"},
        {"select lpad('abc', 0) from dual", "<null>"},
        {"select lpad('abc', 'x') from dual", "ORA-01722"},
        {"select lpad('abc') from dual", "ORA-00938"},
        {"select replace('abcabc', 'b') from dual", "acac"},
        {"select replace('abc', null, 'x') from dual", "abc"},
        {"select replace('abc', 'b', null) from dual", "ac"},
        {"select replace('aaa', 'a') from dual", "<null>"},
        {"select replace('a') from dual", "ORA-00938"},
        {"select translate('abc-12', 'abc-', 'xy') from dual", "xy12"},
        {"select translate('a', 'a') from dual", "ORA-00909"},
        {"select initcap('the QUICK brown-fox 3rd') from dual", "The Quick Brown-Fox 3rd"},
        {"select initcap('čEVAPčIČI') from dual", "Čevapčiči"},
    });
}

TEST_F(OciEverydaySql, NullAndComparisonFunctions) {
    ExpectAll({
        {"select nvl2(pay, 'yes', 'no') from emp where id in (3, 4) order by id", "yes|no"},
        {"select nvl2(1, 2) from dual", "ORA-00909"},
        {"select coalesce(null, null, 3) from dual", "3"},
        {"select coalesce(pay, 0) from emp where id = 4", "0"},
        {"select coalesce(1) from dual", "ORA-00938"},
        {"select nullif(1, 1) || '/' || nullif(1, 2) from dual", "/1"},
        {"select nullif('a') from dual", "ORA-00909"},
        {"select greatest(1, 3, 2) || least(1, 3, 2) from dual", "31"},
        {"select greatest('b', 'abc') from dual", "b"},
        {"select greatest('10', 9) from dual", "9"},
        {"select greatest(1, null) from dual", "<null>"},
        {"select greatest(1, 'x') from dual", "ORA-01722"},
        {"select least() from dual", "ORA-00938"},
    });
}

TEST_F(OciEverydaySql, NumberFunctions) {
    ExpectAll({
        {"select sign(-5) || sign(0) || sign(2.5) from dual", "-101"},
        {"select sign('x') from dual", "ORA-01722"},
        {"select ceil(2.1) || ' ' || ceil(-2.1) || ' ' || floor(2.9) || ' ' || floor(-2.1) from dual",
         "3 -2 2 -3"},
        {"select ceil('a') from dual", "ORA-01722"},
        {"select floor(1, 2) from dual", "ORA-00909"},
        {"select power(2, 10) || ' ' || power(2, -2) || ' ' || power(1.1, 2) || ' ' || power(4, 0.5) from "
         "dual",
         "1024 .25 1.21 2"},
        {"select power(-8, 1 / 3) from dual", "ORA-01428"},
        {"select power(2) from dual", "ORA-00909"},
        {"select sqrt(16) || ' ' || round(sqrt(2), 10) from dual", "4 1.4142135624"},
        {"select sqrt(-1) from dual", "ORA-01428"},
        {"select sqrt('x') from dual", "ORA-01722"},
    });
}

TEST_F(OciEverydaySql, DateFunctions) {
    ExpectAll({
        {"select to_char(add_months('31.01.2023', 1), 'DD.MM.YYYY') from dual", "28.02.2023"},
        {"select to_char(add_months('28.02.2023', 1), 'DD.MM.YYYY') from dual", "31.03.2023"},
        {"select to_char(add_months(hired, -13), 'DD.MM.YYYY HH24:MI') from emp where id = 3",
         "31.01.2022 13:30"},
        {"select add_months('xx', 1) from dual", "ORA-01858"},
        {"select add_months(5, 1) from dual", "ORA-00932"},
        {"select add_months(sysdate) from dual", "ORA-00909"},
        {"select months_between('31.03.2023', '28.02.2023') from dual", "1"},
        {"select months_between('15.01.2023', '15.03.2023') from dual", "-2"},
        {"select round(months_between('16.03.2023', '15.03.2023'), 6) from dual", ".032258"},
        {"select months_between('32.01.2023', sysdate) from dual", "ORA-01847"},
        {"select to_char(last_day('15.02.2024'), 'DD.MM.YYYY') from dual", "29.02.2024"},
        {"select to_char(last_day(hired), 'DD.MM.YYYY HH24:MI') from emp where id = 3", "28.02.2023 13:30"},
        {"select to_char(next_day('05.03.2023', 'MONDAY'), 'DD.MM.YYYY') from dual", "06.03.2023"},
        {"select to_char(next_day('06.03.2023', 'mon'), 'DD.MM.YYYY') from dual", "13.03.2023"},
        {"select next_day('06.03.2023', 'xyz') from dual", "ORA-01846"},
        {"select extract(year from hired) || '-' || extract(month from hired) || '-' || extract(day from "
         "hired) "
         "from emp where id = 3",
         "2023-2-28"},
        {"select extract(hour from hired) from emp", "ORA-30076"},
        {"select extract(year from 'x') from dual", "ORA-30076"},
        {"select extract(century from sysdate) from dual", "ORA-00905"},
    });
}

TEST_F(OciEverydaySql, NumberFormatModels) {
    ExpectAll({
        {"select to_char(1234.567, '9,999.99') from dual", " 1,234.57"},
        {"select to_char(1234.5, '9G999D99') from dual", " 1,234.50"},
        {"select to_char(-5, '999') from dual", "  -5"},
        {"select to_char(5, 'S999') || '|' || to_char(-5, 'S999') from dual", "  +5|  -5"},
        {"select to_char(5, '999S') || '|' || to_char(-5, '999MI') || '|' || to_char(5, '999MI') from dual",
         "  5+|  5-|  5 "},
        {"select to_char(0.5, 'FM990.99') || '|' || to_char(1, 'FM999.99') || '|' || to_char(-0.5, "
         "'FM90.00') "
         "from dual",
         "0.5|1.|-0.50"},
        {"select to_char(12, '0000') || '|' || to_char(0, '999') from dual", " 0012|   0"},
        {"select to_char(12345, '999') from dual", "####"},
        {"select to_char(-1234.5, 'FM9G999D00MI') || '|' || to_char(0.5, '9D9') from dual", "1,234.50-|  .5"},
        {"select to_char(1, '9X9') from dual", "ORA-01481"},
        {"select to_char(1, '9.9.9') from dual", "ORA-01481"},
        {"select to_char(1, '9,9.9') || to_char(1, '9G9.9') from dual", "ORA-01481"},
        {"select to_char('abc', '999') from dual", "ORA-01722"},
    });
}

TEST_F(OciEverydaySql, ToNumberReadsFormatModelsAndBothTakeNlsParameters) {
    ExpectAll({
        {"select to_number('1,234.50', '9,999.99') from dual", "1234.5"},
        {"select to_number(' 123 ', '999') + to_number('-0.25', '0D99') from dual", "122.75"},
        {"select to_number('+5', 'S9') || '|' || to_number('7-', '9MI') || '|' || to_number('8', '9MI') "
         "from dual",
         "5|-7|8"},
        {"select to_number('1.234,5', '9G999D9', 'NLS_NUMERIC_CHARACTERS = '',.''') from dual", "1234.5"},
        {"select to_number(12.5, '99D9') from dual", "12.5"},
        {"select to_number('123', '99') from dual", "ORA-01722"},
        {"select to_number('1.25', '9D9') from dual", "ORA-01722"},
        {"select to_number('12a', '999') from dual", "ORA-01722"},
        {"select to_number('5', 'S9') from dual", "ORA-01722"},
        {"select to_number('1', '9X') from dual", "ORA-01481"},
        {"select to_number('1', '9', 'NLS_NUMERIC_CHARACTERS = '',.''', 'x') from dual", "ORA-00939"},
        {"select to_char(1234.5, '9G999D99', 'NLS_NUMERIC_CHARACTERS = '',.''') from dual", " 1.234,50"},
        {"select to_char(1234.5, '9,999.99', 'nls_numeric_characters='',.''') from dual", " 1,234.50"},
        {"select to_char(hired, 'DD.MM.YYYY', 'NLS_DATE_LANGUAGE = AMERICAN') from emp where id = 1",
         "31.01.2023"},
        {"select to_char(1, '9', 'NLS_SORT = BINARY') from dual", "ORA-12702"},
        {"select to_char(1, '9D9', 'NLS_NUMERIC_CHARACTERS = ''..''') from dual", "ORA-12702"},
        {"select to_char(1, '9', 'x', 'y') from dual", "ORA-00939"},
    });
}

TEST_F(OciEverydaySql, RownumRowLimitsAndSubqueryFactoring) {
    ExpectAll({
        {"select name from emp where rownum <= 2 order by name desc", "Bor|Ana"},
        {"select count(*) from emp where rownum <= 3", "3"},
        {"select count(*) from emp where rownum > 1", "0"},
        {"select count(*) from emp where rownum >= 1 and rownum <= 3 and 2 >= rownum", "2"},
        {"select name from emp where rownum = 1 and dept = 20", "Cene"},
        {"select rownum, name from emp where dept = 20 and rownum < 3", "1,Cene|2,Dana"},
        {"select name from (select name from emp order by pay desc nulls last, name) where rownum <= 2",
         "Ana|Bor"},
        {"select name from emp where rownum = 1 or id = 2", "ORA-03001"},
        {"select name from emp order by id desc fetch first 2 rows only", "Eva|Dana"},
        {"select name from emp order by id offset 3 rows", "Dana|Eva"},
        {"select name from emp order by id offset 1 row fetch next 1 row only", "Bor"},
        {"select name from emp e order by id fetch first row only", "Ana"},
        {"select name from emp order by id fetch first 2 rows", "ORA-00905"},
        {"with d as (select dept, count(*) n from emp group by dept) select n from d where dept = 20", "3"},
        {"with a (x) as (select 1 from dual), b as (select x + 1 y from a) select y from b", "2"},
        {"select (with q as (select 5 v from dual) select v from q) from dual", "5"},
        {"with a (x, y) as (select 1 from dual) select x from a", "ORA-32038"},
        {"with a as (select 1 x from dual) select y from a", "ORA-00904"},
        {"select * from (select rownum rn, name from emp) where rn between 2 and 3", "2,Bor|3,Cene"},
        {"insert into emp (id, name) with n as (select 9 x from dual) select x, 'Ivo' from n", ""},
        {"select name from emp where id = 9", "Ivo"},
    });
}

TEST_F(OciEverydaySql, AnalyticFunctions) {
    ExpectAll({
        {"select row_number() over (partition by dept order by pay desc, name) from emp order by id",
         "1|2|2|1|3"},
        {"select rank() over (order by pay) || dense_rank() over (order by pay) from emp order by id",
         "43|22|22|54|11"},
        {"select sum(pay) over (partition by dept) from emp order by id", "500|500|300|300|300"},
        {"select sum(pay) over (order by id) from emp order by id", "300|500|700|700|800"},
        {"select sum(pay) over (order by id rows between 1 preceding and current row) from emp order by id",
         "300|500|400|200|100"},
        {"select count(*) over (partition by dept) || avg(pay) over (partition by dept) from emp order by id",
         "2250|2250|3150|3150|3150"},
        {"select min(pay) over () || '-' || max(pay) over () from emp where id > 1",
         "100-200|100-200|100-200|100-200"},
        {"select lag(name) over (order by id) from emp order by id", "<null>|Ana|Bor|Cene|Dana"},
        {"select lead(name, 2, '-') over (order by id) from emp order by id", "Cene|Dana|Eva|-|-"},
        {"select row_number() over (partition by dept) from emp", "ORA-30485"},
        {"select rank() from emp", "ORA-30484"},
        {"select name from emp where row_number() over (order by id) = 1", "ORA-30483"},
        {"select lag() over (order by id) from emp", "ORA-00938"},
        {"select dept, sum(sum(pay)) over () from emp group by dept order by dept", "10,800|20,800"},
        {"select name, rank() over (order by pay desc) r from emp order by r, name",
         "Dana,1|Ana,2|Bor,3|Cene,3|Eva,5"},
    });
}

// A function taking a varying number of arguments tells too few from too many; one of a fixed
// count does not.
TEST_F(OciEverydaySql, WrongArgumentCountsGiveOraclesCodes) {
    ExpectAll({
        {"select substr('abc') from dual", "ORA-00938"},
        {"select substr('abc', 1, 2, 3) from dual", "ORA-00939"},
        {"select instr('abc', 'b', 1, 1, 1) from dual", "ORA-00939"},
        {"select round(1, 2, 3) from dual", "ORA-00939"},
        {"select to_char() from dual", "ORA-00938"},
        {"select rpad('a', 2, 'b', 'c') from dual", "ORA-00939"},
        {"select decode(1, 2) from dual", "ORA-00938"},
        {"select greatest() from dual", "ORA-00938"},
        {"select nvl(1) from dual", "ORA-00909"},
        {"select upper('a', 'b') from dual", "ORA-00909"},
        {"select mod(1, 2, 3) from dual", "ORA-00909"},
        {"select nvl2(1, 2, 3, 4) from dual", "ORA-00909"},
    });
}

TEST_F(OciEverydaySql, QuotedNamesKeepTheirCaseUnquotedOnesFoldToUpperCase) {
    ASSERT_EQ(client.Run("create table \"Mixed\" (\"MixedCase\" number, plain number)").status, OCI_SUCCESS);
    ASSERT_EQ(client.Run("insert into \"Mixed\" values (1, 2)").status, OCI_SUCCESS);
    EXPECT_EQ(
        DescribedNames("select \"MixedCase\", plain, 3 AS \"Three\", 4 four, name || 'x', "
                       "\"MixedCase\" + 1 from \"Mixed\", emp where id = 1"),
        (std::vector<std::string>{"MixedCase", "PLAIN", "Three", "FOUR", "NAME||'X'", "\"MixedCase\"+1"}));
    EXPECT_EQ(DescribedNames("select * from \"Mixed\""), (std::vector<std::string>{"MixedCase", "PLAIN"}));
    EXPECT_EQ(
        client.Run("select mixedcase from \"Mixed\"").text.rfind("ORA-00904: \"MIXEDCASE\": invalid", 0), 0u);
    EXPECT_EQ(client.Run("select * from mixed").code, 942);
    EXPECT_EQ(
        client.Run("select \"Nope\" from \"Mixed\"").text.rfind("ORA-00904: \"Nope\": invalid identifier", 0),
        0u);
    ASSERT_EQ(client.Run("create table \"Keep\" (\"Id\" number not null)").status, OCI_SUCCESS);
    const OciStatus nullInto = client.Run("insert into \"Keep\" values (null)");
    EXPECT_EQ(nullInto.text.rfind("ORA-01400: cannot insert NULL into (\"SCOTT\".\"Keep\".\"Id\")", 0), 0u)
        << nullInto.text;
    ASSERT_EQ(client.Run("create sequence \"Seq\"").status, OCI_SUCCESS);
    EXPECT_EQ(Outcome("select \"Seq\".nextval from dual"), "1");
    EXPECT_EQ(Outcome("select seq.nextval from dual"), "ORA-02289");
}

TEST_F(OciEverydaySql, NumberPrecisionAndScaleAcceptEveryValueThatFits) {
    ASSERT_EQ(client
                  .Run("create table amounts (a number(18,2), b number(38), c number(3,5), d number(5,-2), e "
                       "number(5,2))")
                  .status,
              OCI_SUCCESS);
    ExpectAll({
        {"insert into amounts (a) values (9999999999999999.99)", ""},
        {"insert into amounts (a) values (-9999999999999999.99)", ""},
        {"insert into amounts (a) values (99999999999999999.99)", "ORA-01438"},
        {"insert into amounts (a) values (1234567890123.45)", ""},
        {"insert into amounts (b) values (99999999999999999999999999999999999999)", ""},
        {"insert into amounts (b) values (999999999999999999999999999999999999999)", "ORA-01438"},
        {"insert into amounts (b) values (123456789012345678)", ""},
        {"insert into amounts (c) values (0.00123)", ""},
        {"insert into amounts (c) values (0.01)", "ORA-01438"},
        {"insert into amounts (d) values (1234567)", ""},
        {"insert into amounts (d) values (12345678)", "ORA-01438"},
        {"insert into amounts (e) values (-999)", ""},
        {"insert into amounts (e) values (1000)", "ORA-01438"},
        {"insert into amounts (c) values (1)", "ORA-01438"},
        {"update amounts set a = a, b = b", ""},
        {"select to_char(a) from amounts where a = 1234567890123.45", "1234567890123.45"},
        {"select b from amounts where b < 1e37 and b > 0", "123456789012345678"},
        {"select c from amounts where c is not null", ".00123"},
        {"select d from amounts where d is not null", "1234600"},
        {"create table wide (x number(39))", "ORA-01727"},
    });
}
