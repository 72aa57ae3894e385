// Reading datasets: open and fetch, field types, the ROWID column and CanModify, unidirectional
// blocks, the record count, ExecuteStatement and the updating table taken from the SQL text.
#include "EngineFixture.h"

#include "oracle/OracleData.h"
#include "platform/settings/Locale.h"

using namespace oracletest;

namespace {

class DataSetTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Locale() = TLocale::Slovenian();
        LogOn(Session);
        Run(Session,
            {"create table p (id number(9) not null, name varchar2(10), amount number(12,2), day date)"});
        DataSet.SetSession(&Session);
    }
    void Fill(int rows) {
        TOracleQuery insert;
        insert.SetSession(&Session);
        insert.SetSQLText("insert into p (id, name) values (:id, 'n' || :id)");
        insert.AddVariable("id", otType::otInteger);
        for (int i = 1; i <= rows; ++i) {
            insert.AssignVariable("id", TVariant::FromInteger(i));
            insert.Execute();
        }
        Session.Commit();
    }
    TOracleDataSet DataSet{"Q1"};
};

} // namespace

TEST_F(DataSetTest, OpenFetchesEveryRowWithFieldsTypedFromTheColumns) {
    Fill(60);
    DataSet.SetSQLText("select p.*, p.rowid from p order by id");
    DataSet.Open();
    EXPECT_EQ(DataSet.RecordCount(), 60);
    EXPECT_EQ(DataSet.FieldCount(), 4);
    EXPECT_EQ(DataSet.FieldByName("ID").DataType(), TFieldType::ftInteger);
    EXPECT_TRUE(DataSet.FieldByName("ID").Required());
    EXPECT_EQ(DataSet.FieldByName("NAME").DataType(), TFieldType::ftString);
    EXPECT_EQ(DataSet.FieldByName("NAME").Size(), 10);
    EXPECT_FALSE(DataSet.FieldByName("NAME").Required());
    EXPECT_EQ(DataSet.FieldByName("AMOUNT").DataType(), TFieldType::ftFloat);
    EXPECT_EQ(DataSet.FieldByName("DAY").DataType(), TFieldType::ftDateTime);
    EXPECT_EQ(DataSet.FindField("ROWID"), nullptr);
    EXPECT_EQ(DataSet.RowId().size(), 18u);
    DataSet.Last();
    EXPECT_EQ(DataSet.FieldByName("NAME").AsString(), "n60");
    EXPECT_TRUE(DataSet.CanModify());
}

TEST_F(DataSetTest, RepeatedColumnNamesGetNumberedFieldNames) {
    Fill(1);
    DataSet.SetSQLText("select id, id, name as id from p");
    DataSet.Open();
    EXPECT_EQ(DataSet.Fields(0).FieldName(), "ID");
    EXPECT_EQ(DataSet.Fields(1).FieldName(), "ID_1");
    EXPECT_EQ(DataSet.Fields(2).FieldName(), "ID_2");
}

TEST_F(DataSetTest, QueryWithoutRowIdOpensReadOnly) {
    Fill(2);
    DataSet.SetSQLText("select a.id, b.name from p a, p b where a.id = b.id");
    DataSet.Open();
    EXPECT_FALSE(DataSet.CanModify());
    EXPECT_THROW(DataSet.Append(), EDatabaseError);
}

TEST_F(DataSetTest, StringsAreRightTrimmedUnlessSwitchedOff) {
    Run(Session, {"insert into p (id, name) values (1, 'ab   ')"});
    DataSet.SetSQLText("select name from p");
    DataSet.Open();
    EXPECT_EQ(DataSet.FieldByName("NAME").AsString(), "ab");
    DataSet.Close();
    Session.Preferences.TrimStringFields = false;
    DataSet.Open();
    EXPECT_EQ(DataSet.FieldByName("NAME").AsString(), "ab   ");
}

TEST_F(DataSetTest, UnidirectionalDataSetRefusesADiscardedRecord) {
    Fill(60);
    DataSet.SetUnidirectional(true);
    DataSet.SetSQLText("select id from p order by id");
    DataSet.Open();
    int seen = 0;
    for (; !DataSet.Eof(); DataSet.Next())
        ++seen;
    EXPECT_EQ(seen, 60);
    EXPECT_EQ(DataSet.RecordCount(), 60);
    try {
        DataSet.First();
        DataSet.FieldByName("ID").AsInteger();
        FAIL() << "a discarded record was read";
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Q1: Record 0 not accessible in Unidirectional mode");
    }
}

TEST_F(DataSetTest, UnidirectionalCanOnlyChangeWhileClosed) {
    DataSet.SetSQLText("select id from p");
    DataSet.Open();
    EXPECT_THROW(DataSet.SetUnidirectional(true), EDatabaseError);
}

TEST_F(DataSetTest, WithoutQueryAllRecordsRowsArriveAsNavigationNeedsThem) {
    Fill(60);
    DataSet.QueryAllRecords = false;
    DataSet.SetSQLText("select id from p order by id");
    DataSet.Open();
    EXPECT_EQ(DataSet.RecordCount(), 1);
    DataSet.Last();
    EXPECT_EQ(DataSet.RecordCount(), 60);
}

