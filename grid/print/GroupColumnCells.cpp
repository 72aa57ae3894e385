// Group columns of the group result; see GroupColumnCells.h.
#include "grid/print/GroupColumnCells.h"

#include "grid/ToolGrid.h"

#include <QApplication>

TGroupColumnCells::TGroupColumnCells(TToolGrid& grid) : TFocusCellDelegate(grid), FGrid(grid) {}

void TGroupColumnCells::MarkGroupColumns(int groupCount) {
    for (int column = 0; column < FGrid.ColumnCount(); ++column)
        FGrid.setItemDelegateForColumn(column, column < groupCount ? this : nullptr);
    FGrid.viewport()->update();
}

void TGroupColumnCells::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    TFocusCellDelegate::initStyleOption(option, index);
    const QPalette& palette = QApplication::palette();
    option->backgroundBrush = palette.brush(QPalette::Active, QPalette::Highlight);
    option->palette.setColor(QPalette::Text, palette.color(QPalette::Active, QPalette::HighlightedText));
    option->font.setBold(false);
}
