// The user interface of the desktop program: Qt message boxes and questions, event pumping, the
// hourglass as an override cursor, and the progress window. Installed with SetUi at start-up.
#pragma once

#include "platform/ui/UserInterface.h"

class TQtUserInterface : public IUserInterface {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    void ProcessMessages() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    IProgress& Progress() override;
};
