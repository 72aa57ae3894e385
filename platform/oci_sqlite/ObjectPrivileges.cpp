// Owners and grants live in two catalog tables and, for the authorizer, in memory: SQLite's
// authorizer may not run statements itself, so the session reads them again after every commit
// it did not make. A denial is kept per thread for the error of the prepare it failed.
#include "platform/oci_sqlite/ObjectPrivileges.h"

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/SqlText.h"
#include "platform/oci_sqlite/SqliteStatement.h"

#include <algorithm>
#include <sqlite3.h>
#include <utility>

namespace ocisqlite {

namespace {

thread_local int engineStatementDepth = 0;
thread_local std::optional<EngineError> lastDenial;

const char* const kTablePrivileges[] = {"SELECT", "INSERT", "UPDATE", "DELETE"};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool HasCatalogTables(sqlite3* db) {
    return SqliteStatement(db, "SELECT 1 FROM sqlite_master WHERE name = 'ocisqlite_grants'").Step();
}

} // namespace

EngineStatementScope::EngineStatementScope() {
    ++engineStatementDepth;
}
EngineStatementScope::~EngineStatementScope() {
    --engineStatementDepth;
}
bool EngineStatementScope::Active() {
    return engineStatementDepth > 0;
}

ObjectPrivileges::ObjectPrivileges(sqlite3* db, std::string user, std::string administrator)
    : db_(db), user_(user), sessionUser_(std::move(user)), administrator_(std::move(administrator)) {
    Reload();
    sqlite3_set_authorizer(db_, &ObjectPrivileges::Authorize, this);
}

ObjectPrivileges::~ObjectPrivileges() {
    sqlite3_set_authorizer(db_, nullptr, nullptr);
}

void ObjectPrivileges::CreateTables(sqlite3* db) {
    Exec(db, "CREATE TABLE IF NOT EXISTS ocisqlite_owners (name TEXT PRIMARY KEY, owner TEXT NOT NULL);"
             "CREATE TABLE IF NOT EXISTS ocisqlite_grants (object TEXT NOT NULL, grantee TEXT NOT NULL, "
             "privilege TEXT NOT NULL, PRIMARY KEY (object, grantee, privilege))");
}

void ObjectPrivileges::Reload() {
    owners_.clear();
    grants_.clear();
    if (!HasCatalogTables(db_)) // a file older than owners: all is the administrator's
        return;
    SqliteStatement owners(db_, "SELECT name, owner FROM ocisqlite_owners");
    while (owners.Step())
        owners_[owners.Text(0)] = owners.Text(1);
    SqliteStatement grants(db_, "SELECT object, grantee, privilege FROM ocisqlite_grants");
    while (grants.Step())
        grants_.emplace(grants.Text(0), grants.Text(1), grants.Text(2));
}

void ObjectPrivileges::RecordOwner(const std::string& object) {
    CreateTables(db_);
    const std::string name = UpperCase(object);
    SqliteStatement(db_, "INSERT OR REPLACE INTO ocisqlite_owners (name, owner) VALUES (?1, ?2)")
        .Bind(1, name)
        .Bind(2, user_)
        .Run();
    owners_[name] = user_;
}

void ObjectPrivileges::ForgetObject(const std::string& object) {
    const std::string name = UpperCase(object);
    if (HasCatalogTables(db_)) {
        SqliteStatement(db_, "DELETE FROM ocisqlite_owners WHERE name = ?1").Bind(1, name).Run();
        SqliteStatement(db_, "DELETE FROM ocisqlite_grants WHERE object = ?1").Bind(1, name).Run();
    }
    owners_.erase(name);
    std::erase_if(grants_, [&](const auto& grant) { return std::get<0>(grant) == name; });
}

std::optional<std::string> ObjectPrivileges::TakeCreatedTable() {
    return std::exchange(created_, std::nullopt);
}

std::optional<std::string> ObjectPrivileges::TakeDroppedTable() {
    return std::exchange(dropped_, std::nullopt);
}

std::string ObjectPrivileges::OwnerOf(const std::string& object) const {
    const auto found = owners_.find(UpperCase(object));
    return found == owners_.end() ? administrator_ : found->second;
}

bool ObjectPrivileges::Holds(const std::string& object, const std::string& privilege) const {
    const std::string name = UpperCase(object);
    return Administers() || OwnerOf(name) == user_ || grants_.count({name, user_, privilege}) ||
           grants_.count({name, "PUBLIC", privilege});
}

bool ObjectPrivileges::SeesAny(const std::string& object) const {
    for (const char* privilege : kTablePrivileges)
        if (Holds(object, privilege))
            return true;
    return Holds(object, "EXECUTE");
}

void ObjectPrivileges::RequireOwner(const std::string& object) const {
    if (Administers() || OwnerOf(object) == user_)
        return;
    if (SeesAny(object))
        throw ora::InsufficientPrivileges();
    throw ora::TableNotFound();
}

bool ObjectPrivileges::MayExecute(const std::string& procedure) const {
    return Holds(procedure, "EXECUTE");
}

void ObjectPrivileges::Grant(bool revoke, const std::vector<std::string>& privileges,
                             const std::string& object, bool isProcedure,
                             const std::vector<std::string>& grantees) {
    RequireOwner(object);
    std::vector<std::string> expanded;
    for (const std::string& privilege : privileges) {
        if (privilege == "ALL" && isProcedure)
            expanded.push_back("EXECUTE");
        else if (privilege == "ALL")
            expanded.insert(expanded.end(), std::begin(kTablePrivileges), std::end(kTablePrivileges));
        else if (privilege == "EXECUTE" && !isProcedure)
            throw ora::Make(2224, "EXECUTE privileges not allowed for tables");
        else if (isProcedure && privilege != "EXECUTE")
            throw ora::Make(2225, "only EXECUTE and DEBUG privileges are valid for procedures");
        else if (std::find(std::begin(kTablePrivileges), std::end(kTablePrivileges), privilege) ==
                     std::end(kTablePrivileges) &&
                 privilege != "EXECUTE")
            throw ora::Make(990, "missing or invalid privilege");
        else
            expanded.push_back(privilege);
    }
    const std::string name = UpperCase(object);
    Exec(db_, "SAVEPOINT ocisqlite_grant"); // every grantee and privilege, or none
    try {
        GrantEach(revoke, privileges.front() == "ALL", expanded, name, grantees);
        // Statements prepared before must be authorized again: a change of the schema makes SQLite
        // prepare them anew, in every session.
        Exec(db_, "CREATE VIEW ocisqlite_grants_changed AS SELECT 1; DROP VIEW ocisqlite_grants_changed;"
                  "RELEASE ocisqlite_grant");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK TO ocisqlite_grant; RELEASE ocisqlite_grant", nullptr, nullptr, nullptr);
        Reload();
        throw;
    }
    Reload();
}

void ObjectPrivileges::GrantEach(bool revoke, bool all, const std::vector<std::string>& privileges,
                                 const std::string& name, const std::vector<std::string>& grantees) {
    CreateTables(db_);
    for (const std::string& grantee : grantees) {
        if (grantee == user_)
            throw ora::Make(1749, "you may not GRANT/REVOKE privileges to/from yourself");
        if (grantee != "PUBLIC" &&
            !SqliteStatement(db_, "SELECT 1 FROM ocisqlite_users WHERE name = ?1").Bind(1, grantee).Step())
            throw ora::Make(1917, "user or role '" + grantee + "' does not exist");
        for (const std::string& privilege : privileges) {
            const bool held = grants_.count({name, grantee, privilege}) != 0;
            if (revoke && !held && !all)
                throw ora::Make(1927, "cannot REVOKE privileges you did not grant");
            SqliteStatement(db_, revoke
                                     ? "DELETE FROM ocisqlite_grants WHERE object = ?1 AND grantee = ?2 AND "
                                       "privilege = ?3"
                                     : "INSERT OR IGNORE INTO ocisqlite_grants VALUES (?1, ?2, ?3)")
                .Bind(1, name)
                .Bind(2, grantee)
                .Bind(3, privilege)
                .Run();
        }
    }
}

ObjectPrivileges::Definer::Definer(ObjectPrivileges& privileges, const std::string& procedure)
    : privileges_(privileges), previous_(privileges.user_) {
    if (privileges_.AdministratorSession()) // its session does not keep the grants up to date
        privileges_.Reload();
    privileges_.user_ = privileges_.OwnerOf(procedure);
}

ObjectPrivileges::Definer::~Definer() {
    privileges_.user_ = previous_;
}

EngineError ObjectPrivileges::LastDenial() {
    return lastDenial.value_or(ora::InsufficientPrivileges());
}

int ObjectPrivileges::Authorize(void* self, int action, const char* first, const char* second, const char*,
                                const char*) {
    if (EngineStatementScope::Active())
        return SQLITE_OK;
    return static_cast<ObjectPrivileges*>(self)->Check(action, first ? first : "", second ? second : "");
}

int ObjectPrivileges::Deny(const std::string& object) const {
    lastDenial = SeesAny(object) ? ora::InsufficientPrivileges() : ora::TableNotFound();
    return SQLITE_DENY;
}

int ObjectPrivileges::Check(int action, const std::string& first, const std::string& second) {
    const auto decide = [&](const std::string& table, bool allowed) {
        if (StartsWith(table, "sqlite_"))
            return SQLITE_OK; // SQLite's own schema, which DDL writes
        if (StartsWith(table, "ocisqlite_")) {
            lastDenial = ora::TableNotFound(); // the engine's catalog is not for clients' SQL
            return SQLITE_DENY;
        }
        return allowed ? SQLITE_OK : Deny(table);
    };
    const auto owns = [&](const std::string& table) { return Administers() || OwnerOf(table) == user_; };
    switch (action) {
    case SQLITE_READ: // the columns of an UPDATE's or DELETE's condition come with that privilege
        return decide(first, Holds(first, "SELECT") || Holds(first, "UPDATE") || Holds(first, "DELETE"));
    case SQLITE_INSERT:
        return decide(first, Holds(first, "INSERT"));
    case SQLITE_UPDATE:
        return decide(first, Holds(first, "UPDATE"));
    case SQLITE_DELETE:
        return decide(first, Holds(first, "DELETE"));
    case SQLITE_CREATE_TABLE:
        created_ = first;
        return decide(first, true);
    case SQLITE_DROP_TABLE:
        dropped_ = first;
        return decide(first, owns(first));
    case SQLITE_CREATE_INDEX:
    case SQLITE_DROP_INDEX:
        return decide(second, owns(second));
    case SQLITE_ALTER_TABLE:
        return decide(second, owns(second));
    default:
        return SQLITE_OK;
    }
}

} // namespace ocisqlite
