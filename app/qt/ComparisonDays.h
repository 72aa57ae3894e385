// Before two days are compared: a day without results of the risk type would show every position
// of the other day as new or gone, so the comparison is not made and the user is told which day
// lacks results and which days have them.
#pragma once

#include "oracle/Oracle.h"
#include "platform/settings/DateTime.h"

#include <string>

//! Empty when both days have results; otherwise the message. With archive the earlier day is read
//! from the archive.
std::string MissingComparisonDay(TOracleSession& session, TDateTime before, TDateTime after, int riskType,
                                 bool archive);
