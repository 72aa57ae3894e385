// The sort dialog "Sort": lists a local table's indexes (the current one selected) and the grid's
// sort items, and applies a line as soon as it is clicked. One per process, kept.
#pragma once

#include "grid/DialogBases.h"
#include "grid/SortOrders.h"
#include "ui_SortDialog.h"

class TDataSource;

class TSortDialog : public TGridDialog, public Forms::Ui::TSortDialog {
    Q_OBJECT
public:
    explicit TSortDialog(QWidget* parent = nullptr);

    //! Fills the list for the data source and sort info and shows the dialog modally; true on OK.
    bool Execute(TDataSource* dataSource, TSortInfo* sortInfo, TSortItemCallback callback);
    //! Fills the list without showing the dialog.
    void Prepare(TDataSource* dataSource, TSortInfo* sortInfo, TSortItemCallback callback);
    static TSortDialog& Instance();

private:
    void lbInxClick(int row);

    TSortInfo* FSortInfo = nullptr;
    TSortItemCallback FCallback;
    TTable* FTable = nullptr;
    TSortOrders FOrders; // parallel to lbInx
};
