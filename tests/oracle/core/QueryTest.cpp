// Statements against the engine: batches of ReadBuffer rows, column mapping of NUMBER and DATE,
// PL/SQL blocks with output variables, LastRowId, the column accessors' errors and Debug.
#include "EngineFixture.h"

#include "oracle/OracleExternalValue.h"

#include "platform/settings/DateTime.h"
#include "platform/settings/Locale.h"

using namespace oracletest;

namespace {

class QueryTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Locale() = TLocale::Slovenian();
        LogOn(Session);
        Query.SetSession(&Session);
    }
    void FillRows(int count) {
        Run(Session, {"create table r (n number(9))"});
        TOracleQuery insert;
        insert.SetSession(&Session);
        insert.SetSQLText("insert into r values (:n)");
        insert.AddVariable("n", otType::otInteger);
        for (int i = 1; i <= count; ++i) {
            insert.AssignVariable("n", TVariant::FromInteger(i));
            insert.Execute();
        }
    }
    int FetchesToReadAll() {
        Record();
        Query.SetSQLText("select n from r");
        int rows = 0;
        for (Query.Execute(); !Query.Eof(); Query.Next())
            ++rows;
        EXPECT_EQ(Query.ProcessedRows(), rows);
        return Sent().Fetches;
    }
    TOracleQuery Query;
};

} // namespace

TEST_F(QueryTest, TwentyFiveRowsNeedASecondFetchTwentyFourDoNot) {
    FillRows(25);
    EXPECT_EQ(FetchesToReadAll(), 2);
    Run(Session, {"delete from r where n = 25"});
    EXPECT_EQ(FetchesToReadAll(), 1);
}

TEST_F(QueryTest, ReadBufferDecidesTheBatches) {
    FillRows(7);
    Query.ReadBuffer = 3;
    EXPECT_EQ(FetchesToReadAll(), 3);
}

TEST_F(QueryTest, NumberColumnsMapByPrecisionAndScale) {
    Run(Session,
        {"create table m (a number(9,0), b number(10,0), c number, d number(5,2), e date, f varchar2(10))",
         "insert into m values (123456789, 1234567890, 1.5, 123.45, to_date('05.03.2023 13:45:07', "
         "'dd.mm.yyyy hh24:mi:ss'), 'abc')"});
    Query.SetSQLText("select a, b, c, d, e, f from m");
    Query.Execute();
    EXPECT_EQ(Query.ColumnType(0), SQLT_INT);
    EXPECT_EQ(Query.ColumnType(1), SQLT_FLT);
    EXPECT_EQ(Query.ColumnType(2), SQLT_FLT);
    EXPECT_EQ(Query.ColumnType(3), SQLT_FLT);
    EXPECT_EQ(Query.ColumnType(4), SQLT_DAT);
    EXPECT_EQ(Query.ColumnType(5), SQLT_STR);
    EXPECT_EQ(Query.ColumnAsInteger(0), 123456789);
    EXPECT_EQ(Query.ColumnAsFloat(1), 1234567890.0);
    EXPECT_EQ(Query.ColumnAsString(3), "123,45");
    EXPECT_EQ(Query.ColumnAsInteger(3), 123);
    EXPECT_EQ(Query.ColumnAsString(4), "05.03.2023 13:45:07");
    EXPECT_EQ(Query.ColumnAsInteger(4), static_cast<int>(EncodeDate(2023, 3, 5)));
    EXPECT_EQ(Query.ColumnName(5), "F");
    EXPECT_EQ(Query.ColumnIndex("f"), 5);
    EXPECT_EQ(Query.ColumnIndex("g"), -1);
}

