// Sessions: the connect string, logging on and off against the engine, commit and rollback, the
// settings statements, the refusals while connected, the connection check and the password change.
#include "EngineFixture.h"
#include "oracle/OracleData.h"

#include <cstdio>
#include <memory>

using namespace oracletest;

TEST(ConnectStringTest, UserPasswordDatabaseAndRoleAreSplit) {
    const TConnectString parts = ParseConnectString("scott/tiger@prod as sysdba");
    EXPECT_TRUE(parts.IsConnectString);
    EXPECT_EQ(parts.Username, "scott");
    EXPECT_EQ(parts.Password, "tiger");
    EXPECT_EQ(parts.Database, "prod");
    EXPECT_EQ(ConnectAsFromText(parts.Role), TConnectAs::caSYSDBA);
}

TEST(ConnectStringTest, SlashAfterTheAtSignBelongsToTheDatabase) {
    const TConnectString parts = ParseConnectString("scott/tiger@/data/prod.db");
    EXPECT_EQ(parts.Password, "tiger");
    EXPECT_EQ(parts.Database, "/data/prod.db");
}

TEST(ConnectStringTest, QuotedSlashDoesNotSplitTheUserName) {
    const TConnectString parts = ParseConnectString("\"a/b\"/pw");
    EXPECT_EQ(parts.Username, "\"a/b\"");
    EXPECT_EQ(parts.Password, "pw");
    EXPECT_FALSE(parts.HasDatabase);
}

TEST(ConnectStringTest, PlainNameIsNoConnectStringButSlashAloneIs) {
    EXPECT_FALSE(ParseConnectString("scott").IsConnectString);
    EXPECT_TRUE(ParseConnectString("/").IsConnectString);
    EXPECT_EQ(ConnectAsFromText("SysOper"), TConnectAs::caSYSOPER);
    EXPECT_EQ(ConnectAsFromText("dba"), TConnectAs::caNormal);
}

TEST(SessionStateTest, CommitAndRollbackOnADisconnectedSessionDoNothing) {
    TOracleSession session;
    EXPECT_NO_THROW(session.Commit());
    EXPECT_NO_THROW(session.Rollback());
    EXPECT_FALSE(session.Connected());
}

TEST(SessionStateTest, ConnectStringIsBuiltBack) {
    TOracleSession session;
    session.LogonUsername = "scott";
    session.LogonPassword = "tiger";
    session.LogonDatabase = "prod";
    session.ConnectAs = TConnectAs::caSYSOPER;
    EXPECT_EQ(session.ConnectString(), "scott/tiger@prod as SYSOPER");
}

class SessionTest : public EngineTest {};

TEST_F(SessionTest, ConnectStringInTheUserNameLogsOnAndReplacesTheParts) {
    Session.LogonUsername = "scott/tiger@" + Database;
    Session.LogOn();
    EXPECT_TRUE(Session.Connected());
    EXPECT_EQ(Session.LogonUsername, "scott");
    EXPECT_EQ(Session.LogonPassword, "tiger");
    EXPECT_EQ(Session.LogonDatabase, Database);
    Session.LogOff();
    EXPECT_FALSE(Session.Connected());
}

TEST_F(SessionTest, WrongPasswordRaisesTheServerErrorAndLeavesTheSessionDisconnected) {
    Session.LogonUsername = "scott";
    Session.LogonPassword = "wrong";
    Session.LogonDatabase = Database;
    try {
        Session.LogOn();
        FAIL();
    } catch (const EOracleError& e) {
        EXPECT_EQ(e.ErrorCode(), 1017);
        EXPECT_EQ(std::string(e.what()).rfind("ORA-01017", 0), 0u);
    }
    EXPECT_FALSE(Session.Connected());
    LogOn(Session); // the next attempt starts over
    EXPECT_TRUE(Session.Connected());
}

TEST_F(SessionTest, CommitKeepsAndRollbackDropsChangesAndLogoffDoesNotCommit) {
    LogOn(Session);
    Run(Session, {"create table t (n number(9))", "insert into t values (1)"});
    Session.Commit();
    Run(Session, {"insert into t values (2)"});
    Session.Rollback();
    Run(Session, {"insert into t values (3)"});
    Session.LogOff();
    LogOn(Session);
    EXPECT_EQ(Column(Session, "select n from t order by n"), (std::vector<std::string>{"1"}));
}

