// The engine's users, kept in a table of the database file itself: name, salted password hash and
// password state (open, expired, or in grace until a date). Names are kept in upper case, as Oracle
// folds unquoted identifiers; passwords are compared as given.
#pragma once

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
    // ORA-01017 for a wrong pair, ORA-28001 when expired.
    LogonResult CheckLogon(const std::string& user, const std::string& password) const;

private:
    void RequireUser(const std::string& user) const;
    sqlite3* db_;
};

inline constexpr int kDefaultGraceDays = 7;

} // namespace ocisqlite
