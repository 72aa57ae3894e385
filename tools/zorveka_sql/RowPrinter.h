// How the console prints query results: a header line of column names and one tab-separated line
// per row; NULL empty, numbers with "." as decimal point, dates as DD.MM.YYYY [HH:MM:SS]. Tabs,
// line breaks, other control characters and the backslash inside values are escaped (\t, \n, \x1b,
// \\), so every line is one row and every tab separates columns.
#pragma once

#include "oracle/Oracle.h"

#include <ostream>
#include <string>

//! A column value as the console prints it.
std::string ConsoleText(const TVariant& value);
//! text with its control characters and backslashes escaped.
std::string EscapedText(const std::string& text);
//! Prints the header and every row of an executed query; returns the number of rows.
int PrintRows(TOracleQuery& query, std::ostream& out);
