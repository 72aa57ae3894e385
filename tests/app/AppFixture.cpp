// The database is made with the demo generator's engine functions and schema scripts, so the tests
// see the schema the program meets; only the rows are the tests' own.
#include "AppFixture.h"

#include "platform/oci_sqlite/sql/SqlScript.h"
#include "platform/settings/Locale.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace apptest {

namespace {

const std::string kLibrary = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string NewFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) /
        ("app-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

} // namespace

void AppTest::SetUp() {
    Locale() = TLocale::Slovenian();
    Folder = NewFolder();
    setenv("ZORVEKA_APPDIR", Folder.c_str(), 1);
    FUiScope = std::make_unique<TScopedUi>(RecordingUi);
    const std::string file = Folder + "test.db";
    CreateEngineDatabase(kLibrary, file, "demo", "demo");
    DM = std::make_unique<TDataModule>();
    LogOnEngine(DM->OracleSession1, kLibrary, file, "demo", "demo");
    for (const char* const* script = SchemaScripts(); *script; ++script)
        Run(orasql::SplitScript(ReadText(std::filesystem::path(ZORVEKA_SOURCE_DIR) / "schema" / *script)));
    Run({"ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'"});
    Context = std::make_unique<TRunContext>(*DM);
    Context->AppDir = Folder;
}

void AppTest::TearDown() {
    Context.reset();
    DM.reset();
    FUiScope.reset();
    std::filesystem::remove_all(Folder);
}

void AppTest::Run(const std::vector<std::string>& statements) {
    TOracleQuery query("Setup");
    query.SetSession(&DM->OracleSession1);
    for (const std::string& statement : statements) {
        query.SetSQLText(statement);
        query.Execute();
    }
    DM->OracleSession1.Commit();
}

std::string AppTest::ReadAppFile(const std::string& name) const {
    return ReadText(Folder + name);
}

} // namespace apptest
