// The labels of a run when no window shows them.
#include "app/RunContext.h"

namespace {

class TNoRunLabels : public IRunLabels {
public:
    void ShowSporocilo(const std::string&) override {}
    void HideSporocilo() override {}
    void SetStevec(const std::string&) override {}
};

} // namespace

IRunLabels& NoRunLabels() {
    static TNoRunLabels labels;
    return labels;
}
