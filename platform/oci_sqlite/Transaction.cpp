// Transaction boundaries and savepoints on SQLite. User savepoints get SQLite names of their own,
// so they never meet the engine's per-statement savepoint.
#include "platform/oci_sqlite/Transaction.h"

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqlText.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <sqlite3.h>

namespace ocisqlite {

namespace {
// User savepoints live in their own name space, apart from the engine's statement savepoint.
std::string SqliteSavepointName(const std::string& upperName) {
    std::string quoted = "\"u_";
    for (char c : upperName)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}
} // namespace

bool Transaction::LostBySqlite() const {
    return active_ && sqlite3_get_autocommit(db_);
}

void Transaction::ForgetLost() {
    active_ = false;
    locks_.ReleaseWriter();
    changed_ = false;
    savepoints_.clear();
    ReleaseLocks();
    afterRollback_();
}

void Transaction::RethrowFailure() {
    if (LostBySqlite()) {
        ForgetLost();
        try {
            throw;
        } catch (const EngineError& e) {
            throw ora::TransactionRolledBack(e.what());
        }
    }
    EndIfNothingChanged();
    throw;
}

void Transaction::BeginIfNeeded() {
    if (LostBySqlite()) { // never go on outside a transaction as if inside one
        ForgetLost();
        throw ora::TransactionRolledBack("");
    }
    if (active_)
        return;
    cursors_->DetachAll();
    locks_.AcquireWriter(BusyTimeoutMs());
    try {
        Exec(db_, "BEGIN IMMEDIATE");
    } catch (...) {
        locks_.ReleaseWriter();
        throw;
    }
    active_ = true;
    changed_ = false;
}

void Transaction::EndSqliteTransaction(const char* sql) {
    if (!active_)
        return;
    cursors_->DetachAll();
    if (!sqlite3_get_autocommit(db_)) // SQLite may have rolled back already after a failed write
        Exec(db_, sql);
    active_ = false;
    changed_ = false;
    locks_.ReleaseWriter();
}

void Transaction::Commit() {
    if (LostBySqlite()) {
        ForgetLost();
        throw ora::TransactionRolledBack("");
    }
    try {
        EndSqliteTransaction("COMMIT");
    } catch (...) {
        RethrowFailure(); // a commit that did not happen leaves the transaction open, or says it is gone
    }
    savepoints_.clear();
    ReleaseLocks();
}

void Transaction::LockTables(const std::vector<std::string>& tables, int waitSeconds, bool forUpdate) {
    const int wait = waitSeconds < 0
                         ? BusyTimeoutMs()
                         : static_cast<int>(std::min<int64_t>(int64_t{waitSeconds} * 1000, INT_MAX));
    for (const std::string& table : tables)
        locks_.Acquire(table, wait);
    lockedForUpdate_ = lockedForUpdate_ || forUpdate;
}

void Transaction::ReleaseLocks() {
    locks_.ReleaseAll();
    lockedForUpdate_ = false;
}

void Transaction::Rollback() {
    const bool wasActive = active_;
    EndSqliteTransaction("ROLLBACK");
    savepoints_.clear();
    ReleaseLocks();
    if (wasActive)
        afterRollback_();
}

void Transaction::EndIfNothingChanged() {
    if ((active_ && changed_) || lockedForUpdate_)
        return;
    if (active_) {
        EndSqliteTransaction("ROLLBACK");
        afterRollback_();
    }
    ReleaseLocks();
}

void Transaction::Savepoint(const std::string& name) {
    UserSavepoint savepoint{UpperCase(name), active_ && changed_};
    // Oracle moves a savepoint whose name is used again. When it is the latest, its SQLite savepoint
    // goes first, so that one set again for every posted row does not nest ever deeper (each level
    // keeps its own copy of the pages changed under it). A savepoint SQLite no longer has is gone.
    if (!savepoints_.empty() && savepoints_.back().name == savepoint.name && savepoints_.back().afterChanges)
        sqlite3_exec(db_, ("RELEASE " + SqliteSavepointName(savepoint.name)).c_str(), nullptr, nullptr,
                     nullptr);
    std::erase_if(savepoints_, [&](const UserSavepoint& s) { return s.name == savepoint.name; });
    if (savepoint.afterChanges)
        Exec(db_, ("SAVEPOINT " + SqliteSavepointName(savepoint.name)).c_str());
    savepoints_.push_back(std::move(savepoint));
}

void Transaction::RollbackTo(const std::string& name) {
    const std::string upper = UpperCase(name);
    const auto found = std::find_if(savepoints_.begin(), savepoints_.end(),
                                    [&](const UserSavepoint& s) { return s.name == upper; });
    if (found == savepoints_.end())
        throw ora::SavepointUnknown(upper);
    // Later savepoints are gone; this one stays, as with Oracle.
    savepoints_.erase(found + 1, savepoints_.end());
    if (!found->afterChanges) {
        const bool wasActive = active_;
        EndSqliteTransaction("ROLLBACK");
        if (wasActive)
            afterRollback_();
        return;
    }
    cursors_->DetachAll();
    Exec(db_, ("ROLLBACK TO " + SqliteSavepointName(upper)).c_str());
    afterRollback_();
}

StatementAtomicity::StatementAtomicity(sqlite3* db, bool needed) : db_(db), open_(needed) {
    if (open_)
        Exec(db_, "SAVEPOINT ocisqlite_statement");
}

StatementAtomicity::~StatementAtomicity() {
    if (open_)
        sqlite3_exec(db_, "ROLLBACK TO ocisqlite_statement; RELEASE ocisqlite_statement", nullptr, nullptr,
                     nullptr);
}

void StatementAtomicity::Succeeded() {
    if (open_)
        Exec(db_, "RELEASE ocisqlite_statement");
    open_ = false;
}

} // namespace ocisqlite
