// Lending and taking back prepared statements. Statements are prepared as persistent, SQLite's hint
// that they will be used many times.
#include "platform/oci_sqlite/StatementCache.h"

#include "platform/oci_sqlite/CallChains.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqliteErrors.h"

#include <cstring>
#include <sqlite3.h>
#include <utility>

namespace ocisqlite {

StatementLease::StatementLease(StatementLease&& other) noexcept
    : cache_(std::exchange(other.cache_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)) {}

StatementLease& StatementLease::operator=(StatementLease&& other) noexcept {
    if (this != &other) {
        Release();
        cache_ = std::exchange(other.cache_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

StatementLease::~StatementLease() {
    Release();
}

void StatementLease::Release() {
    if (stmt_)
        cache_->Return(stmt_);
    stmt_ = nullptr;
}

StatementCache::~StatementCache() {
    Clear();
}

StatementLease StatementCache::Borrow(const std::string& sql) {
    const auto found = idle_.find(std::string_view(sql));
    if (found != idle_.end() && !found->second.empty()) {
        sqlite3_stmt* stmt = found->second.back();
        found->second.pop_back();
        --idleCount_;
        return StatementLease(this, stmt);
    }
    sqlite3_stmt* stmt = nullptr;
    int rc = Prepare(sql, &stmt);
    if (rc != SQLITE_OK && std::strcmp(sqlite3_errmsg(db_), "parser stack overflow") == 0) {
        const std::optional<std::string> chained = ChainedCalls(db_, sql);
        if (!chained)
            throw ora::NestingTooDeep();
        rc = Prepare(*chained, &stmt);
    }
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        ThrowSqliteError(db_, rc, {});
    }
    if (!stmt) // only blanks or a comment
        throw ora::InvalidSql();
    return StatementLease(this, stmt);
}

int StatementCache::Prepare(const std::string& sql, sqlite3_stmt** stmt) {
    sqlite3_finalize(*stmt);
    *stmt = nullptr;
    return sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, stmt,
                              nullptr);
}

void StatementCache::Return(sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (idleCount_ >= kMaxIdle) {
        sqlite3_finalize(stmt);
        return;
    }
    const std::string_view text = sqlite3_sql(stmt);
    auto found = idle_.find(text);
    if (found == idle_.end()) {
        if (idle_.size() >= 4 * kMaxIdle)
            ForgetEmptyTexts();
        found = idle_.emplace(std::string(text), std::vector<sqlite3_stmt*>()).first;
    }
    found->second.push_back(stmt);
    ++idleCount_;
}

void StatementCache::ForgetEmptyTexts() {
    std::erase_if(idle_, [](const auto& entry) { return entry.second.empty(); });
}

void StatementCache::Clear() {
    for (auto& [sql, statements] : idle_)
        for (sqlite3_stmt* stmt : statements)
            sqlite3_finalize(stmt);
    idle_.clear();
    idleCount_ = 0;
}

} // namespace ocisqlite
