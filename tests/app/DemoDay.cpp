// The demo database behind TDemoDay: created afresh for each object, so tests never share rows.
#include "tests/app/DemoDay.h"

#include "app/SourceExtraction.h"
#include "platform/settings/Locale.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <filesystem>
#include <unistd.h>

namespace apptest {

namespace {

std::string CreatedFolder(const std::string& name) {
    const std::string folder =
        std::string(ZORVEKA_TEST_OUTPUT_DIR) + "/" + name + "-" + std::to_string(getpid()) + "/";
    std::filesystem::create_directories(folder);
    return folder;
}

std::string CreateDemo(const std::string& folder, int positions) {
    Locale() = TLocale::Slovenian();
    TDemoArguments arguments;
    arguments.file = folder + "demo.db";
    arguments.positions = positions;
    arguments.day = EncodeDate(2024, 3, 15);
    arguments.force = true;
    CreateDemoDatabase(arguments, std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so",
                       std::string(ZORVEKA_SOURCE_DIR) + "/schema");
    return arguments.file;
}

} // namespace

TTestFolder::TTestFolder(const std::string& name) : Path(CreatedFolder(name)) {}

TTestFolder::~TTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
}

TDemoDay::TDemoDay(const std::string& name, int positions) : Folder(name) {
    const std::string file = CreateDemo(Folder.Path, positions);
    LogOnEngine(DM.OracleSession1, std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so", file, "demo", "demo");
    TOracleQuery format;
    format.SetSession(&DM.OracleSession1);
    format.SetSQLText("ALTER SESSION SET NLS_DATE_FORMAT = 'DD.MM.YYYY'");
    format.Execute();
    Context.AppDir = Folder.Path;
    Context.ReportDay = EncodeDate(2024, 3, 15);
    BeriPodatke(Context);
}

} // namespace apptest
