// A demo database made through the embedded engine: the file holds every generated row, the day's
// extraction finds positions of both account classes with the threshold, "_S" and no-deal cases as
// the run will meet them, a New Year's day has rows, and an existing file is kept unless forced.
#include "tools/demo_db/DemoDatabase.h"
#include "app/SourceExtraction.h"
#include "platform/settings/Exceptions.h"
#include "tools/demo_db/EngineLibrary.h"
#include "tools/demo_db/ExtractionCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A function, not a constant: the date arithmetic has its own statics, which a constant initialised
// before them would read too early.
TDateTime ReportDay() {
    return EncodeDate(2024, 3, 15);
}
const std::string kLibrary = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";
const std::string kSchema = std::string(ZORVEKA_SOURCE_DIR) + "/schema";

// Columns of the extraction's rows used here.
enum { kCode = 0, kAccount = 1, kBalance = 4, kDeal = 22, kClass = 47 };

std::string TestFile(const std::string& name) {
    const std::filesystem::path folder = ZORVEKA_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    return (folder / ("demo_db-" + std::to_string(getpid()) + "-" + name + ".db")).string();
}

void Remove(const std::string& file) {
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file + suffix);
}

// A number as the layer writes it, with the locale's decimal comma.
double Number(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::atof(text.c_str());
}

TDemoArguments Arguments(const std::string& file, int positions, TDateTime day) {
    TDemoArguments arguments;
    arguments.file = file;
    arguments.positions = positions;
    arguments.day = day;
    return arguments;
}

class DemoDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file_ = TestFile("main");
        Remove(file_);
        result_ = CreateDemoDatabase(Arguments(file_, 2000, ReportDay()), kLibrary, kSchema);
        session_ = new TOracleSession;
        LogOnEngine(*session_, kLibrary, file_, "demo", "demo");
        rows_ = Extract();
    }
    static void TearDownTestSuite() {
        delete session_;
        Remove(file_);
    }
    static std::vector<std::vector<std::string>> Extract() {
        QueryRows(*session_, "ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
        return QueryRows(*session_, ExtractionStatement(ReportDay()));
    }

    static inline std::string file_;
    static inline TDemoDatabaseResult result_;
    static inline TOracleSession* session_ = nullptr;
    static inline std::vector<std::vector<std::string>> rows_;
};

TEST_F(DemoDatabase, TheFileHoldsEveryGeneratedRow) {
    EXPECT_EQ(result_.positions, 2000);
    EXPECT_EQ(result_.rowsPerTable.size(), 21u);
    for (const auto& [table, count] : result_.rowsPerTable)
        EXPECT_EQ(QueryRows(*session_, "SELECT COUNT(*) FROM " + table).at(0).at(0), std::to_string(count))
            << table;
}

TEST_F(DemoDatabase, TheExtractionFindsPositionsOfBothAccountClasses) {
    std::map<std::string, int> byClass;
    for (const auto& row : rows_)
        ++byClass[row[kClass]];
    EXPECT_GT(byClass["1"], 1000);
    EXPECT_GT(byClass["6"], 400);
    EXPECT_EQ(byClass.size(), 2u);
}

TEST_F(DemoDatabase, BalancesBelowACentStayOutAndACentEitherWayComesIn) {
    bool plusCent = false, minusCent = false;
    for (const auto& row : rows_) {
        const double balance = Number(row[kBalance]);
        EXPECT_GE(std::abs(balance), 0.01 - 1e-9) << row[kCode];
        plusCent |= std::abs(balance - 0.01) < 1e-9;
        minusCent |= std::abs(balance + 0.01) < 1e-9;
    }
    EXPECT_TRUE(plusCent);
    EXPECT_TRUE(minusCent);
}

TEST_F(DemoDatabase, SecondLineCodesLoseTheirLastTwoCharacters) {
    std::set<std::string> codes;
    for (const auto& row : rows_)
        codes.insert(row[kCode]);
    EXPECT_EQ(codes.count("A_"), 1u);
    EXPECT_EQ(codes.count("NLBR"), 1u);
    EXPECT_EQ(codes.count("TLSG"), 1u);
    EXPECT_EQ(std::count_if(codes.begin(), codes.end(),
                            [](const std::string& c) { return c.find("_S") != std::string::npos; }),
              0);
}

TEST_F(DemoDatabase, SomeSecurityPositionsHaveNoDealAndSomeAccountsTheirOwnPrefix) {
    int withoutDeal = 0;
    std::set<std::string> prefixes;
    for (const auto& row : rows_) {
        withoutDeal += row[kClass] == "1" && row[kDeal].empty();
        prefixes.insert(row[kAccount].substr(0, 4));
    }
    EXPECT_EQ(withoutDeal, 3);
    EXPECT_EQ(prefixes.count("0900"), 1u);
    EXPECT_EQ(prefixes.count("0909"), 1u);
}

