// The start-up's pieces: which arguments are positional, the database name behind an alias by its
// driver, and the logon that leaves the session reading dates as day.month.year.
#include "../AppFixture.h"

#include "app/Startup.h"
#include "oracle/OracleCI.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

using apptest::AppTest;
using Strings = std::vector<std::string>;

TEST(PositionalArgumentsTest, LayerSettingsAndOptionsAreLeftOut) {
    EXPECT_EQ(PositionalArguments({"zorveka", "DEMO", "demo", "demo", "OCIDLL=/lib/x.so"}),
              (Strings{"DEMO", "demo", "demo"}));
    EXPECT_EQ(PositionalArguments({"zorveka", "oraclehome=/o", "DEMO", "UserId=a/b", "demo", "pw", "JN"}),
              (Strings{"DEMO", "demo", "pw", "JN"}));
    EXPECT_EQ(PositionalArguments({"zorveka"}), Strings{});
}

TEST(PositionalArgumentsTest, OptionValuesAreSkippedOnlyForOptionsThatTakeOne) {
    const Strings line{"zorveka-run", "--day",  "15.03.2024", "DEMO", "--stats",
                       "demo",        "--risk", "1",          "demo"};
    EXPECT_EQ(PositionalArguments(line, {"--day", "--risk"}), (Strings{"DEMO", "demo", "demo"}));
    EXPECT_EQ(PositionalArguments(line), (Strings{"15.03.2024", "DEMO", "demo", "1", "demo"}));
}

TEST(PositionalArgumentsTest, PasswordWithEqualsSignStaysPositional) {
    EXPECT_EQ(PositionalArguments({"zorveka", "DEMO", "demo", "a=b", "XOCIDLL=1"}),
              (Strings{"DEMO", "demo", "a=b", "XOCIDLL=1"}));
}

class ResolveAliasTest : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/aliases-" + std::to_string(getpid()) + ".ini";
        std::ofstream(file_) << "[ORA]\nTYPE=Oracle \nSERVER NAME=prod\nODBC DSN=wrong\n"
                                "[ODB]\nTYPE=Microsoft odbc ODBC Driver\nODBC DSN=dsn1\nSERVER NAME=wrong\n"
                                "[DB]\nTYPE= db2\nDB2 DSN=db2dsn\n"
                                "[IB]\nTYPE=INTRBASE\nSERVER NAME=ib\n"
                                "[ORANOSERVER]\nTYPE=ORACLE\n";
    }
    void TearDown() override { std::remove(file_.c_str()); }
    std::string file_;
};

TEST_F(ResolveAliasTest, DriverNameChoosesTheParameter) {
    const TAliasConfiguration aliases(file_);
    EXPECT_EQ(ResolveAlias(aliases, "ORA"), "prod");
    EXPECT_EQ(ResolveAlias(aliases, "ODB"), "dsn1");
    EXPECT_EQ(ResolveAlias(aliases, "DB"), "db2dsn");
}

TEST_F(ResolveAliasTest, OtherDriverOrMissingParameterGivesAnEmptyName) {
    const TAliasConfiguration aliases(file_);
    EXPECT_EQ(ResolveAlias(aliases, "IB"), "");
    EXPECT_EQ(ResolveAlias(aliases, "ORANOSERVER"), "");
}

TEST_F(ResolveAliasTest, UnknownAliasRaises) {
    EXPECT_THROW(ResolveAlias(TAliasConfiguration(file_), "NONE"), Exception);
}

// A second data module, not yet logged on, on the fixture's database.
class PrijavaVBazoTest : public AppTest {
protected:
    bool LogOn(const std::string& password) {
        SetOracleCommandLine({"zorveka", "OCIDLL=" + std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so"});
        context_.DatabaseName = Folder + "test.db";
        context_.UserName = "demo";
        context_.UserPassword = password;
        return PrijavaVBazo(context_);
    }
    TDataModule dm_;
    TRunContext context_{dm_};
};

TEST_F(PrijavaVBazoTest, SessionReadsDayMonthYearAfterLogon) {
    ASSERT_TRUE(LogOn("demo"));
    EXPECT_TRUE(dm_.OracleSession1.Connected());
    TOracleQuery query;
    query.SetSession(&dm_.OracleSession1);
    query.SetSQLText("SELECT TO_DATE('05.03.2024') FROM DUAL");
    query.Execute();
    EXPECT_EQ(query.ColumnAsDate(0), EncodeDate(2024, 3, 5));
}

TEST_F(PrijavaVBazoTest, WrongPasswordLeavesTheSessionUnconnectedWithoutRaising) {
    EXPECT_FALSE(LogOn("wrong"));
    EXPECT_FALSE(dm_.OracleSession1.Connected());
    EXPECT_FALSE(RecordingUi.Messages.empty());
}

} // namespace
