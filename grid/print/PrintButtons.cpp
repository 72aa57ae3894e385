// The grids' print, print-group and export buttons; see PrintButtons.h.
#include "grid/print/PrintButtons.h"

#include "grid/GridHooks.h"
#include "grid/ToolGrid.h"
#include "grid/print/DataSetPrintForm.h"
#include "grid/print/ListPrint.h"
#include "platform/dataset/DataSource.h"

namespace {

TDataSet* GridDataSet(TToolGrid& grid) {
    return grid.DataSource() ? grid.DataSource()->DataSet() : nullptr;
}

void PrintList(TToolGrid& grid) {
    TDataSet* dataSet = GridDataSet(grid);
    if (!dataSet)
        return;
    // The notification follows the range dialog, so a cancelled printout is never announced.
    PrintGrid(grid.labelText(), grid.font(), *dataSet, [dataSet] { NotifyGridAction(dataSet, "P"); });
}

void PrintGroups(TToolGrid& grid) {
    if (TDataSet* dataSet = GridDataSet(grid))
        PrintGridGrouped(*dataSet, grid.labelText());
}

void Export(TToolGrid& grid) {
    if (TDataSet* dataSet = GridDataSet(grid))
        ExportDataSet(*dataSet);
}

} // namespace

void InstallPrintButtons() {
    GridServices().PrintList = PrintList;
    GridServices().PrintGroups = PrintGroups;
    GridServices().Export = Export;
}
