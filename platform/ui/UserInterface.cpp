// Keeps the current user interface; the console one stands in until the program installs its own.
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
