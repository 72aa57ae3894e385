// The group columns of the grouping form's group result: drawn in the caption colour with a plain
// font in the caption text colour, so that the keys stand apart from the sums beside them. The
// focus rectangle stays the base grid's.
#pragma once

#include "grid/DataGridCells.h"

class TToolGrid;

class TGroupColumnCells : public TFocusCellDelegate {
    Q_OBJECT
public:
    explicit TGroupColumnCells(TToolGrid& grid);

    //! Draws the first groupCount columns of grid as group columns, the others as plain cells.
    void MarkGroupColumns(int groupCount);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    TToolGrid& FGrid;
};
