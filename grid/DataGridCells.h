// The data cells of the base grid: the view's own drawing, then a focus rectangle around the
// selected cells while the grid has the focus; a value too wide for its cell shows whole in a tooltip.
#pragma once

#include <QStyledItemDelegate>

class TCustomDataGrid;

class TFocusCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TFocusCellDelegate(TCustomDataGrid& grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    TCustomDataGrid& FGrid;
};
