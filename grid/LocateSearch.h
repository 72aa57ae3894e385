// The search of the locate dialog: the match rule (exact, or a prefix compared with a-z
// upper-cased only) and the walk over a dataset from its first or its next record.
#pragma once

#include <string>
#include <vector>

class TDataSet;

//! The fields the dialog lists, in field order: each once. A column a query selects twice (a
//! join's key from both tables) reaches the dataset as X and X_1; the twin is left out.
std::vector<int> LocateFieldIndexes(const TDataSet& dataSet);
//! Exact: equal, case-sensitive. Otherwise a non-empty prefix, a-z compared without case.
bool LocateMatches(const std::string& displayText, const std::string& value, bool exact);
//! Moves to the first matching record (from the first record, or from the one after the current)
//! with controls disabled; without a match the dataset is left at its end and false returned.
bool LocateRecord(TDataSet& dataSet, int fieldIndex, const std::string& value, bool exact, bool fromFirst);
//! "Ne najdem "value..."", without the dots for an exact search.
std::string LocateNotFoundText(const std::string& value, bool exact);
