// zorveka-demo-db: creates a demo database for the embedded engine and reports what it wrote, or
// unlocks a user of an engine file for the file's owner.
// Exit status 0 on success, 1 when the creation failed, 2 on a wrong command line.
#include "platform/settings/ConfigPaths.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/ProgramVersion.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <chrono>
#include <csignal>
#include <cstdio>

namespace {

void Report(const TDemoArguments& arguments, const TDemoDatabaseResult& result, double seconds) {
    std::printf("%s: %d positions in %.1f s\n", arguments.file.c_str(), result.positions, seconds);
    for (const auto& [table, rows] : result.rowsPerTable)
        std::printf("  %-14s %9lld\n", table.c_str(), rows);
}

} // namespace

int main(int argc, char** argv) {
    if (PrintedVersion(argc, argv, "zorveka-demo-db"))
        return 0;
    std::signal(SIGXFSZ, SIG_IGN); // past a file-size limit a write fails with an error to report
    TDemoArguments arguments;
    try {
        arguments = ParseDemoArguments(argc, argv, Today());
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), DemoUsage());
        return 2;
    }
    const TProgramLayout layout = ProgramLayout();
    try {
        if (!arguments.unlock.empty()) {
            UnlockEngineUser(layout.EngineLibrary, arguments.file, arguments.unlock);
            std::printf("%s: %s unlocked\n", arguments.file.c_str(), arguments.unlock.c_str());
            return 0;
        }
        const auto start = std::chrono::steady_clock::now();
        const TDemoDatabaseResult result =
            CreateDemoDatabase(arguments, layout.EngineLibrary, layout.SchemaDir);
        Report(arguments, result,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
