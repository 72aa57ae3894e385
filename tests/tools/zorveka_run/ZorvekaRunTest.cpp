// zorveka-run as a scheduler starts it, over a small demo database of today: the exit status of a
// usage error, a refused logon (which must not wait for anyone), a completed run with its rows and
// the closing procedure's status, and a run an error stops.
#include "oracle/Oracle.h"
#include "platform/settings/DateText.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

const std::string kEngine = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

struct TRun {
    int Status = -1;
    std::string Errors;
};

class ZorvekaRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        Folder = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/zorveka_run/" + info->name() + "/";
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        Day = FormatShortDate(Today());
        TDemoArguments arguments;
        arguments.file = Folder + "demo.db";
        arguments.positions = 40;
        arguments.day = Today();
        CreateDemoDatabase(arguments, kEngine, std::string(ZORVEKA_SOURCE_DIR) + "/schema");
        std::ofstream(Folder + "aliases.ini")
            << "[DEMO]\nTYPE=ORACLE\nSERVER NAME=" << arguments.file << "\n";
        // Only the runner's own program directory holds the aliases and its statement files.
        setenv("ZORVEKA_APPDIR", Folder.c_str(), 1);
        unsetenv("ZORVEKA_ALIASES");
    }

    // Runs the program with stdin closed; a run that waited for input would be stopped by timeout.
    TRun RunProgram(const std::string& arguments) {
        const std::string command = "timeout 120 " + std::string(ZORVEKA_BIN_DIR) + "/zorveka-run " +
                                    arguments + " </dev/null >/dev/null 2>" + Folder + "err.txt";
        const int status = std::system(command.c_str());
        std::ifstream errors(Folder + "err.txt");
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::string(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>())};
    }

    std::string Logon(const std::string& password) const {
        return "DEMO demo " + password + " OCIDLL=" + kEngine;
    }

    long long Count(const std::string& table) {
        TOracleSession session;
        LogOnEngine(session, kEngine, Folder + "demo.db", "demo", "demo");
        TOracleQuery query;
        query.SetSession(&session);
        query.SetSQLText("SELECT COUNT(*) FROM " + table + " WHERE OT_LIK=1");
        query.Execute();
        return query.ColumnAsInteger(0);
    }

    std::string Folder, Day;
};

TEST_F(ZorvekaRunTest, TooFewArgumentsIsAUsageError) {
    const TRun run = RunProgram("DEMO demo --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Errors.find("Usage: zorveka-run"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, WrongPasswordIsAFailedLogonWithoutWaiting) {
    const TRun run = RunProgram(Logon("wrong") + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2) << run.Errors;
    EXPECT_NE(run.Errors.find("Prijava v " + Folder + "demo.db ni uspela!"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, UnknownAliasIsAFailedLogon) {
    const TRun run = RunProgram("NONE demo demo OCIDLL=" + kEngine + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Errors.find("Unknown alias: NONE"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, CompletedRunStoresTheDayAndReportsTheClosingStatus) {
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --stats");
    ASSERT_EQ(run.Status, 0) << run.Errors;
    EXPECT_NE(run.Errors.find("1 / "), std::string::npos);
    EXPECT_NE(run.Errors.find("Status: "), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find("stats: source rows "), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find(", round trips "), std::string::npos) << run.Errors;
    EXPECT_GT(Count("OBLIM"), 0);
    EXPECT_GT(Count("OBLIMD1"), 0);
    EXPECT_GT(Count("OBLIAM"), 0);
}

TEST_F(ZorvekaRunTest, DayWithoutDataIsACompletedRun) {
    const TRun run = RunProgram(Logon("demo") + " --day 01.01.1990 --risk 1");
    EXPECT_EQ(run.Status, 0) << run.Errors;
    EXPECT_NE(run.Errors.find("Za izbrani dan 01.01.1990 ni podatkov!"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, ErrorInTheRunStopsItWithItsText) {
    {
        TOracleSession session;
        LogOnEngine(session, kEngine, Folder + "demo.db", "demo", "demo");
        TOracleQuery drop;
        drop.SetSession(&session);
        drop.SetSQLText("DROP TABLE OBLIAM");
        drop.Execute();
    }
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 1) << run.Errors;
    EXPECT_NE(run.Errors.find("Napaka pri brisanju v tabeli OBLIAM "), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find("Status: "), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, ValueNoColumnCanHoldEndsTheRunNamingPositionColumnAndValue) {
    {
        TOracleSession session;
        LogOnEngine(session, kEngine, Folder + "demo.db", "demo", "demo");
        TOracleQuery update;
        update.SetSession(&session);
        // REAL_OBRM holds six integer digits; a percent-quoted bond takes its fixed rate from FIXOBR.
        update.SetSQLText("UPDATE SFVP SET FIXOBR = 1234567");
        update.Execute();
        session.Commit();
    }
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1");
    ASSERT_EQ(run.Status, 1) << run.Errors;
    std::string lastLine = run.Errors.substr(0, run.Errors.find_last_not_of('\n') + 1);
    lastLine = lastLine.substr(lastLine.find_last_of('\n') + 1);
    EXPECT_EQ(lastLine.rfind("Pozicija ", 0), 0u) << run.Errors;
    for (const char* part : {", konto ", ", pogodba ", ": OBLIMD1.REAL_OBRM = 1234567: ORA-01438: "})
        EXPECT_NE(lastLine.find(part), std::string::npos) << part << " in " << lastLine;
}

} // namespace
