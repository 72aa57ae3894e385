// The run journal: one OBLI_DNEVNIK row per transfer run and, per account and currency, the totals
// after each step of the run in OBLI_USKLADITEV. The row is committed before the run begins; what
// a completed run adds is written in the run's own transaction, so it is committed with the results
// or not at all, and a failed, cancelled or killed run keeps at least its start. A database without
// the journal tables, or a user without rights on them, runs as before after one warning per window
// or batch run; a journal write that fails is reported as the journal's and the run goes on.
#pragma once

#include "app/RunContext.h"
#include "app/journal/JournalQuery.h"
#include "app/journal/SourceTotals.h"

#include <functional>
#include <string>

//! The outcomes a journal row records; a row still "teče" whose run is gone was killed.
namespace journal {
inline const char* const kRunning = "teče";
inline const char* const kCompleted = "zaključen";
inline const char* const kNoData = "ni podatkov";
inline const char* const kFailed = "neuspešen";
inline const char* const kCancelled = "preklican";
inline const char* const kKilled = "prekinjen";
} // namespace journal

//! The steps after which the run's totals are taken, in the order they run.
enum class TJournalStep { Zapis, Fifo1, Fifo2, Predznaki };

class TRunJournal {
public:
    //! Commits the row of a starting run and keeps its id in context.JournalId (0 without journal),
    //! waiting while other runs hold the journal's locks; raises the refusal of a run whose day and
    //! risk type are in progress.
    TRunJournal(TRunContext& context, int riskType);
    TRunJournal(const TRunJournal&) = delete;
    TRunJournal& operator=(const TRunJournal&) = delete;

    //! The extraction's row count, in the run's transaction.
    void Extracted(int rows);
    //! The extraction's totals per account and currency, in the run's transaction.
    void SourceRead(const TSourceTotals& totals);
    //! The totals and row counts after a step, in the run's transaction.
    void AfterStep(TJournalStep step);
    //! Completes the row in the run's transaction, its closing procedure still to come; the caller
    //! commits.
    void Completed();
    //! A day without source rows; committed.
    void NoData();
    //! After the run's rollback: records the outcome, the failing step or position and the error
    //! text, and commits. Only the first outcome counts; errors here are not the run's to report.
    void Stopped(const char* outcome, const std::string& where, const std::string& error) noexcept;

private:
    struct TCounts {
        long long Oblim = 0, OblimD1 = 0, Positive = 0;
    };

    bool Active() const { return FId != 0 && !FDone; }
    void Start();
    //! The one warning of a journal that cannot be used at all.
    void Unavailable(const EOracleError& error);
    //! Runs a write of the run's figures; a failure is reported as the journal's, once, and the
    //! figures are left out from then on.
    void Write(const std::function<void()>& write);
    TJournalValues Key() const;
    TCounts Counts();
    void InsertTotals(const char* step, const std::string& select);
    void CompletedWithFigures();
    //! Finishes the row outside the run's transaction and commits; errors are not the run's.
    void Committed(const std::function<void()>& finish) noexcept;
    void Finish(const std::string& assignments, TJournalValues values);

    TRunContext& FContext;
    const int FRiskType;
    long long FId = 0;
    bool FDone = false;
    TJournalQuery FQuery;
    TCounts FAfter[4];
    long long FExtracted = -1, FLotChanges = 0; //!< -1 until the source rows are counted
    std::string FFailure;                       //!< the error of a journal write, once one failed
};

//! The closing procedure of the run, with its status and text (or its error) added to the run's
//! journal row.
void PrepissProceduroVDnevnik(TRunContext& context, int otLik);
