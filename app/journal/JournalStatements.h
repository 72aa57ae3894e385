// The statements that read the run journal, a run's reconciliation and the comparison of two report
// days. The window opens them in its tool grids and the batch runner prints them, so both show the
// same columns and the same check.
#pragma once

#include "app/journal/JournalQuery.h"
#include "platform/settings/DateTime.h"

#include <string>

struct TJournalStatement {
    std::string Sql;
    TJournalValues Values;
};

//! The journal rows of the runs started since the given moment, the newest first.
TJournalStatement JournalListing(TDateTime since);

//! The id of the newest completed run of the day and risk type.
TJournalStatement LastCompletedRun(TDateTime day, int riskType);

//! A run's reconciliation per account and currency: the extracted ZNESEK, the amounts the valuation
//! wrote, what each clean-up pass removed or changed and the final OBLIMD1 totals, in the account's
//! and the domestic currency, rounded to cents, and USKLAJENO ("DA"/"NE"): whether the written
//! amount is the opposite of the extracted one and the positions left after the passes add up to
//! the final totals, to the cent, in both currencies.
TJournalStatement Reconciliation(long long journalId);

//! The positions of the earlier and the later day (or, with archive, the archived rows of the later
//! day against its current ones) by account, contract and currency that are new, gone or changed,
//! with their amounts and differences, the largest change in the domestic currency first.
TJournalStatement DayComparison(TDateTime before, TDateTime after, int riskType, bool archive = false);

//! The same comparison summed per account: both days' totals and their difference, largest first.
TJournalStatement AccountComparison(TDateTime before, TDateTime after, int riskType, bool archive = false);

//! The columns of the reconciliation, in the order of its statement.
namespace reconciliation {
enum TColumn {
    Konto,
    Valuta,
    Izvor,
    Zapisano,
    ZapisanoDom,
    Fifo1,
    Fifo1Dom,
    Fifo2,
    Fifo2Dom,
    Predznaki,
    PredznakiDom,
    Koncno,
    KoncnoDom,
    Usklajeno,
    ColumnCount
};
}

class TOracleDataSet;

//! Opens dataSet read-only over the statement with its values bound, for a tool grid.
void OpenJournalDataSet(TOracleDataSet& dataSet, const TJournalStatement& statement);
