// The translator's classification of statements: type codes, engine actions and bind names.
#include "platform/oci_sqlite/sql/Translator.h"

#include <gtest/gtest.h>

using namespace orasql;

TEST(TranslatorClassify, StatementTypesAndFunctionCodes) {
    Context ctx;
    EXPECT_EQ(Translate("select 1 from dual", ctx).type, StatementType::Select);
    EXPECT_EQ(Translate("select 1 from dual", ctx).sqlFunctionCode, 4u);
    EXPECT_EQ(Translate("insert into t values (1)", ctx).sqlFunctionCode, 3u);
    EXPECT_EQ(Translate("update t set a = 1", ctx).sqlFunctionCode, 5u);
    EXPECT_EQ(Translate("delete from t", ctx).sqlFunctionCode, 9u);
    EXPECT_EQ(Translate("Begin X(1); End;", ctx).type, StatementType::Begin);
}

TEST(TranslatorClassify, TransactionStatementsAreEngineActions) {
    Context ctx;
    EXPECT_EQ(Translate("commit", ctx).action, Action::Commit);
    EXPECT_EQ(Translate("ROLLBACK", ctx).action, Action::Rollback);
    EXPECT_EQ(Translate("rollback to savepoint a", ctx).action, Action::RollbackToSavepoint);
    EXPECT_EQ(Translate("savepoint a", ctx).action, Action::Savepoint);
    EXPECT_EQ(Translate("alter session set nls_date_format='DD.MM.YYYY'", ctx).action, Action::AlterSession);
}

TEST(TranslatorClassify, BindsOnceInFirstUseOrderUpperCase) {
    auto t = Translate("select :b, :a, :B from t where x := 1 and y = ':c'", Context{});
    EXPECT_EQ(t.binds, (std::vector<std::string>{"B", "A"}));
}
