// Writing changes back: the statements of an appended row line by line, the nothing-to-apply test,
// required fields, the savepoint rollback after a refused row, application errors, update and delete.
#include "EngineFixture.h"

#include "oracle/OracleData.h"
#include "platform/settings/Locale.h"

using namespace oracletest;

namespace {

class DataSetChangesTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Locale() = TLocale::Slovenian();
        LogOn(Session);
        Run(Session, {"create table oblim (id number(9) not null, name varchar2(10), amount number(12,2), "
                      "day date, note varchar2(20) default 'none')",
                      "create unique index oblim_uk on oblim (id)"});
        DataSet.SetSession(&Session);
        DataSet.SetSQLText("SELECT OBLIM.*, OBLIM.ROWID FROM OBLIM WHERE ID < 0");
        DataSet.Open();
        Record();
    }
    void AppendRow(int id, const std::string& name) {
        DataSet.Append();
        DataSet.FieldByName("ID").SetAsInteger(id);
        if (!name.empty())
            DataSet.FieldByName("NAME").SetAsString(name);
        DataSet.FieldByName("NOTE").SetAsString("set"); // no server default the record would not know
        DataSet.Post();
    }
    std::string PostError() {
        try {
            DataSet.Post();
        } catch (const Exception& e) {
            return e.what();
        }
        return "posted";
    }
    TOracleDataSet DataSet{"OBLIM"};
};

} // namespace

TEST_F(DataSetChangesTest, EmptySelectionIsModifiableAndAnAppendedRowSendsThreeStatements) {
    EXPECT_EQ(DataSet.RecordCount(), 0);
    EXPECT_TRUE(DataSet.CanModify());
    DataSet.Append();
    DataSet.FieldByName("ID").SetAsInteger(1);
    DataSet.FieldByName("AMOUNT").SetAsFloat(12.5);
    DataSet.Post();
    EXPECT_EQ(Sent().Statements,
              (std::vector<std::string>{"savepoint QEL__LOCKPOINT",
                                        "insert into OBLIM\n  (ID, AMOUNT)\nvalues\n  (:v1, :v3)\n"
                                        "returning rowid into :qel__rowid",
                                        "commit"}));
    EXPECT_EQ(DataSet.RecordCount(), 1);
    EXPECT_EQ(DataSet.RowId().size(), 18u);
    EXPECT_EQ(Column(Session, "select id || '/' || amount || '/' || note from oblim where rowid = '" +
                                  DataSet.RowId() + "'"),
              (std::vector<std::string>{"1/12.5/none"}));
}

TEST_F(DataSetChangesTest, RowWithOnlyNullsAndBlanksSendsNothingYetJoinsTheList) {
    DataSet.FieldByName("ID").SetRequired(false);
    DataSet.Append();
    DataSet.FieldByName("NAME").SetAsString("   ");
    DataSet.Post();
    EXPECT_TRUE(Sent().Statements.empty());
    EXPECT_EQ(DataSet.RecordCount(), 1);
}

TEST_F(DataSetChangesTest, NotNullColumnLeftNullFailsBeforeAnySql) {
    DataSet.Append();
    DataSet.FieldByName("NAME").SetAsString("x");
    EXPECT_EQ(PostError(), "Field 'ID' must have a value");
    EXPECT_TRUE(Sent().Statements.empty());
    EXPECT_EQ(DataSet.State(), TDataSetState::dsInsert);
}

TEST_F(DataSetChangesTest, UniqueConstraintFailureRollsBackToTheSavepointAndKeepsEarlierRows) {
    AppendRow(1, "first");
    Sent().Clear();
    DataSet.Append();
    DataSet.FieldByName("ID").SetAsInteger(1);
    const std::string message = PostError();
    EXPECT_EQ(message.rfind("ORA-00001", 0), 0u) << message;
    EXPECT_EQ(Sent().Statements.front(), "savepoint QEL__LOCKPOINT");
    EXPECT_EQ(Sent().Statements.back(), "rollback to savepoint QEL__LOCKPOINT");
    EXPECT_EQ(DataSet.State(), TDataSetState::dsInsert); // the caller may correct and post again
    DataSet.FieldByName("ID").SetAsInteger(2);
    DataSet.Post();
    Session.Rollback();
    EXPECT_EQ(Column(Session, "select id from oblim order by id"), (std::vector<std::string>{"1", "2"}));
}

