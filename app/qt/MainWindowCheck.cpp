// The data-quality check from the window: the report in a read-only text window, its outcome kept
// per day. Before a run of a day whose last check found a stopper the window offers it again; a run
// the user starts anyway is not held back.
#include "app/qt/MainWindow.h"

#include "app/check/CheckReport.h"
#include "app/check/DayCheck.h"
#include "app/qt/CheckMemory.h"
#include "platform/settings/DateText.h"
#include "platform/ui/UserInterface.h"

#include <QDialog>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

void ShowReport(QWidget* parent, const std::string& text) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName("PreverjanjePodatkov");
    dialog->setWindowTitle("Preverjanje podatkov");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* report = new QPlainTextEdit(QString::fromStdString(text), dialog);
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    (new QVBoxLayout(dialog))->addWidget(report);
    dialog->resize(900, 400);
    dialog->show();
}

} // namespace

void TMainWindow::PreveriPodatke1Click() {
    RunExclusive([this] {
        const TCheckFindings findings = PreveriPodatke(FDM.OracleSession1, FContext.ReportDay);
        RememberCheck(FContext.ReportDay, findings.Stops());
        ShowReport(this, CheckReportText(findings, FContext.ReportDay));
    });
}

bool TMainWindow::CheckedInsteadOfRun() {
    TakeControls();
    if (!LastCheckStops(FContext.ReportDay))
        return false;
    if (!Ui().AskYesNo("Zadnje preverjanje podatkov za " + FormatDayMonthYear(FContext.ReportDay) +
                       " je našlo napake, ki ustavijo prenos. Podatke preverim znova namesto prenosa?"))
        return false;
    PreveriPodatke1Click();
    return true;
}
