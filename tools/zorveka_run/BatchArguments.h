// A batch on zorveka-run's command line: --days as days and ranges of days, --risk as a list of
// risk types, and the options that only a batch takes. Each day and risk type of a batch is a run of
// its own, in date order and then in the order of the risk types.
#pragma once

#include "RunArguments.h"

#include <set>

//! "DD.MM.YYYY", "DD.MM.YYYY..DD.MM.YYYY" or a comma-separated list of them, in date order; a day
//! given twice, an empty item or a range that ends before it begins raises EUsageError.
std::vector<TDateTime> ParseDayList(const std::string& text);

//! "0", "1", "2" or a comma-separated list of them, in ascending order; raises EUsageError.
std::vector<int> ParseRiskList(const std::string& text);

//! Whether the command line asks for a batch rather than for one run as before: --days (even of one
//! day), more than one risk type, or an option of a batch.
bool IsDayBatch(const TRunArguments& arguments);

//! Completes a run's or a batch's day and risk types (days: the text of --days, among given) and
//! raises EUsageError for a batch with an option of a single run.
void CheckBatchArguments(TRunArguments& arguments, const std::set<std::string>& given,
                         const std::string& days);
