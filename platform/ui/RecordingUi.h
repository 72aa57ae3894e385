// A user interface for tests: it records every message, question and progress call, answers
// questions from a script (No once the script is used up) and can press Cancel at a chosen step.
#pragma once

#include "platform/ui/UserInterface.h"

#include <deque>
#include <string>
#include <vector>

class TRecordingUi : public IUserInterface, private IProgress {
public:
    // Recorded, in order of arrival.
    std::vector<std::string> Messages;
    std::vector<std::string> Errors;
    std::vector<std::string> Questions;
    // "Start <title> <maximum>", "Step <n>", "Stop": n counts the steps since the last Start.
    std::vector<std::string> ProgressCalls;
    int ProcessMessagesCount = 0;
    int WaitCursorDepth = 0;    // open TWaitCursor scopes now
    int WaitCursorMaxDepth = 0; // deepest nesting seen

    // The next answers, first in first used.
    std::deque<bool> Answers;
    // Step number n (1-based, counted from Start) raises EAbort, as a user's Cancel would; 0 never.
    int CancelAtStep = 0;

    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    bool AskYesNo(const std::string& question) override;
    void ProcessMessages() override { ++ProcessMessagesCount; }
    void BeginWaitCursor() override;
    void EndWaitCursor() override { --WaitCursorDepth; }
    IProgress& Progress() override { return *this; }

private:
    void Start(const std::string& title, int maximum) override;
    void Step() override;
    void Stop() override { ProgressCalls.push_back("Stop"); }

    int steps_ = 0;
};
