// The run journal: one OBLI_DNEVNIK row per transfer run and, per account and currency, the totals
// after each step of the run in OBLI_USKLADITEV. The row is committed before the run begins; what
// a completed run adds is written in the run's own transaction, so it is committed with the results
// or not at all, and a failed, cancelled or killed run keeps at least its start. A database without
// the journal tables runs as before, after one warning per window or batch run.
#pragma once

#include "app/RunContext.h"
#include "app/journal/JournalQuery.h"

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
    //! Commits the row of a starting run and keeps its id in context.JournalId (0 without journal).
    TRunJournal(TRunContext& context, int riskType);
    TRunJournal(const TRunJournal&) = delete;
    TRunJournal& operator=(const TRunJournal&) = delete;

    //! The extraction's row count and totals per account and currency; committed, as they stand
    //! before anything is deleted.
    void Extracted(int rows);
    //! The totals and row counts after a step, in the run's transaction.
    void AfterStep(TJournalStep step);
    //! Completes the row in the run's transaction; the caller commits.
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
    TJournalValues Key() const;
    TCounts Counts();
    void InsertTotals(const char* step, const std::string& select);
    void Finish(const std::string& assignments, TJournalValues values);

    TRunContext& FContext;
    const int FRiskType;
    long long FId = 0;
    bool FDone = false;
    TJournalQuery FQuery;
    TCounts FAfter[4];
    long long FExtracted = -1, FLotChanges = 0; //!< -1 until the source rows are counted
};

//! The closing procedure of the run, with its status and text (or its error) added to the run's
//! journal row.
void PrepissProceduroVDnevnik(TRunContext& context, int otLik);
