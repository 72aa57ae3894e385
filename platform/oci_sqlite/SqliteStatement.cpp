// The catalog's statement wrapper. It is for the engine's own small queries; client statements go
// through the statement cache instead.
#include "platform/oci_sqlite/SqliteStatement.h"

#include "platform/oci_sqlite/ObjectPrivileges.h"
#include "platform/oci_sqlite/SqliteErrors.h"

#include <sqlite3.h>

namespace ocisqlite {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : db_(db) {
    const EngineStatementScope engine;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        ThrowSqliteError(db, rc, {});
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement& SqliteStatement::Bind(int index, const std::string& text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, const std::vector<unsigned char>& blob) {
    sqlite3_bind_blob(stmt_, index, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
    return *this;
}

bool SqliteStatement::Step() {
    const EngineStatementScope engine; // a step may prepare the statement again
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        ThrowSqliteError(db_, rc, {});
    return false;
}

void SqliteStatement::Run() {
    while (Step()) {
    }
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}
int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}
double SqliteStatement::Double(int column) const {
    return sqlite3_column_double(stmt_, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string(text, sqlite3_column_bytes(stmt_, column)) : std::string();
}

std::vector<unsigned char> SqliteStatement::Blob(int column) const {
    const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(stmt_, column));
    return data ? std::vector<unsigned char>(data, data + sqlite3_column_bytes(stmt_, column))
                : std::vector<unsigned char>();
}

} // namespace ocisqlite
