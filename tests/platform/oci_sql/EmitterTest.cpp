// The emitter alone, through the SQLite text it writes for a small catalog: native comparisons
// where indexes apply, conversions where Oracle converts, decimal arithmetic, NULL order, joins
// from (+) marks, ROWID functions and the checks on stored values.
#include "platform/oci_sqlite/sql/Parser.h"
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include <gtest/gtest.h>

using namespace orasql;

namespace {

class FixedCatalog : public Catalog {
public:
    std::optional<TableInfo> FindTable(const std::string& name) const override {
        auto column = [](const char* n, const char* declared) {
            ColumnInfo c = ParseDeclaredType(declared);
            c.name = n;
            return c;
        };
        if (name == "T")
            return TableInfo{"T",
                             {column("N", "NUMBER(9)"), column("D", "DATE"), column("C", "CHAR(3)"),
                              column("V", "VARCHAR2(5)"), column("A", "NUMBER(12,2)")}};
        if (name == "R") {
            ColumnInfo day = column("DAY", "DATE");
            day.notNull = true;
            return TableInfo{"R", {day, column("X", "NUMBER")}};
        }
        if (name == "U")
            return TableInfo{"U", {column("N", "NUMBER(9)"), column("W", "VARCHAR2(5)")}};
        return std::nullopt;
    }
    bool SequenceExists(const std::string& name) const override { return name == "S"; }
};

std::string Emit(const std::string& sql) {
    static FixedCatalog catalog;
    Context ctx;
    ctx.catalog = &catalog;
    ctx.user = "DEMO";
    SqliteEmitter emitter(ctx);
    Statement s = ParseStatement(sql);
    if (auto* q = std::get_if<QueryPtr>(&s))
        return emitter.EmitQuery(**q);
    if (auto* i = std::get_if<InsertStmt>(&s))
        return emitter.EmitInsert(*i);
    if (auto* u = std::get_if<UpdateStmt>(&s))
        return emitter.EmitUpdate(*u);
    return emitter.EmitCreateTable(std::get<CreateTableStmt>(s));
}

} // namespace

TEST(Emitter, ColumnComparisonsStayNativeAndLiteralsAreConvertedOnce) {
    EXPECT_EQ(Emit("select n from t where d = '05.03.2023' and n = '7' and c = 'ab' and v = :x"),
              "SELECT \"N\" AS \"N\" FROM \"T\" WHERE (\"D\" = '2023-03-05 00:00:00') AND (\"N\" = 7) AND "
              "(\"C\" = 'ab ') AND (\"V\" = :X)");
    EXPECT_EQ(Emit("select 1 from t where d >= :day"),
              "SELECT 1 AS \"1\" FROM \"T\" WHERE (\"D\" >= ora_date_in(:DAY, 'DD.MM.YYYY'))");
}

TEST(Emitter, ArithmeticAndAggregatesGoThroughDecimalFunctions) {
    EXPECT_EQ(Emit("select sum(a - n) * 2 / 3, d + 1, d - d from t"),
              "SELECT ora_div(ora_mul(ora_sum(ora_sub(\"A\", \"N\")), 2), 3) AS \"SUM(A-N)*2/3\", "
              "ora_add(\"D\", 1) AS "
              "\"D+1\", ora_sub(\"D\", \"D\") AS \"D-D\" FROM \"T\"");
}

TEST(Emitter, OracleNullOrderIsExplicit) {
    EXPECT_EQ(Emit("select n x from t order by x, v desc, 1 nulls first"),
              "SELECT \"N\" AS \"X\" FROM \"T\" ORDER BY \"X\" ASC NULLS LAST, \"V\" DESC NULLS FIRST, 1 ASC "
              "NULLS FIRST");
}

TEST(Emitter, NotNullColumnsNeedNoNullOrderUnlessOuterJoined) {
    EXPECT_EQ(Emit("select x from r order by day desc"),
              "SELECT \"X\" AS \"X\" FROM \"R\" ORDER BY \"DAY\" DESC");
    EXPECT_EQ(Emit("select x from r order by day desc nulls first"),
              "SELECT \"X\" AS \"X\" FROM \"R\" ORDER BY \"DAY\" DESC NULLS FIRST");
    EXPECT_EQ(
        Emit("select r.x from u, r where u.n = r.x (+) order by r.day"),
        "SELECT \"R\".\"X\" AS \"X\" FROM \"U\" LEFT JOIN \"R\" ON (\"U\".\"N\" = \"R\".\"X\") ORDER BY "
        "\"R\".\"DAY\" ASC NULLS LAST");
}

TEST(Emitter, OuterJoinMarksBecomeLeftJoinsAfterTheTablesTheyNeed) {
    EXPECT_EQ(Emit("select t.n from u, t where t.n (+) = u.n and t.v (+) = 'a' and u.w = 'b'"),
              "SELECT \"T\".\"N\" AS \"N\" FROM \"U\" LEFT JOIN \"T\" ON (\"T\".\"N\" = \"U\".\"N\") AND "
              "(\"T\".\"V\" "
              "= 'a') WHERE (\"U\".\"W\" = 'b')");
}

