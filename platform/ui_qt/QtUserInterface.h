// The user interface of the desktop program: Qt message boxes and questions, event pumping, the
// hourglass as an override cursor, and the progress window. Installed with SetUi at start-up.
#pragma once

#include "platform/ui/UserInterface.h"

#include <QMessageBox>

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

//! Fills a message box with text. Shown while an exception is being handled (a Cancel is none), the
//! text reports that error: the error icon, and the exception's own text (a database error's whole
//! message) under "Podrobnosti" unless it is the text itself. Otherwise icon is used.
void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const std::string& text);
