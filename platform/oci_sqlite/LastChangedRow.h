// Remembers the last row a session's statements inserted, updated or deleted, from SQLite's update
// hook, as the ROWID Oracle reports for the last row processed. The engine's own catalog tables
// (sequence counters bumped inside a statement) do not count.
#pragma once

#include "platform/oci_sqlite/RowidCodec.h"

#include <optional>
#include <string>

struct sqlite3;

namespace ocisqlite {

class LastChangedRow {
public:
    explicit LastChangedRow(sqlite3* db);
    LastChangedRow(const LastChangedRow&) = delete;
    LastChangedRow& operator=(const LastChangedRow&) = delete;

    void Forget() { changed_ = false; }
    // The address of the last row changed since Forget(), if any.
    std::optional<RowAddress> Get();

private:
    static void Hook(void* self, int operation, const char* database, const char* table, int64_t rowid);
    sqlite3* db_;
    bool changed_ = false;
    std::string table_;
    int64_t rowid_ = 0;
};

} // namespace ocisqlite
