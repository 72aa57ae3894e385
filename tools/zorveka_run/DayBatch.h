// Many report days and risk types in one batch of zorveka-run: each day and risk type is a run of its
// own, exactly what a single run is (its claim, journal row, commit and closing procedure), on the
// batch's one logon, in date order and then risk type order.
#pragma once

#include "RunArguments.h"

#include "app/RunContext.h"

#include <ostream>

//! Ends the batch after the run under way, which RequestRunStop cancels; safe in a signal handler.
void RequestBatchStop() noexcept;

//! Runs the batch on the logged-on context, messages and progress on err, the summary on out;
//! returns the batch's exit status (TRunExit).
int RunDayBatch(TRunContext& logon, const TRunArguments& arguments, std::ostream& err, std::ostream& out);
