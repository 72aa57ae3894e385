// The recording user interface's answers and progress bookkeeping.
#include "platform/ui/RecordingUi.h"

#include "platform/settings/Exceptions.h"

bool TRecordingUi::AskYesNo(const std::string& question) {
    Questions.push_back(question);
    if (Answers.empty())
        return false;
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void TRecordingUi::BeginWaitCursor() {
    ++WaitCursorDepth;
    if (WaitCursorDepth > WaitCursorMaxDepth)
        WaitCursorMaxDepth = WaitCursorDepth;
}

void TRecordingUi::Start(const std::string& title, int maximum) {
    steps_ = 0;
    ProgressCalls.push_back("Start " + title + " " + std::to_string(maximum));
}

void TRecordingUi::Step() {
    ++steps_;
    ProgressCalls.push_back("Step " + std::to_string(steps_));
    if (steps_ == CancelAtStep)
        throw EAbort();
}
