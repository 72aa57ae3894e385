// The schema scripts are read from the repository's schema folder and cut into statements with the
// engine's own script splitter, so they run here exactly as the SQL console runs them.
#include "tools/demo_db/DemoDatabase.h"

#include "platform/oci_sqlite/sql/SqlScript.h"
#include "platform/settings/Exceptions.h"
#include "tools/demo_db/DatabaseSink.h"
#include "tools/demo_db/DemoData.h"
#include "tools/demo_db/EngineLibrary.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr int kProgressFromPositions = 20000;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Exception("Cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A replaced file takes its write-ahead log and shared-memory index with it, or SQLite would
// replay the old log into the new file.
void RemoveDatabaseFile(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal", "-locks"})
        std::filesystem::remove(path + suffix);
}

// The file is built under this name and takes its own only when complete, so a killed run never
// leaves a file that looks like a demo database.
std::string BuildingName(const std::string& file) {
    return file + ".building";
}

void RequireFreeOrForced(const TDemoArguments& arguments) {
    std::error_code unknown;
    if (std::filesystem::exists(arguments.file, unknown) && !arguments.force)
        throw Exception("The file " + arguments.file + " exists already; --force replaces it");
}

void PutInPlace(const std::string& building, const std::string& file) {
    RemoveDatabaseFile(file);
    std::error_code failed;
    std::filesystem::rename(building, file, failed);
    if (failed)
        throw Exception("Cannot rename " + building + " to " + file + ": " + failed.message());
}

void LoadSchema(TOracleSession& session, const std::filesystem::path& directory) {
    TOracleQuery query("Schema");
    query.SetSession(&session);
    for (const char* const* script = SchemaScripts(); *script; ++script)
        for (const std::string& statement : orasql::SplitScript(ReadFile(directory / *script))) {
            query.SetSQLText(statement);
            query.Execute();
        }
}

// The session ends before the caller may remove the file.
TDemoDatabaseResult Fill(const TDemoArguments& arguments, const std::string& file,
                         const std::string& engineLibrary, const std::string& schemaDirectory) {
    TOracleSession session;
    LogOnEngine(session, engineLibrary, file, arguments.user, arguments.password);
    LoadSchema(session, schemaDirectory);
    TDatabaseSink sink(session, arguments.positions >= kProgressFromPositions);
    TDemoDatabaseResult result;
    result.positions = GenerateDemoData({arguments.positions, arguments.day}, sink);
    sink.Finish();
    result.rowsPerTable = sink.RowsPerTable();
    return result;
}

} // namespace

const char* const* SchemaScripts() {
    static const char* const scripts[] = {
        "01_source_tables.sql", "02_result_tables.sql", "03_indexes.sql", "04_obli_copy.sql",
        "05_run_claims.sql",    "06_run_journal.sql",   nullptr};
    return scripts;
}

TDemoDatabaseResult CreateDemoDatabase(const TDemoArguments& arguments, const std::string& engineLibrary,
                                       const std::string& schemaDirectory) {
    RequireFreeOrForced(arguments);
    const std::string building = BuildingName(arguments.file);
    RemoveDatabaseFile(building); // left by a run that was killed
    CreateEngineDatabase(engineLibrary, building, arguments.user, arguments.password);
    try {
        const TDemoDatabaseResult result = Fill(arguments, building, engineLibrary, schemaDirectory);
        PutInPlace(building, arguments.file);
        RemoveDatabaseFile(building); // what is left beside it: the lock file
        return result;
    } catch (...) {
        RemoveDatabaseFile(building);
        throw;
    }
}
