// Cursor and message helpers over the user-interface interface of platform/ui.
#include "oracle/OracleVisual.h"

#include "platform/ui/UserInterface.h"

TScreenCursorGuard::TScreenCursorGuard(TScreenCursor cursor) : FShown(cursor != TScreenCursor::crDefault) {
    if (FShown)
        Ui().BeginWaitCursor();
}

TScreenCursorGuard::~TScreenCursorGuard() {
    if (FShown)
        Ui().EndWaitCursor();
}

void ShowOracleMessage(const std::string& text) {
    Ui().ShowMessage(text);
}

bool AskOracleQuestion(const std::string& text) {
    return Ui().AskYesNo(text);
}