TEST(Emitter, RowidAndSequences) {
    EXPECT_EQ(
        Emit("select t.*, t.rowid from t where rowid = :r"),
        "SELECT \"T\".*, ora_rowid_encode('T', \"T\".rowid) AS \"ROWID\" FROM \"T\" WHERE (\"T\".rowid = "
        "ora_rowid_decode(:R))");
    EXPECT_EQ(Emit("select s.nextval from dual"),
              "SELECT ora_nextval('S') AS \"S.NEXTVAL\" FROM (SELECT 'X' AS \"DUMMY\") AS \"DUAL\"");
}

TEST(Emitter, ScalarSubqueriesAreCheckedForOneRowUnlessAggregated) {
    EXPECT_EQ(Emit("select (select w from u where u.n = t.n) from t"),
              "SELECT (SELECT ora_single(\"W\") FROM (SELECT \"W\" AS \"W\" FROM \"U\" WHERE (\"U\".\"N\" = "
              "\"T\".\"N\"))) AS \"(SELECTWFROMUWHEREU.N=T.N)\" FROM \"T\"");
    EXPECT_EQ(Emit("select (select max(w) from u) from t"),
              "SELECT (SELECT max(\"W\") AS \"MAX(W)\" FROM \"U\") AS \"(SELECTMAX(W)FROMU)\" FROM \"T\"");
}

TEST(Emitter, StoredValuesPassTheirColumnsChecks) {
    EXPECT_EQ(Emit("insert into t (n, d, c, v, a) values (1, '01.02.2023', 'x', :v, 2.345)"),
              "INSERT INTO \"T\" (\"N\", \"D\", \"C\", \"V\", \"A\") VALUES (ora_number_column(1, 9, 0), "
              "'2023-02-01 "
              "00:00:00', ora_text_in('x', 3, 1, '\"DEMO\".\"T\".\"C\"'), ora_text_in(:V, 5, 0, "
              "'\"DEMO\".\"T\".\"V\"'), ora_number_column(2.345, 12, 2))");
    EXPECT_EQ(Emit("update t x set x.d = :d where x.n = 1"),
              "UPDATE \"T\" AS \"X\" SET \"D\" = ora_date_in(:D, 'DD.MM.YYYY') WHERE (\"X\".\"N\" = 1)");
}

TEST(Emitter, IdentityColumnBecomesTheRowidKey) {
    EXPECT_EQ(
        Emit("create table z (id number generated by default on null as identity, k number(9) primary key, "
             "w varchar2(4) default 'a', constraint z_uk unique (w))"),
        "CREATE TABLE \"Z\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, \"K\" NUMBER(9) NOT NULL UNIQUE, "
        "\"W\" "
        "VARCHAR2(4) DEFAULT (ora_text_in('a', 4, 0, '\"DEMO\".\"Z\".\"W\"')), CONSTRAINT \"Z_UK\" UNIQUE "
        "(\"W\"))");
}

TEST(Emitter, RowLimitsBecomeLimitsOnTheRowsOracleCounts) {
    EXPECT_EQ(Emit("select n from t where rownum <= 2 order by n"),
              "SELECT * FROM (SELECT \"N\" AS \"N\" FROM \"T\" LIMIT max(0, coalesce(ora_floor(2), 0)) "
              "OFFSET 0) ORDER BY "
              "\"N\" ASC NULLS LAST");
    EXPECT_EQ(
        Emit("select count(*) from t x where rownum < :k and n > 0"),
        "SELECT count(*) AS \"COUNT(*)\" FROM (SELECT * FROM \"T\" AS \"X\" WHERE (\"N\" > 0) LIMIT max(0, "
        "coalesce(ora_ceil(:K) - 1, 0))) AS \"X\"");
    EXPECT_EQ(
        Emit("select n from t order by n offset 1 rows fetch first :k rows only"),
        "SELECT \"N\" AS \"N\" FROM \"T\" ORDER BY \"N\" ASC NULLS LAST LIMIT max(0, coalesce(ora_trunc(:K), "
        "0)) OFFSET max(0, coalesce(ora_trunc(1), 0))");
}

TEST(Emitter, FactoredQueriesAndAnalyticFunctionsKeepOracleNullOrder) {
    EXPECT_EQ(Emit("with q (k) as (select n from t) select k from q"),
              "WITH \"Q\"(\"K\") AS (SELECT \"N\" AS \"N\" FROM \"T\") SELECT \"K\" AS \"K\" FROM \"Q\"");
    EXPECT_EQ(
        Emit("select sum(a) over (partition by v order by d desc rows 2 preceding) s from t"),
        "SELECT ora_sum(\"A\") OVER (PARTITION BY \"V\" ORDER BY \"D\" DESC NULLS FIRST ROWS 2 PRECEDING) AS "
        "\"S\" FROM \"T\"");
    EXPECT_EQ(Emit("select trim(leading 'x' from v), extract(month from d) from t"),
              "SELECT ora_trim(\"V\", 'x', 'L') AS \"TRIM(LEADING'X'FROMV)\", ora_extract('MONTH', \"D\") AS "
              "\"EXTRACT(MONTHFROMD)\" FROM \"T\"");
}
