// A small owned SQLite statement for the engine's own catalog queries: prepare, bind by position,
// step, read columns. Errors become Oracle errors; the statement is finalized on every path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ocisqlite {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, const std::string& text);
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, const std::vector<unsigned char>& blob);
    bool Step(); // true while there is a row
    void Run();  // steps to the end

    bool IsNull(int column) const;
    int64_t Int(int column) const;
    double Double(int column) const;
    std::string Text(int column) const;
    std::vector<unsigned char> Blob(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace ocisqlite
