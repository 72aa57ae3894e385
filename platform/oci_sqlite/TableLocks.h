// Table locks shared by every session on a database file, in this process or another: one byte per
// table of a lock file beside the database, locked with open-file-description locks, so two sessions
// of one process exclude each other as two processes do. A session holds its locks until its
// transaction ends; SELECT ... FOR UPDATE and every change take them.
#pragma once

#include <set>
#include <string>

namespace ocisqlite {

class TableLocks {
public:
    explicit TableLocks(std::string databasePath) : path_(std::move(databasePath) + "-locks") {}
    ~TableLocks();
    TableLocks(const TableLocks&) = delete;
    TableLocks& operator=(const TableLocks&) = delete;

    // waitMs 0 does not wait; ORA-00054 when another session keeps the lock past the wait.
    void Acquire(const std::string& table, int waitMs);
    void ReleaseAll();

private:
    void Open();
    std::string path_;
    int fd_ = -1;
    std::set<std::string> held_;
};

} // namespace ocisqlite
