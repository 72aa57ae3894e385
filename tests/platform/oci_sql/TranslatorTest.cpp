// What Translate hands the engine: statement type and function codes, engine actions with their
// operands, bind names, DDL marking and the RETURNING rowid bind.
#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace orasql;
using namespace orasql::test;

namespace {

class TranslatorActions : public ::testing::Test {
protected:
    void SetUp() override { db.Exec("create table t (a number, b varchar2(10))"); }
    Translation T(const std::string& sql) { return Translate(sql, db.context); }
    TestDatabase db;
};

} // namespace

TEST_F(TranslatorActions, StatementTypesAndFunctionCodes) {
    EXPECT_EQ(T("select 1 from dual").type, StatementType::Select);
    EXPECT_EQ(T("select 1 from dual").sqlFunctionCode, 4u);
    EXPECT_EQ(T("insert into t values (1, 'x')").sqlFunctionCode, 3u);
    EXPECT_EQ(T("update t set a = 1").sqlFunctionCode, 5u);
    EXPECT_EQ(T("delete from t").sqlFunctionCode, 9u);
    EXPECT_EQ(T("delete from t").type, StatementType::Delete);
    EXPECT_EQ(T("Begin X(1); End;").type, StatementType::Begin);
    EXPECT_EQ(T("declare n number; begin n := 1; end;").type, StatementType::Declare);
    EXPECT_EQ(T("begin x(1); end;").sqlFunctionCode, 34u);
    const Translation create = T("create table u (a number)");
    EXPECT_EQ(create.type, StatementType::Create);
    EXPECT_TRUE(create.ddl);
    EXPECT_FALSE(T("select 1 from dual").ddl);
}

TEST_F(TranslatorActions, TransactionAndSessionStatementsAreEngineActions) {
    EXPECT_EQ(T("commit").action, Action::Commit);
    EXPECT_EQ(T("COMMIT WORK").action, Action::Commit);
    EXPECT_EQ(T("ROLLBACK").action, Action::Rollback);
    const Translation to = T("rollback to savepoint QEL__LOCKPOINT");
    EXPECT_EQ(to.action, Action::RollbackToSavepoint);
    EXPECT_EQ(to.args.at("name"), "QEL__LOCKPOINT");
    EXPECT_EQ(T("savepoint a").action, Action::Savepoint);
    const Translation alter = T("alter session set nls_date_format = 'DD.MM.YYYY HH24:MI'");
    EXPECT_EQ(alter.action, Action::AlterSession);
    EXPECT_EQ(alter.args.at("parameter"), "NLS_DATE_FORMAT");
    EXPECT_EQ(alter.args.at("value"), "DD.MM.YYYY HH24:MI");
    EXPECT_FALSE(alter.ddl);
}

TEST_F(TranslatorActions, UsersSequencesAndProceduresAreEngineActions) {
    const Translation user = T("create user demo identified by secret");
    EXPECT_EQ(user.action, Action::CreateUser);
    EXPECT_EQ(user.sqlFunctionCode, 19u);
    EXPECT_EQ(T("alter user demo password expire").sqlFunctionCode, 53u);
    EXPECT_EQ(T("create index i on t (a)").sqlFunctionCode, 20u);
    EXPECT_EQ(T("drop table t").sqlFunctionCode, 8u);
    EXPECT_EQ(T("alter session set nls_language = 'SLOVENIAN'").sqlFunctionCode, 52u);
    EXPECT_EQ(T("commit").sqlFunctionCode, 54u);
    EXPECT_EQ(user.args.at("user"), "DEMO");
    EXPECT_EQ(user.args.at("password"), "secret"); // passwords keep their case, quoted or not
    const Translation grace = T("alter user demo password grace 3");
    EXPECT_EQ(grace.action, Action::AlterUserGrace);
    EXPECT_EQ(grace.args.at("days"), "3");
    EXPECT_EQ(T("alter user demo identified by \"New1\"").args.at("password"), "New1");
    EXPECT_EQ(T("alter user demo password expire").action, Action::AlterUserExpire);
    const Translation seq = T("create sequence s_id start with 10 increment by 5 nocache");
    EXPECT_EQ(seq.action, Action::CreateSequence);
    EXPECT_EQ(seq.args.at("start"), "10");
    EXPECT_EQ(seq.args.at("increment"), "5");
    EXPECT_EQ(db.Error("drop sequence nothere"), "ORA-02289: sequence does not exist");
    EXPECT_EQ(db.Error("create sequence s2 start with 1.5"), "ORA-00922: missing or invalid option");
    EXPECT_EQ(db.Error("create sequence s2 increment by 99999999999999999999"),
              "ORA-00922: missing or invalid option");
    const std::string source = "create or replace procedure p (a in number) as begin null; end;";
    const Translation proc = T(source);
    EXPECT_EQ(proc.action, Action::CreateProcedure);
    EXPECT_EQ(proc.args.at("name"), "P");
    EXPECT_EQ(proc.args.at("source"), source);
    const Translation call = T("begin P(1, :out); end;");
    EXPECT_EQ(call.action, Action::CallProcedure);
    EXPECT_EQ(call.args.at("name"), "P");
    EXPECT_EQ(call.binds, (std::vector<std::string>{"OUT"}));
}

