// End to end on sqlite3: Oracle SELECT text -> Translate -> rows. Joins (ANSI and (+)), set
// operations, Oracle's NULL order, subqueries (ORA-01427), DUAL, ROWID and the functions.
#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace orasql;
using namespace orasql::test;

namespace {

class DialectQuery : public ::testing::Test {
protected:
    void SetUp() override {
        db.Script(R"(
CREATE TABLE dept (id NUMBER(9) PRIMARY KEY, title VARCHAR2(30), region VARCHAR2(5));
CREATE TABLE emp (id NUMBER(9) PRIMARY KEY, name VARCHAR2(20) NOT NULL, dept NUMBER(9), salary NUMBER(12,2),
                  hired DATE, code CHAR(3));
INSERT INTO dept VALUES (10, 'Sales', 'N');
INSERT INTO dept VALUES (20, 'Risk', 'S');
INSERT INTO dept VALUES (30, 'Empty', NULL);
INSERT INTO emp VALUES (1, 'Ana', 10, 1000.50, '05.03.2023', 'A');
INSERT INTO emp VALUES (2, 'Bor', 10, NULL, '06.03.2023', 'B_S');
INSERT INTO emp VALUES (3, 'Cene', 20, 300, '01.01.2020 10:30:00', NULL);
INSERT INTO emp VALUES (4, 'Dora', NULL, 50, NULL, 'A');
)");
    }
    TestDatabase db;
};

} // namespace

TEST_F(DialectQuery, CommaJoinWithOuterJoinMarksKeepsUnmatchedRows) {
    EXPECT_EQ(db.Exec("select e.name, d.title from emp e, dept d where e.dept = d.id(+) order by e.id"),
              (Rows{{"Ana", "Sales"}, {"Bor", "Sales"}, {"Cene", "Risk"}, {"Dora", "NULL"}}));
    // The (+) table named first, and a condition on the optional table inside its ON clause.
    EXPECT_EQ(
        db.Exec("select d.title, count(e.id) from dept d, emp e where e.dept(+) = d.id and e.salary(+) > 100 "
                "group by d.title order by 1"),
        (Rows{{"Empty", "0"}, {"Risk", "1"}, {"Sales", "1"}}));
}

TEST_F(DialectQuery, MultiColumnAndChainedOuterJoins) {
    db.Script(R"(
CREATE TABLE a (k1 NUMBER, k2 NUMBER, v VARCHAR2(5));
CREATE TABLE b (k1 NUMBER, k2 NUMBER, w VARCHAR2(5), c NUMBER);
CREATE TABLE c (id NUMBER, z VARCHAR2(5));
INSERT INTO a VALUES (1, 1, 'x');
INSERT INTO a VALUES (1, 2, 'y');
INSERT INTO b VALUES (1, 1, 'bx', 7);
INSERT INTO c VALUES (7, 'cz');
)");
    EXPECT_EQ(db.Exec("select a.v, b.w, c.z from a, b, c where a.k1 = b.k1 (+) and a.k2 = b.k2 (+) "
                      "and b.c = c.id (+) order by a.v"),
              (Rows{{"x", "bx", "cz"}, {"y", "NULL", "NULL"}}));
    EXPECT_NE(db.Error("select 1 from a, b, c where a.k1(+) = b.k1(+)").find("ORA-01468"), std::string::npos);
}

TEST_F(DialectQuery, AnsiJoins) {
    EXPECT_EQ(db.Exec("select e.name, d.title from emp e join dept d on (e.dept = d.id and d.region = 'S')"),
              (Rows{{"Cene", "Risk"}}));
    EXPECT_EQ(
        db.Exec(
            "select d.title, e.name from dept d left outer join emp e on e.dept = d.id and e.salary > 100 "
            "order by d.id"),
        (Rows{{"Sales", "Ana"}, {"Risk", "Cene"}, {"Empty", "NULL"}}));
    EXPECT_EQ(db.One("select count(*) from emp e inner join dept d on e.dept = d.id"), "3");
}

