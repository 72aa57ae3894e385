// The labels of a run when no window shows them.
#include "app/RunContext.h"

#include "platform/ui/UserInterface.h"

#include <atomic>

namespace {

std::atomic<bool> gStopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only store lock-free atomics");

class TNoRunLabels : public IRunLabels {
public:
    void ShowSporocilo(const std::string&) override {}
    void HideSporocilo() override {}
    void SetStevec(const std::string&) override {}
    void SetStevilo(const std::string&) override {}
    void SetKorak(const std::string&) override {}
    void SetGridSource(TDataSource&) override {}
};

} // namespace

IRunLabels& NoRunLabels() {
    static TNoRunLabels labels;
    return labels;
}

void RequestRunStop() noexcept {
    gStopRequested = true;
}

bool RunCancelRequested(const TRunContext& context) {
    return context.CancelRequested || gStopRequested;
}

void ClearRunCancel(TRunContext& context) {
    context.CancelRequested = false;
    gStopRequested = false;
}

void ShowProgress(TRunContext& context, const std::string& text) {
    context.Labels->ShowSporocilo(text);
    Ui().ProcessMessages();
    if (RunCancelRequested(context))
        throw ERunCancelled();
}
