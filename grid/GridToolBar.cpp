// The speed buttons, their name counter and the process-wide bar with its glyphs.
#include "grid/GridToolBar.h"

#include "grid/GridGlyphs.h"

#include <QCoreApplication>
#include <utility>

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

// What a user reads when pointing at a button.
const char* HintOf(TGridButton button) {
    switch (button) {
    case TGridButton::gbLocate:
        return "Iskanje";
    case TGridButton::gbZoom:
        return "Podrobnosti";
    case TGridButton::gbView:
        return "Izbira stolpcev";
    case TGridButton::gbPrint:
        return "Tiskanje";
    case TGridButton::gbPrintGroup:
        return "Tiskanje z grupiranjem in vsotami";
    case TGridButton::gbRefresh:
        return "Osvežitev podatkov";
    case TGridButton::gbSort:
        return "Sortiranje";
    case TGridButton::gbGraph:
        return "Graf";
    case TGridButton::gbTitleWordWrap:
        return "Naslovi stolpcev v več vrsticah";
    case TGridButton::gbCopyToClip:
        return "Kopiranje v odložišče";
    case TGridButton::gbExport:
        return "Izvoz v datoteko";
    }
    return "";
}

} // namespace

QKeySequence ShortcutOf(TGridButton button) {
    switch (button) {
    case TGridButton::gbLocate:
        return QKeySequence(Qt::CTRL | Qt::Key_F);
    case TGridButton::gbZoom:
        return QKeySequence(Qt::Key_Return);
    case TGridButton::gbView:
        return QKeySequence(Qt::CTRL | Qt::Key_K);
    case TGridButton::gbPrint:
        return QKeySequence(Qt::CTRL | Qt::Key_P);
    case TGridButton::gbPrintGroup:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    case TGridButton::gbRefresh:
        return QKeySequence(Qt::Key_F5);
    case TGridButton::gbSort:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    case TGridButton::gbGraph:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
    case TGridButton::gbTitleWordWrap:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
    case TGridButton::gbCopyToClip:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    case TGridButton::gbExport:
        return QKeySequence(Qt::CTRL | Qt::Key_E);
    }
    return {};
}

QString ButtonToolTip(TGridButton button) {
    return QString::fromUtf8(HintOf(button)) + " (" + ShortcutOf(button).toString(QKeySequence::NativeText) +
           ")";
}

namespace {

// Behind every glyph: the bar sits on whatever colour the window has, a navy one included.
const QColor ButtonFace(236, 236, 236);

TGridToolBar* theBar = nullptr;

void DeleteBar() {
    delete theBar;
    theBar = nullptr;
}

} // namespace

TGridToolButton::TGridToolButton() {
    setObjectName(QString("StdBtn%1").arg(++buttonCounter));
    setAutoRaise(true);
    setFixedSize(ButtonSide, ButtonSide);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus); // a click must not take the focus from the grid that shows the bar
    QPalette face = palette();
    face.setColor(QPalette::Window, ButtonFace);
    face.setColor(QPalette::Button, ButtonFace);
    setPalette(face);
    setAutoFillBackground(true);
}

TGridToolBar::TGridToolBar() {
    for (int i = 0; i < GridButtonCount; ++i) {
        const auto button = static_cast<TGridButton>(i);
        FButtons[static_cast<size_t>(i)] = new TGridToolButton();
        TGridToolButton& created = *FButtons[static_cast<size_t>(i)];
        if (button != TGridButton::gbZoom)
            created.setIcon(GridGlyph(GlyphOf(button)));
        created.setToolTip(ButtonToolTip(button));
        QObject::connect(&created, &QToolButton::clicked, [this, button] {
            if (FHandler)
                FHandler(button);
        });
    }
}

TGridToolBar::~TGridToolBar() {
    for (TGridToolButton* button : FButtons)
        delete button;
}

void TGridToolBar::Adopt(const void* owner, THandler handler, std::function<void()> onTaken) {
    // The grid that showed the bar so far gives up its strip; its window may keep the focus on it.
    if (FOwner && FOwner != owner && FOnTaken)
        std::exchange(FOnTaken, nullptr)();
    FOwner = owner;
    FHandler = std::move(handler);
    FOnTaken = std::move(onTaken);
    Button(TGridButton::gbZoom).setIcon(GridGlyph(TGlyph::Magnifier));
}

void TGridToolBar::Release(const void* owner) {
    if (FOwner != owner)
        return;
    FOwner = nullptr;
    FHandler = nullptr;
    FOnTaken = nullptr;
}

void TGridToolBar::DetachAll() {
    for (TGridToolButton* button : FButtons) {
        button->hide();
        button->setParent(nullptr);
    }
}

void TGridToolBar::DetachFrom(const QWidget& window) {
    for (TGridToolButton* button : FButtons)
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
