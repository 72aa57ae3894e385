// zorveka-run as a scheduler starts it, over a small demo database of today: the exit status of a
// usage error, a refused logon (which must not wait for anyone), a completed run with its rows and
// the closing procedure's status, a run an error stops, two runs of one day and risk type started
// together, a run killed at any point, which leaves the previous results field for field, and a
// batch of days and risk types.
#include "tests/app/run/ResultDigest.h"
#include "tests/support/PythonReads.h"

#include "oracle/Oracle.h"
#include "platform/settings/DateText.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

const std::string kEngine = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

struct TRun {
    int Status = -1;
    std::string Errors;
};

struct TChild {
    pid_t Pid = -1;
    std::string ErrorFile;
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
    TRun RunProgram(const std::string& arguments, const std::string& output = "/dev/null") {
        const std::string command = "timeout 120 " + std::string(ZORVEKA_BIN_DIR) + "/zorveka-run " +
                                    arguments + " </dev/null >" + output + " 2>" + Folder + "err.txt";
        const int status = std::system(command.c_str());
        std::ifstream errors(Folder + "err.txt");
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::string(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>())};
    }

    std::string Logon(const std::string& password) const {
        return "DEMO demo " + password + " OCIDLL=" + kEngine;
    }

    template <typename TRead> auto Read(TRead read) {
        TOracleSession session;
        LogOnEngine(session, kEngine, Folder + "demo.db", "demo", "demo");
        return read(session);
    }

    long long Count(const std::string& table) {
        return Read([&](TOracleSession& session) {
            TOracleQuery query;
            query.SetSession(&session);
            query.SetSQLText("SELECT COUNT(*) FROM " + table + " WHERE OT_LIK=1");
            query.Execute();
            return query.ColumnAsInteger(0);
        });
    }

    // One statement on the demo database, committed.
    void Change(const std::string& sql) {
        Read([&](TOracleSession& session) {
            TOracleQuery query;
            query.SetSession(&session);
            query.SetSQLText(sql);
            query.Execute();
            session.Commit();
            return 0;
        });
    }

    TChild Start(const std::string& name, const std::string& risk = "1") {
        return StartWith(name, {"--day", Day, "--risk", risk});
    }

    TChild StartWith(const std::string& name, const std::vector<std::string>& options) {
        TChild child{-1, Folder + name + ".err"};
        std::vector<std::string> arguments{std::string(ZORVEKA_BIN_DIR) + "/zorveka-run", "DEMO", "demo",
                                           "demo", "OCIDLL=" + kEngine};
        arguments.insert(arguments.end(), options.begin(), options.end());
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

    // Waits until the run's progress shows the text (or it has long ended).
    static void WaitFor(const TChild& child, const std::string& text) {
        for (int tries = 0; tries < 60000 && Errors(child).find(text) == std::string::npos; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    // Kills the run with SIGKILL as soon as its progress shows the text.
    static void KillAt(const TChild& child, const std::string& text) {
        WaitFor(child, text);
        kill(child.Pid, SIGKILL);
        int status = 0;
        waitpid(child.Pid, &status, 0);
    }

    std::vector<std::string> Stored() {
        return Read(
            [&](TOracleSession& s) { return runtest::StoredRows(s, FormatDayMonthYear(Today()), 1); });
    }
    std::string Digests(int risk = 1) {
        return Read(
            [&](TOracleSession& s) { return runtest::ResultDigests(s, FormatDayMonthYear(Today()), risk); });
    }

    std::string Folder, Day;
};

TEST_F(ZorvekaRunTest, TooFewArgumentsIsAUsageError) {
    const TRun run = RunProgram("DEMO demo --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Errors.find("Uporaba: zorveka-run"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, WrongPasswordIsAFailedLogonWithoutWaiting) {
    const TRun run = RunProgram(Logon("wrong") + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2) << run.Errors;
    EXPECT_NE(run.Errors.find("Prijava v " + Folder + "demo.db ni uspela!"), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, UnknownAliasIsAFailedLogon) {
    const TRun run = RunProgram("NONE demo demo OCIDLL=" + kEngine + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Errors.find("Neznan vzdevek: NONE"), std::string::npos) << run.Errors;
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
    Change("DROP TABLE OBLIAM");
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1");
    EXPECT_EQ(run.Status, 1) << run.Errors;
    EXPECT_NE(run.Errors.find("Napaka pri brisanju v tabeli OBLIAM "), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find("Status: "), std::string::npos) << run.Errors;
}

TEST_F(ZorvekaRunTest, ValueNoColumnCanHoldEndsTheRunNamingPositionColumnAndValue) {
    // REAL_OBRM holds six integer digits; a percent-quoted bond takes its fixed rate from FIXOBR.
    Change("UPDATE SFVP SET FIXOBR = 1234567");
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1");
    ASSERT_EQ(run.Status, 1) << run.Errors;
    std::string lastLine = run.Errors.substr(0, run.Errors.find_last_not_of('\n') + 1);
    lastLine = lastLine.substr(lastLine.find_last_of('\n') + 1);
    EXPECT_EQ(lastLine.rfind("Pozicija ", 0), 0u) << run.Errors;
    for (const char* part : {", konto ", ", pogodba ", ": OBLIMD1.REAL_OBRM = 1234567: ORA-01438: "})
        EXPECT_NE(lastLine.find(part), std::string::npos) << part << " in " << lastLine;
}

TEST_F(ZorvekaRunTest, SecondRunOfTheDayAndRiskTypeIsRefusedNamingTheRunInProgress) {
    // A short wait for the engine's writer lock; the first run is held still while it holds its claim.
    setenv("OCISQLITE_BUSY_TIMEOUT_MS", "300", 1);
    const TChild first = Start("first");
    WaitFor(first, "1 / ");
    kill(first.Pid, SIGSTOP);
    const TChild second = Start("second");
    const int secondStatus = Wait(second);
    kill(first.Pid, SIGCONT);
    unsetenv("OCISQLITE_BUSY_TIMEOUT_MS");
    EXPECT_EQ(Wait(first), 0);
    EXPECT_EQ(secondStatus, 1);
    const std::regex refusal(
        "Prenos dneva \\d\\d\\.\\d\\d\\.\\d{4} za vrsto tveganja 1 že teče: uporabnik demo, "
        "računalnik [^,]+, začetek \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.");
    EXPECT_TRUE(std::regex_search(Errors(second), refusal)) << Errors(second);
    const std::string afterBoth = Digests();
    ASSERT_EQ(Wait(Start("alone")), 0);
    EXPECT_EQ(afterBoth, Digests());
}

TEST_F(ZorvekaRunTest, KilledRunLeavesThePreviousResultsAndARerunGivesACleanRunsRows) {
    ASSERT_EQ(Wait(Start("clean")), 0);
    const std::vector<std::string> previous = Stored();
    const std::string clean = Digests();
    for (const char* point : {"1 / ", "20 / ", "Brisanje nultih podatkov", "obliam"}) {
        SCOPED_TRACE(point);
        KillAt(Start("killed"), point);
        EXPECT_EQ(Stored(), previous);
    }
    ASSERT_EQ(Wait(Start("rerun")), 0);
    EXPECT_EQ(Digests(), clean);
}

// A run killed mid-run keeps its journal row, which the next listing shows as killed; the completed
// rerun is listed with its counts.
TEST_F(ZorvekaRunTest, KilledRunIsListedAsKilledBesideTheCompletedOne) {
    KillAt(Start("killed"), "20 / ");
    ASSERT_EQ(Wait(Start("rerun")), 0);
    const TRun listing = RunProgram(Logon("demo") + " --journal --days 1", Folder + "journal.txt");
    ASSERT_EQ(listing.Status, 0) << listing.Errors;
    std::ifstream file(Folder + "journal.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("ID\tDAT_STANJA\tOT_LIK\tIZID\t", 0), 0u) << lines[0];
    const std::string day = FormatDayMonthYear(Today());
    EXPECT_NE(lines[1].find("\t" + day + "\t1\tzaključen\t"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\tdemo\t"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("\t" + day + "\t1\tprekinjen\t"), std::string::npos) << lines[2];
}

// The HTML report of a run, read back: every account's final figures are the ones OBLIMD1 holds,
// the total row is their sum, the run balances, and the chart has one bar per account.
TEST_F(ZorvekaRunTest, HtmlReportCarriesTheFiguresTheDatabaseHolds) {
    const TRun run = RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --report " + Folder + "r.html");
    ASSERT_EQ(run.Status, 0) << run.Errors;
    std::ifstream file(Folder + "r.html");
    const std::string html{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(html.find("<p id=\"usklajeno\">Usklajeno: DA</p>"), std::string::npos);
    const auto figures = Read([&](TOracleSession& session) {
        TOracleQuery query;
        query.SetSession(&session);
        query.SetSQLText("SELECT ID_KONTO, ID_VAL, SUM(ZNSVAL), SUM(ZNSDOMVAL) FROM OBLIMD1 WHERE OT_LIK = 1 "
                         "GROUP BY ID_KONTO, ID_VAL");
        query.Execute();
        std::vector<std::tuple<std::string, std::string, double, double>> rows;
        for (; !query.Eof(); query.Next())
            rows.emplace_back(query.ColumnAsString(0), query.ColumnIsNull(1) ? "" : query.ColumnAsString(1),
                              query.ColumnAsFloat(2), query.ColumnAsFloat(3));
        return rows;
    });
    ASSERT_FALSE(figures.empty());
    const auto amount = [](double value) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", value);
        return std::string(text);
    };
    double total = 0;
    std::set<std::string> accounts;
    for (const auto& [konto, valuta, znsval, znsdomval] : figures) {
        const std::regex row("<tr><td>" + konto + "</td><td>" + valuta +
                             "</td>(<td class=\"n\">[^<]*</td>){9}" + "<td class=\"n\">" + amount(znsval) +
                             "</td><td class=\"n\">" + amount(znsdomval) + "</td><td>DA</td></tr>");
        EXPECT_TRUE(std::regex_search(html, row)) << konto << " " << valuta;
        total += znsdomval;
        accounts.insert(konto);
    }
    EXPECT_NE(html.find("<th class=\"n\">" + amount(total) + "</th><th>DA</th></tr>"), std::string::npos);
    std::size_t bars = 0;
    for (std::size_t at = html.find("<rect class=\"bar\""); at != std::string::npos;
         at = html.find("<rect class=\"bar\"", at + 1))
        ++bars;
    EXPECT_EQ(bars, accounts.size());
}

// A report that cannot be written after the commit must not make a scheduler run the day again.
TEST_F(ZorvekaRunTest, UnwritableReportAfterACommittedRunExitsThree) {
    const TRun run =
        RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --report " + Folder + "no/r.csv");
    EXPECT_EQ(run.Status, 3) << run.Errors;
    EXPECT_NE(run.Errors.find("Prenos je uspel, poročila ni bilo mogoče zapisati: "), std::string::npos);
    EXPECT_GT(Count("OBLIM"), 0);
}

// The risk types of a day started together, as a scheduler starts them: each waits its turn for the
// locks the others hold, none fails, and each stores what a run alone stores.
TEST_F(ZorvekaRunTest, RiskTypesOfADayStartedTogetherEachCompleteAsAlone) {
    std::vector<TChild> runs;
    for (const char* risk : {"0", "1", "2"})
        runs.push_back(Start(std::string("risk") + risk, risk));
    for (const TChild& run : runs)
        EXPECT_EQ(Wait(run), 0) << Errors(run);
    std::string together[3];
    for (int risk = 0; risk < 3; ++risk)
        together[risk] = Digests(risk);
    for (int risk = 0; risk < 3; ++risk) {
        ASSERT_EQ(Wait(Start("alone", std::to_string(risk))), 0);
        EXPECT_EQ(together[risk], Digests(risk)) << risk;
    }
}

// A scheduler's stop (SIGINT, SIGTERM) ends the run as the window's Cancel does: the previous results
// stay, the exit status is 1 and the journal says 'preklican'.
TEST_F(ZorvekaRunTest, SignalCancelsTheRunAndLeavesThePreviousResults) {
    ASSERT_EQ(Wait(Start("clean")), 0);
    const std::vector<std::string> previous = Stored();
    for (const int signal : {SIGINT, SIGTERM}) {
        const TChild run = Start("stopped" + std::to_string(signal));
        WaitFor(run, "1 / ");
        kill(run.Pid, SIGSTOP); // the signal arrives before the run can end by itself
        kill(run.Pid, signal);
        kill(run.Pid, SIGCONT);
        EXPECT_EQ(Wait(run), 1) << Errors(run);
        EXPECT_NE(Errors(run).find("Prenos je preklican pri "), std::string::npos) << Errors(run);
        EXPECT_EQ(Stored(), previous);
    }
    const TRun listing = RunProgram(Logon("demo") + " --journal --days 1", Folder + "journal.txt");
    ASSERT_EQ(listing.Status, 0) << listing.Errors;
    std::ifstream file(Folder + "journal.txt");
    int cancelled = 0;
    for (std::string line; std::getline(file, line);)
        cancelled += line.find("\tpreklican\t") != std::string::npos;
    EXPECT_EQ(cancelled, 2);
}

// The result grid exported after the run, read back by Python's CSV reader: every position once, and
// the amounts add up to what OBLIMD1 holds; an export the runner does not know is a usage error.
TEST_F(ZorvekaRunTest, ExportAfterTheRunWritesTheResultGridAsCsv) {
    EXPECT_EQ(
        RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --export " + Folder + "grid.xyz").Status, 2);
    const TRun run =
        RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --export " + Folder + "grid.csv");
    ASSERT_EQ(run.Status, 0) << run.Errors;
    const std::string script =
        "import sys, csv\n"
        "rows = list(csv.DictReader(open(sys.argv[1], encoding='utf-8-sig', newline=''), "
        "delimiter=';'))\n"
        "print(len(rows), round(sum(float(r['ZNSVAL'].replace(',', '.') or 0) for r in rows), 2))\n";
    const std::string line = PythonReads(script, Folder + "grid.csv");
    const double total = Read([&](TOracleSession& session) {
        TOracleQuery query;
        query.SetSession(&session);
        query.SetSQLText("SELECT ROUND(SUM(ZNSVAL), 2) FROM OBLIMD1 WHERE OT_LIK = 1");
        query.Execute();
        return query.ColumnAsFloat(0);
    });
    std::istringstream read(line);
    long long rows = 0;
    double sum = 0;
    read >> rows >> sum;
    EXPECT_EQ(rows, Count("OBLIMD1"));
    EXPECT_NEAR(sum, total, 0.005);
}

// The journal exported as its window's grid, in the CSV style of the profile; the results' sheet
// names the run's day and risk type.
TEST_F(ZorvekaRunTest, JournalAndResultExportsCarryTheRunAndTheProfilesStyle) {
    std::ofstream(Folder + "zorveka.ini") << "[IZVOZ]\nCSV_LOCILO=,\nCSV_DECIMALKA=.\n";
    const TRun run =
        RunProgram(Logon("demo") + " --day " + Day + " --risk 1 --export " + Folder + "grid.xlsx");
    ASSERT_EQ(run.Status, 0) << run.Errors;
    EXPECT_EQ(
        PythonReads("import sys, openpyxl\nprint(openpyxl.load_workbook(sys.argv[1]).properties.subject)\n",
                    Folder + "grid.xlsx"),
        "Dan poročila " + FormatDayMonthYear(Today()) + ", vrsta tveganja 1\n");
    const TRun journal = RunProgram(Logon("demo") + " --journal --days 1 --export " + Folder + "journal.csv");
    ASSERT_EQ(journal.Status, 0) << journal.Errors;
    EXPECT_EQ(
        PythonReads("import sys, csv\n"
                    "rows = list(csv.DictReader(open(sys.argv[1], encoding='utf-8-sig'), delimiter=','))\n"
                    "print(len(rows), rows[0]['IZID'], rows[0]['KONCNO_OBLIM'])\n",
                    Folder + "journal.csv"),
        "1 zaključen " + std::to_string(Count("OBLIM")) + "\n");
}

} // namespace

// A batch of three days and three risk types over the demo database.
class DayBatchTest : public ZorvekaRunTest {
protected:
    void SetUp() override {
        ZorvekaRunTest::SetUp();
        for (int back : {2, 1, 0})
            Days.push_back(FormatDayMonthYear(Today() - back));
        Batch = {"--days", Days[0] + ".." + Days[2], "--summary", Folder + "povzetek.csv"};
    }

    void InDatabase(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((Folder + "demo.db").c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    std::vector<std::string> With(std::vector<std::string> options) const {
        options.insert(options.begin(), Batch.begin(), Batch.end());
        return options;
    }

    // The summary's lines without their seconds, which a ran run must have.
    std::vector<std::string> Summary() {
        std::ifstream file(Folder + "povzetek.csv");
        std::vector<std::string> lines;
        std::string line;
        std::getline(file, line);
        EXPECT_EQ(line, "\xEF\xBB\xBF\"DAN\";\"TVEGANJE\";\"IZID\";\"VRSTIC\";\"SEKUND\"\r");
        while (std::getline(file, line)) {
            line.pop_back(); // '\r'
            const std::size_t seconds = line.rfind(';');
            EXPECT_EQ(seconds + 1 < line.size(), line[seconds - 1] != ';') << line;
            lines.push_back(line.substr(0, seconds));
        }
        return lines;
    }

    // What the summary says of the day and risk type: rows of a ran run are those the grid shows.
    std::string Line(int day, int risk, const std::string& outcome) {
        std::string rows;
        if (outcome == "zaključen")
            rows = std::to_string(Read([&](TOracleSession& s) {
                TOracleQuery query;
                query.SetSession(&s);
                query.SetSQLText("SELECT COUNT(*) FROM OBLIM WHERE DAT_STANJA = '" + Days[day] +
                                 "' AND OT_LIK = " + std::to_string(risk));
                query.Execute();
                return query.ColumnAsInteger(0);
            }));
        else if (outcome != "ni izveden" && outcome != "preskočen")
            rows = "0";
        return Days[day] + ";" + std::to_string(risk) + ";\"" + outcome + "\";" + rows;
    }

    // The journal's rows in their order, each as the day's index, the risk type and its outcome.
    std::string Journal() {
        return Read([&](TOracleSession& s) {
            TOracleQuery query;
            query.SetSession(&s);
            query.SetSQLText("SELECT DAT_STANJA, OT_LIK, IZID FROM OBLI_DNEVNIK ORDER BY ID");
            query.Execute();
            std::string rows;
            for (; !query.Eof(); query.Next())
                rows += std::to_string(
                            std::find(Days.begin(), Days.end(), FormatDayMonthYear(query.ColumnAsDate(0))) -
                            Days.begin()) +
                        query.ColumnAsString(1) + " " + query.ColumnAsString(2) + ", ";
            return rows;
        });
    }

    std::string Digests(int day, int risk) {
        return Read([&](TOracleSession& s) { return runtest::ResultDigests(s, Days[day], risk); });
    }

    int RunBatch(const std::vector<std::string>& options, const std::string& name) {
        const TChild batch = StartWith(name, With(options));
        const int status = Wait(batch);
        Output = Errors(batch);
        return status;
    }

    std::vector<std::string> Days, Batch;
    std::string Output;
};

// The middle day's risk type 1 is refused by the database. With --stop-on-error the batch ends there;
// --resume skips what completed and goes on past the failure, and, the refusal gone, makes only that
// run again. Each day and risk type then holds what a run of it alone stores.
TEST_F(DayBatchTest, FailureResumeAndEveryRunAsAlone) {
    InDatabase("CREATE TRIGGER refused BEFORE INSERT ON OBLIMD1 WHEN NEW.OT_LIK = 1 AND NEW.DAT_STANJA = '" +
               Days[1].substr(6) + "-" + Days[1].substr(3, 2) + "-" + Days[1].substr(0, 2) +
               " 00:00:00' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const auto expect = [&](const std::vector<const char*>& outcomes) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            lines.push_back(Line(int(i / 3), int(i % 3), outcomes[i]));
        EXPECT_EQ(Summary(), lines);
    };
    const char *done = "zaključen", *failed = "neuspešen", *skipped = "preskočen", *notRun = "ni izveden";
    ASSERT_EQ(RunBatch({"--risk", "0,1,2", "--stop-on-error"}, "stop"), 1) << Output;
    expect({done, done, done, done, failed, notRun, notRun, notRun, notRun});
    EXPECT_TRUE(std::filesystem::exists(Folder + "povzetek.csv.stanje"));
    ASSERT_EQ(RunBatch({"--risk", "0,1,2", "--resume"}, "past"), 1) << Output;
    expect({skipped, skipped, skipped, skipped, failed, done, done, done, done});
    InDatabase("DROP TRIGGER refused");
    ASSERT_EQ(RunBatch({"--risk", "0,1,2", "--resume"}, "again"), 0) << Output;
    expect({skipped, skipped, skipped, skipped, done, skipped, skipped, skipped, skipped});
    EXPECT_FALSE(std::filesystem::exists(Folder + "povzetek.csv.stanje"));
    EXPECT_EQ(Journal(), "00 zaključen, 01 zaključen, 02 zaključen, 10 zaključen, 11 neuspešen, "
                         "11 neuspešen, 12 zaključen, 20 zaključen, 21 zaključen, 22 zaključen, "
                         "11 zaključen, ");
    std::map<std::pair<int, int>, std::string> inBatch;
    for (int day = 0; day < 3; ++day)
        for (int risk = 0; risk < 3; ++risk)
            inBatch[{day, risk}] = Digests(day, risk);
    for (const auto& [at, digests] : inBatch) {
        ASSERT_EQ(Wait(StartWith("alone", {"--day", Days[at.first], "--risk", std::to_string(at.second)})),
                  0);
        EXPECT_EQ(Digests(at.first, at.second), digests) << Days[at.first] << " " << at.second;
    }
}

// A stop at the start of the second run cancels that run and ends the batch: the third is not run.
TEST_F(DayBatchTest, SignalCancelsTheRunUnderWayAndEndsTheBatch) {
    const TChild batch = StartWith("signal", With({"--risk", "1"}));
    WaitFor(batch, "(2 / 3)");
    kill(batch.Pid, SIGSTOP);
    kill(batch.Pid, SIGTERM);
    kill(batch.Pid, SIGCONT);
    EXPECT_EQ(Wait(batch), 1) << Errors(batch);
    EXPECT_EQ(Summary(), (std::vector<std::string>{Line(0, 1, "zaključen"), Line(1, 1, "preklican"),
                                                   Line(2, 1, "ni izveden")}));
}
