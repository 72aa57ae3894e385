// Oracle's transaction model on one SQLite connection: a transaction starts with the first change
// after a commit or rollback (BEGIN IMMEDIATE, after the file's writer lock among the table locks, so
// a second writer waits and then gets ORA-00054, or ORA-00060 in a deadlock), user savepoints are
// tracked by name for ORA-01086, and every boundary first detaches the open cursors so they keep
// fetching. The write lock is held only while there are changes to keep.
#pragma once

#include "platform/oci_sqlite/Cursor.h"
#include "platform/oci_sqlite/TableLocks.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace ocisqlite {

class Transaction {
public:
    // afterRollback runs after every rollback, whole or to a savepoint (sequences re-apply their values).
    Transaction(sqlite3* db, std::shared_ptr<OpenCursors> cursors, TableLocks& locks,
                std::function<void()> afterRollback)
        : db_(db), cursors_(std::move(cursors)), locks_(locks), afterRollback_(std::move(afterRollback)) {}

    bool Active() const { return active_; }
    void BeginIfNeeded();
    void MarkChanged() { changed_ = true; }
    void Commit();
    void Rollback();
    void Savepoint(const std::string& name);
    void RollbackTo(const std::string& name);
    // Called in the catch block of a failed statement; rethrows. A transaction that changed nothing
    // yet ends, releasing the lock. When SQLite undid the whole transaction under the statement (a
    // full disk, an I/O error), the session's transaction ends too and the error says so (ORA-02091).
    [[noreturn]] void RethrowFailure();
    // Locks the tables until commit or rollback; forUpdate locks stay even when nothing changes.
    // waitSeconds < 0 waits as long as any writer waits; 0 does not wait (NOWAIT).
    void LockTables(const std::vector<std::string>& tables, int waitSeconds, bool forUpdate);
    // A transaction that changed nothing ends; its savepoints stay valid, since they all stand at
    // its start, where the next change begins again.
    void EndIfNothingChanged();

private:
    // A savepoint set before the transaction's first change needs no SQLite savepoint: rolling back
    // to it is rolling back everything, after which the lock can go.
    struct UserSavepoint {
        std::string name;
        bool afterChanges = false;
    };
    void EndSqliteTransaction(const char* sql);
    void ReleaseLocks();
    bool LostBySqlite() const;
    void ForgetLost();
    sqlite3* db_;
    std::shared_ptr<OpenCursors> cursors_;
    TableLocks& locks_;
    std::function<void()> afterRollback_;
    std::vector<UserSavepoint> savepoints_;
    bool active_ = false;
    bool changed_ = false;
    bool lockedForUpdate_ = false;
};

// Makes a statement of several SQLite statements undo alone when one of them fails.
class StatementAtomicity {
public:
    StatementAtomicity(sqlite3* db, bool needed);
    ~StatementAtomicity(); // rolls back to the statement's start unless Succeeded() was called
    void Succeeded();

private:
    sqlite3* db_;
    bool open_;
};

} // namespace ocisqlite
