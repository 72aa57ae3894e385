// Times zorveka-run over demo databases (default 2,000 and 20,000 positions) of the demo day: the
// positions per second, the statements, round trips and commits of the run per position (its --stats
// line), its CPU time and its peak resident memory. With --digests it also prints the digests of the
// stored results, to be compared by hand before and after a change of the run (not timed).
// Usage: bench_run [--day DD.MM.YYYY] [--digests] [positions ...]
#include "platform/settings/DateText.h"
#include "tests/app/run/ResultDigest.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct TRunFigures {
    int Status = -1;
    double Seconds = 0;
    double CpuSeconds = 0; //!< user and system time: steadier than the wall time on a busy machine
    long MaxRssKiB = 0;
    long long SourceRows = 0, Statements = 0, Commits = 0, RoundTrips = 0;
};

std::string ProgramDirectory() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
}

// The child's own peak memory comes from wait4, the per-child form of RUSAGE_CHILDREN.
TRunFigures RunBatch(const std::vector<std::string>& arguments, const std::string& errorFile) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "r", stdin);
        std::freopen(errorFile.c_str(), "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    TRunFigures figures;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    figures.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    figures.MaxRssKiB = usage.ru_maxrss;
    figures.CpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return figures;
}

void ReadStats(const std::string& errorFile, TRunFigures& figures) {
    std::ifstream errors(errorFile);
    const std::regex stats(R"(stats: source rows (\d+), statements (\d+), commits (\d+))");
    const std::regex roundTrips(R"(, round trips (\d+))");
    std::smatch match;
    for (std::string line; std::getline(errors, line);) {
        if (std::regex_search(line, match, stats)) {
            figures.SourceRows = std::stoll(match[1]);
            figures.Statements = std::stoll(match[2]);
            figures.Commits = std::stoll(match[3]);
        }
        if (std::regex_search(line, match, roundTrips))
            figures.RoundTrips = std::stoll(match[1]);
    }
}

constexpr int kRiskType = 1;

void PrintDigests(const std::string& library, const std::string& file, TDateTime day) {
    TOracleSession session;
    LogOnEngine(session, library, file, "demo", "demo");
    TOracleQuery format;
    format.SetSession(&session);
    format.SetSQLText("ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    format.Execute();
    std::printf("%s", runtest::ResultDigests(session, FormatDayMonthYear(day), kRiskType).c_str());
    session.LogOff();
}

// Whether the run completed; a failed run keeps its database and messages for a look.
bool Measure(int positions, TDateTime day, const std::string& folder, bool digests) {
    const std::string bin = ProgramDirectory();
    TDemoArguments arguments;
    arguments.file = folder + "demo-" + std::to_string(positions) + ".db";
    arguments.positions = positions;
    arguments.day = day;
    arguments.force = true;
    CreateDemoDatabase(arguments, bin + "liboci_sqlite.so", ZORVEKA_SCHEMA_DIR);
    std::ofstream(folder + "aliases.ini") << "[BENCH]\nTYPE=ORACLE\nSERVER NAME=" << arguments.file << "\n";
    const std::string errorFile = folder + "run-" + std::to_string(positions) + ".err";
    TRunFigures figures =
        RunBatch({bin + "zorveka-run", "BENCH", "demo", "demo", "OCIDLL=" + bin + "liboci_sqlite.so", "--day",
                  FormatShortDate(day), "--risk", std::to_string(kRiskType), "--stats"},
                 errorFile);
    ReadStats(errorFile, figures);
    std::printf(
        "%d positions (%lld source rows), exit %d: %.1f s (CPU %.1f s), %.0f positions/s, %.2f statements, "
        "%.2f round trips and %.2f commits per position, peak memory %.1f MiB\n",
        positions, figures.SourceRows, figures.Status, figures.Seconds, figures.CpuSeconds,
        positions / figures.Seconds, static_cast<double>(figures.Statements) / positions,
        static_cast<double>(figures.RoundTrips) / positions, static_cast<double>(figures.Commits) / positions,
        figures.MaxRssKiB / 1024.0);
    std::fflush(stdout);
    if (figures.Status != 0) {
        std::printf("  the run's messages are in %s\n", errorFile.c_str());
        return false;
    }
    if (digests)
        PrintDigests(bin + "liboci_sqlite.so", arguments.file, day);
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(arguments.file + suffix);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    TDateTime day = Today();
    std::vector<int> scales;
    bool digests = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--day" && i + 1 < argc)
            day = ParseShortDate(argv[++i]);
        else if (std::string(argv[i]) == "--digests")
            digests = true;
        else
            scales.push_back(std::atoi(argv[i]));
    }
    if (scales.empty())
        scales = {2000, 20000};
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("bench_run-" + std::to_string(getpid()))).string() + "/";
    std::filesystem::create_directories(folder);
    // The runner reads its aliases and writes its statement files in this folder only.
    setenv("ZORVEKA_APPDIR", folder.c_str(), 1);
    unsetenv("ZORVEKA_ALIASES");
    bool completed = true;
    try {
        for (int positions : scales)
            completed = Measure(positions, day, folder, digests) && completed;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (completed)
        std::filesystem::remove_all(folder);
    return completed ? 0 : 1;
}
