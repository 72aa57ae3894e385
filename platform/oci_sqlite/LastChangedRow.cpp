// The update hook and the table's data object number. The number is looked up when asked for, so a
// table dropped and made again is never reported under its old number.
#include "platform/oci_sqlite/LastChangedRow.h"

#include <sqlite3.h>

namespace ocisqlite {

LastChangedRow::LastChangedRow(sqlite3* db) : db_(db) {
    sqlite3_update_hook(
        db,
        [](void* self, int op, const char* database, const char* table, sqlite3_int64 rowid) {
            Hook(self, op, database, table, rowid);
        },
        this);
}

void LastChangedRow::Hook(void* self, int, const char*, const char* table, int64_t rowid) {
    auto* tracker = static_cast<LastChangedRow*>(self);
    if (std::string_view(table).rfind("ocisqlite_", 0) == 0)
        return;
    tracker->changed_ = true;
    tracker->table_ = table;
    tracker->rowid_ = rowid;
}

std::optional<RowAddress> LastChangedRow::Get() {
    if (!changed_)
        return std::nullopt;
    return RowAddress{TableObjectNumber(db_, table_), rowid_};
}

} // namespace ocisqlite
