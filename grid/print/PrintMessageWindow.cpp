// The print window's widgets; Step lets pending events run so that Cancel is heard.
#include "grid/print/PrintMessageWindow.h"

#include "grid/print/PageEngine.h"

#include <QApplication>
#include <QCheckBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TPrintMessageWindow::TPrintMessageWindow(QWidget* parent)
    : QDialog(parent), gMaster(new QProgressBar(this)), gDetail(new QProgressBar(this)),
      btnCancel(new QPushButton("Cancel", this)) {
    setWindowTitle("Print");
    // Modal while it shows: a second printout cannot start inside the first.
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gMaster);
    layout->addWidget(gDetail);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    connect(btnCancel, &QPushButton::clicked, this, [this] { FCancelled = true; });
}

void TPrintMessageWindow::ShowProgress(int recordMax, int detailMax, int detailPosition, int recordPosition) {
    FCancelled = false;
    gMaster->setRange(0, std::max(recordMax, 0));
    gMaster->setValue(std::clamp(recordPosition, 0, gMaster->maximum()));
    gDetail->setRange(0, std::max(detailMax, 0));
    gDetail->setValue(std::clamp(detailPosition, 0, gDetail->maximum()));
    gDetail->setVisible(detailMax != 0);
    show();
}

bool TPrintMessageWindow::StepProgress(int recordPosition, int detailPosition) {
    gMaster->setValue(std::clamp(recordPosition, 0, gMaster->maximum()));
    gDetail->setValue(std::clamp(detailPosition, 0, gDetail->maximum()));
    repaint();
    QApplication::processEvents();
    return !FCancelled;
}

bool TPrintMessageWindow::RunPrinterDialog(QPrinter& printer, TPrintChoice& choice) {
    QPrintDialog prnDlg(&printer, this);
    prnDlg.setMinMax(1, TPageEngine::AllPagesLast);
    prnDlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
    auto* fitPage = new QWidget;
    fitPage->setWindowTitle("Prilagoditev");
    auto* fit = new QCheckBox(QString::fromUtf8("prilagodi širini strani"), fitPage);
    fit->setChecked(choice.FitToWidth);
    (new QVBoxLayout(fitPage))->addWidget(fit, 0, Qt::AlignTop);
    prnDlg.setOptionTabs({fitPage});
    printer.setPrintRange(QPrinter::AllPages);
    if (prnDlg.exec() != QDialog::Accepted)
        return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    choice.FirstPage = range ? printer.fromPage() : 1;
    choice.LastPage = range ? printer.toPage() : TPageEngine::AllPagesLast;
    choice.FitToWidth = fit->isChecked();
    // The engine skips the pages outside the range itself; the printer must not skip them again.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    return true;
}
