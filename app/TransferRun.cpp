// Prepis strings the run's steps together in their fixed order, inside one transaction; StartPrenosa
// wraps it the way the start button does. Pending window messages are processed only at the listed
// points, as the run has no thread of its own.
#include "app/TransferRun.h"

#include "app/ClosingProcedure.h"
#include "app/DataSetReading.h"
#include "app/FifoCleanup.h"
#include "app/LookupCycle.h"
#include "app/LotCopy.h"
#include "app/Preview.h"
#include "app/RunTransaction.h"
#include "app/SignCleanup.h"
#include "app/SourceExtraction.h"
#include "app/TransferRunSteps.h"
#include "app/journal/RunJournal.h"
#include "oracle/OracleProgress.h"
#include "platform/settings/DateText.h"

namespace {

// The steps a failure or a cancel is reported at. The deletions and the opening of the result
// tables name their table in their own message.
enum class TKorak { Brisanje, Pozicije, Fifo1, Fifo2, Predznaki, Loti, Nacrti };

void Sporocilo(TRunContext& context, const std::string& text) {
    context.Labels->ShowSporocilo(text);
    Ui().ProcessMessages();
}

// The position of a failed step: its sequence number, account and contract as the dataset holds them.
std::string Pozicija(TOracleDataSet& dataSet, int seq, const char* konto, const char* pogodba) {
    return std::to_string(seq) + " (konto " + dataSet.FieldByName(konto).AsString() + ", pogodba " +
           dataSet.FieldByName(pogodba).AsString() + ")";
}

std::string KjeKorak(TRunContext& context, TKorak korak) {
    TDataModule& dm = context.DM;
    switch (korak) {
    case TKorak::Pozicije:
        if (dm.Q1.Active() && !dm.Q1.Eof())
            return "poziciji " + Pozicija(dm.Q1, dm.Q1.RecNo(), "KONTO", "IDPOG");
        return "zapisu pozicij";
    case TKorak::Fifo1:
        return "brisanju FIFO po datumu otvoritve";
    case TKorak::Fifo2:
        return "brisanju FIFO po datumu zapadlosti";
    case TKorak::Predznaki:
        return "brisanju po predznakih";
    case TKorak::Loti:
        return "prepisu števila lotov";
    case TKorak::Nacrti:
        if (dm.Qoblim.Active() && !dm.Qoblim.Eof())
            return "amortizacijskem načrtu pozicije " +
                   Pozicija(dm.Qoblim, dm.Qoblim.FieldByName("ID_SEQ_OBLIM").AsInteger(), "ID_KONTO",
                            "POGODBA");
        return "amortizacijskih načrtih";
    case TKorak::Brisanje:
        break;
    }
    return {};
}

// Everything from the deletions to the plans; korak follows the step under way.
void Koraki(TRunContext& context, TRowOutput& output, int n, TKorak& korak, TRunJournal& journal) {
    BrisanjeStarihRezultatov(context, output);
    OdpriRezultateZaDodajanje(context, output);
    // The valuation of the previous run may have left the system's rendering of the day.
    output.OblimRow.DAT_STANJA = FormatDayMonthYear(context.ReportDay);
    korak = TKorak::Pozicije;
    TSourceTotals sourceTotals;
    ZapisPozicij(context, output, n, sourceTotals);
    journal.SourceRead(sourceTotals);
    journal.AfterStep(TJournalStep::Zapis);
    Ui().ProcessMessages();
    ShowProgress(context, "Brisanje nultih podatkov ...");
    korak = TKorak::Fifo1;
    FIFOBrisanje1(context, output.RiskType);
    journal.AfterStep(TJournalStep::Fifo1);
    korak = TKorak::Fifo2;
    FIFOBrisanje2(context, output.RiskType);
    journal.AfterStep(TJournalStep::Fifo2);
    korak = TKorak::Predznaki;
    BrisanjePoPredznakih(context, output.RiskType);
    journal.AfterStep(TJournalStep::Predznaki);
    korak = TKorak::Loti;
    RedundancnoFilanjeStevilaLotov(context, output.RiskType);
    korak = TKorak::Nacrti;
    ZapisAmortizacijskihNacrtov(context, output);
    // A cancel asked for after the last progress text still comes before the commit.
    if (RunCancelRequested(context))
        throw ERunCancelled();
}

// The committed OBLIM rows of the day, for the grid's source after the run; read as the grid reaches them.
void PokaziZapisano(TRunContext& context, const TRowOutput& output) {
    TOracleDataSet& oblim = context.DM.Qoblim;
    const TReadingScope asReached(oblim, false, oblim.CountAllRecords);
    try {
        RunLookup(oblim,
                  "SELECT * FROM OBLIM " + DayAndRiskCondition(output.OblimRow.DAT_STANJA, output.RiskType));
    } catch (const std::exception&) {
        // The results are committed; the preview that follows shows them or says why it cannot.
    }
}

// Four times a second and more, so that the window never seems to hang.
constexpr unsigned kProgressMs = 200;

const char* const kOstajajo = ". Prejšnji rezultati dneva so ostali nespremenjeni.";

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return {};
    }
}

