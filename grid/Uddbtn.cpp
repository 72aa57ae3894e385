// The speed buttons, their name counter and the process-wide bar with its glyphs.
#include "grid/Uddbtn.h"

#include "grid/GridGlyphs.h"

#include <QCoreApplication>

namespace {

int buttonCounter = 0;
constexpr int ButtonSide = 18;

TGlyph GlyphOf(TGridButton button) {
    switch (button) {
    case TGridButton::gbLocate:
        return TGlyph::Locate;
    case TGridButton::gbZoom:
        return TGlyph::Magnifier;
    case TGridButton::gbView:
        return TGlyph::View;
    case TGridButton::gbPrint:
        return TGlyph::Print;
    case TGridButton::gbPrintGroup:
        return TGlyph::PrintGroup;
    case TGridButton::gbRefresh:
        return TGlyph::Refresh;
    case TGridButton::gbSort:
        return TGlyph::Sort;
    case TGridButton::gbGraph:
        return TGlyph::BarChart;
    case TGridButton::gbTitleWordWrap:
        return TGlyph::TitleWordWrap;
    case TGridButton::gbCopyToClip:
        return TGlyph::Copy;
    case TGridButton::gbExport:
        return TGlyph::Export;
    }
    return TGlyph::Magnifier;
}

TGridToolBar* theBar = nullptr;

void DeleteBar() {
    delete theBar;
    theBar = nullptr;
}

} // namespace

TStdBtn::TStdBtn() {
    setObjectName(QString("StdBtn%1").arg(++buttonCounter));
    setAutoRaise(true);
    setFixedSize(ButtonSide, ButtonSide);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus); // a click must not take the focus from the grid that shows the bar
}

TGridToolBar::TGridToolBar() {
    for (int i = 0; i < GridButtonCount; ++i) {
        const auto button = static_cast<TGridButton>(i);
        FButtons[static_cast<size_t>(i)] = new TStdBtn();
        TStdBtn& created = *FButtons[static_cast<size_t>(i)];
        if (button != TGridButton::gbZoom)
            created.setIcon(GridGlyph(GlyphOf(button)));
        QObject::connect(&created, &QToolButton::clicked, [this, button] {
            if (FHandler)
                FHandler(button);
        });
    }
}

TGridToolBar::~TGridToolBar() {
    for (TStdBtn* button : FButtons)
        delete button;
}

void TGridToolBar::Adopt(const void* owner, THandler handler) {
    FOwner = owner;
    FHandler = std::move(handler);
    Button(TGridButton::gbZoom).setIcon(GridGlyph(TGlyph::Magnifier));
}

void TGridToolBar::Release(const void* owner) {
    if (FOwner != owner)
        return;
    FOwner = nullptr;
    FHandler = nullptr;
}

void TGridToolBar::DetachAll() {
    for (TStdBtn* button : FButtons) {
        button->hide();
        button->setParent(nullptr);
    }
}

void TGridToolBar::DetachFrom(const QWidget& window) {
    for (TStdBtn* button : FButtons)
        if (window.isAncestorOf(button)) {
            button->hide();
            button->setParent(nullptr);
        }
}

TGridToolBar& GridToolBar() {
    if (!theBar) {
        theBar = new TGridToolBar();
        // Widgets must go before the application does.
        qAddPostRoutine(DeleteBar);
    }
    return *theBar;
}
