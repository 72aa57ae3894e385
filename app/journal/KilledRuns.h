// A run that was killed leaves its journal row "teče". Runs of this computer are told from live
// ones by their process; rows of other computers stay as they are until a run there marks them.
#pragma once

#include "oracle/Oracle.h"

#include <string>

//! The computer's name as the journal records it.
std::string JournalHostName();

//! Marks the rows of this computer still "teče" whose process is gone as "prekinjen", and commits.
void MarkKilledRuns(TOracleSession& session);