TEST_F(DialectQuery, GroupByHavingAndAggregatesWithDistinct) {
    EXPECT_EQ(db.Exec("select dept, count(*) n, sum(salary) s from emp group by dept having count(*) > 1"),
              (Rows{{"10", "2", "1000.5"}}));
    EXPECT_EQ(db.One("select count(distinct dept) from emp"), "2");
    EXPECT_EQ(
        db.One("select sum(distinct code_n) from (select 1 code_n from dual union all select 1 from dual)"),
        "1");
    EXPECT_EQ(db.One("select avg(salary) from emp where salary is not null"), "450.166666666667");
}

TEST_F(DialectQuery, SetOperations) {
    EXPECT_EQ(db.Exec("select dept from emp union select id from dept order by 1"),
              (Rows{{"10"}, {"20"}, {"30"}, {"NULL"}}));
    EXPECT_EQ(db.One("select count(*) from (select dept from emp union all select id from dept)"), "7");
    EXPECT_EQ(db.Exec("select id from dept minus select dept from emp"), (Rows{{"30"}}));
    EXPECT_EQ(db.Exec("select id from dept intersect select dept from emp order by id desc"),
              (Rows{{"20"}, {"10"}}));
}

TEST_F(DialectQuery, OrderByNameAliasPositionExpressionWithOracleNullOrder) {
    EXPECT_EQ(db.Exec("select name from emp order by salary"), (Rows{{"Dora"}, {"Cene"}, {"Ana"}, {"Bor"}}));
    EXPECT_EQ(db.Exec("select name, salary pay from emp order by pay"),
              (Rows{{"Dora", "50"}, {"Cene", "300"}, {"Ana", "1000.5"}, {"Bor", "NULL"}}));
    EXPECT_EQ(db.Exec("select name from emp order by salary desc"),
              (Rows{{"Bor"}, {"Ana"}, {"Cene"}, {"Dora"}}));
    EXPECT_EQ(db.Exec("select name, dept from emp order by 2 desc, 1"),
              (Rows{{"Dora", "NULL"}, {"Cene", "20"}, {"Ana", "10"}, {"Bor", "10"}}));
    EXPECT_EQ(db.Exec("select name from emp order by salary nulls first"),
              (Rows{{"Bor"}, {"Dora"}, {"Cene"}, {"Ana"}}));
    EXPECT_EQ(db.Exec("select name from emp order by salary desc nulls last"),
              (Rows{{"Ana"}, {"Cene"}, {"Dora"}, {"Bor"}}));
    EXPECT_EQ(db.Exec("select name from emp order by nvl(salary, 0) * -1"),
              (Rows{{"Ana"}, {"Cene"}, {"Dora"}, {"Bor"}}));
}

TEST_F(DialectQuery, SubqueriesInExistsScalarAndCorrelated) {
    EXPECT_EQ(db.Exec("select title from dept where id in (select dept from emp) order by title"),
              (Rows{{"Risk"}, {"Sales"}}));
    EXPECT_EQ(db.Exec("select title from dept where id not in (select dept from emp where dept is not null)"),
              (Rows{{"Empty"}}));
    EXPECT_EQ(db.Exec("select title from dept d where not exists (select 1 from emp e where e.dept = d.id)"),
              (Rows{{"Empty"}}));
    EXPECT_EQ(db.Exec("select d.title, (select max(e.salary) from emp e where e.dept = d.id) top from dept d "
                      "order by d.id"),
              (Rows{{"Sales", "1000.5"}, {"Risk", "300"}, {"Empty", "NULL"}}));
    EXPECT_EQ(db.One("select (select name from emp where id = 3) from dual"), "Cene");
    EXPECT_EQ(db.Error("select (select name from emp where dept = 10) from dual"),
              "ORA-01427: single-row subquery returns more than one row");
}

