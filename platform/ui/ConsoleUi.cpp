// Console output of messages and questions: one text per line; a question is shown with the answer
// the console gives it, because nobody is there to answer.
#include "platform/ui/ConsoleUi.h"

#include <iostream>
#include <string>

namespace {

// A lone carriage return breaks the line, as in a message box; written as it stands, it would let a
// terminal overwrite the first part of the message (a closing status with its text) with the rest.
std::string WithLineBreaks(const std::string& text) {
    std::string result = text;
    for (std::size_t i = 0; i < result.size(); ++i)
        if (result[i] == '\r' && (i + 1 == result.size() || result[i + 1] != '\n'))
            result[i] = '\n';
    return result;
}

} // namespace

void TConsoleProgress::Start(const std::string& title, int maximum) {
    out_ << title << " (" << maximum << ")" << std::endl;
}

TConsoleUi::TConsoleUi() : TConsoleUi(std::cerr) {}

TConsoleUi::TConsoleUi(std::ostream& out) : out_(out), progress_(out) {}

void TConsoleUi::ShowMessage(const std::string& text) {
    out_ << WithLineBreaks(text) << std::endl;
}

void TConsoleUi::ShowError(const std::string& text) {
    out_ << WithLineBreaks(text) << std::endl;
}

bool TConsoleUi::AskYesNo(const std::string& question) {
    out_ << question << " -> No" << std::endl;
    return false;
}