TEST_F(QueryTest, NullsReadAsEmptyAndZero) {
    Run(Session,
        {"create table z (a number(9), b varchar2(5), c date)", "insert into z values (null, null, null)"});
    Query.SetSQLText("select a, b, c from z");
    Query.Execute();
    EXPECT_TRUE(Query.ColumnIsNull(0));
    EXPECT_EQ(Query.ColumnAsInteger(0), 0);
    EXPECT_EQ(Query.ColumnAsString(1), "");
    EXPECT_EQ(Query.ColumnAsDate(2), 0);
    EXPECT_TRUE(Query.ColumnValue(2).IsNull());
}

TEST_F(QueryTest, TextColumnsReadAsFloatOrDateOnlyWhenTheyParse) {
    Run(Session,
        {"create table t (s varchar2(20), w varchar2(20))", "insert into t values ('12,5', 'dvanajst')"});
    Query.SetSQLText("select s, w from t");
    Query.Execute();
    EXPECT_DOUBLE_EQ(Query.ColumnAsFloat(0), 12.5);
    const auto message = [](auto action) {
        try {
            action();
        } catch (const Exception& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { Query.ColumnAsFloat(1); }), "Cannot convert field W to a Float");
    EXPECT_EQ(message([&] { Query.ColumnAsDate(1); }), "Cannot convert field W to a Date");
}

TEST_F(QueryTest, DateVariableAssignedZeroBindsNull) {
    Run(Session, {"create table d (v date)"});
    Query.SetSQLText("insert into d values (:v)");
    Query.AddVariable("v", otType::otDate);
    Query.AssignVariable("v", TVariant::FromDateTime(0));
    Query.Execute();
    Session.Preferences.ZeroDateIsNull = false;
    Query.AssignVariable("v", TVariant::FromDateTime(0));
    Query.Execute();
    EXPECT_EQ(Column(Session, "select nvl(to_char(v, 'yyyy-mm-dd hh24:mi:ss'), 'NULL') from d order by v"),
              (std::vector<std::string>{"1899-12-30 00:00:00", "NULL"}));
}

TEST_F(QueryTest, ColumnAccessBeyondEofOrRangeIsRefused) {
    Run(Session, {"create table e (n number(9))"});
    Query.SetSQLText("select n from e");
    Query.Execute();
    EXPECT_TRUE(Query.Eof());
    try {
        Query.ColumnAsInteger(0);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "You cannot access field data beyond Eof");
    }
    try {
        Query.ColumnAsInteger(3);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Field 3 does not exist");
    }
}

TEST_F(QueryTest, IntegersPastThirtyTwoBitsReadWholeAndAThirtyTwoBitReadRefusesThem) {
    Run(Session, {"create table big (n number(12), t varchar2(20))",
                  "insert into big values (3000000000, '-3000000000')"});
    Query.SetSQLText("select n, t from big");
    Query.Execute();
    const struct {
        int Column;
        std::int64_t Value;
        const char* Refusal;
    } cases[] = {
        {0, 3000000000LL,
         "3000000000 is not a valid value for field 'N'. The allowed range is -2147483648 to 2147483647"},
        {1, -3000000000LL,
         "-3000000000 is not a valid value for field 'T'. The allowed range is -2147483648 to 2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Query.ColumnAsInteger(c.Column), c.Value);
        try {
            Query.ColumnAsInt32(c.Column);
            ADD_FAILURE() << "wrapped into 32 bits: column " << c.Column;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), c.Refusal);
        }
    }
}

TEST_F(QueryTest, PlsqlBlockWithOutputVariablesIsAtEofAtOnce) {
    Run(Session, {"create procedure status_of (p_in in number, p_status out number, p_text out varchar2) as\n"
                  "begin\n  p_status := p_in * 2;\n  p_text := 'Done';\nend;"});
    Query.SQL = {"begin", "  status_of(21, :STATUS, :statustext);", "end;"};
    Query.AddVariable(":STATUS", otType::otInteger);
    Query.AddVariable("statustext", otType::otString);
    Query.Execute();
    EXPECT_EQ(Query.SQLType(), TSQLKind::PLSQL);
    EXPECT_TRUE(Query.Eof());
    EXPECT_EQ(Query.VariableValue("status").Integer(), 42);
    EXPECT_EQ(Query.VariableValue(":STATUSTEXT").Text(), "Done");
}

