// Opening and creating database files. Every connection gets the same set-up, so a session and the
// creation step see the same journal mode, lock wait and SQL functions.
#include "platform/oci_sqlite/Connection.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/RowidCodec.h"
#include "platform/oci_sqlite/SqliteErrors.h"
#include "platform/oci_sqlite/UserCatalog.h"

#include "platform/oci_sqlite/sql/OracleFunctions.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace ocisqlite {

void ConnectionCloser::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void Exec(sqlite3* db, const char* sql) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqliteError(db, rc, {});
}

int BusyTimeoutMs() {
    const char* text = std::getenv("OCISQLITE_BUSY_TIMEOUT_MS");
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : 5000;
}

static Connection Open(const std::string& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection db(raw);
    if (rc != SQLITE_OK)
        throw ora::CannotResolveIdentifier();
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, BusyTimeoutMs());
    Exec(raw, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON");
    RegisterRowidFunctions(raw);
    orasql::RegisterOracleFunctions(raw);
    return db;
}

Connection OpenDatabase(const std::string& path) {
    if (path.empty() || access(path.c_str(), F_OK) != 0)
        throw ora::CannotResolveIdentifier();
    return Open(path, SQLITE_OPEN_READWRITE);
}

void CreateDatabase(const std::string& path, const std::string& user, const std::string& password) {
    // O_EXCL makes the existence check and the creation one step.
    const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
    if (fd < 0)
        throw ora::Make(1501,
                        errno == EEXIST ? "CREATE DATABASE failed: file exists" : "CREATE DATABASE failed");
    ::close(fd);
    try {
        Connection db = Open(path, SQLITE_OPEN_READWRITE);
        UserCatalog users(db.get());
        users.CreateTables();
        users.CreateUser(user, password);
    } catch (...) {
        for (const char* suffix : {"", "-wal", "-shm"})
            ::unlink((path + suffix).c_str());
        throw;
    }
}

} // namespace ocisqlite
