// The tool grid's construction, label, visibility, bounds, focus look, and key and mouse rules.
#include "grid/ToolGrid.h"

#include "grid/CaptionLabel.h"
#include "grid/GridColumns.h"
#include "grid/GridSettings.h"
#include "grid/GridToolBar.h"
#include "grid/LocateDialog.h"
#include "platform/dataset/DataSet.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UserInterface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

const std::string TToolGrid::DeleteRefusedText = "Brisanje zapisov v tej tabeli ni dovoljeno.";

namespace {

// Title font colour of a grid that has the focus.
const QColor FocusedTitleColour(0, 0, 128);
// What UpdateLabel leaves of the grid's width for the label: the bar and its margins.
constexpr int LabelWidthReserve = 252;

QFont GridFont(const std::string& name, int size, bool bold) {
    QFont font(QString::fromStdString(name));
    font.setPointSize(size);
    font.setBold(bold);
    return font;
}

// Counts the mouse presses being handled, also when a handler raises.
class TPressScope {
public:
    explicit TPressScope(int& depth) : FDepth(depth) { ++FDepth; }
    ~TPressScope() { --FDepth; }

private:
    int& FDepth;
};

} // namespace

void RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAbort&) {
        // A user's Cancel: nothing to report.
    } catch (const std::exception& error) {
        Ui().ShowError(error.what());
    }
}

TToolGrid::TToolGrid(QWidget* parent) : TDataGrid(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setTabKeyNavigation(false);
    setFont(GridFont("Arial CE", 8, true));
    SetTitleFont(GridFont("Arial CE", 8, false));
    FLabel = new TCaptionLabel(parent);
    QFont labelFont = FLabel->font();
    labelFont.setBold(true);
    FLabel->setFont(labelFont);
    FLabel->setVisible(parent && isVisibleTo(parent));
    FollowParent(nullptr);
}

TToolGrid::~TToolGrid() {
    if (FButtonBarShown)
        HideButtonBar();
    GridToolBar().Release(this);
    delete FLabel; // the label has no use without its grid
}

void TToolGrid::Loaded() {
    const TGridSettings& settings = GridSettings();
    resize(width(), settings.LineHeight);
    setFont(GridFont(settings.FontName, settings.FontSize, true));
    SetTitleFont(GridFont(settings.TitleFontName, settings.TitleFontSize, false));
    ApplySelected();
    FillSortCaptions(FSortInfo, DataSource() ? DataSource()->DataSet() : nullptr);
}

void TToolGrid::SetlabelAlign(TLabelAlign align) {
    FlabelAlign = align;
    UpdateLabel();
}

void TToolGrid::SetlabelText(const std::string& text) {
    if (text == FlabelText)
        return;
    FlabelText = text;
    UpdateLabel();
}

void TToolGrid::SetlabelSpacing(int spacing) {
    FlabelSpacing = spacing;
    UpdateLabel();
}

bool TToolGrid::ShowHorzScrollBar() const {
    return ScrollBars() == TScrollStyle::ssHorizontal || ScrollBars() == TScrollStyle::ssBoth;
}

void TToolGrid::SetShowHorzScrollBar(bool show) {
    SetScrollBars(show ? TScrollStyle::ssHorizontal : TScrollStyle::ssNone);
}

void TToolGrid::SetShowVertscrollBar(bool show) {
    FShowVertscrollBar = show;
    UpdateScrollBars();
}

void TToolGrid::SetgridButtons(TGridButtons buttons) {
    FgridButtons = buttons & AllGridButtons;
}

void TToolGrid::UpdateLabel() {
    if (!FLabel)
        return;
    const QString text = QString::fromStdString(FlabelText);
    FLabel->setText(text);
    FLabel->setToolTip(text);
    FLabel->resize(std::max(0, width() - LabelWidthReserve), FLabel->sizeHint().height());
    if (FLabel->parentWidget() == parentWidget())
        FLabel->stackUnder(this); // drawn beneath the grid, as a label is, until the bar moves the grid
}

void TToolGrid::setVisible(bool visible) {
    if (FLabel && FLabel->parentWidget())
        FLabel->setVisible(visible && FlabelAlign != TLabelAlign::laNone);
    TDataGrid::setVisible(visible);
}

