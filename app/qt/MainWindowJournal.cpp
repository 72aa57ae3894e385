// The journal's menu: each item opens its statement in a tool grid of its own window, the day and
// risk type taken from the controls as a run takes them. The status line reads the last run's row.
#include "app/qt/MainWindow.h"

#include "app/journal/JournalQuery.h"
#include "app/journal/KilledRuns.h"
#include "app/qt/ComparisonDays.h"
#include "app/qt/JournalWindow.h"
#include "grid/ToolGrid.h"
#include "platform/settings/DateText.h"
#include "platform/ui/UserInterface.h"

#include <QInputDialog>
#include <QStatusBar>

void TMainWindow::OpenJournalWindow(const std::string& title, const TJournalStatement& statement) {
    RunGuarded([&] {
        TakeControls();
        auto* window = new TJournalWindow(this, title, FDM.OracleSession1, statement);
        window->show();
    });
}

// A double-click on a run opens its reconciliation.
void TMainWindow::DnevnikPrenosov1Click() {
    RunGuarded([this] {
        MarkKilledRuns(FDM.OracleSession1);
        auto* journal =
            new TJournalWindow(this, "Dnevnik prenosov", FDM.OracleSession1, JournalListing(Now() - 30));
        journal->Grid->OnDblClick = [this, journal] {
            if (journal->DataSet.IsEmpty())
                return;
            const long long id = journal->DataSet.FieldByName("ID").AsLargeInt();
            OpenJournalWindow("Usklajevanje prenosa " + std::to_string(id), Reconciliation(id));
        };
        journal->show();
    });
}

void TMainWindow::Usklajevanje1Click() {
    TakeControls();
    long long id = FContext.JournalId;
    RunGuarded([&] {
        if (id == 0) {
            const TJournalStatement last = LastCompletedRun(FContext.ReportDay, RiskType());
            id = TJournalQuery(FDM.OracleSession1).Count(last.Sql, last.Values);
        }
    });
    if (id == 0) {
        Ui().ShowMessage("Za izbrani dan in vrsto tveganja ni zaključenega prenosa v dnevniku.");
        return;
    }
    OpenJournalWindow("Usklajevanje prenosa " + std::to_string(id), Reconciliation(id));
}

void TMainWindow::PrimerjavaDni1Click() {
    TakeControls();
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, "Primerjava", "Primerjaj z dnem (DD.MM.YYYY):", QLineEdit::Normal,
                              QString::fromStdString(FormatDayMonthYear(FContext.ReportDay - 1)), &ok);
    if (!ok)
        return;
    TDateTime earlier = 0;
    try {
        earlier = ParseShortDate(text.trimmed().toStdString());
    } catch (const std::exception&) {
        Ui().ShowMessage("Dan " + text.toStdString() + " ni veljaven datum.");
        return;
    }
    if (ComparedDaysMissing(earlier, false))
        return;
    OpenJournalWindow("Primerjava " + FormatDayMonthYear(earlier) + " - " +
                          FormatDayMonthYear(FContext.ReportDay),
                      DayComparison(earlier, FContext.ReportDay, RiskType()));
}

bool TMainWindow::ComparedDaysMissing(TDateTime earlier, bool archive) {
    std::string missing;
    RunGuarded([&] {
        missing = MissingComparisonDay(FDM.OracleSession1, earlier, FContext.ReportDay, RiskType(), archive);
    });
    if (!missing.empty())
        Ui().ShowMessage(missing);
    return !missing.empty();
}

void TMainWindow::PrimerjavaArhiv1Click() {
    TakeControls();
    if (ComparedDaysMissing(FContext.ReportDay, true))
        return;
    OpenJournalWindow("Primerjava z arhivom " + FormatDayMonthYear(FContext.ReportDay),
                      DayComparison(FContext.ReportDay, FContext.ReportDay, RiskType(), true));
}

namespace {

// The outcome of the journal row id, empty for a run without one (an older schema, a refused run).
std::string LastRunText(TOracleSession& session, long long id) {
    if (id == 0)
        return {};
    TJournalQuery query(session);
    query.Run("SELECT IZID, DAT_STANJA, OT_LIK, KONEC FROM OBLI_DNEVNIK WHERE ID = :ID",
              {{"ID", TVariant::FromInteger(id)}});
    if (query.Query.Eof())
        return {};
    return "Zadnji prenos: " + ColumnText(query.Query, 0) + ", dan " +
           FormatDayMonthYear(query.Query.ColumnAsDate(1)) + ", vrsta tveganja " +
           ColumnText(query.Query, 2) +
           (query.Query.ColumnIsNull(3) ? "" : ", konec " + FormatDateTime(query.Query.ColumnAsDate(3)));
}

} // namespace

void TMainWindow::ShowLastRunOutcome() {
    statusBar()->clearMessage();
    try {
        std::string text = LastRunText(FDM.OracleSession1, FContext.JournalId);
        // The archive is behind the results while the day's last closing procedure did not run.
        if (LastClosingOutstanding(FDM.OracleSession1, FContext.ReportDay))
            text +=
                (text.empty() ? "" : "; ") + std::string("zaprtje zadnjega prenosa dneva ni bilo izvedeno");
        statusBar()->showMessage(QString::fromStdString(text));
    } catch (const std::exception&) {
        // The status line only informs; the run's own messages have been shown.
    }
}
