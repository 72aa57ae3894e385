// One column value as the engine carries it between SQLite and a client's buffers: NULL, integer,
// real or text (DATE values are text in the stored form).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct sqlite3_stmt;

namespace ocisqlite {

using Value = std::variant<std::monostate, int64_t, double, std::string>;
using Row = std::vector<Value>;

Value ColumnValue(sqlite3_stmt* stmt, int column);
Row CurrentRow(sqlite3_stmt* stmt);

} // namespace ocisqlite
