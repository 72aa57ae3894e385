// The layer's few contacts with the screen: the cursor a session or statement shows while it waits
// on the server, and message boxes. Both go through platform/ui, so the layer itself has no Qt.
#pragma once

#include <string>

//! The screen cursor a component shows during its client calls.
enum class TScreenCursor { crDefault, crHourGlass, crSQLWait };

//! Shows the wait cursor for the scope unless the component's cursor is crDefault.
class TScreenCursorGuard {
public:
    explicit TScreenCursorGuard(TScreenCursor cursor);
    ~TScreenCursorGuard();
    TScreenCursorGuard(const TScreenCursorGuard&) = delete;
    TScreenCursorGuard& operator=(const TScreenCursorGuard&) = delete;

private:
    bool FShown;
};

//! A message box with an OK button.
void ShowOracleMessage(const std::string& text);
//! The standard confirmation box with Yes and No; true for Yes.
bool AskOracleQuestion(const std::string& text);
