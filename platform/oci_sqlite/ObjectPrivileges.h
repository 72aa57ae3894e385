// Oracle's object privileges over the engine's one namespace. Every table, sequence and procedure has
// an owner, the user who created it (the administrator for objects older than owners); its owner or
// the administrator grants SELECT, INSERT, UPDATE and DELETE on tables and EXECUTE on procedures, to
// users and to PUBLIC, and only they change or drop it. SQLite's authorizer checks every statement a
// client's SQL becomes as SQLite prepares it: a table one may not see is ORA-00942, one that one sees
// but may not change in that way ORA-01031. The engine's own statements on its catalog pass.
#pragma once

#include "platform/oci_sqlite/EngineError.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

struct sqlite3;

namespace ocisqlite {

class ObjectPrivileges {
public:
    ObjectPrivileges(sqlite3* db, std::string user, std::string administrator);
    ~ObjectPrivileges();
    ObjectPrivileges(const ObjectPrivileges&) = delete;
    ObjectPrivileges& operator=(const ObjectPrivileges&) = delete;

    static void CreateTables(sqlite3* db);
    // Reads owners and grants again: after any commit, since another session may have granted.
    void Reload();
    bool AdministratorSession() const { return sessionUser_ == administrator_; }
    // While a procedure of another user runs: its statements must not meet the session's own.
    bool ActsForAnother() const { return user_ != sessionUser_; }

    // Inside the transaction of the DDL that created or dropped the object.
    void RecordOwner(const std::string& object);
    void ForgetObject(const std::string& object);
    // The table a CREATE TABLE or DROP TABLE just prepared named, once.
    std::optional<std::string> TakeCreatedTable();
    std::optional<std::string> TakeDroppedTable();

    // DDL on an existing object: its owner or the administrator (ORA-00942 / ORA-01031 otherwise).
    void RequireOwner(const std::string& object) const;
    bool MayExecute(const std::string& procedure) const;
    // Any privilege on the object: what LOCK TABLE needs.
    bool SeesAny(const std::string& object) const;
    // GRANT or REVOKE; the statement's checks are Oracle's (owner or administrator grants, grantees
    // exist, no grants to oneself, EXECUTE only on procedures). isProcedure tells the object's kind.
    void Grant(bool revoke, const std::vector<std::string>& privileges, const std::string& object,
               bool isProcedure, const std::vector<std::string>& grantees);

    // While a procedure runs, its statements run with its owner's privileges.
    class Definer {
    public:
        Definer(ObjectPrivileges& privileges, const std::string& procedure);
        ~Definer();
        Definer(const Definer&) = delete;
        Definer& operator=(const Definer&) = delete;

    private:
        ObjectPrivileges& privileges_;
        std::string previous_;
    };

    // Why SQLite's authorizer refused the statement this thread prepared last (SQLITE_AUTH).
    static EngineError LastDenial();

private:
    void GrantEach(bool revoke, bool all, const std::vector<std::string>& privileges, const std::string& name,
                   const std::vector<std::string>& grantees);
    static int Authorize(void* self, int action, const char* first, const char* second, const char* database,
                         const char* trigger);
    int Check(int action, const std::string& first, const std::string& second);
    int Deny(const std::string& object) const;
    bool Administers() const { return user_ == administrator_; }
    std::string OwnerOf(const std::string& object) const;
    bool Holds(const std::string& object, const std::string& privilege) const;

    sqlite3* db_;
    std::string user_; // whose privileges count now: the session's user, or a running procedure's owner
    const std::string sessionUser_;
    const std::string administrator_;
    std::map<std::string, std::string> owners_;                          // object -> owner
    std::set<std::tuple<std::string, std::string, std::string>> grants_; // object, grantee, privilege
    std::optional<std::string> created_, dropped_;
};

// Marks the engine's own statements on this thread, which the authorizer lets pass.
class EngineStatementScope {
public:
    EngineStatementScope();
    ~EngineStatementScope();
    EngineStatementScope(const EngineStatementScope&) = delete;
    EngineStatementScope& operator=(const EngineStatementScope&) = delete;
    static bool Active();
};

} // namespace ocisqlite