TEST_F(SessionTest, PropertiesThatNeedADisconnectedSessionAreRefused) {
    LogOn(Session);
    EXPECT_THROW(
        {
            try {
                Session.SetThreadSafe(true);
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Cannot change ThreadSafe property when connected");
                throw;
            }
        },
        Exception);
    try {
        Session.Preferences.SetUseOCI7(true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot change UseOCI7 property when session is connected");
    }
    try {
        Session.Preferences.SetConvertUTF(TConvertUTF::cuUTF8ToUTF16);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Cannot change ConvertUTF property when session is connected");
    }
    EXPECT_FALSE(Session.Preferences.UseOCI7());
}

TEST_F(SessionTest, UseOci7AndPoolingAreRefusedAtLogon) {
    Session.Preferences.SetUseOCI7(true);
    EXPECT_THROW(LogOn(Session), Exception);
    Session.Preferences.SetUseOCI7(false);
    Session.Pooling = TSessionPooling::spInternal;
    EXPECT_THROW(LogOn(Session), Exception);
    EXPECT_FALSE(Session.Connected());
}

TEST_F(SessionTest, ConnectionCheckReportsALiveSession) {
    EXPECT_EQ(Session.CheckConnection(false), 1);
    LogOn(Session);
    EXPECT_EQ(Session.CheckConnection(false), 0);
}

TEST_F(SessionTest, EventsFollowLogOnAndLogOff) {
    std::vector<std::string> events;
    Session.BeforeLogOn = [&](TOracleSession&) { events.push_back("before"); };
    Session.AfterLogOn = [&](TOracleSession&) { events.push_back("after"); };
    Session.OnChange = [&](TOracleSession& s) { events.push_back(s.Connected() ? "on" : "off"); };
    LogOn(Session);
    Session.SetConnected(false);
    EXPECT_EQ(events, (std::vector<std::string>{"before", "after", "on", "off"}));
}

TEST_F(SessionTest, LogonWithAnIsolationLevelSendsItsStatement) {
    Session.SetIsolationLevel(TIsolationLevel::ilSerializable);
    InitializeOracleClient();
    Record();
    try {
        LogOn(Session);
    } catch (const EOracleError&) {
        // The engine may not know the setting; what was sent is the point here.
    }
    EXPECT_NE(std::find(Sent().Statements.begin(), Sent().Statements.end(),
                        "alter session set isolation_level = serializable"),
              Sent().Statements.end());
}

TEST_F(SessionTest, PasswordChangeOfAConnectedSessionTakesTheNewPassword) {
    LogOn(Session);
    Session.ChangePassword("lion");
    EXPECT_EQ(Session.LogonPassword, "lion");
    Session.LogOff();
    Session.LogOn();
    EXPECT_TRUE(Session.Connected());
}

TEST_F(SessionTest, LiveSessionsAreListedForShutdownUntilFreed) {
    const std::vector<TOracleSession*>& live = LiveOracleSessions();
    const size_t before = live.size();
    auto session = std::make_unique<TOracleSession>();
    LogOn(*session);
    EXPECT_EQ(live.size(), before + 1);
    session.reset();
    EXPECT_EQ(live.size(), before);
}

TEST_F(SessionTest, WaitCursorIsRestoredAfterAFailedLogon) {
    Session.LogonUsername = "scott";
    Session.LogonPassword = "wrong";
    Session.LogonDatabase = Database;
    EXPECT_THROW(Session.LogOn(), EOracleError);
    EXPECT_GT(RecordingUi.WaitCursorMaxDepth, 0);
    EXPECT_EQ(RecordingUi.WaitCursorDepth, 0);
}

namespace {

OCIServerVersion_t engineServerVersion = nullptr;
const char* bannerShown = "";

sword ShowBanner(void*, OCIError*, OraText* buffer, ub4 size, ub1) {
    std::snprintf(reinterpret_cast<char*>(buffer), size, "%s", bannerShown);
    return OCI_SUCCESS;
}

struct TBannerCase {
    const char* Banner;
    bool LogsOn;
};

const TBannerCase kBanners[] = {
    {"Oracle7 Server Release 7.3.4.0.0 - Production", false},
    {"Oracle8i Enterprise Edition Release 8.1.7.0.0 - Production", true},
    {"Oracle Database 11g Enterprise Edition Release 11.2.0.4.0 - 64bit Production", true},
    {"Oracle Database 12c Enterprise Edition Release 12.2.0.1.0 - 64bit Production", true},
    {"Oracle Database 19c Enterprise Edition Release 19.0.0.0.0 - Production", true},
    {"Oracle Database 21c Enterprise Edition Release 21.0.0.0.0 - Production", true},
    {"Oracle Database 23ai Free Release 23.0.0.0.0 - Develop, Learn, and Run for Free", true},
};

} // namespace

TEST_F(SessionTest, OnlyAnOracle7ServerBannerRefusesTheConnection) {
    InitializeOracleClient();
    engineServerVersion = Oci().OCIServerVersion;
    Oci().OCIServerVersion = ShowBanner;
    for (const TBannerCase& banner : kBanners) {
        SCOPED_TRACE(banner.Banner);
        bannerShown = banner.Banner;
        try {
            LogOn(Session);
            EXPECT_TRUE(banner.LogsOn);
        } catch (const EOracleError&) {
            ADD_FAILURE() << "the refusal is the layer's, not the server's";
        } catch (const Exception& e) {
            EXPECT_FALSE(banner.LogsOn);
            EXPECT_NE(std::string(e.what()).find("OCI7"), std::string::npos);
        }
        EXPECT_EQ(Session.Connected(), banner.LogsOn);
        Session.LogOff();
    }
    Oci().OCIServerVersion = engineServerVersion;
    LogOn(Session); // nothing of a refused attempt stays attached
    EXPECT_TRUE(Session.Connected());
}

TEST_F(SessionTest, OptimizerGoalIsSentOnceOrRetriedOnceAfterAFailure) {
    LogOn(Session);
    Record();
    bool failed = false;
    try {
        Session.SetOptimizerGoal(TOptimizerGoal::ogFirstRows);
    } catch (const EOracleError&) {
        failed = true;
    }
    const std::vector<std::string> expected(failed ? 2 : 1, "alter session set optimizer_mode = first_rows");
    EXPECT_EQ(Sent().Statements, expected);
}

namespace {

OCIEnvNlsCreate_t clientEnvNlsCreate = nullptr;

sword RefuseEnvironment(OCIEnv**, ub4, void*, OCIMallocFn, OCIReallocFn, OCIFreeFn, size_t, void**, ub2,
                        ub2) {
    return OCI_ERROR;
}

} // namespace

TEST_F(SessionTest, EnvironmentIsCreatedForUtf8AndItsFailureSaysWhichCallAndLibrary) {
    InitializeOracleClient();
    ASSERT_NE(Oci().OCIEnvNlsCreate, nullptr);
    clientEnvNlsCreate = Oci().OCIEnvNlsCreate;
    Oci().OCIEnvNlsCreate = RefuseEnvironment;
    try {
        LogOn(Session);
        ADD_FAILURE() << "logged on without an environment";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()),
                  std::string("Could not create the OCI environment: OCIEnvNlsCreate returned -1 in ") +
                      OracleClientPath());
    }
    Oci().OCIEnvNlsCreate = clientEnvNlsCreate;
    LogOn(Session);
    EXPECT_EQ(Session.MaxBytesPerCharacter(), 4);
}

TEST_F(SessionTest, FreedSessionLeavesItsQueriesAndDataSetsWithoutASession) {
    auto session = std::make_unique<TOracleSession>();
    TOracleQuery query;
    TOracleDataSet dataSet;
    query.SetSession(session.get());
    dataSet.SetSession(session.get());
    LogOn(*session);
    dataSet.SQL() = {"select 1 n from dual"};
    dataSet.Open();
    query.SetSQLText("select 1 from dual");
    query.Execute();
    session.reset();
    EXPECT_EQ(query.Session(), nullptr);
    EXPECT_EQ(dataSet.Session(), nullptr);
    EXPECT_FALSE(dataSet.Active());
    EXPECT_THROW(query.Execute(), Exception); // "Session undefined", not a freed session
}
