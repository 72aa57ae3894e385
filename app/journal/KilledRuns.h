// A run that was killed, or whose end could not be recorded, leaves its journal row "teče"; one
// killed between its commit and the closing procedure leaves it "zaključen" with the closing still
// outstanding. Runs of this computer are told from live ones by their process; rows of other
// computers stay as they are until a run there marks them.
#pragma once

#include "oracle/Oracle.h"

#include <string>

//! The computer's name as the journal and the claim record it.
std::string JournalHostName();

//! The closing status a completed run carries until its closing procedure has run.
inline const char* const kClosingOutstanding = "zaprtje ni bilo izvedeno";

//! Marks the rows of this computer whose process is gone, still "teče" or completed without their
//! closing procedure, as "prekinjen", and commits. With ownRunsEnded (a run about to start) the
//! rows of this process count as gone too.
void MarkKilledRuns(TOracleSession& session, bool ownRunsEnded = false);

//! Whether the last run of the day, of any risk type, ended without its closing procedure.
bool LastClosingOutstanding(TOracleSession& session, TDateTime day);
