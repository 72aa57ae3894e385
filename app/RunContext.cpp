// The labels of a run when no window shows them.
#include "app/RunContext.h"

#include "platform/ui/UserInterface.h"

namespace {

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

void ShowProgress(TRunContext& context, const std::string& text) {
    context.Labels->ShowSporocilo(text);
    Ui().ProcessMessages();
    if (context.CancelRequested)
        throw ERunCancelled();
}
