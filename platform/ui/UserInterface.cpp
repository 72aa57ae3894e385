// Keeps the current user interface; the console one stands in until the program installs its own.
// The line breaks of the system's texts are read the same way by every implementation.
#include "platform/ui/UserInterface.h"

#include "platform/ui/ConsoleUi.h"

namespace {

IUserInterface& ConsoleDefault() {
    static TConsoleUi console;
    return console;
}

IUserInterface* current = nullptr;

} // namespace

IUserInterface& Ui() {
    return current ? *current : ConsoleDefault();
}

IUserInterface* SetUi(IUserInterface* ui) {
    IUserInterface* previous = current;
    current = ui;
    return previous;
}

std::string DisplayLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (text[i] == '\r' && !crLf)
            result += '\n';
        else if (text[i] != '\r')
            result += text[i];
    }
    return result;
}