TEST_F(TranslatorActions, BindsOnceInFirstUseOrderUpperCase) {
    const Translation t = T("select :b, :a, :B from t where b = ':c' and a = :a");
    EXPECT_EQ(t.binds, (std::vector<std::string>{"B", "A"}));
    EXPECT_NE(t.sqlite.at(0).find(":B"), std::string::npos);
}

TEST_F(TranslatorActions, ReturningRowidNamesItsBindAndLeavesTheInsertPlain) {
    const Translation t = T("insert into t (a) values (:a) returning rowid into :qel__rowid");
    EXPECT_EQ(t.returningRowidBind, "QEL__ROWID");
    EXPECT_EQ(t.sqlite.at(0).find("RETURNING"), std::string::npos);
    db.Exec("insert into t (a) values (7) returning rowid into :r");
    EXPECT_EQ(db.One("select a from t where rowid = :r", {{"R", db.lastBinds.at("R")}}), "7");
}

TEST_F(TranslatorActions, UpdateReturningRowidNamesItsBindAndMayReadItToo) {
    const Translation t = T("update t set a = 2 where rowid = :r returning rowid into :r");
    EXPECT_EQ(t.returningRowidBind, "R");
    EXPECT_EQ(t.sqlite.at(0).find("RETURNING"), std::string::npos);
    EXPECT_EQ(t.binds, (std::vector<std::string>{"R"}));
}

TEST_F(TranslatorActions, GrantsAreLeftToTheEngine) {
    const Translation t = T("grant select, insert on t to public");
    EXPECT_EQ(t.action, Action::Grant);
    EXPECT_TRUE(t.sqlite.empty());
}

TEST_F(TranslatorActions, SelectsDescribeTheirColumnsWithOracleTypes) {
    db.Exec("create table d (day date, code char(2), amount number(9,2))");
    const Translation t =
        T("select d.*, max(day) last_day, sum(amount) total, code || 'x', :b, d.rowid from d");
    std::vector<std::string> described;
    for (const ColumnInfo& c : t.columns)
        described.push_back(c.name + ":" + c.oracleType);
    EXPECT_EQ(described,
              (std::vector<std::string>{"DAY:DATE", "CODE:CHAR", "AMOUNT:NUMBER", "LAST_DAY:DATE",
                                        "TOTAL:NUMBER", "CODE||'X':VARCHAR2", ":B:", "ROWID:ROWID"}));
    EXPECT_EQ(t.columns[2].scale, 2);
    EXPECT_EQ(T("select sysdate - 1, trunc(sysdate) from dual").columns[1].oracleType, "DATE");
}

TEST_F(TranslatorActions, SubqueryInFromPassesItsColumnTypesOut) {
    db.Exec("create table d (day date not null, code char(2), amount number(9,2))");
    for (const char* sql :
         {"select code, amount, day from (select code, amount, day from d where amount > 0 order by day)",
          "select s.code, s.amount, s.day from (select code, amount, day from d) s"}) {
        const std::vector<ColumnInfo> columns = T(sql).columns;
        ASSERT_EQ(columns.size(), 3u) << sql;
        EXPECT_EQ(columns[0].oracleType, "CHAR") << sql;
        EXPECT_EQ(columns[0].length, 2) << sql;
        EXPECT_EQ(columns[1].oracleType, "NUMBER") << sql;
        EXPECT_EQ(columns[1].precision, 9) << sql;
        EXPECT_EQ(columns[1].scale, 2) << sql;
        EXPECT_EQ(columns[2].oracleType, "DATE") << sql;
        EXPECT_TRUE(columns[2].notNull) << sql;
    }
    EXPECT_EQ(T("select count(*) from (select code from d)").columns.at(0).oracleType, "NUMBER");
    // A later branch's subquery describes nothing: the first branch names and types the result.
    const std::vector<ColumnInfo> branches =
        T("select code, day from d union all select code, day from (select day, code from d)").columns;
    ASSERT_EQ(branches.size(), 2u);
    EXPECT_EQ(branches[0].name + ":" + branches[0].oracleType, "CODE:CHAR");
    EXPECT_EQ(branches[1].name + ":" + branches[1].oracleType, "DAY:DATE");
}
