// Transaction boundaries and savepoints on SQLite. User savepoints get SQLite names of their own,
// so they never meet the engine's per-statement savepoint.
#include "platform/oci_sqlite/Transaction.h"

#include "platform/oci_sqlite/Connection.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqlText.h"

#include <algorithm>
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

void Transaction::BeginIfNeeded() {
    if (active_)
        return;
    cursors_->DetachAll();
    Exec(db_, "BEGIN IMMEDIATE");
    active_ = true;
    changed_ = false;
}

void Transaction::EndSqliteTransaction(const char* sql) {
    if (!active_)
        return;
    cursors_->DetachAll();
    Exec(db_, sql);
    active_ = false;
    changed_ = false;
}

void Transaction::Commit() {
    EndSqliteTransaction("COMMIT");
    savepoints_.clear();
}

void Transaction::Rollback() {
    const bool wasActive = active_;
    EndSqliteTransaction("ROLLBACK");
    savepoints_.clear();
    if (wasActive)
        afterRollback_();
}

void Transaction::EndIfNothingChanged() {
    if (!active_ || changed_)
        return;
    EndSqliteTransaction("ROLLBACK");
    afterRollback_();
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
