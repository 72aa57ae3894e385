// Splits a script in the usual Oracle command-line form into statements: a SQL statement ends with
// ";" at the end of a line, a procedure or anonymous block with a line holding only "/". The
// schema scripts are written this way, so the console and the demo set-up can run them as well.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orasql {

// Statements without their terminating ";" or "/"; comment-only and blank lines between
// statements are skipped.
std::vector<std::string> SplitScript(std::string_view script);

} // namespace orasql