// The run; the journal records how it ended. The source rows are read whole inside the transaction,
// as the extraction is opened, and their count is that of the rows read.
void PrepisVDnevniku(TRunContext& context, TRowOutput& output, TRunJournal& journal) {
    TRunTransaction transaction(context, output.RiskType);
    const int n = BeriPodatke(context);
    Sporocilo(context, "Prepis podatkov ...");
    if (n == 0) {
        transaction.Rollback();
        Ui().ShowMessage("Za izbrani dan " + FormatShortDate(context.ReportDay) + " ni podatkov!");
        journal.NoData();
        return;
    }
    journal.Extracted(n);
    output.OblimRow.DAT_STANJA = FormatDayMonthYear(context.ReportDay);
    const TLookupCacheScope lookups(context.DM.Lookups);
    TKorak korak = TKorak::Brisanje;
    try {
        Koraki(context, output, n, korak, journal);
        journal.Completed();
        transaction.Commit();
        PokaziZapisano(context, output);
    } catch (...) {
        const std::string kje = KjeKorak(context, korak);
        transaction.Rollback();
        // A cancel may also end a statement in the middle (ORA-01013): it is the cancel still.
        if (RunCancelRequested(context)) {
            journal.Stopped(journal::kCancelled, kje, {});
            Ui().ShowMessage("Prenos je preklican pri " + kje + kOstajajo);
            throw ERunCancelled();
        }
        journal.Stopped(journal::kFailed, kje, CurrentErrorText());
        if (!kje.empty())
            Ui().ShowMessage("Prenos ni uspel pri " + kje + kOstajajo);
        throw;
    }
    Sporocilo(context, "Branje podatkov v grid  ...");
    Predogled(context, output.RiskType);
    context.Labels->HideSporocilo();
}

} // namespace

void Prepis(TRunContext& context, TRowOutput& output) {
    ClearRunCancel(context);
    // A long statement lets the window draw and see a cancel, which ends the statement at once.
    const TStatementProgress progress(
        [&] {
            Ui().ProcessMessages();
            return RunCancelRequested(context);
        },
        kProgressMs);
    RefuseRunInProgress(context, output.RiskType);
    TRunJournal journal(context, output.RiskType);
    try {
        PrepisVDnevniku(context, output, journal);
    } catch (...) {
        // A stop before the run's steps (the claim, the extraction) is recorded here.
        journal.Stopped(RunCancelRequested(context) ? journal::kCancelled : journal::kFailed, {},
                        CurrentErrorText());
        throw;
    }
}

void StartPrenosa(TRunContext& context, TRowOutput& output) {
    context.Labels->SetGridSource(context.DM.dsNull);
    Ui().ProcessMessages();
    Prepis(context, output);
    context.Labels->SetGridSource(context.DM.DSecb);
    context.Labels->HideSporocilo();
    Ui().ProcessMessages();
    Predogled(context, output.RiskType);
    // The grid has the preview now; an open cursor would be read to its end when the procedure's
    // transaction begins.
    context.DM.Qoblim.Close();
    PrepissProceduroVDnevnik(context, output.RiskType);
}
