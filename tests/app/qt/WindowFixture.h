// The main window under test: a program directory of the test's own with aliases.ini naming an
// engine database (empty, or a small demo database of a fixed day), the data access layer pointed
// at the engine, a recording user interface and an editor launcher that only records.
#pragma once

#include "app/qt/EditorLauncher.h"
#include "app/qt/MainWindow.h"
#include "platform/settings/DateTime.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace windowtest {

QApplication& TestApp();

//! Every command the window asked to start.
class TRecordedLauncher : public IEditorLauncher {
public:
    std::vector<std::vector<std::string>> Commands;
    bool Starts = true; //!< whether the editor could be started
    bool Start(const std::vector<std::string>& command) override {
        Commands.push_back(command);
        return Starts;
    }
};

//! The recording ui with a probe that runs whenever the logic lets window messages through.
class TProbedUi : public TRecordingUi {
public:
    std::function<void()> OnProcessMessages;
    void ProcessMessages() override;
};

class WindowTest : public ::testing::Test {
protected:
    QApplication& App = TestApp();

    void SetUp() override;
    void TearDown() override;

    //! An engine database with the user demo/demo and nothing else.
    void CreateEmptyDatabase();
    //! A demo database of a few positions around DemoDay.
    void CreateDemoDatabase();
    //! Runs statements on a session of its own and commits.
    void RunSql(const std::vector<std::string>& statements);
    //! The single value of a query, as text.
    std::string QueryValue(const std::string& statement);

    //! The window over the command line "zorveka" + arguments + the engine's OCIDLL argument.
    TMainWindow& Window(const std::vector<std::string>& arguments = {"DEMO", "demo", "demo"});
    //! The window after its start-up, showing day.
    TMainWindow& StartedWindow(TDateTime day);

    std::string Folder;   //!< the program directory, ending in "/"
    std::string Database; //!< the database file the alias DEMO names
    TProbedUi RecordingUi;
    TRecordedLauncher Launcher;
    int Terminations = 0;

    static const TDateTime DemoDay;

private:
    std::unique_ptr<TScopedUi> FUiScope;
    std::unique_ptr<TMainWindow> FWindow;
};

} // namespace windowtest
