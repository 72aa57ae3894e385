// A check that a demo database feeds the transfer run: the day's extraction statement of the
// source rows, as the run builds it, run over it and counted by account class. Used by the tests
// and the benchmark.
#pragma once

#include "oracle/Oracle.h"
#include "platform/settings/DateTime.h"

#include <map>
#include <string>
#include <vector>

// Runs a query and returns its rows with every column read as text (NULL as the empty text).
std::vector<std::vector<std::string>> QueryRows(TOracleSession& session, const std::string& sql);

// Source rows of the day by VKNT; the session's date format is set to DD.MM.YYYY first.
std::map<std::string, int> ExtractedRowsByClass(TOracleSession& session, TDateTime day);
