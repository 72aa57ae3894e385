// Showing and hiding the shared tool bar over a grid, and routing its clicks.
#include "grid/ToolGrid.h"

#include "grid/CaptionLabel.h"
#include "grid/GridToolBar.h"

#include <QApplication>

namespace {
// Left of the first button.
constexpr int FirstButtonLeft = 8;
} // namespace

void TToolGrid::ShowButtonBar() {
    UpdateLabel();
    FButtonBarShown = true;
    TGridToolBar& bar = GridToolBar();
    bar.Adopt(
        this, [this](TGridButton button) { ButtonClick(button); }, [this] { ButtonBarTaken(); });
    const int top = FLabel ? FLabel->y() - 1 : -1;
    int left = FirstButtonLeft;
    for (TGridButton kind : BarOrder) {
        TGridToolButton& button = bar.Button(kind);
        button.setEnabled(HasButton(FgridButtons, kind));
        button.setParent(parentWidget());
        button.move(left, top);
        button.show();
        button.raise();
        left += button.width();
    }
    if (FLabel)
        FLabel->move(left + FlabelSpacing, FLabel->y());
    ApplyBounds();
}

void TToolGrid::HideButtonBar() {
    SetTitleFontColor(QApplication::palette().color(QPalette::ButtonText));
    FButtonBarShown = false;
    ApplyBounds();
    GridToolBar().DetachAll();
}

void TToolGrid::ButtonBarTaken() {
    // Another grid took the buttons: no strip is left without them.
    FButtonBarShown = false;
    ApplyBounds();
}

void TToolGrid::ButtonClick(TGridButton button) {
    RunGuarded([this, button] {
        switch (button) {
        case TGridButton::gbLocate:
            return Locate();
        case TGridButton::gbZoom:
            return Zoom();
        case TGridButton::gbView:
            return ChooseColumns();
        case TGridButton::gbPrint:
            return Print();
        case TGridButton::gbPrintGroup:
            return PrintGroups();
        case TGridButton::gbRefresh:
            return RefreshData();
        case TGridButton::gbSort:
            return Sort();
        case TGridButton::gbGraph:
            return Graph();
        case TGridButton::gbTitleWordWrap:
            return ToggleTitleWordwrap();
        case TGridButton::gbCopyToClip:
            return CopyToClipboard();
        case TGridButton::gbExport:
            return Export();
        }
    });
}
