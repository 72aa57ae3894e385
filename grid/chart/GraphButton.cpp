// The grids' graph button; see GraphButton.h.
#include "grid/chart/GraphButton.h"

#include "grid/GridHooks.h"
#include "grid/ToolGrid.h"
#include "grid/chart/Graph.h"
#include "platform/dataset/Field.h"

namespace {

// Empty when the grid shows fewer columns: the window then opens without data.
std::string ColumnFieldName(const TToolGrid& grid, int column) {
    const TField* field = column < grid.ColumnCount() ? grid.ColumnField(column) : nullptr;
    return field ? field->FieldName() : std::string();
}

} // namespace

void InstallGraphButton() {
    GridServices().Graph = [](TToolGrid& grid) {
        ShowGraph(&grid, grid.DataSource(), ColumnFieldName(grid, 0), ColumnFieldName(grid, 1));
    };
}
