// The column chooser: shown columns in display order and hidden ones alphabetically, with moves
// between them, up / down with auto-repeat while pressed (500 ms, then every 100 ms), and the
// renaming and resizing of the selected column. One per process, kept.
#pragma once

#include "grid/ColumnChooser.h"
#include "grid/DialogBases.h"
#include "ui_ColumnChooserDialog.h"

class QTimer;

class TColumnChooserDialog : public TGridDialog, public Forms::Ui::TColumnChooserDialog {
    Q_OBJECT
public:
    explicit TColumnChooserDialog(QWidget* parent = nullptr);

    //! Shows the two lists modally; on OK rewrites them with the final contents and returns true.
    bool Execute(std::vector<TColumnEntry>& on, std::vector<TColumnEntry>& off);
    //! Fills the lists without showing the dialog.
    void Prepare(const std::vector<TColumnEntry>& on, const std::vector<TColumnEntry>& off);
    const TColumnChooser& Chooser() const { return FChooser; }
    static TColumnChooserDialog& Instance();

    QTimer* tmrBtn;

private:
    void Act(void (TColumnChooser::*move)());
    void StartRepeat(void (TColumnChooser::*move)());
    void StopRepeat();
    void btnDisplayLabelClick();
    void ShowLists();
    void UpdateControls();

    TColumnChooser FChooser;
    void (TColumnChooser::*FRepeated)() = nullptr;
};
