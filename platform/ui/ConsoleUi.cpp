// Console output of messages and questions: one text per line, a lone CR breaking it as in a message
// box (written as it stands, it would let a terminal overwrite the start of a text, a closing status,
// with its rest); a question is shown with the answer the console gives it, as nobody is there.
#include "platform/ui/ConsoleUi.h"

#include <iostream>

void TConsoleProgress::Start(const std::string& title, int maximum) {
    out_ << title << " (" << maximum << ")" << std::endl;
}

TConsoleUi::TConsoleUi() : TConsoleUi(std::cerr) {}

TConsoleUi::TConsoleUi(std::ostream& out) : out_(out), progress_(out) {}

void TConsoleUi::ShowMessage(const std::string& text) {
    out_ << DisplayLineBreaks(text) << std::endl;
}

void TConsoleUi::ShowError(const std::string& text) {
    out_ << DisplayLineBreaks(text) << std::endl;
}

bool TConsoleUi::AskYesNo(const std::string& question) {
    out_ << question << " -> No" << std::endl;
    return false;
}