TEST(DemoDatabaseFile, ANewYearsDayHasRowsOfTheDay) {
    const std::string file = TestFile("newyear");
    Remove(file);
    const TDateTime newYear = EncodeDate(2025, 1, 1);
    CreateDemoDatabase(Arguments(file, 200, newYear), kLibrary, kSchema);
    {
        TOracleSession session;
        LogOnEngine(session, kLibrary, file, "demo", "demo");
        EXPECT_GT(ExtractedRowsByClass(session, newYear)["1"], 100);
    }
    Remove(file);
}

TEST(DemoDatabaseFile, AnExistingFileIsKeptUnlessForced) {
    const std::string file = TestFile("existing");
    Remove(file);
    std::ofstream(file) << "not a database";
    TDemoArguments arguments = Arguments(file, 1, ReportDay());
    try {
        CreateDemoDatabase(arguments, kLibrary, kSchema);
        ADD_FAILURE() << "an existing file was overwritten";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "The file " + file + " exists already; --force replaces it");
    }
    EXPECT_EQ(std::filesystem::file_size(file), 14u);
    arguments.force = true;
    EXPECT_GT(CreateDemoDatabase(arguments, kLibrary, kSchema).rowsPerTable.at("KNJIZBE"), 0);
    Remove(file);
}

TEST(DemoDatabaseFile, AFailedFillingLeavesNoFileBehind) {
    const std::string file = TestFile("failed");
    Remove(file);
    const std::string nowhere = std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/no-schema-here";
    try {
        CreateDemoDatabase(Arguments(file, 1, ReportDay()), kLibrary, nowhere);
        ADD_FAILURE() << "created without a schema";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot read " + nowhere + "/01_source_tables.sql");
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(DemoDatabaseFile, AFailedReplacementKeepsTheOldFileAndLeavesNoPartialOne) {
    const std::string file = TestFile("replaced");
    Remove(file);
    std::ofstream(file) << "not a database";
    TDemoArguments arguments = Arguments(file, 1, ReportDay());
    arguments.force = true;
    EXPECT_THROW(CreateDemoDatabase(arguments, kLibrary, std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/no-schema"),
                 Exception);
    EXPECT_EQ(std::filesystem::file_size(file), 14u);
    EXPECT_FALSE(std::filesystem::exists(file + ".building"));
    Remove(file);
}

TEST(DemoDatabaseFile, AFileSizeLimitIsReportedNotFatal) {
    const std::string file = TestFile("limited");
    Remove(file);
    const std::string command = "ulimit -f 64; " + std::string(ZORVEKA_DEMO_DB_EXE) + " " + file +
                                " --positions 2000 >/dev/null 2>&1";
    const int status = std::system(("sh -c '" + command + "'").c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    Remove(file + ".building");
}

TEST(DemoDatabaseFile, ALogonWithTheGivenUserWorks) {
    const std::string file = TestFile("user");
    Remove(file);
    TDemoArguments arguments = Arguments(file, 1, ReportDay());
    arguments.user = "risk";
    arguments.password = "Secret1";
    CreateDemoDatabase(arguments, kLibrary, kSchema);
    TOracleSession session;
    EXPECT_NO_THROW(LogOnEngine(session, kLibrary, file, "risk", "Secret1"));
    session.LogOff();
    EXPECT_THROW(LogOnEngine(session, kLibrary, file, "demo", "demo"), Exception);
    Remove(file);
}

// Ten wrong passwords lock even the administrator; the file's owner unlocks it without logging on.
TEST(DemoDatabaseFile, TheFilesOwnerUnlocksALockedAdministrator) {
    const std::string file = TestFile("unlock");
    Remove(file);
    CreateDemoDatabase(Arguments(file, 1, ReportDay()), kLibrary, kSchema);
    TOracleSession session;
    for (int attempt = 0; attempt < 10; ++attempt)
        EXPECT_THROW(LogOnEngine(session, kLibrary, file, "demo", "wrong"), Exception);
    EXPECT_THROW(LogOnEngine(session, kLibrary, file, "demo", "demo"), Exception);
    const std::string command =
        std::string(ZORVEKA_BIN_DIR) + "/zorveka-demo-db " + file + " --unlock demo >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_NO_THROW(LogOnEngine(session, kLibrary, file, "demo", "demo"));
    session.LogOff();
    Remove(file);
}

} // namespace
