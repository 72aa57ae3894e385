// The operations behind the tool buttons, the sort items and the column persistence of a grid.
#include "grid/ToolGrid.h"

#include "grid/ClipboardText.h"
#include "grid/ColumnChooserDialog.h"
#include "grid/ColumnSort.h"
#include "grid/GridColumns.h"
#include "grid/GridHooks.h"
#include "grid/LocateDialog.h"
#include "grid/SortDialog.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"
#include "platform/localdb/Table.h"
#include "platform/ui/UiGuards.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// A data source switched off for a scope, so that its views do not follow what a handler does.
class TSourceDisabled {
public:
    explicit TSourceDisabled(TDataSource& source) : FSource(source), FWasEnabled(source.Enabled()) {
        FSource.SetEnabled(false);
    }
    ~TSourceDisabled() { FSource.SetEnabled(FWasEnabled); }

private:
    TDataSource& FSource;
    bool FWasEnabled;
};

} // namespace

bool TToolGrid::IsActive() const {
    return DataSource() && DataSource()->DataSet() && DataSource()->DataSet()->Active();
}

void TToolGrid::Zoom() {
    if (!HasButton(FgridButtons, TGridButton::gbZoom))
        return;
    if (OnZoom)
        return OnZoom(*this);
    if (!ZoomHandler() || !DataSource())
        return;
    TSourceDisabled disabled(*DataSource());
    // Master sources belong to linked tables, which no dataset of this system is.
    ZoomHandler()(nullptr, DataSource()->DataSet());
}

void TToolGrid::ChooseColumns() {
    if (!HasButton(FgridButtons, TGridButton::gbView) || !IsActive())
        return;
    TDataSet& dataSet = *DataSource()->DataSet();
    TDisableControlsGuard controls(dataSet);
    ApplySelected();
    std::vector<TColumnEntry> on;
    std::vector<TColumnEntry> off;
    BuildColumnLists(dataSet, on, off);
    if (!TColumnChooserDialog::Instance().Execute(on, off))
        return;
    ApplyColumnLists(on, off);
    StoreSelected();
}

void TToolGrid::Print() {
    if (!HasButton(FgridButtons, TGridButton::gbPrint) || !IsActive())
        return;
    if (OnPrint) {
        NotifyGridAction(DataSource()->DataSet(), "P");
        return OnPrint(*this);
    }
    UpdateLabel();
    if (GridServices().PrintList)
        GridServices().PrintList(*this);
}

void TToolGrid::PrintGroups() {
    if (!DataSource() || !DataSource()->DataSet())
        return;
    TWaitCursor wait;
    NotifyGridAction(DataSource()->DataSet(), "G");
    if (GridServices().PrintGroups)
        GridServices().PrintGroups(*this);
}

void TToolGrid::Locate() {
    if (HasButton(FgridButtons, TGridButton::gbLocate) && IsActive())
        TLocateDialog::Instance().Execute(DataSource());
}

void TToolGrid::Sort() {
    if (!HasButton(FgridButtons, TGridButton::gbSort))
        return;
    const bool ownOrders = FSortInfo.Count() > 0 || !IsActive() ||
                           dynamic_cast<const TTable*>(DataSource()->DataSet()) != nullptr;
    if (ownOrders) {
        TSortDialog::Instance().Execute(DataSource(), &FSortInfo,
                                        [this](TSortInfoItem* item) { SelectSortItem(item); });
        return;
    }
    // No order of the program's: the user sorts by any column shown.
    TDataSet& dataSet = *DataSource()->DataSet();
    TSortInfo columns;
    FillColumnSortOrders(dataSet, columns);
    TSortDialog::Instance().Execute(DataSource(), &columns, [&dataSet](TSortInfoItem* item) {
        TWaitCursor wait;
        SortByField(dataSet, item->ColumnInfoList().Items(0).ColumnName);
    });
}

void TToolGrid::RefreshData() {
    if (!IsActive())
        return;
    TWaitCursor wait;
    DataSource()->DataSet()->Refresh();
}

void TToolGrid::Graph() {
    if (GridServices().Graph)
        GridServices().Graph(*this);
}

void TToolGrid::CopyToClipboard() {
    if (!IsActive())
        return;
    const std::string text = GridClipboardText(*DataSource()->DataSet(), FlabelText);
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    NotifyGridAction(DataSource()->DataSet(), "E");
}

void TToolGrid::Export() {
    if (!DataSource() || !DataSource()->DataSet())
        return;
    NotifyGridAction(DataSource()->DataSet(), "E");
    if (GridServices().Export)
        GridServices().Export(*this);
}

void TToolGrid::SelectSortItem(TSortInfoItem* item) {
    SortItemIndex = FSortInfo.IndexOf(item);
    FChosenSortItem = SortItemIndex < 0 ? nullptr : item;
    if (OnCustomSort)
        OnCustomSort(*this, CurrentSortItem());
}

TSortInfoItem* TToolGrid::CurrentSortItem() {
    // By identity, not by position alone: after a deletion the position may hold another item.
    SortItemIndex = FSortInfo.IndexOf(FChosenSortItem);
    return SortItemIndex < 0 ? nullptr : &FSortInfo.Items(SortItemIndex);
}

void TToolGrid::StoreSelected() {
    if (IsActive())
        Fselected = SelectedLines(*DataSource()->DataSet());
}

void TToolGrid::ApplySelected() {
    if (IsActive())
        ApplySelectedLines(*DataSource()->DataSet(), Fselected);
}
