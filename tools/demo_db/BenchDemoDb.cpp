// Times a demo database at the scales asked for (default 2,000 and 200,000 positions): its creation
// and the day's extraction over it, with the rows per table and the source rows per account class.
// Usage: bench_demo_db [positions ...]; the databases go to the temporary folder and are removed.
#include "platform/settings/ConfigPaths.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"
#include "tools/demo_db/ExtractionCheck.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Measure(int positions) {
    TDemoArguments arguments;
    arguments.file = (std::filesystem::temp_directory_path() /
                      ("bench_demo_db-" + std::to_string(getpid()) + "-" + std::to_string(positions) + ".db"))
                         .string();
    arguments.positions = positions;
    arguments.day = EncodeDate(2024, 3, 15);
    arguments.force = true;
    const TProgramLayout layout = ProgramLayout();
    auto start = std::chrono::steady_clock::now();
    const TDemoDatabaseResult result = CreateDemoDatabase(arguments, layout.EngineLibrary, layout.SchemaDir);
    const double creation = SecondsSince(start);
    long long rows = 0;
    std::printf("%d positions: created in %.1f s\n", result.positions, creation);
    for (const auto& [table, count] : result.rowsPerTable) {
        std::printf("  %-14s %9lld\n", table.c_str(), count);
        rows += count;
    }
    std::printf("  %-14s %9lld\n", "(all)", rows);
    TOracleSession session;
    LogOnEngine(session, layout.EngineLibrary, arguments.file, arguments.user, arguments.password);
    start = std::chrono::steady_clock::now();
    const auto extracted = ExtractedRowsByClass(session, arguments.day);
    std::printf("  extraction of 15.03.2024 in %.2f s:", SecondsSince(start));
    for (const auto& [vknt, count] : extracted)
        std::printf(" VKNT %s: %d rows", vknt.c_str(), count);
    std::printf("\n");
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(arguments.file + suffix);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> scales;
    for (int i = 1; i < argc; ++i)
        scales.push_back(std::atoi(argv[i]));
    if (scales.empty())
        scales = {2000, 200000};
    try {
        for (int positions : scales)
            Measure(positions);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
