// The transfer run without a window: the command line is read, the alias resolved, one silent logon
// attempt made, and StartPrenosa run for the given day and risk type. Nothing asks a question; all
// messages and progress texts go to err.
#pragma once

#include <ostream>
#include <string>
#include <vector>

//! The exit status of zorveka-run.
namespace TRunExit {
inline constexpr int Completed = 0;    //!< run, preview and closing procedure done (also a day without data)
inline constexpr int Stopped = 1;      //!< an error stopped the run
inline constexpr int UsageOrLogon = 2; //!< the command line was unusable or the logon failed
inline constexpr int ReportLost = 3;   //!< the run completed, its --report file could not be written
} // namespace TRunExit

//! Runs the whole batch for commandLine (program name first) and returns its exit status.
int RunBatch(const std::vector<std::string>& commandLine, std::ostream& err);
