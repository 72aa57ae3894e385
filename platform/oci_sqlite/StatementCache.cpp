// Lending and taking back prepared statements. Statements are prepared as persistent, SQLite's hint
// that they will be used many times.
#include "platform/oci_sqlite/StatementCache.h"

#include "platform/oci_sqlite/CallChains.h"
#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqlText.h"
#include "platform/oci_sqlite/SqliteErrors.h"

#include <cstring>
#include <sqlite3.h>
#include <utility>

namespace ocisqlite {

StatementLease::StatementLease(StatementLease&& other) noexcept
    : cache_(std::exchange(other.cache_, nullptr)), text_(std::exchange(other.text_, nullptr)),
      stmt_(std::exchange(other.stmt_, nullptr)) {}

StatementLease& StatementLease::operator=(StatementLease&& other) noexcept {
    if (this != &other) {
        Release();
        cache_ = std::exchange(other.cache_, nullptr);
        text_ = std::exchange(other.text_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

StatementLease::~StatementLease() {
    Release();
}

void StatementLease::Release() {
    if (stmt_)
        cache_->Return(*text_, stmt_);
    stmt_ = nullptr;
}

std::shared_ptr<const DescribedColumns>
StatementLease::KnownColumns(const orasql::Translation* translation) const {
    const auto& columns = text_->columns;
    return translation && columns && columns->translation.get() == translation ? columns : nullptr;
}

void StatementLease::KeepColumns(std::shared_ptr<const DescribedColumns> columns) {
    text_->columns = std::move(columns);
}

const std::vector<std::string>& StatementLease::ParameterNames() {
    if (!text_->parameters) {
        std::vector<std::string> names;
        const int count = sqlite3_bind_parameter_count(stmt_);
        for (int index = 1; index <= count; ++index) {
            const char* name = sqlite3_bind_parameter_name(stmt_, index);
            names.push_back(name ? UpperCase(name + 1) : std::string());
        }
        text_->parameters = std::move(names);
    }
    return *text_->parameters;
}

StatementCache::~StatementCache() {
    Clear();
}

StatementLease StatementCache::Borrow(const std::string& sql) {
    auto found = texts_.find(std::string_view(sql));
    if (found == texts_.end()) {
        if (texts_.size() >= 4 * kMaxIdle)
            ForgetUnusedTexts();
        found = texts_.emplace(sql, CachedText()).first;
    }
    CachedText& text = found->second;
    sqlite3_stmt* stmt = nullptr;
    if (text.idle.empty()) {
        stmt = Prepare(sql);
    } else {
        stmt = text.idle.back();
        text.idle.pop_back();
        --idleCount_;
    }
    ++text.lent;
    return StatementLease(this, &text, stmt);
}

sqlite3_stmt* StatementCache::Prepare(const std::string& sql) {
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
    return stmt;
}

int StatementCache::Prepare(const std::string& sql, sqlite3_stmt** stmt) {
    sqlite3_finalize(*stmt);
    *stmt = nullptr;
    return sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, stmt,
                              nullptr);
}

void StatementCache::Return(CachedText& text, sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    --text.lent;
    if (idleCount_ >= kMaxIdle) {
        sqlite3_finalize(stmt);
        return;
    }
    text.idle.push_back(stmt);
    ++idleCount_;
}

void StatementCache::ForgetUnusedTexts() {
    std::erase_if(texts_,
                  [](const auto& entry) { return entry.second.idle.empty() && entry.second.lent == 0; });
}

void StatementCache::Clear() {
    for (auto& [sql, text] : texts_)
        for (sqlite3_stmt* stmt : text.idle)
            sqlite3_finalize(stmt);
    texts_.clear();
    idleCount_ = 0;
}

} // namespace ocisqlite
