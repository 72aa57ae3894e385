// Reading SQLite's current row into engine values. Text is copied, so a row outlives the step that
// produced it.
#include "platform/oci_sqlite/Value.h"

#include <sqlite3.h>

namespace ocisqlite {

Value ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(stmt, column);
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_NULL:
        return std::monostate{};
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return std::string(text, sqlite3_column_bytes(stmt, column));
    }
    }
}

Row CurrentRow(sqlite3_stmt* stmt) {
    const int count = sqlite3_column_count(stmt);
    Row row;
    row.reserve(count);
    for (int i = 0; i < count; ++i)
        row.push_back(ColumnValue(stmt, i));
    return row;
}

} // namespace ocisqlite
