// One action of the main window at a time: while a run, a preview or a detail lookup is under way
// (they let pending window messages through), its controls are disabled and the grids ignore
// double-clicks. The guard restores the previous state on every way out, exceptions included.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

class TBusyControls {
public:
    TBusyControls(const std::vector<QWidget*>& controls, bool& busy) : FBusy(busy), FWasBusy(busy) {
        FBusy = true;
        for (QWidget* control : controls) {
            FControls.emplace_back(control, control->isEnabled());
            control->setEnabled(false);
        }
    }
    ~TBusyControls() {
        for (auto& [control, enabled] : FControls)
            if (control)
                control->setEnabled(enabled);
        FBusy = FWasBusy;
    }
    TBusyControls(const TBusyControls&) = delete;
    TBusyControls& operator=(const TBusyControls&) = delete;

private:
    bool& FBusy;
    const bool FWasBusy;
    std::vector<std::pair<QPointer<QWidget>, bool>> FControls;
};
