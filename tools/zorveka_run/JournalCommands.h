// What zorveka-run does with the run journal: list the recent runs (or export them as the journal
// window's grid would), print the comparison of two report days, write the reconciliation of the
// run it has just made.
#pragma once

#include "app/RunContext.h"

#include <ostream>
#include <string>

//! The journal rows of the runs started in the last days, tab-separated under a header line.
void PrintJournal(TRunContext& context, int days, std::ostream& out);

//! The same rows written to fileName in the export format of its suffix, amounts as the journal
//! window shows them; raises when the file cannot be written.
void ExportJournal(TRunContext& context, int days, const std::string& fileName);

//! The positions new, gone or changed from the day before to the day after, then the totals per
//! account, each tab-separated under a header line.
void PrintComparison(TRunContext& context, TDateTime before, TDateTime after, int riskType,
                     std::ostream& out);

//! The reconciliation of the run just made (context.JournalId) as CSV or HTML; raises when the
//! database keeps no journal or the file cannot be written.
void WriteRunReport(TRunContext& context, const std::string& fileName);
