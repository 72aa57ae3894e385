// Oracle's 18-character extended ROWID text for a SQLite row: the table's data object number, a
// relative file number of 1, and the SQLite rowid split into block (high bits) and row (low 18 bits).
// Decoding gives back the SQLite rowid, so a ROWID a client fetched finds its row again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct sqlite3;

namespace ocisqlite {

struct RowAddress {
    int64_t objectNumber = 0;
    int64_t rowid = 0;
};

std::string EncodeRowid(const RowAddress& address);
// Empty when the text is not 18 base-64 digits.
std::optional<RowAddress> DecodeRowid(const std::string& text);

// The data object number of a table: its root page, 0 when there is no such table.
int64_t TableObjectNumber(sqlite3* db, const std::string& table);

// Registers the translator's ROWID functions (names in Translator.h) on a connection.
void RegisterRowidFunctions(sqlite3* db);

} // namespace ocisqlite
