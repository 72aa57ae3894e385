// One SQLite connection on a database file, set up the way every session needs it: WAL journal (a
// killed process loses only uncommitted work), a bounded wait for the write lock, the engine's SQL
// functions. Creating a database file is a separate step: a logon never creates one.
#pragma once

#include <memory>
#include <string>

struct sqlite3;

namespace ocisqlite {

struct ConnectionCloser {
    void operator()(sqlite3* db) const;
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

// ORA-12154 when the file does not exist.
Connection OpenDatabase(const std::string& path);

// Creates the file with the engine's catalog tables and its first user; refuses an existing file.
void CreateDatabase(const std::string& path, const std::string& user, const std::string& password);

// Runs a statement without result rows; SQLite errors become Oracle errors.
void Exec(sqlite3* db, const char* sql);

// How long a writer waits for another session's lock; OCISQLITE_BUSY_TIMEOUT_MS overrides 5000 ms.
// A value that is no positive number of milliseconds is refused (ORA-02097) rather than ignored.
int BusyTimeoutMs();

} // namespace ocisqlite
