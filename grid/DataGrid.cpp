// The base grid: model wiring, the current record in both directions, appearance properties and
// the column layout from the fields' display widths.
#include "grid/DataGrid.h"

#include "grid/DataGridCells.h"
#include "platform/dataset/DataSet.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>

namespace {

// Height of the title row while titles wrap.
constexpr int WrappedTitleHeight = 45;
// Pixels a title adds to its caption: the edges and the text inset of TTitleHeader, and one spare.
constexpr int TitleMargin = 8;
// A column is never laid out wider than this many digits; a longer value shows its whole text in
// a tooltip.
constexpr int MaxColumnCharacters = 48;

} // namespace

TCustomDataGrid::TCustomDataGrid(QWidget* parent)
    : QTableView(parent), FSelFont(font()), FSelColor(QApplication::palette().color(QPalette::Highlight)),
      FSortColor(QApplication::palette().color(QPalette::Light)),
      FTitleColor(QApplication::palette().color(QPalette::Button)), FTitleFont(font()),
      FTitleFontColor(QApplication::palette().color(QPalette::ButtonText)) {
    setHorizontalHeader(new TTitleHeader(*this));
    setItemDelegate(new TFocusCellDelegate(*this));
    setModel(&FModel);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&FModel, &TDataSetModel::LayoutRebuilt, this, [this] {
        LayoutColumns();
        LayoutChangedHook();
    });
    connect(&FModel, &TDataSetModel::CurrentRecordChanged, this, &TCustomDataGrid::FollowCurrentRecord);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { CurrentRowChosen(current); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { TitleClick(column); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int pixels) {
        if (!FInLayout)
            ColumnResized(column, pixels);
    });
}

TCustomDataGrid::~TCustomDataGrid() {
    FModel.SetDataSource(nullptr);
}

void TCustomDataGrid::SetSelFont(const QFont& font) {
    FSelFont = font;
    LayoutColumns();
}

void TCustomDataGrid::SetSelColor(const QColor& color) {
    FSelColor = color;
    LayoutColumns();
}

void TCustomDataGrid::SetSortColor(const QColor& color) {
    FSortColor = color;
    horizontalHeader()->viewport()->update();
}

void TCustomDataGrid::SetTitleWordwrap(bool wrap) {
    FTitleWordwrap = wrap;
    LayoutColumns();
}

void TCustomDataGrid::SetTitleFont(const QFont& font) {
    FTitleFont = font;
    horizontalHeader()->setFont(font);
    LayoutColumns();
}

void TCustomDataGrid::SetTitleFontColor(const QColor& color) {
    FTitleFontColor = color;
    horizontalHeader()->viewport()->update();
}

void TCustomDataGrid::SetScrollBars(TScrollStyle style) {
    FScrollBars = style;
    UpdateScrollBars();
}

void TCustomDataGrid::UpdateScrollBars() {
    const bool horizontal = FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth;
    const bool vertical = VerticalBarShown();
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int TCustomDataGrid::CharacterPixels() const {
    // A digit is wider than the average letter of most fonts, and codes and amounts are digits.
    const QFontMetrics metrics(font());
    return std::max(metrics.averageCharWidth(), metrics.horizontalAdvance(QLatin1Char('0')));
}

int TCustomDataGrid::CellMargin() const {
    // The delegate's text inset on both sides, and the grid line.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
}

int TCustomDataGrid::ColumnPixels(const TField& field) const {
    const int character = CharacterPixels();
    const int text = std::min(field.DisplayWidth(), MaxColumnCharacters) * character + CellMargin();
    const int title =
        QFontMetrics(FTitleFont).horizontalAdvance(QString::fromStdString(field.DisplayLabel()));
    return std::max(text, std::min(title + TitleMargin, MaxColumnCharacters * character));
}

void TCustomDataGrid::LayoutColumns() {
    // Flagged for the duration, so the widths set here are never taken for the user's.
    const bool wasInLayout = std::exchange(FInLayout, true);
    struct TRestore {
        bool& flag;
        bool value;
        ~TRestore() { flag = value; }
    } restore{FInLayout, wasInLayout};
    for (int column = 0; column < FModel.columnCount(); ++column)
        setColumnWidth(column, ColumnPixels(*FModel.FieldAt(column)));
    const int plainHeight = QFontMetrics(FTitleFont).height() + 6;
    horizontalHeader()->setFixedHeight(FTitleWordwrap ? WrappedTitleHeight : plainHeight);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
}

void TCustomDataGrid::TitleClick(int column) {
    if (OnTitleClick)
        OnTitleClick(column);
}

void TCustomDataGrid::FollowCurrentRecord(int row) {
    if (FFollowing || row < 0)
        return;
    const bool wasFollowing = std::exchange(FFollowing, true);
    const int column = std::max(currentIndex().column(), 0);
    selectionModel()->setCurrentIndex(FModel.index(row, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    FFollowing = wasFollowing;
}

void TCustomDataGrid::CurrentRowChosen(const QModelIndex& current) {
    if (FFollowing || !current.isValid() || !FModel.Active())
        return;
    const bool wasFollowing = std::exchange(FFollowing, true);
    try {
        FModel.DataSet()->SetRecNo(current.row() + 1);
    } catch (const std::exception&) {
        // A record that cannot be reached leaves the dataset where it was.
    }
    FFollowing = wasFollowing;
}