TEST_F(DataSetTest, CountAllRecordsAsksTheServerOnce) {
    Fill(30);
    DataSet.QueryAllRecords = false;
    DataSet.CountAllRecords = true;
    DataSet.SetSQLText("select id from p where id > :low");
    DataSet.DeclareVariable("low", otType::otInteger);
    DataSet.AssignVariable("low", TVariant::FromInteger(10));
    DataSet.Open();
    EXPECT_EQ(DataSet.RecordCount(), 20);
}

TEST_F(DataSetTest, OpenOnADisconnectedSessionFailsAndStaysClosed) {
    Session.LogOff();
    DataSet.SetSQLText("select id from p");
    try {
        DataSet.Open();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Not logged on");
    }
    EXPECT_FALSE(DataSet.Active());
}

TEST_F(DataSetTest, ExecuteStatementRunsOnceOnAClosedDataSetWithoutCommitting) {
    Fill(3);
    DataSet.SetSQLText("delete from p where id > 1");
    Record();
    DataSet.ExecuteStatement();
    EXPECT_EQ(Sent().Statements, (std::vector<std::string>{"delete from p where id > 1"}));
    Session.Rollback();
    EXPECT_EQ(Column(Session, "select count(*) from p"), (std::vector<std::string>{"3"}));
    DataSet.SetSQLText("select id from p");
    DataSet.Open();
    EXPECT_THROW(DataSet.ExecuteStatement(), EDatabaseError);
}

TEST_F(DataSetTest, LogOffClosesTheSessionsDataSets) {
    DataSet.SetSQLText("select id from p");
    DataSet.Open();
    Session.LogOff();
    EXPECT_FALSE(DataSet.Active());
}

TEST(UpdatingTableTest, TableNameComesFromTheFirstFromOutsideSubQueries) {
    EXPECT_EQ(UpdatingTableFromSQL("SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM WHERE DATUM = '01.01.2023'"),
              "OBLIM");
    EXPECT_EQ(UpdatingTableFromSQL("select x.* from\n  scott.oblimd1 x"), "SCOTT.OBLIMD1");
    EXPECT_EQ(UpdatingTableFromSQL("select * from (select * from oblim) where 1=1"), "OBLIM");
    EXPECT_EQ(UpdatingTableFromSQL("select 1 from dual"), "DUAL");
    EXPECT_EQ(UpdatingTableFromSQL("select 1"), "");
}

TEST(RowIdRestrictionTest, TheOuterConditionIsKeptWholeAndTheAliasNamesTheRow) {
    const std::pair<std::string, std::string> cases[] = {
        {"SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM WHERE A = 1 OR B = 2",
         "SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM WHERE OBLIM.rowid = :r and (A = 1 OR B = 2)"},
        {"select o.*, o.rowid from oblim o order by id",
         "select o.*, o.rowid from oblim o where o.rowid = :r order by id"},
        {"select t.* from oblim t where x in (select y from z where w = ') order') order by 1",
         "select t.* from oblim t where t.rowid = :r and (x in (select y from z where w = ') order')) "
         "order by 1"},
        {"select a.*, a.rowid from oblim a, day d where d.x = a.x",
         "select a.*, a.rowid from oblim a, day d where a.rowid = :r and (d.x = a.x)"},
    };
    for (const auto& [sql, restricted] : cases)
        EXPECT_EQ(RestrictedToRowId(sql, "r"), restricted);
}

TEST(CountQueryTest, OnlyAnOuterOrderByThatDecidesNoRowIsDropped) {
    const std::pair<std::string, std::string> cases[] = {
        {"select a from t union select b from u order by 1, 2\r\n", "select a from t union select b from u"},
        {"select a from (select a from t order by a) where x = ') order by'",
         "select a from (select a from t order by a) where x = ') order by'"},
        {"select a from t -- order by a\n", "select a from t -- order by a\n"},
        {"select a from t order by a fetch first 3 rows only",
         "select a from t order by a fetch first 3 rows only"},
        {"select a from t order by a for update", "select a from t order by a for update"},
    };
    for (const auto& [sql, counted] : cases)
        EXPECT_EQ(WithoutFinalOrderBy(sql), counted) << sql;
}

TEST(MessageTranslationTest, ApplicationErrorsLoseTheirCallStack) {
    std::string constraint;
    EXPECT_EQ(TranslateOracleMessage("ORA-20001: Not today\nORA-06512: at \"SCOTT.REFUSE\", line 3", 20001,
                                     constraint),
              "ORA-20001: Not today");
    EXPECT_EQ(TranslateOracleMessage("ORA-01403: no data found\nORA-06512: at line 1", 1403, constraint),
              "ORA-01403: no data found\nORA-06512: at line 1");
}

TEST(MessageTranslationTest, ConstraintNameIsTheDottedTextInParentheses) {
    std::string constraint;
    TranslateOracleMessage("ORA-00001: unique constraint (SCOTT.P_UK) violated", 1, constraint);
    EXPECT_EQ(constraint, "P_UK");
    TranslateOracleMessage("ORA-02291: integrity (no dot) constraint (A.FK) violated", 2291, constraint);
    EXPECT_EQ(constraint, "FK");
    TranslateOracleMessage("ORA-01400: cannot insert NULL into (\"S\".\"T\".\"C\")", 1400, constraint);
    EXPECT_EQ(constraint, "");
}
