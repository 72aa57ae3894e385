// The sort dialog's list and the application of a clicked line.
#include "grid/SortDialog.h"

#include "grid/ToolGrid.h"
#include "platform/dataset/DataSource.h"
#include "platform/localdb/Table.h"

TSortDialog::TSortDialog(QWidget* parent) : TGridDialog(parent) {
    setupUi(this);
    connect(lbInx, &QListWidget::currentRowChanged, this, [this](int row) { lbInxClick(row); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TSortDialog& TSortDialog::Instance() {
    static TSortDialog* instance = new TSortDialog();
    return *instance;
}

void TSortDialog::Prepare(TDataSource* dataSource, TSortInfo* sortInfo, TSortItemCallback callback) {
    FSortInfo = sortInfo;
    FCallback = std::move(callback);
    FTable = dataSource ? dynamic_cast<TTable*>(dataSource->DataSet()) : nullptr;
    const QSignalBlocker blocker(lbInx);
    lbInx->clear();
    FOrders = BuildSortOrders(FTable, FSortInfo, static_cast<bool>(FCallback));
    for (const TSortOrderLine& line : FOrders.Lines)
        lbInx->addItem(QString::fromStdString(line.Caption));
    lbInx->setCurrentRow(FOrders.Selected);
}

bool TSortDialog::Execute(TDataSource* dataSource, TSortInfo* sortInfo, TSortItemCallback callback) {
    Prepare(dataSource, sortInfo, std::move(callback));
    return exec() == QDialog::Accepted;
}

void TSortDialog::lbInxClick(int row) {
    if (row < 0 || row >= static_cast<int>(FOrders.Lines.size()))
        return;
    RunGuarded(
        [&] { ApplySortOrder(FOrders.Lines[static_cast<size_t>(row)], FTable, FSortInfo, FCallback); });
}