TEST_F(QueryTest, LastRowIdNamesTheInsertedRow) {
    Run(Session, {"create table w (n number(9))"});
    Query.SetSQLText("insert into w values (7)");
    Query.Execute();
    EXPECT_EQ(Query.SQLType(), TSQLKind::Insert);
    EXPECT_EQ(Query.ProcessedRows(), 1);
    const std::string rowId = Query.LastRowId();
    ASSERT_EQ(rowId.size(), 18u);
    EXPECT_EQ(Column(Session, "select n from w where rowid = '" + rowId + "'"),
              (std::vector<std::string>{"7"}));
}

TEST_F(QueryTest, ServerErrorCarriesItsCodeAndTheNextExecutePreparesAfresh) {
    Query.SetSQLText("select * from missing_table");
    try {
        Query.Execute();
        FAIL();
    } catch (const EOracleError& e) {
        EXPECT_EQ(e.ErrorCode(), 942);
    }
    Query.SetSQLText("select 1 from dual");
    Query.Execute();
    EXPECT_EQ(Query.ColumnAsInteger(0), 1);
}

TEST_F(QueryTest, EventsAndDebugDisplay) {
    std::vector<std::string> events;
    Query.BeforeQuery = [&](TOracleQuery&) { events.push_back("before"); };
    Query.AfterQuery = [&](TOracleQuery&) { events.push_back("after"); };
    Query.Debug = true;
    Query.SetSQLText("select :x from dual");
    Query.AddVariable("x", otType::otInteger);
    Query.AssignVariable("x", TVariant::FromInteger(5));
    Query.Execute();
    EXPECT_EQ(events, (std::vector<std::string>{"before"}));
    Query.Next();
    EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
    ASSERT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(RecordingUi.Messages[0], "select :x from dual\r\n:X = 5");
}

TEST_F(QueryTest, WithoutSessionOrConnectionTheQueryRefuses) {
    TOracleQuery alone;
    alone.SetSQLText("select 1 from dual");
    try {
        alone.Execute();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Session undefined");
    }
    Session.LogOff();
    try {
        Query.SetSQLText("select 1 from dual");
        Query.Execute();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Not logged on");
    }
}

TEST_F(QueryTest, DateFormatLengthIsMeasuredOnceAndStringFieldsOnlyUsesIt) {
    const int length = Session.DateFormatLength();
    EXPECT_GT(length, 0);
    Query.StringFieldsOnly = true;
    Query.SetSQLText("select sysdate, 1.5 from dual");
    Query.Execute();
    EXPECT_EQ(Query.ColumnType(0), SQLT_STR);
    EXPECT_EQ(Query.Column(0).Fetch.Size, length + 1);
    EXPECT_EQ(Query.ColumnType(1), SQLT_STR);
}

TEST_F(QueryTest, DescribeListsTheColumnsWithoutFetchingAndClearStatementForgetsAll) {
    Run(Session,
        {"create table s (id number(9) not null, name varchar2(12))", "insert into s values (1, 'a')"});
    Query.SetSQLText("select id, name from s");
    Query.AddVariable("unused", otType::otInteger);
    Query.Describe();
    EXPECT_TRUE(Query.Eof());
    ASSERT_EQ(Query.ColumnCount(), 2);
    EXPECT_EQ(Query.ColumnName(1), "NAME");
    EXPECT_EQ(Query.ColumnSize(1), 12);
    EXPECT_FALSE(Query.Column(0).Nullable);
    Query.ClearStatement();
    EXPECT_EQ(Query.ColumnCount(), 0);
    EXPECT_TRUE(Query.SQL.empty());
    EXPECT_EQ(Query.Variables().Count(), 0);
}

