// The console's run: logs on from "user/password@database" with one automatic attempt, runs each
// statement of a script and reports errors on the error stream, stopping on the first one if asked.
#pragma once

#include "oracle/Oracle.h"

#include <istream>
#include <ostream>
#include <string>

//! Exit statuses of the console.
namespace TConsoleExit {
inline constexpr int Completed = 0;
inline constexpr int StoppedOnError = 1;
inline constexpr int UsageOrLogon = 2;
} // namespace TConsoleExit

class TSqlConsole {
public:
    TSqlConsole(std::ostream& out, std::ostream& errors) : FOut(out), FErrors(errors) {}
    //! One automatic logon attempt, no dialog; false when the session is not connected.
    bool LogOn(const std::string& connectString);
    //! Runs every statement of the input, then commits as the usual command-line client does on exit.
    int RunScript(std::istream& input, bool stopOnError);
    TOracleSession& Session() { return FSession; }

private:
    void RunStatement(const std::string& sql);

    std::ostream& FOut;
    std::ostream& FErrors;
    TOracleSession FSession;
};
