// Prepared SQLite statements of one connection, kept by their text and lent out, so that the same
// statement text prepared again (every lookup of the program does this) skips SQLite's compiler.
// A statement in use is never lent twice; a returned one is reset and its bindings cleared.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ocisqlite {

class StatementCache;

class StatementLease {
public:
    StatementLease() = default;
    StatementLease(StatementCache* cache, sqlite3_stmt* stmt) : cache_(cache), stmt_(stmt) {}
    StatementLease(StatementLease&& other) noexcept;
    StatementLease& operator=(StatementLease&& other) noexcept;
    ~StatementLease();
    sqlite3_stmt* get() const { return stmt_; }
    void Release(); // gives the statement back now

private:
    StatementCache* cache_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : db_(db) {}
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    StatementLease Borrow(const std::string& sql); // throws the mapped error when SQLite rejects the text
    void Return(sqlite3_stmt* stmt);
    void Clear();

private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    void ForgetEmptyTexts();

    // A text SQLite refuses for its nesting is prepared again with its calls chained (CallChains.h);
    // such a statement is cached under the chained text, so each use rewrites it again.
    int Prepare(const std::string& sql, sqlite3_stmt** stmt);
    static constexpr size_t kMaxIdle = 256; // texts built with spliced values would otherwise pile up
    sqlite3* db_;
    // The idle statements of each text. A text keeps its list when it empties, so lending a statement
    // and taking it back allocate nothing.
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>, TextHash, std::equal_to<>> idle_;
    size_t idleCount_ = 0;
};

} // namespace ocisqlite
