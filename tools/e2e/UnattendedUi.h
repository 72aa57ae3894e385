// The Qt user interface of the program with its message boxes turned into a record: nobody is
// there to press OK, so messages, errors and questions are kept and echoed to stderr instead of
// shown; events, the wait cursor and the progress window stay Qt's. Questions are answered No.
#pragma once

#include "oracle/OracleLogon.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <string>
#include <vector>

class TUnattendedUi : public IUserInterface {
public:
    std::vector<std::string> Messages;
    std::vector<std::string> Errors;

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ProcessMessages() override { FQt.ProcessMessages(); }
    void BeginWaitCursor() override { FQt.BeginWaitCursor(); }
    void EndWaitCursor() override { FQt.EndWaitCursor(); }
    IProgress& Progress() override { return FQt.Progress(); }

private:
    TQtUserInterface FQt;
};

//! The logon dialog nobody can fill in: a refused automatic logon ends there.
class TUnattendedLogonDialog : public ILogonDialog {
public:
    bool ShowLogon(const TLogonDialogSetup& setup, TLogonFields& fields) override;
    void ShowPasswordChange(TOracleSession& session) override;
};
