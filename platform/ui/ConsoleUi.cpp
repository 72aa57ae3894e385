// Console output of messages and questions: one text per line, kept as given; a question is shown
// with the answer the console gives it, because nobody is there to answer.
#include "platform/ui/ConsoleUi.h"

#include <iostream>

void TConsoleProgress::Start(const std::string& title, int maximum) {
    out_ << title << " (" << maximum << ")" << std::endl;
}

TConsoleUi::TConsoleUi() : TConsoleUi(std::cerr) {}

TConsoleUi::TConsoleUi(std::ostream& out) : out_(out), progress_(out) {}

void TConsoleUi::ShowMessage(const std::string& text) {
    out_ << text << std::endl;
}

void TConsoleUi::ShowError(const std::string& text) {
    out_ << text << std::endl;
}

bool TConsoleUi::AskYesNo(const std::string& question) {
    out_ << question << " -> No" << std::endl;
    return false;
}
