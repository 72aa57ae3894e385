// User rows and password checks over the catalog table ocisqlite_users. The grace period is kept as
// an end date, so the days left shrink as time passes.
#include "platform/oci_sqlite/UserCatalog.h"

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/PasswordHash.h"
#include "platform/oci_sqlite/SqlText.h"
#include "platform/oci_sqlite/SqliteStatement.h"

#include <cmath>
#include <optional>
#include <sqlite3.h>

namespace ocisqlite {

void UserCatalog::CreateTables() {
    Exec(
        db_,
        "CREATE TABLE IF NOT EXISTS ocisqlite_users (name TEXT PRIMARY KEY, salt BLOB NOT NULL, "
        "digest BLOB NOT NULL, iterations INTEGER NOT NULL, expired INTEGER NOT NULL DEFAULT 0, "
        "grace_until REAL, failed_logons INTEGER NOT NULL DEFAULT 0, locked INTEGER NOT NULL DEFAULT 0);"
        "CREATE TABLE IF NOT EXISTS ocisqlite_sequences (name TEXT PRIMARY KEY, next_value INTEGER NOT NULL, "
        "increment INTEGER NOT NULL);"
        "CREATE TABLE IF NOT EXISTS ocisqlite_procedures (name TEXT PRIMARY KEY, source TEXT NOT NULL);");
}

void UserCatalog::CreateUser(const std::string& user, const std::string& password) {
    const std::string name = UpperCase(user);
    if (SqliteStatement(db_, "SELECT 1 FROM ocisqlite_users WHERE name = ?1").Bind(1, name).Step())
        throw ora::UserExists(name);
    const PasswordHash hash = HashPassword(password);
    SqliteStatement(db_,
                    "INSERT INTO ocisqlite_users (name, salt, digest, iterations) VALUES (?1, ?2, ?3, ?4)")
        .Bind(1, name)
        .Bind(2, hash.salt)
        .Bind(3, hash.digest)
        .Bind(4, hash.iterations)
        .Run();
}

void UserCatalog::RequireUser(const std::string& name) const {
    if (!SqliteStatement(db_, "SELECT 1 FROM ocisqlite_users WHERE name = ?1").Bind(1, name).Step())
        throw ora::UserNotFound(name);
}

void UserCatalog::SetPassword(const std::string& user, const std::string& password) {
    const std::string name = UpperCase(user);
    RequireUser(name);
    const PasswordHash hash = HashPassword(password);
    SqliteStatement(db_, "UPDATE ocisqlite_users SET salt = ?2, digest = ?3, iterations = ?4, expired = 0, "
                         "grace_until = NULL WHERE name = ?1")
        .Bind(1, name)
        .Bind(2, hash.salt)
        .Bind(3, hash.digest)
        .Bind(4, hash.iterations)
        .Run();
}

void UserCatalog::Expire(const std::string& user) {
    const std::string name = UpperCase(user);
    RequireUser(name);
    SqliteStatement(db_, "UPDATE ocisqlite_users SET expired = 1, grace_until = NULL WHERE name = ?1")
        .Bind(1, name)
        .Run();
}

void UserCatalog::StartGrace(const std::string& user, int days) {
    const std::string name = UpperCase(user);
    RequireUser(name);
    SqliteStatement(
        db_, "UPDATE ocisqlite_users SET expired = 0, grace_until = julianday('now') + ?2 WHERE name = ?1")
        .Bind(1, name)
        .Bind(2, days)
        .Run();
}

void UserCatalog::AddAccountColumns() {
    if (SqliteStatement(db_, "SELECT 1 FROM pragma_table_info('ocisqlite_users') WHERE name = 'locked'")
            .Step())
        return;
    Exec(db_, "BEGIN IMMEDIATE");
    try {
        if (!SqliteStatement(db_, "SELECT 1 FROM pragma_table_info('ocisqlite_users') WHERE name = 'locked'")
                 .Step())
            Exec(db_, "ALTER TABLE ocisqlite_users ADD COLUMN failed_logons INTEGER NOT NULL DEFAULT 0;"
                      "ALTER TABLE ocisqlite_users ADD COLUMN locked INTEGER NOT NULL DEFAULT 0");
        Exec(db_, "COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void UserCatalog::SetLocked(const std::string& user, bool locked) {
    const std::string name = UpperCase(user);
    RequireUser(name);
    AddAccountColumns();
    SqliteStatement(db_, "UPDATE ocisqlite_users SET locked = ?2, failed_logons = 0 WHERE name = ?1")
        .Bind(1, name)
        .Bind(2, locked ? 1 : 0)
        .Run();
}

bool UserCatalog::IsAdministrator(const std::string& user) const {
    return Administrator() == UpperCase(user);
}

std::string UserCatalog::Administrator() const {
    SqliteStatement first(db_, "SELECT name FROM ocisqlite_users ORDER BY rowid LIMIT 1");
    return first.Step() ? first.Text(0) : std::string();
}

// Its own short write transaction, so that it never builds on a snapshot another logon has
// outdated. SQLite's busy handler makes BEGIN IMMEDIATE wait for the other writers; a count is
// retried while the file stays busy, since a wrong password that went uncounted would let parallel
// guesses past the lock.
void UserCatalog::CountFailedLogon(const std::string& name) {
    for (;;) {
        try {
            WriteAccount(name, true);
            return;
        } catch (const EngineError&) {
            if (sqlite3_errcode(db_) != SQLITE_BUSY)
                throw;
        }
    }
}

// Only a kindness to the user: when another session holds the file's lock too long, the logon goes
// on and the count with it.
void UserCatalog::ForgetFailedLogons(const std::string& name) {
    try {
        WriteAccount(name, false);
    } catch (const EngineError&) {
    }
}

void UserCatalog::WriteAccount(const std::string& name, bool failed) {
    Exec(db_, "BEGIN IMMEDIATE");
    try {
        if (failed)
            SqliteStatement(db_, "UPDATE ocisqlite_users SET failed_logons = failed_logons + 1, "
                                 "locked = locked OR failed_logons + 1 >= ?2 WHERE name = ?1")
                .Bind(1, name)
                .Bind(2, kMaxFailedLogons)
                .Run();
        else
            SqliteStatement(db_, "UPDATE ocisqlite_users SET failed_logons = 0 WHERE name = ?1")
                .Bind(1, name)
                .Run();
        Exec(db_, "COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Read to the end, so that the read transaction is over before the account is written.
std::optional<UserCatalog::StoredAccount> UserCatalog::ReadAccount(const std::string& name) const {
    SqliteStatement query(db_, "SELECT salt, digest, iterations, expired, grace_until - julianday('now'), "
                               "locked, failed_logons FROM ocisqlite_users WHERE name = ?1");
    query.Bind(1, name);
    if (!query.Step())
        return std::nullopt;
    StoredAccount account{{query.Blob(0), query.Blob(1), static_cast<int>(query.Int(2))},
                          query.Int(3) != 0,
                          query.IsNull(4) ? std::nullopt : std::optional<double>(query.Double(4)),
                          query.Int(5) != 0,
                          query.Int(6)};
    return account;
}

LogonResult UserCatalog::CheckLogon(const std::string& user, const std::string& password) {
    AddAccountColumns();
    const std::string name = UpperCase(user);
    const std::optional<StoredAccount> account = ReadAccount(name);
    if (!account) {
        // The same work as for a known user, so that the time taken does not tell users apart.
        VerifyPassword(password, PasswordHash{std::vector<unsigned char>(16), std::vector<unsigned char>(32),
                                              kPasswordIterations});
        throw ora::InvalidLogon();
    }
    const bool verified = VerifyPassword(password, account->hash);
    if (account->locked)
        throw ora::AccountLocked();
    if (!verified) {
        CountFailedLogon(name);
        throw ora::InvalidLogon();
    }
    if (account->failedLogons != 0)
        ForgetFailedLogons(name);
    if (account->expired)
        throw ora::PasswordExpired();
    LogonResult result;
    if (account->graceLeft) {
        const double left = *account->graceLeft;
        if (left <= 0)
            throw ora::PasswordExpired();
        result.graceDays = static_cast<int>(std::ceil(left));
    }
    return result;
}

} // namespace ocisqlite
