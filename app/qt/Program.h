// The desktop program as main assembles it: the user interface and the logon dialog installed,
// the grids' chart and print services, the data access layer's command line, and the main window,
// whose start-up runs on the first activation. The end-to-end check assembles it the same way.
#pragma once

#include "app/qt/MainWindow.h"
#include "oracle/OracleLogon.h"
#include "platform/ui/UiGuards.h"

#include <memory>
#include <string>
#include <vector>

class TProgram {
public:
    //! Needs the QApplication; ui and logonDialog stay installed while the program lives.
    TProgram(const std::vector<std::string>& commandLine, IUserInterface& ui, ILogonDialog& logonDialog);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    TMainWindow& Form() { return *FForm; }
    //! The event loop until the window ends the application; its exit code.
    int Exec();

private:
    TScopedUi FUi;
    ILogonDialog* FPreviousDialog;
    std::unique_ptr<TMainWindow> FForm;
};

//! argv as strings, the program first.
std::vector<std::string> CommandLine(int argc, char** argv);
