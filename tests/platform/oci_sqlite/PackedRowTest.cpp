// A row read to its end at a transaction boundary is kept packed: unpacked, it must be the row
// SQLite gave, value for value, whatever the kinds and lengths.
#include "platform/oci_sqlite/PackedRow.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

TEST(PackedRow, UnpacksToTheRowSqliteGave) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(db,
                           "SELECT NULL, -9223372036854775808, 9223372036854775807, 0, -0.1, 1e300, '', "
                           "'a' || char(0) || 'b', 'čćž', zeroblob(3), printf('%.5000c', 'x')",
                           -1, &stmt, nullptr),
        SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    ocisqlite::Row unpacked{std::string("left over")};
    ocisqlite::UnpackRow(ocisqlite::PackCurrentRow(stmt), unpacked);
    EXPECT_EQ(unpacked, ocisqlite::CurrentRow(stmt));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

} // namespace
