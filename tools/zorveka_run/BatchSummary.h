// The summary of a batch: one line per day and risk type with the run's outcome, the rows it stored
// and its seconds, as a table on stdout and as a CSV file as the program's export writes one.
#pragma once

#include "platform/settings/DateTime.h"

#include <ostream>
#include <string>
#include <vector>

//! The outcomes a batch adds to the journal's (zaključen, ni podatkov, neuspešen, preklican).
namespace batch {
inline const char* const kNotRun = "ni izveden"; //!< after --stop-on-error or a stop
inline const char* const kSkipped = "preskočen"; //!< completed before, on --resume
} // namespace batch

struct TBatchRun {
    TDateTime Day = 0;
    int RiskType = 0;
    std::string Outcome = batch::kNotRun;
    bool Ran = false; //!< rows and seconds are only a run's that ran
    long long Rows = 0;
    double Seconds = 0;
};

//! Completed, without data, or skipped as completed before: what leaves the batch's exit status 0.
bool CountsAsCompleted(const TBatchRun& run);

//! The table, a heading line and one aligned line per run.
void PrintSummary(const std::vector<TBatchRun>& runs, std::ostream& out);

//! The same as CSV (UTF-8 with a byte-order mark, ';', decimal comma); raises Exception when the
//! file cannot be written.
void WriteSummaryCsv(const std::vector<TBatchRun>& runs, const std::string& fileName);
