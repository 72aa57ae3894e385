// A row kept in one string: a tag byte per value, then 8 bytes of a number or a length and the text.
// A cursor read to its end at a transaction boundary keeps its rows this way, a tenth of the room of
// a row of values, and unpacks each as it is fetched.
#pragma once

#include "platform/oci_sqlite/Value.h"

#include <string>

namespace ocisqlite {

//! SQLite's current row, packed.
std::string PackCurrentRow(sqlite3_stmt* stmt);

//! The values of a packed row, into row (its room is reused).
void UnpackRow(const std::string& packed, Row& row);

} // namespace ocisqlite
