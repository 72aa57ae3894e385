// Where a killed or stopped batch picks up. The batch keeps its start and its days and risk types in
// a state file beside its summary; on --resume the journal tells which of them a run started since
// then has completed, and those are skipped.
#pragma once

#include "oracle/Oracle.h"
#include "platform/settings/DateTime.h"

#include <string>
#include <vector>

struct TBatchState {
    TDateTime Start = 0; //!< to the second, no later than the batch's first run began
    std::vector<TDateTime> Days;
    std::vector<int> RiskTypes;
};

//! The state file of the batch whose summary is summaryFile.
std::string BatchStateFile(const std::string& summaryFile);

//! The batch as it starts now; its start is the current second.
TBatchState StartingBatch(const std::vector<TDateTime>& days, const std::vector<int>& riskTypes);

//! Writes the state; raises Exception when the file cannot be written.
void WriteBatchState(const std::string& fileName, const TBatchState& state);

//! Reads a state written by WriteBatchState; raises Exception for a file that is not one.
TBatchState ReadBatchState(const std::string& fileName);

//! Whether a run of the day and risk type started since the moment has completed, its closing
//! procedure included, or found the day without data; raises EOracleError without the journal.
bool CompletedSince(TOracleSession& session, TDateTime since, TDateTime day, int riskType);
