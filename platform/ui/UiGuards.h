// Scoped states of the user interface, undone on every path out of a scope, exceptions included:
// the wait cursor, a running progress window, and (for tests and tools) a temporarily installed ui.
#pragma once

#include "platform/ui/UserInterface.h"

#include <string>

class TWaitCursor {
public:
    TWaitCursor() : ui_(Ui()) { ui_.BeginWaitCursor(); }
    ~TWaitCursor() { ui_.EndWaitCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    IUserInterface& ui_; // the cursor is restored where it was set, even if the ui changes meanwhile
};

// Starts the progress window and hides it again when the scope ends, also on Cancel (EAbort).
class TProgressScope {
public:
    TProgressScope(const std::string& title, int maximum) : progress_(Ui().Progress()) {
        progress_.Start(title, maximum);
    }
    ~TProgressScope() { progress_.Stop(); }
    TProgressScope(const TProgressScope&) = delete;
    TProgressScope& operator=(const TProgressScope&) = delete;

    void Step() { progress_.Step(); }

private:
    IProgress& progress_;
};

class TScopedUi {
public:
    explicit TScopedUi(IUserInterface& ui) : previous_(SetUi(&ui)) {}
    ~TScopedUi() { SetUi(previous_); }
    TScopedUi(const TScopedUi&) = delete;
    TScopedUi& operator=(const TScopedUi&) = delete;

private:
    IUserInterface* previous_;
};
