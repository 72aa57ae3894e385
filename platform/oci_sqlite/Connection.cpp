// Opening and creating database files. Every connection gets the same set-up, so a session and the
// creation step see the same journal mode, lock wait and SQL functions.
#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/StatementProgress.h"

#include "platform/oci_sqlite/ObjectPrivileges.h"

#include "platform/oci_sqlite/CallChains.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/RowidCodec.h"
#include "platform/oci_sqlite/SqliteErrors.h"
#include "platform/oci_sqlite/UserCatalog.h"

#include "platform/oci_sqlite/sql/OracleFunctions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace ocisqlite {

void ConnectionCloser::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

void Exec(sqlite3* db, const char* sql) {
    const EngineStatementScope engine;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqliteError(db, rc, {});
}

int BusyTimeoutMs() {
    const char* text = std::getenv("OCISQLITE_BUSY_TIMEOUT_MS");
    if (!text)
        return 5000;
    // A wait of 0 or less, or a typo, must not quietly become the default wait.
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno != 0 || value <= 0 || value > 3600000)
        throw ora::Make(2097, std::string("parameter cannot be modified because specified value is invalid\n"
                                          "OCISQLITE_BUSY_TIMEOUT_MS=") +
                                  text + ": milliseconds from 1 to 3600000 are needed");
    return static_cast<int>(value);
}

namespace {

bool HasSqliteHeader(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char header[16] = {};
    const ssize_t got = ::read(fd, header, sizeof header);
    ::close(fd);
    return got == static_cast<ssize_t>(sizeof header) && std::memcmp(header, "SQLite format 3", 16) == 0;
}

// Only a file of this engine is set up; anything else is refused before a byte of it changes.
void RequireEngineFile(sqlite3* db, const std::string& path) {
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = 'ocisqlite_users'", -1, &stmt,
                           nullptr) == SQLITE_OK)
        found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    if (!found)
        throw ora::NotADatabase(path);
}

} // namespace

static Connection Open(const std::string& path, int flags, bool existing) {
    if (existing && !HasSqliteHeader(path))
        throw ora::NotADatabase(path);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection db(raw);
    if (rc != SQLITE_OK)
        throw ora::CannotResolveIdentifier();
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, BusyTimeoutMs());
    if (existing)
        RequireEngineFile(raw, path);
    // A server keeps its blocks cached; 32 MiB of pages spare a day's run most rereads of its tables.
    Exec(raw, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; "
              "PRAGMA cache_size=-32768");
    WatchStatementProgress(raw);
    RegisterRowidFunctions(raw);
    RegisterCallChainFunctions(raw);
    orasql::RegisterOracleFunctions(raw);
    return db;
}

Connection OpenDatabase(const std::string& path) {
    if (path.empty() || access(path.c_str(), F_OK) != 0)
        throw ora::CannotResolveIdentifier();
    return Open(path, SQLITE_OPEN_READWRITE, true);
}

void CreateDatabase(const std::string& path, const std::string& user, const std::string& password) {
    // O_EXCL makes the existence check and the creation one step.
    // Readable by its owner only: the file holds the password hashes and the bank's data.
    const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        throw ora::Make(1501,
                        errno == EEXIST ? "CREATE DATABASE failed: file exists" : "CREATE DATABASE failed");
    ::close(fd);
    try {
        Connection db = Open(path, SQLITE_OPEN_READWRITE, false);
        UserCatalog users(db.get());
        users.CreateTables();
        ObjectPrivileges::CreateTables(db.get());
        users.CreateUser(user, password);
    } catch (...) {
        for (const char* suffix : {"", "-wal", "-shm"})
            ::unlink((path + suffix).c_str());
        throw;
    }
}

} // namespace ocisqlite
