// Oracle sequences served from the catalog table ocisqlite_sequences through the SQL functions the
// translator's output calls. As in Oracle a number once handed out stays used: a rollback does not
// give it back (the engine re-applies the highest value after every rollback). CURRVAL is per session.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct sqlite3;

namespace ocisqlite {

class Sequences {
public:
    explicit Sequences(sqlite3* db) : db_(db) {}
    Sequences(const Sequences&) = delete;
    Sequences& operator=(const Sequences&) = delete;

    void RegisterFunctions();
    void AfterRollback();

    int64_t Next(const std::string& name);    // ORA-02289 for an unknown sequence
    int64_t Current(const std::string& name); // ORA-08002 before the session's first NEXTVAL

private:
    sqlite3* db_;
    std::map<std::string, int64_t> current_;
    std::map<std::string, int64_t> nextAfterHandout_; // what next_value must be at least
};

} // namespace ocisqlite