// The data access layer counts any query as "select count(*) from (" + sql + ")".
TEST_F(DialectQuery, SubqueriesInFromWithAndWithoutAlias) {
    EXPECT_EQ(db.One("select count(*) from (select id from emp)"), "4");
    EXPECT_EQ(db.One("select count(*) from (select id, name from emp where dept = 10 order by name desc)"),
              "2");
    EXPECT_EQ(db.One("select count(*) from (select e.id from emp e where e.salary > 100 order by e.id) x"),
              "2");
    EXPECT_EQ(db.Exec("select x.name from (select name, dept from emp where dept is not null) x "
                      "where x.dept = 20"),
              (Rows{{"Cene"}}));
    // A CHAR column keeps its length through the subquery, so a shorter literal is padded to it.
    EXPECT_EQ(db.Exec("select name from (select name, code from emp) where code = 'A' order by name"),
              (Rows{{"Ana"}, {"Dora"}}));
    EXPECT_EQ(db.One("select count(*) from (select count(*) from (select dept from emp where dept = :d))",
                     {{"D", int64_t{10}}}),
              "1");
}

TEST_F(DialectQuery, DualSelectsOneRowAndJoinsAsATable) {
    EXPECT_EQ(db.Exec("select 'x' from dual"), (Rows{{"x"}}));
    EXPECT_EQ(db.Exec("select dummy from dual"), (Rows{{"X"}}));
    EXPECT_EQ(db.One("select count(*) from emp, dual"), "4");
}

TEST_F(DialectQuery, RowidQualifiedOrNotAndLookupByRowid) {
    const std::string rowid = db.One("select rowid from emp where id = 3");
    EXPECT_EQ(db.One("select emp.rowid from emp where id = 3"), rowid);
    EXPECT_EQ(db.Exec("select emp.*, emp.rowid from emp where id = 3").at(0).back(), rowid);
    EXPECT_EQ(db.One("select name from emp where rowid = :x", {{"X", rowid}}), "Cene");
    EXPECT_EQ(db.One("select e.name from emp e where e.rowid = :x", {{"X", rowid}}), "Cene");
}

TEST_F(DialectQuery, ForUpdateIsAccepted) {
    EXPECT_EQ(db.One("select name from emp where id = 1 for update"), "Ana");
    EXPECT_EQ(db.One("select * from emp where rowid = :r for update nowait",
                     {{"R", db.One("select rowid from emp where id=2")}}),
              "2");
}

TEST_F(DialectQuery, DecodeNvlCaseAndConcatenation) {
    EXPECT_EQ(db.Exec("select decode(dept, 10, 'ten', null, 'none', 'other') from emp order by id"),
              (Rows{{"ten"}, {"ten"}, {"other"}, {"none"}}));
    EXPECT_EQ(db.One("select nvl(salary, -1) from emp where id = 2"), "-1");
    EXPECT_EQ(db.One("select case when salary > 500 then 'high' when salary > 100 then 'mid' else 'low' end "
                     "from emp where id = 3"),
              "mid");
    EXPECT_EQ(db.One("select case dept when 20 then 'r' else 's' end from emp where id = 3"), "r");
    EXPECT_EQ(db.One("select name || '-' || salary || null || dept from emp where id = 1"), "Ana-1000.510");
    EXPECT_EQ(db.One("select 'a' || null from dual"), "a");
    EXPECT_EQ(db.One("select null || null from dual"), "NULL");
}

TEST_F(DialectQuery, InstrSubstrLengthFollowOraclePositionRules) {
    // The short-code rule of the extraction: a code containing _S loses its last two characters.
    const std::string rule = "select DECODE(INSTR(MAX(code), '_S'), 0, MAX(code), SUBSTR(MAX(code), 1, "
                             "Length(MAX(code))-2)) from emp where id = ";
    EXPECT_EQ(db.One(rule + "2"), "B");
    EXPECT_EQ(db.One(rule + "1"), "A  ");
    EXPECT_EQ(db.One("select instr('banana', 'an', 1, 2) from dual"), "4");
    EXPECT_EQ(db.One("select instr('banana', 'an', -1) from dual"), "4");
    EXPECT_EQ(db.One("select substr('abcdef', 0, 2) from dual"), "ab");
    EXPECT_EQ(db.One("select substr('abcdef', -3) from dual"), "def");
    EXPECT_EQ(db.One("select substr('abcdef', 3, 0) from dual"), "NULL");
    EXPECT_EQ(db.One("select substr('Šifra', 2, 3) from dual"), "ifr");
    EXPECT_EQ(db.One("select length('Šifra') from dual"), "5");
    EXPECT_EQ(db.One("select length(0.5) from dual"), "2");
}