TEST_F(DataSetChangesTest, ApplicationErrorIsShownWithoutItsCallStack) {
    Run(Session,
        {"create procedure refuse as\nbegin\n  raise_application_error(-20001, 'Not today');\nend;"});
    DataSet.OnApplyRecord = [this](TOracleDataSet&, char action, bool& applied, std::string&) {
        EXPECT_EQ(action, 'I');
        Run(Session, {"begin refuse; end;"});
        applied = true;
    };
    DataSet.Append();
    DataSet.FieldByName("ID").SetAsInteger(5);
    EXPECT_EQ(PostError(), "ORA-20001: Not today");
}

TEST_F(DataSetChangesTest, TranslateMessageHasTheLastWord) {
    AppendRow(1, "");
    DataSet.OnTranslateMessage = [](TOracleDataSet&, int code, const std::string&, char action,
                                    std::string& text) { text = std::to_string(code) + action; };
    DataSet.Append();
    DataSet.FieldByName("ID").SetAsInteger(1);
    EXPECT_EQ(PostError(), "1I");
}

TEST_F(DataSetChangesTest, CommitOnPostOffLeavesTheTransactionOpen) {
    DataSet.CommitOnPost = false;
    AppendRow(3, "c");
    EXPECT_EQ(Sent().Statements.size(), 2u);
    Session.Rollback();
    EXPECT_TRUE(Column(Session, "select id from oblim").empty());
}

TEST_F(DataSetChangesTest, EditedRecordIsVerifiedAndUpdatedByRowId) {
    AppendRow(1, "old");
    const std::string rowId = DataSet.RowId();
    Sent().Clear();
    DataSet.Edit();
    DataSet.FieldByName("NAME").SetAsString("new");
    DataSet.Post();
    EXPECT_EQ(DataSet.RowId(), rowId); // as the update returned it
    ASSERT_GE(Sent().Statements.size(), 4u);
    EXPECT_EQ(Sent().Statements[0], "select * from OBLIM where rowid = :qel__rowid");
    EXPECT_EQ(Sent().Statements[1], "savepoint QEL__LOCKPOINT");
    EXPECT_EQ(Sent().Statements[2], "select * from OBLIM where rowid = :qel__rowid\nfor update nowait");
    EXPECT_EQ(Sent().Statements[3],
              "update OBLIM\nset NAME = :v2\nwhere rowid = :qel__rowid\nreturning rowid into :qel__rowid");
    EXPECT_EQ(Sent().Statements.back(), "commit");
    EXPECT_EQ(Column(Session, "select name from oblim"), (std::vector<std::string>{"new"}));
}

TEST_F(DataSetChangesTest, RecordChangedByAnotherUserIsRefusedAtEdit) {
    AppendRow(1, "old");
    Run(Session, {"update oblim set name = 'other'"});
    Session.Commit();
    try {
        DataSet.Edit();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Record has been changed by another user");
    }
    EXPECT_EQ(DataSet.State(), TDataSetState::dsBrowse);
}

