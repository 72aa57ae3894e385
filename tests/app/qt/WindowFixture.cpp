// The databases come from the demo generator's own functions, so the window meets the schema and
// the data the program meets; the alias file is the one form the program reads.
#include "WindowFixture.h"

#include "oracle/OracleCI.h"
#include "platform/settings/Locale.h"
#include "platform/ui/UiGuards.h"
#include "tools/demo_db/DemoDatabase.h"
#include "tools/demo_db/EngineLibrary.h"

#include <QDate>
#include <QDateEdit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace windowtest {

namespace {

const std::string kLibrary = std::string(ZORVEKA_BIN_DIR) + "/liboci_sqlite.so";

std::string NewFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) /
        ("window-" + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

} // namespace

const TDateTime WindowTest::DemoDay = EncodeDate(2024, 3, 15);

QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "test_app_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

void TProbedUi::ProcessMessages() {
    TRecordingUi::ProcessMessages();
    if (OnProcessMessages)
        OnProcessMessages();
}

void WindowTest::SetUp() {
    Locale() = TLocale::Slovenian();
    Folder = NewFolder();
    Database = Folder + "zorveka-test.db";
    setenv("ZORVEKA_APPDIR", Folder.c_str(), 1);
    unsetenv("ZORVEKA_ALIASES");
    // The window's settings (opened once per process) go to the tests' own folder, not the user's.
    setenv("XDG_CONFIG_HOME", ZORVEKA_TEST_OUTPUT_DIR "/window-settings", 1);
    std::ofstream(Folder + "aliases.ini") << "[DEMO]\nTYPE=ORACLE\nSERVER NAME=" << Database << "\n";
    FUiScope = std::make_unique<TScopedUi>(RecordingUi);
}

void WindowTest::TearDown() {
    FWindow.reset();
    FUiScope.reset();
    std::filesystem::remove_all(Folder);
}

void WindowTest::CreateEmptyDatabase() {
    CreateEngineDatabase(kLibrary, Database, "demo", "demo");
}

void WindowTest::CreateDemoDatabase() {
    TDemoArguments arguments;
    arguments.file = Database;
    arguments.positions = 30;
    arguments.day = DemoDay;
    ::CreateDemoDatabase(arguments, kLibrary, std::string(ZORVEKA_SOURCE_DIR) + "/schema");
}

void WindowTest::RunSql(const std::vector<std::string>& statements) {
    TOracleSession session;
    LogOnEngine(session, kLibrary, Database, "demo", "demo");
    TOracleQuery query("Setup");
    query.SetSession(&session);
    for (const std::string& statement : statements) {
        query.SetSQLText(statement);
        query.Execute();
    }
    session.Commit();
}

std::string WindowTest::QueryValue(const std::string& statement) {
    TOracleSession session;
    LogOnEngine(session, kLibrary, Database, "demo", "demo");
    TOracleQuery query("Value");
    query.SetSession(&session);
    query.SetSQLText(statement);
    query.Execute();
    return query.ColumnAsString(0);
}

TMainWindow& WindowTest::Window(const std::vector<std::string>& arguments) {
    std::vector<std::string> commandLine{"zorveka"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    commandLine.push_back("OCIDLL=" + kLibrary);
    SetOracleCommandLine(commandLine);
    FWindow = std::make_unique<TMainWindow>(commandLine, Launcher);
    FWindow->OnTerminate = [this] { ++Terminations; };
    return *FWindow;
}

TMainWindow& WindowTest::StartedWindow(TDateTime day) {
    TMainWindow& window = Window();
    window.AppActivate();
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    window.eDan->setDate(QDate(year, month, dayOfMonth));
    return window;
}

} // namespace windowtest