TEST_F(DialectQuery, TrimUpperLowerAndCaseSensitiveLike) {
    EXPECT_EQ(db.One("select '[' || trim('  a  ') || ']' from dual"), "[a]");
    EXPECT_EQ(db.One("select ltrim('xxa', 'x') || rtrim('ayy', 'y') from dual"), "aa");
    EXPECT_EQ(db.One("select trim('   ') from dual"), "NULL");
    EXPECT_EQ(db.One("select replace('a-b-c', '-') || replace('a-b', '-', '+') from dual"), "abca+b");
    EXPECT_EQ(db.One("select replace('--', '-') from dual"), "NULL");
    EXPECT_EQ(db.One("select upper('čšž abc') || lower('ČŠŽ ABC') from dual"), "ČŠŽ ABCčšž abc");
    EXPECT_EQ(db.One("select count(*) from emp where name like 'a%'"), "0");
    EXPECT_EQ(db.One("select count(*) from emp where name like 'A%'"), "1");
    EXPECT_EQ(db.One("select count(*) from emp where name not like '_o%'"), "2");
    EXPECT_EQ(db.One("select count(*) from emp where code like 'B\\_%' escape '\\'"), "1");
}

TEST_F(DialectQuery, RoundTruncAbsModOfNumbers) {
    EXPECT_EQ(db.One("select round(2.5) from dual"), "3");
    EXPECT_EQ(db.One("select round(-2.5) from dual"), "-3");
    EXPECT_EQ(db.One("select round(1.005, 2) from dual"), "1.01");
    EXPECT_EQ(db.One("select round(1250, -2) from dual"), "1300");
    EXPECT_EQ(db.One("select trunc(-2.7) from dual"), "-2");
    EXPECT_EQ(db.One("select trunc(1.239, 2) from dual"), "1.23");
    EXPECT_EQ(db.One("select abs(-0.01) from dual"), "0.01");
    EXPECT_EQ(db.One("select mod(11, 4) || ' ' || mod(-11, 4) || ' ' || mod(5, 0) from dual"), "3 -3 5");
}

TEST_F(DialectQuery, HugeArgumentsAreErrorsOrClampedNeverCrashes) {
    EXPECT_EQ(db.One("select round(1.5, 1e30) || substr('abc', 1e30) || instr('abc', 'b', -1e30) from dual"),
              "1.50");
    EXPECT_EQ(db.One("select substr('abc', 2, 1e30) from dual"), "bc");
    EXPECT_EQ(db.Error("select sysdate + 1e30 from dual"),
              "ORA-01841: (full) year must be between -4713 and +9999, and not be 0");
    EXPECT_EQ(db.Error("select to_date('01.01.9999', 'DD.MM.YYYY') + 366 from dual"),
              "ORA-01841: (full) year must be between -4713 and +9999, and not be 0");
}

TEST_F(DialectQuery, RoundAndTruncOfDates) {
    EXPECT_EQ(db.One("select to_char(trunc(hired), 'DD.MM.YYYY HH24:MI:SS') from emp where id = 3"),
              "01.01.2020 00:00:00");
    EXPECT_EQ(db.One("select to_char(round(hired), 'DD.MM.YYYY') from emp where id = 3"), "01.01.2020");
    EXPECT_EQ(db.One("select to_char(round(to_date('01.01.2020 12:00', 'DD.MM.YYYY HH24:MI')), 'DD.MM.YYYY') "
                     "from dual"),
              "02.01.2020");
    EXPECT_EQ(db.One("select to_char(trunc(hired, 'MM'), 'DD.MM.YYYY') from emp where id = 1"), "01.03.2023");
    EXPECT_EQ(db.One("select to_char(trunc(hired, 'YYYY'), 'DD.MM.YYYY') from emp where id = 1"),
              "01.01.2023");
}

