// The locate dialog "Iskanje": pick a field, type a value, and move the grid's dataset to the
// first or next record whose display text matches (exactly, or as a prefix). One per process,
// kept; its field list is rebuilt only for another data source.
#pragma once

#include "grid/DialogBases.h"
#include "ui_LocateDialog.h"

class TDataSource;
class TField;

class TLocateDialog : public TGridWindow, public Forms::Ui::TLocateDialog {
    Q_OBJECT
public:
    explicit TLocateDialog(QWidget* parent = nullptr);

    //! Fills the field list for a new data source and shows the dialog modally; true on OK.
    bool Execute(TDataSource* dataSource);
    //! Prepares the list for dataSource without showing anything.
    void Prepare(TDataSource* dataSource);
    static TLocateDialog& Instance();

    //! The next match of the last search in dataSource; the dialog when it was last used elsewhere
    //! or has no field chosen.
    void FindNext(TDataSource* dataSource);
    //! The searches of the two buttons; errors and the not-found message go to the ui.
    void btnFindFirstClick() { Search(true); }
    void btnFindNextClick() { Search(false); }

private:
    void cbFieldsChange();
    void Search(bool fromFirst);
    const TField* ChosenField() const;

    TDataSource* FDataSource = nullptr;
};
