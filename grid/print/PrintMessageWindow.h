// The print window ("Print"): the records gauge, a second gauge shown only when it has a maximum,
// and Cancel; it also runs the printer dialog that chooses printer, file and page range.
#pragma once

#include "grid/print/PrintCanvas.h"

#include <QDialog>

class QPrinter;
class QProgressBar;
class QPushButton;

//! What the printer dialog chose beside the printer itself.
struct TPrintChoice {
    int FirstPage = 1;
    int LastPage = 999;
    bool FitToWidth = false; //!< "prilagodi širini strani"
};

class TPrintMessageWindow : public QDialog, public IPrintProgress {
    Q_OBJECT
public:
    explicit TPrintMessageWindow(QWidget* parent = nullptr);

    void ShowProgress(int recordMax, int detailMax, int detailPosition, int recordPosition) override;
    bool StepProgress(int recordPosition, int detailPosition) override;
    void HideProgress() override { hide(); }

    //! Runs the printer dialog (pages 1 to 999, whole document preselected, orientation and paper
    //! left to the printer's own settings, a page of its own for fitting to the page width). False
    //! when cancelled; otherwise the range to draw (the chosen From and To, or 1 and 999) and the fit.
    bool RunPrinterDialog(QPrinter& printer, TPrintChoice& choice);

    QProgressBar* gMaster;
    QProgressBar* gDetail;
    QPushButton* btnCancel;

private:
    bool FCancelled = false;
};
