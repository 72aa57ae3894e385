// The text of a check's findings, the same in the batch runner's output and in the window.
#pragma once

#include "app/check/CheckFindings.h"
#include "platform/settings/DateTime.h"

#include <string>

//! What the run does, in the report's words.
std::string OutcomeText(TCheckOutcome outcome);

//! A summary line, then, when there are findings, a heading and one tab-separated line per finding:
//! kind, key, positions, outcome with its effect, the first positions separated by "; ".
std::string CheckReportText(const TCheckFindings& findings, TDateTime reportDay);