TEST_F(DialectQuery, ToCharToDateToNumberWithFormatElements) {
    EXPECT_EQ(db.One("select to_char(hired, 'YYYY-MM-DD HH24:MI:SS') from emp where id = 3"),
              "2020-01-01 10:30:00");
    EXPECT_EQ(db.One("select to_char(hired) from emp where id = 1"), "05.03.2023");
    EXPECT_EQ(db.One("select to_char(hired, 'DD/MM/YY') from emp where id = 1"), "05/03/23");
    EXPECT_EQ(db.One("select to_char(to_date('31.12.99', 'DD.MM.RR'), 'YYYY') from dual"), "1999");
    EXPECT_EQ(db.One("select to_char(to_date('31.12.49', 'DD.MM.RR'), 'YYYY') from dual"), "2049");
    EXPECT_EQ(
        db.One(
            "select to_char(to_date('7.3.2023 9:05:01', 'DD.MM.YYYY HH24:MI:SS'), 'DD.MM.YYYY HH24:MI:SS') "
            "from dual"),
        "07.03.2023 09:05:01");
    EXPECT_EQ(db.One("select to_char(1234.5) from dual"), "1234.5");
    EXPECT_EQ(db.One("select to_char(0.5) from dual"), ".5");
    EXPECT_EQ(db.One("select to_char(1234.5, 'FM99990.00') from dual"), "1234.50");
    EXPECT_EQ(db.One("select to_number('  12.50 ') + 1 from dual"), "13.5");
    EXPECT_EQ(db.Error("select to_number('12a') from dual"), "ORA-01722: invalid number");
    EXPECT_EQ(db.Error("select to_date('32.01.2023', 'DD.MM.YYYY') from dual"),
              "ORA-01847: day of month must be between 1 and last day of month");
    EXPECT_EQ(db.Error("select to_date('01.13.2023', 'DD.MM.YYYY') from dual"),
              "ORA-01843: not a valid month");
    EXPECT_EQ(db.Error("select to_date('01.01.2023 25:00', 'DD.MM.YYYY HH24:MI') from dual"),
              "ORA-01850: hour must be between 0 and 23");
}

TEST_F(DialectQuery, SysdateIsLocalTimeWithoutFraction) {
    const std::string now = db.One("select to_char(sysdate, 'YYYY-MM-DD HH24:MI:SS') from dual");
    char expected[32];
    const time_t t = time(nullptr);
    tm local{};
    localtime_r(&t, &local);
    strftime(expected, sizeof expected, "%Y-%m-%d %H", &local);
    EXPECT_EQ(now.substr(0, 13), std::string(expected));
    EXPECT_EQ(db.One("select count(*) from dual where sysdate - trunc(sysdate) < 1"), "1");
}

TEST_F(DialectQuery, ParseErrorsCarryCodeAndOffset) {
    try {
        Translate("select name emp where id = 1", db.context);
        FAIL();
    } catch (const OracleError& e) {
        EXPECT_EQ(std::string(e.what()), "ORA-00923: FROM keyword not found where expected");
        EXPECT_EQ(e.offset(), 16);
    }
    EXPECT_EQ(db.Error("select * from nowhere"), "ORA-00942: table or view does not exist");
    EXPECT_EQ(db.Error("select nocolumn from emp"), "ORA-00904: \"NOCOLUMN\": invalid identifier");
    EXPECT_EQ(db.Error("select e.nocolumn from emp e"), "ORA-00904: \"E\".\"NOCOLUMN\": invalid identifier");
    EXPECT_EQ(db.Error("select nofunc(1) from dual"), "ORA-00904: \"NOFUNC\": invalid identifier");
    EXPECT_EQ(db.Error("select (1 from dual"), "ORA-00907: missing right parenthesis");
    EXPECT_EQ(db.Error("select 1 from dual dual2 x"), "ORA-00933: SQL command not properly ended");
    EXPECT_EQ(db.Error("frobnicate"), "ORA-00900: invalid SQL statement");
}