TEST_F(DataSetChangesTest, ImmediateLockingRefusesARowAnotherSessionHoldsAlsoWhenReReading) {
    AppendRow(1, "old");
    TOracleSession other;
    LogOn(other);
    Run(other, {"update oblim set note = 'held'"});
    for (const bool beforeEdit : {false, true}) {
        DataSet.LockingMode = TLockingMode::lmLockImmediate;
        DataSet.RefreshOptions.BeforeEdit = beforeEdit;
        try {
            DataSet.Edit();
            ADD_FAILURE() << "edited a locked row, re-read before edit: " << beforeEdit;
        } catch (const EDatabaseError& e) {
            EXPECT_STREQ(e.what(), "Record is locked by another user");
        }
        EXPECT_EQ(DataSet.State(), TDataSetState::dsBrowse);
    }
    other.Rollback();
    Sent().Clear();
    DataSet.Edit();
    EXPECT_EQ(Sent().Statements,
              (std::vector<std::string>{"savepoint QEL__LOCKPOINT",
                                        "select * from OBLIM where rowid = :qel__rowid\nfor update nowait"}));
}

// A letter of these is one byte in a Windows-1250 database (the double) and two in AL32UTF8 (the
// engine); the server measures, the dataset never cuts.
TEST_F(DataSetChangesTest, TextIsStoredWholeOrRefusedByTheServerNeverCut) {
    Run(Session, {"create table letters (id number(9), b varchar2(10), c varchar2(10 char))"});
    TOracleDataSet letters;
    letters.SetSession(&Session);
    letters.SetSQLText("select letters.*, letters.rowid from letters");
    letters.Open();
    const std::string ten = "čššžćđčšžć";
    const bool singleByte = UsingClientDouble();
    const auto tooLarge = [](const std::string& column, int actual) {
        return "ORA-12899: value too large for column \"SCOTT\".\"LETTERS\".\"" + column +
               "\" (actual: " + std::to_string(actual) + ", maximum: 10)";
    };
    struct TCase {
        std::string Column, Text, Outcome;
    };
    std::vector<TCase> cases = {{"B", ten, singleByte ? "stored" : tooLarge("B", 20)},
                                {"B", ten + "a", tooLarge("B", singleByte ? 11 : 21)}};
    if (singleByte) // the engine has no lengths in characters
        cases.insert(cases.end(), {{"C", ten, "stored"}, {"C", ten + "a", tooLarge("C", 11)}});
    std::vector<std::string> stored;
    for (const TCase& c : cases) {
        letters.Append();
        letters.FieldByName("ID").SetAsInteger(static_cast<int>(stored.size()) + 1);
        letters.FieldByName(c.Column).SetAsString(c.Text);
        try {
            letters.Post();
            EXPECT_EQ("stored", c.Outcome) << c.Column << " " << c.Text;
            stored.push_back(c.Text);
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.what(), c.Outcome) << c.Column << " " << c.Text;
            letters.Cancel();
        }
    }
    EXPECT_EQ(Column(Session, "select nvl(b, c) from letters order by id"), stored);
}

TEST_F(DataSetChangesTest, NationalTextsRoundTripWholeThroughASingleByteDatabase) {
    if (!UsingClientDouble())
        GTEST_SKIP() << "the engine has no national columns";
    Run(Session, {"create table nat (id number(9), nc nchar(6), nv nvarchar2(6))"});
    TOracleDataSet nat;
    nat.SetSession(&Session);
    nat.SetSQLText("select nat.*, nat.rowid from nat");
    nat.Open();
    const std::string text = "Жωč€ő"; // Ж and ω are not in Windows-1250
    nat.Append();
    nat.FieldByName("ID").SetAsInteger(1);
    nat.FieldByName("NC").SetAsString(text);
    nat.FieldByName("NV").SetAsString(text);
    nat.Post();
    nat.Close();
    nat.Open();
    for (const char* name : {"NC", "NV"}) {
        EXPECT_EQ(nat.FieldByName(name).DataType(), TFieldType::ftWideString) << name;
        EXPECT_EQ(nat.FieldByName(name).AsString(), text) << name;
    }
}

