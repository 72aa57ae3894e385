// Turns a SQLite failure into the Oracle error a client expects ("UNIQUE constraint failed: T.C"
// becomes ORA-00001 with the constraint's owner and name). Every such mapping lives in this file.
#pragma once

#include <string>

struct sqlite3;

namespace ocisqlite {

struct ErrorContext {
    std::string owner;     // user name in upper case, the schema of every table
    bool isUpdate = false; // NOT NULL reads ORA-01407 for an UPDATE, ORA-01400 otherwise
    bool isDelete = false; // a foreign key failing on DELETE means a child row exists
};

[[noreturn]] void ThrowSqliteError(sqlite3* db, int rc, const ErrorContext& context);

} // namespace ocisqlite
