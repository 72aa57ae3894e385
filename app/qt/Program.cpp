// Assembling the program. The window is shown and asked to become active; the activation itself
// (by the window manager or the X server) starts the logon, so the window paints before it.
#include "app/qt/Program.h"

#include "app/qt/WindowMemory.h"
#include "grid/chart/GraphButton.h"
#include "grid/print/PrintButtons.h"
#include "oracle/OracleCI.h"
#include "platform/ui_qt/FocusFrameStyle.h"
#include "platform/ui_qt/QtTranslations.h"

#include <QApplication>
#include <QLocale>

TProgram::TProgram(const std::vector<std::string>& commandLine, IUserInterface& ui, ILogonDialog& logonDialog)
    : FUi(ui), FPreviousDialog(SetDefaultLogonDialog(&logonDialog)) {
    // Qt's own dialogs and calendars in Slovenian (dd.MM.yyyy, comma decimals), whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::Slovenian, QLocale::Slovenia));
    InstallQtTranslations();
    InstallFocusFrameStyle();
    InstallGraphButton();
    InstallPrintButtons();
    SetOracleCommandLine(commandLine);
    FForm = std::make_unique<TMainWindow>(commandLine);
    RestoreWindow(*FForm);
    QApplication::setApplicationName(QString::fromStdString(FForm->Context().ProgramName));
    FForm->show();
    FForm->activateWindow();
}

TProgram::~TProgram() {
    RememberWindow(*FForm);
    FForm.reset();
    SetDefaultLogonDialog(FPreviousDialog);
}

int TProgram::Exec() {
    return FForm->Terminated() ? 0 : QApplication::exec();
}

std::vector<std::string> CommandLine(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
