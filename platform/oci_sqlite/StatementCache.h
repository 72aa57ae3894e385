// Prepared SQLite statements of one connection, kept by their text and lent out, so that the same
// statement text prepared again (every lookup of the program does this) skips SQLite's compiler.
// A statement in use is never lent twice; a returned one is reset and its bindings cleared.
// What a query's columns were described as stays with the text, so the next execution of the same
// translation skips the describe.
#pragma once

#include "platform/oci_sqlite/ColumnDescription.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ocisqlite {

class StatementCache;

// The statements of one text.
struct CachedText {
    std::vector<sqlite3_stmt*> idle;
    size_t lent = 0; // the text stays while any of its statements is out
    std::optional<std::vector<std::string>> parameters;
    std::shared_ptr<const DescribedColumns> columns;
};

class StatementLease {
public:
    StatementLease() = default;
    StatementLease(StatementCache* cache, CachedText* text, sqlite3_stmt* stmt)
        : cache_(cache), text_(text), stmt_(stmt) {}
    StatementLease(StatementLease&& other) noexcept;
    StatementLease& operator=(StatementLease&& other) noexcept;
    ~StatementLease();
    sqlite3_stmt* get() const { return stmt_; }
    void Release(); // gives the statement back now

    // The columns as last described for this text, if for this translation.
    std::shared_ptr<const DescribedColumns> KnownColumns(const orasql::Translation* translation) const;
    void KeepColumns(std::shared_ptr<const DescribedColumns> columns);
    // The names of the statement's parameters in upper case without their colon, read once per text.
    const std::vector<std::string>& ParameterNames();

private:
    StatementCache* cache_ = nullptr;
    CachedText* text_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

class StatementCache {
public:
    explicit StatementCache(sqlite3* db) : db_(db) {}
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    StatementLease Borrow(const std::string& sql); // throws the mapped error when SQLite rejects the text
    void Return(CachedText& text, sqlite3_stmt* stmt);
    void Clear();

private:
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    void ForgetUnusedTexts();

    // A text SQLite refuses for its nesting is prepared again with its calls chained (CallChains.h);
    // the chained statement is kept under the text it was asked for.
    sqlite3_stmt* Prepare(const std::string& sql);
    int Prepare(const std::string& sql, sqlite3_stmt** stmt);
    static constexpr size_t kMaxIdle = 256; // texts built with spliced values would otherwise pile up
    sqlite3* db_;
    // A text keeps its entry when its list empties, so lending a statement and taking it back
    // allocate nothing; entries do not move, so a lease finds its text again without a lookup.
    std::unordered_map<std::string, CachedText, TextHash, std::equal_to<>> texts_;
    size_t idleCount_ = 0;
};

} // namespace ocisqlite