bool TToolGrid::event(QEvent* event) {
    if (event->type() == QEvent::ParentAboutToChange && FButtonBarShown)
        HideButtonBar();
    const bool handled = TDataGrid::event(event);
    if (event->type() == QEvent::ParentChange)
        FollowParent(FWatchedParent);
    return handled;
}

void TToolGrid::FollowParent(QWidget* previous) {
    if (previous)
        previous->removeEventFilter(this);
    FWatchedParent = parentWidget();
    if (FWatchedParent)
        FWatchedParent->installEventFilter(this);
    if (FLabel && FLabel->parentWidget() != parentWidget())
        FLabel->setParent(parentWidget());
}

bool TToolGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        ApplyBounds();
    return TDataGrid::eventFilter(watched, event);
}

void TToolGrid::SetAlign(TAlign align) {
    FAlign = align;
    ApplyBounds();
}

void TToolGrid::SetBounds(const QRect& bounds) {
    FRequestedBounds = bounds;
    ApplyBounds();
}

void TToolGrid::ApplyBounds() {
    QWidget* parent = parentWidget();
    if (!parent || FAlign != TAlign::alClient) {
        if (FRequestedBounds.isValid())
            setGeometry(FRequestedBounds);
        return;
    }
    const QRect client = parent->contentsRect();
    const int top = hasFocus() && FButtonBarShown && FLabel ? FLabel->height() + FlabelSpacing : 0;
    setGeometry(0, top, client.width(), client.height() - top);
}

void TToolGrid::focusInEvent(QFocusEvent* event) {
    TDataGrid::focusInEvent(event);
    SetTitleFontColor(FocusedTitleColour);
}

void TToolGrid::focusOutEvent(QFocusEvent* event) {
    TDataGrid::focusOutEvent(event);
    // Another window taking over is no leaving: the grid is still its window's focus.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    SetTitleFontColor(QApplication::palette().color(QPalette::ButtonText));
    if (FButtonBarShown)
        HideButtonBar();
}

void TToolGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool deleteKey = event->key() == Qt::Key_Delete;
    if (deleteKey && modifiers == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        RunGuarded([] { throw Exception(DeleteRefusedText); });
    } else if (deleteKey && (modifiers & Qt::ControlModifier)) {
        event->accept(); // never reaches a record deletion
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RunGuarded([this] {
            if (OnEnter)
                OnEnter();
            Zoom();
        });
    } else if (!ButtonKey(QKeySequence(event->keyCombination()))) {
        TDataGrid::keyPressEvent(event);
    }
}

bool TToolGrid::ButtonKey(const QKeySequence& key) {
    if (key == LocateNextKey) {
        if (HasButton(FgridButtons, TGridButton::gbLocate) && IsActive())
            TLocateDialog::Instance().FindNext(DataSource());
        return true;
    }
    for (int i = 0; i < GridButtonCount; ++i) {
        const auto button = static_cast<TGridButton>(i);
        if (button == TGridButton::gbZoom || key != ShortcutOf(button))
            continue;
        // As the button: one that is greyed for this grid does nothing.
        if (HasButton(FgridButtons, button))
            ButtonClick(button);
        return true;
    }
    return false;
}

void TToolGrid::mousePressEvent(QMouseEvent* event) {
    TPressScope press(FMousePressDepth);
    TDataGrid::mousePressEvent(event);
}

void TToolGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    TPressScope press(FMousePressDepth);
    TDataGrid::mouseDoubleClickEvent(event);
    RunGuarded([this] {
        if (OnDblClick)
            OnDblClick();
        Zoom();
    });
}

void TToolGrid::ColumnResized(int column, int pixels) {
    TField* field = ColumnField(column);
    if (field && FMousePressDepth > 0) {
        const int average = std::max(1, QFontMetrics(font()).averageCharWidth());
        field->SetDisplayWidth((pixels + average / 2 - 3) / average);
    }
    StoreSelected();
}

void TToolGrid::TitleClick(int column) {
    TDataGrid::TitleClick(column);
    if (FButtonBarShown)
        HideButtonBar();
    else
        ShowButtonBar();
}
