// The command line of zorveka-run: the start-up's positional arguments (alias, user, password,
// optional user code), the report day and the risk type, whether to print the layer's counts, the
// journal's options: a report of the run's reconciliation, the recent runs, a comparison, and a batch
// of days and risk types (BatchArguments.h).
// The data access layer's NAME=value arguments are left to the layer.
#pragma once

#include "platform/settings/DateTime.h"
#include "platform/settings/Exceptions.h"

#include <string>
#include <vector>

struct TRunArguments {
    std::vector<std::string> Positional;
    TDateTime Day = 0;
    int RiskType = 0;
    bool Stats = false;   //!< print the statements and commits the run sent
    std::string Report;   //!< write the run's reconciliation to this file
    std::string Export;   //!< write the run's result grid to this file, in the format of its suffix
    bool Journal = false; //!< list the runs of the last JournalDays days instead of running
    int JournalDays = 7;
    bool Compare = false; //!< print the comparison of CompareDay with Day instead of running
    TDateTime CompareDay = 0;
    std::vector<TDateTime> Days; //!< a batch's days in date order (--days); Day is the first
    std::vector<int> RiskTypes;  //!< a batch's risk types in their order (--risk)
    bool StopOnError = false;
    bool Resume = false;
    std::string Summary; //!< a batch's summary as CSV
    bool Check = false;  //!< check the day's reference data instead of running
};

//! Raised for a command line the runner cannot use; the message says what is wrong.
class EUsageError : public Exception {
public:
    using Exception::Exception;
};

extern const char kRunUsage[];

//! A day in its fixed form DD.MM.YYYY; raises EUsageError naming the option.
TDateTime ParseDay(const std::string& option, const std::string& text);
//! 0, 1 or 2; raises EUsageError.
int ParseRiskType(const std::string& text);

//! Parses the whole command line (program name first); raises EUsageError.
TRunArguments ParseRunArguments(const std::vector<std::string>& commandLine);
