// The data cells of the base grid: the view's own drawing, then a focus rectangle around the
// selected cells while the grid has the focus.
#pragma once

#include <QStyledItemDelegate>

class TVoskCustomDbGrid;

class TFocusCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TFocusCellDelegate(TVoskCustomDbGrid& grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TVoskCustomDbGrid& FGrid;
};
