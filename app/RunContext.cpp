// The labels of a run when no window shows them.
#include "app/RunContext.h"

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
