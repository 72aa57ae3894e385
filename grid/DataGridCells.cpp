// Data cell drawing with the focus rectangle.
#include "grid/DataGridCells.h"

#include "grid/DataGrid.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

TFocusCellDelegate::TFocusCellDelegate(TCustomDataGrid& grid) : QStyledItemDelegate(&grid), FGrid(grid) {}

void TFocusCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_HasFocus; // the style's own focus frame would double ours
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_Selected) || !FGrid.hasFocus())
        return;
    painter->save();
    QPen pen(option.palette.color(QPalette::HighlightedText), 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

bool TFocusCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (option.fontMetrics.horizontalAdvance(text) + FGrid.CellMargin() > option.rect.width())
        QToolTip::showText(event->globalPos(), text, view);
    else
        QToolTip::hideText();
    return true;
}
