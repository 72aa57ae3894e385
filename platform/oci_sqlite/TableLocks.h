// Table locks shared by every session on a database file, in this process or another: one byte per
// table of a lock file beside the database, locked with open-file-description locks, so two sessions
// of one process exclude each other as two processes do. A session holds its locks until its
// transaction ends; SELECT ... FOR UPDATE and every change take them. One more byte stands for the
// file's single writer, so that a wait for it is seen by the deadlock check like a wait for a table.
#pragma once

#include "platform/oci_sqlite/LockWaits.h"

#include <optional>
#include <set>
#include <string>

namespace ocisqlite {

class TableLocks {
public:
    explicit TableLocks(std::string databasePath) : path_(std::move(databasePath) + "-locks") {}
    ~TableLocks();
    TableLocks(const TableLocks&) = delete;
    TableLocks& operator=(const TableLocks&) = delete;

    // waitMs 0 does not wait; ORA-00054 when another session keeps the lock past the wait, ORA-00060
    // at once when that session waits, directly or through others, for a lock of this one.
    void Acquire(const std::string& table, int waitMs);
    void ReleaseAll(); // the tables' locks
    // Taken before SQLite's write transaction begins and released when it ends.
    void AcquireWriter(int waitMs);
    void ReleaseWriter();

private:
    void Open();
    bool TryLock(uint32_t offset);
    void Take(uint32_t offset, int waitMs);
    std::string path_;
    int fd_ = -1;
    std::optional<LockWaits> waits_;
    std::set<std::string> held_;
    bool writer_ = false;
};

} // namespace ocisqlite
