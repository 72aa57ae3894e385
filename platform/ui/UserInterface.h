// What the logic may ask of whoever shows it: messages, Yes/No questions, pending events, the wait
// cursor and a progress window. The program installs one implementation at start-up (console by
// default, Qt in the desktop program, recording in tests); the logic reaches it through Ui().
#pragma once

#include <string>

// One progress window per process. Step lets pending events run and raises EAbort once the user
// has pressed Cancel; a window without Cancel never raises.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void Start(const std::string& title, int maximum) = 0;
    virtual void Step() = 0;
    virtual void Stop() = 0;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Texts are shown exactly as given; a lone "\r" is a line break to the reader.
    virtual void ShowMessage(const std::string& text) = 0;
    // The error display of the top level: the message of an exception that ended a user action.
    virtual void ShowError(const std::string& text) = 0;
    // True for Yes. Without anyone to ask, the answer is No.
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void ProcessMessages() = 0;

    // Nested begin/end pairs; use TWaitCursor rather than calling these directly.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    virtual IProgress& Progress() = 0;
};

// The current implementation; the console one until SetUi installs another.
IUserInterface& Ui();
// Installs ui (nullptr: back to the console) and returns the one it replaces. The caller keeps ownership.
IUserInterface* SetUi(IUserInterface* ui);

//! A lone CR of the system's texts is a line break to the reader; CR LF stays one break.
std::string DisplayLineBreaks(const std::string& text);
