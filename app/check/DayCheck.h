// The data-quality check of a report day: before any run, every gap in the reference data that the
// day's positions meet. It only reads: no journal row, no claim, no commit.
#pragma once

#include "app/check/CheckFindings.h"
#include "oracle/Oracle.h"
#include "platform/settings/DateTime.h"

//! The findings of the day's positions; raises a database error unchanged.
TCheckFindings PreveriPodatke(TOracleSession& session, TDateTime reportDay);
