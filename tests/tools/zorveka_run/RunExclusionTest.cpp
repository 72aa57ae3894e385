// zorveka-run as two schedulers or a killed job meet it, over a small demo database of today: two
// runs of one day and risk type started together leave one set of results (or one is refused,
// naming the other), and a run killed at any point leaves the previous results, field for field.
#include "tests/app/run/ResultDigest.h"

#include "platform/settings/DateText.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string kEngine = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

struct TChild {
    pid_t Pid = -1;
    std::string ErrorFile;
};

class RunExclusion : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        Folder = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/run_exclusion/" + info->name() + "/";
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        TDemoArguments arguments;
        arguments.file = Folder + "demo.db";
        arguments.positions = 200;
        arguments.day = Today();
        CreateDemoDatabase(arguments, kEngine, std::string(ZORVEKA_SOURCE_DIR) + "/schema");
        std::ofstream(Folder + "aliases.ini")
            << "[DEMO]\nTYPE=ORACLE\nSERVER NAME=" << arguments.file << "\n";
        setenv("ZORVEKA_APPDIR", Folder.c_str(), 1);
        unsetenv("ZORVEKA_ALIASES");
    }

    TChild Start(const std::string& name) {
        TChild child{-1, Folder + name + ".err"};
        const std::vector<std::string> arguments{std::string(ZORVEKA_BIN_DIR) + "/zorveka-run",
                                                 "DEMO",
                                                 "demo",
                                                 "demo",
                                                 "OCIDLL=" + kEngine,
                                                 "--day",
                                                 FormatShortDate(Today()),
                                                 "--risk",
                                                 "1"};
        child.Pid = fork();
        if (child.Pid == 0) {
            std::vector<char*> argv;
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            std::freopen("/dev/null", "r", stdin);
            std::freopen("/dev/null", "w", stdout);
            std::freopen(child.ErrorFile.c_str(), "w", stderr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        return child;
    }

    static int Wait(const TChild& child) {
        int status = 0;
        waitpid(child.Pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::string Errors(const TChild& child) {
        std::ifstream file(child.ErrorFile);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Kills the run with SIGKILL as soon as its progress shows the text.
    static void KillAt(const TChild& child, const std::string& text) {
        for (int tries = 0; tries < 60000 && Errors(child).find(text) == std::string::npos; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        kill(child.Pid, SIGKILL);
        int status = 0;
        waitpid(child.Pid, &status, 0);
    }

    template <typename TRead> auto Read(TRead read) {
        TOracleSession session;
        LogOnEngine(session, kEngine, Folder + "demo.db", "demo", "demo");
        return read(session);
    }
    std::vector<std::string> Stored() {
        return Read(
            [&](TOracleSession& s) { return runtest::StoredRows(s, FormatDayMonthYear(Today()), 1); });
    }
    std::string Digests() {
        return Read(
            [&](TOracleSession& s) { return runtest::ResultDigests(s, FormatDayMonthYear(Today()), 1); });
    }

    std::string Folder;
};

TEST_F(RunExclusion, TwoRunsStartedTogetherLeaveOneSetOrOneIsRefusedNamingTheOther) {
    // A short wait for the engine's writer lock, so that the second run is likely refused.
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "300", 1);
    const TChild first = Start("first"), second = Start("second");
    const int statuses[] = {Wait(first), Wait(second)};
    unsetenv("OCISQLITE_BUSY_TIMEOUT_MS");
    const std::string together = Digests();
    const std::regex refusal(
        "Prenos dneva \\d\\d\\.\\d\\d\\.\\d{4} za vrsto tveganja 1 že teče: uporabnik demo, "
        "računalnik [^,]+, začetek \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.");
    int completed = 0;
    for (int i = 0; i < 2; ++i) {
        const std::string errors = Errors(i == 0 ? first : second);
        if (statuses[i] == 0)
            ++completed;
        else
            EXPECT_TRUE(std::regex_search(errors, refusal)) << errors;
    }
    EXPECT_GE(completed, 1);
    ASSERT_EQ(Wait(Start("alone")), 0);
    EXPECT_EQ(together, Digests());
}

TEST_F(RunExclusion, KilledRunLeavesThePreviousResultsAndARerunGivesACleanRunsRows) {
    ASSERT_EQ(Wait(Start("clean")), 0);
    const std::vector<std::string> previous = Stored();
    const std::string clean = Digests();
    for (const char* point : {"1 / ", "100 / ", "Brisanje nultih podatkov", "obliam"}) {
        SCOPED_TRACE(point);
        KillAt(Start("killed"), point);
        EXPECT_EQ(Stored(), previous);
    }
    ASSERT_EQ(Wait(Start("rerun")), 0);
    EXPECT_EQ(Digests(), clean);
}

} // namespace
