// Recording instead of showing; the echo lets a failed check be read from the test log.
#include "UnattendedUi.h"

#include <iostream>

void TUnattendedUi::ShowMessage(const std::string& text) {
    Messages.push_back(text);
    std::cerr << "message: " << DisplayLineBreaks(text) << "\n";
}

void TUnattendedUi::ShowError(const std::string& text) {
    Errors.push_back(text);
    std::cerr << "error: " << DisplayLineBreaks(text) << "\n";
}

bool TUnattendedUi::AskYesNo(const std::string& question) {
    Messages.push_back(question);
    std::cerr << "question (answered No): " << DisplayLineBreaks(question) << "\n";
    return false;
}

bool TUnattendedLogonDialog::ShowLogon(const TLogonDialogSetup&, TLogonFields&) {
    std::cerr << "the logon dialog was asked for: the automatic logon failed\n";
    return false;
}

void TUnattendedLogonDialog::ShowPasswordChange(TOracleSession&) {
    std::cerr << "the password-change dialog was asked for\n";
}
