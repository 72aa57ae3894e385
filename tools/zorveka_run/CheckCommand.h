// zorveka-run --check: the data-quality check of the report day instead of a run. It only reads, so
// a scheduler may run it before the night's run and stop there when it exits 4.
#pragma once

#include "app/RunContext.h"

#include <ostream>

//! The exit status of a check; a failed logon or a usage error stays TRunExit::UsageOrLogon, an
//! error that ends the check TRunExit::Stopped.
namespace TCheckExit {
inline constexpr int Clean = 0;          //!< no gap
inline constexpr int ChangesFigures = 3; //!< gaps the run values as 0 or leaves empty
inline constexpr int StopsRun = 4;       //!< a gap that stops the run
} // namespace TCheckExit

//! Prints the check's report of context.ReportDay to out and returns its exit status.
int RunCheck(TRunContext& context, std::ostream& out);