namespace {

OCINlsNumericInfoGet_t clientNumericInfo = nullptr;

// A client that answers one byte per character, as one set up for a single-byte NLS_LANG would.
sword OneBytePerCharacter(OCIEnv*, OCIError*, sb4* value, ub2) {
    *value = 1;
    return OCI_SUCCESS;
}

int TruncatedErrorCode(TOracleQuery& query, std::string& message) {
    try {
        for (query.Execute(); !query.Eof(); query.Next()) {
        }
    } catch (const EOracleError& e) {
        message = e.what();
        return e.ErrorCode();
    }
    return 0;
}

} // namespace

// Over a single-byte database a column's DATA_SIZE counts one byte per character, while the
// client's UTF-8 text of Slovenian letters takes two.
TEST_F(QueryTest, SlovenianTextRoundTripsAndATooShortBufferIsAnErrorNamingItsColumn) {
    if (!UsingClientDouble())
        GTEST_SKIP() << "the engine's database is AL32UTF8";
    Run(Session, {"create table s (naziv varchar2(10), kratko varchar2(4))"});
    Query.SetSQLText("insert into s values (:v, :k)");
    Query.AddVariable("v", otType::otString);
    Query.AddVariable("k", otType::otString);
    Query.AssignVariable("v", TVariant::FromText("čššžćđčšžć"));
    Query.AssignVariable("k", TVariant::FromText("čšžć"));
    Query.Execute();
    EXPECT_EQ(Column(Session, "select naziv from s"), (std::vector<std::string>{"čššžćđčšžć"}));

    Session.Commit();
    Session.LogOff();
    clientNumericInfo = Oci().OCINlsNumericInfoGet;
    Oci().OCINlsNumericInfoGet = OneBytePerCharacter;
    LogOn(Session);
    Oci().OCINlsNumericInfoGet = clientNumericInfo;
    Query.SetSQLText("select kratko from s"); // a 5-byte buffer for 8 bytes of text
    std::string message;
    EXPECT_EQ(TruncatedErrorCode(Query, message), 1406);
    EXPECT_NE(message.find("(column KRATKO)"), std::string::npos) << message;
}

// A NUL inside a fetched text is part of the value: decoding goes by the length the client reported,
// and only a text without one stops at its terminator.
TEST(ExternalValue, ZeroTerminatedTextReadsToItsReportedLength) {
    const unsigned char buffer[12] = {'1', '8', 0, '0', '1', 0};
    const auto text = [&](size_t length) {
        return DecodeExternalValue({SQLT_STR, buffer, length, sizeof buffer}, false).Text();
    };
    EXPECT_EQ(text(5), std::string("18\0"
                                   "01",
                                   5));
    EXPECT_EQ(text(6), std::string("18\0"
                                   "01",
                                   5)); // a length that counts the terminator
    EXPECT_EQ(text(0), "18");
    EXPECT_EQ(text(40), "18"); // more than the element holds: cut by the server, up to the terminator
}

TEST_F(QueryTest, LongValueOver64KBindsWhole) {
    Query.SetSQLText("select length(:t) from dual");
    Query.AddVariable("t", otType::otLong);
    Query.AssignVariable("t", TVariant::FromText(std::string(70000, 'x')));
    EXPECT_EQ(Query.VariableValue("t").Text().size(), 70000u);
    Query.Execute();
    EXPECT_EQ(Query.ColumnAsInteger(0), 70000);
}

TEST_F(QueryTest, VariableTheTextDoesNotNameStaysUnbound) {
    Query.SetSQLText("select 1 from dual where 1 = :a");
    Query.AddVariable("a", otType::otInteger);
    Query.AddVariable("unused", otType::otInteger);
    Query.AssignVariable("a", TVariant::FromInteger(1));
    Query.Execute();
    EXPECT_FALSE(Query.Eof());
}
