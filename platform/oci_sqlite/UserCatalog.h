// The engine's users, kept in a table of the database file itself: name, salted password hash,
// password state (open, expired, or in grace until a date) and account state (failed logons in a
// row, locked). Names are kept in upper case, as Oracle folds unquoted identifiers; passwords are
// compared as given. The user the file was created with is the engine's administrator.
#pragma once

#include "platform/oci_sqlite/PasswordHash.h"

#include <cstdint>
#include <optional>
#include <string>

struct sqlite3;

namespace ocisqlite {

struct LogonResult {
    int graceDays = -1; // days left when the password is in its grace period, else -1
};

class UserCatalog {
public:
    explicit UserCatalog(sqlite3* db) : db_(db) {}

    void CreateTables();
    void CreateUser(const std::string& user, const std::string& password);
    // Sets a new password and clears the expired and grace states.
    void SetPassword(const std::string& user, const std::string& password);
    void Expire(const std::string& user);
    void StartGrace(const std::string& user, int days);
    // Unlocking also forgets the failed logons.
    void SetLocked(const std::string& user, bool locked);
    bool IsAdministrator(const std::string& user) const;
    std::string Administrator() const;
    // ORA-01017 for a wrong pair, ORA-28000 when locked, ORA-28001 when expired. Takes as long for
    // an unknown user as for a known one; the kMaxFailedLogons-th wrong password in a row locks.
    LogonResult CheckLogon(const std::string& user, const std::string& password);

private:
    struct StoredAccount {
        PasswordHash hash;
        bool expired = false;
        std::optional<double> graceLeft; // days
        bool locked = false;
        int64_t failedLogons = 0;
    };
    std::optional<StoredAccount> ReadAccount(const std::string& name) const;
    void AddAccountColumns(); // files made before accounts could lock
    // Counts one more failed logon, or forgets them, in a write transaction of its own.
    void WriteAccount(const std::string& name, bool failed);
    void CountFailedLogon(const std::string& name);
    void ForgetFailedLogons(const std::string& name);
    void RequireUser(const std::string& user) const;
    sqlite3* db_;
};

inline constexpr int kDefaultGraceDays = 7;
inline constexpr int kMaxFailedLogons = 10;

} // namespace ocisqlite