TEST_F(DataSetChangesTest, DeletedRecordLeavesServerAndList) {
    AppendRow(1, "a");
    AppendRow(2, "b");
    DataSet.First();
    DataSet.Delete();
    EXPECT_EQ(DataSet.RecordCount(), 1);
    EXPECT_EQ(Column(Session, "select id from oblim"), (std::vector<std::string>{"2"}));
    Run(Session, {"delete from oblim"});
    Session.Commit();
    try {
        DataSet.Delete();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Record has been deleted by another user");
    }
}

TEST_F(DataSetChangesTest, OwnerMayLockCheckAndRefreshARecordItself) {
    AppendRow(1, "a");
    std::string actions;
    DataSet.OnApplyRecord = [&actions](TOracleDataSet&, char action, bool& applied, std::string&) {
        actions += action;
        applied = action != 'U';
    };
    DataSet.RefreshOptions.AfterUpdate = true;
    for (const TLockingMode mode : {TLockingMode::lmLockImmediate, TLockingMode::lmCheckImmediate}) {
        DataSet.LockingMode = mode;
        Sent().Clear();
        DataSet.Edit();
        DataSet.FieldByName("NAME").SetAsString(mode == TLockingMode::lmLockImmediate ? "b" : "c");
        DataSet.Post();
        for (const std::string& sent : Sent().Statements)
            EXPECT_EQ(sent.find("select * from"), std::string::npos) << sent; // no read of its own
    }
    EXPECT_EQ(actions, "LURCLUR"); // a checked record is locked at post
}

TEST_F(DataSetChangesTest, AllFieldsReReadsThroughTheDataSetsOwnQuery) {
    TOracleDataSet computed;
    computed.SetSession(&Session);
    computed.SetSQLText("select o.*, o.amount * 2 doubled, o.rowid from oblim o where o.id > :low");
    computed.DeclareVariable("low", otType::otInteger);
    computed.AssignVariable("low", TVariant::FromInteger(0));
    computed.RefreshOptions.AfterInsert = true;
    computed.RefreshOptions.AllFields = true;
    computed.Open();
    computed.Append();
    computed.FieldByName("ID").SetAsInteger(7);
    computed.FieldByName("AMOUNT").SetAsFloat(2.5);
    computed.Post();
    EXPECT_EQ(computed.FieldByName("DOUBLED").AsFloat(), 5.0);
    EXPECT_EQ(computed.FieldByName("NOTE").AsString(), "none"); // the server's default, read back
}

TEST_F(DataSetChangesTest, AppendWithImmediateLockingRollsBackTheLockFirst) {
    DataSet.LockingMode = TLockingMode::lmLockImmediate;
    Sent().Clear();
    DataSet.Append();
    DataSet.Cancel();
    EXPECT_EQ(Sent().Statements, (std::vector<std::string>{"rollback"}));
}

TEST_F(DataSetChangesTest, SequenceFieldIsFilledAtItsMoment) {
    Run(Session, {"create sequence oblim_seq start with 7"});
    DataSet.Close();
    DataSet.SequenceField = {"ID", "oblim_seq", TSequenceApplyMoment::amOnPost};
    DataSet.Open(); // ID, though NOT NULL, may stay empty until the post
    DataSet.SequenceField.ApplyMoment = TSequenceApplyMoment::amOnNewRecord;
    DataSet.Append();
    EXPECT_EQ(DataSet.FieldByName("ID").AsInteger(), 7); // at once
    DataSet.Post();
    for (const TSequenceApplyMoment moment :
         {TSequenceApplyMoment::amOnPost, TSequenceApplyMoment::amOnServer}) {
        DataSet.SequenceField.ApplyMoment = moment;
        DataSet.Append();
        EXPECT_TRUE(DataSet.FieldByName("ID").IsNull());
        DataSet.FieldByName("NAME").SetAsString("x");
        DataSet.Post();
    }
    EXPECT_EQ(DataSet.FieldByName("ID").AsInteger(), 9); // re-read after the server filled it
    EXPECT_EQ(Column(Session, "select id from oblim order by id"), (std::vector<std::string>{"7", "8", "9"}));
}
