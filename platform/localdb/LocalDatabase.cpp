// The SQLite connection and statement wrappers of the local tables.
#include "platform/localdb/LocalDatabase.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/localdb/DecimalAggregates.h"

#include <sqlite3.h>

namespace {

[[noreturn]] void Fail(sqlite3* db) {
    throw EDatabaseError(db ? sqlite3_errmsg(db) : "out of memory");
}

sqlite3* OpenFile(const std::string& fileName) {
    sqlite3* db = nullptr;
    if (sqlite3_open(fileName.c_str(), &db) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw EDatabaseError(message);
    }
    return db;
}

} // namespace

TLocalDatabase::TLocalDatabase(const std::string& fileName)
    : FFileName(fileName), FHandle(OpenFile(fileName), &sqlite3_close) {
    InstallDecimalAggregates(FHandle.get());
}

void TLocalDatabase::Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(Handle(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(Handle());
        sqlite3_free(error);
        throw EDatabaseError(message);
    }
}

long long TLocalDatabase::LastInsertRowId() const {
    return sqlite3_last_insert_rowid(Handle());
}

namespace {

sqlite3_stmt* Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        Fail(db);
    return stmt;
}

} // namespace

TLocalStatement::TLocalStatement(TLocalDatabase& db, const std::string& sql)
    : FDb(db), FStmt(Prepare(db.Handle(), sql), &sqlite3_finalize) {}

void TLocalStatement::Bind(int parameter, const TVariant& value) {
    sqlite3_stmt* stmt = FStmt.get();
    int rc = SQLITE_OK;
    switch (value.Kind()) {
    case TVarKind::Null:
        rc = sqlite3_bind_null(stmt, parameter);
        break;
    case TVarKind::Integer:
        rc = sqlite3_bind_int64(stmt, parameter, value.Integer());
        break;
    case TVarKind::Float:
        rc = sqlite3_bind_double(stmt, parameter, value.Float());
        break;
    case TVarKind::DateTime:
        rc = sqlite3_bind_double(stmt, parameter, value.DateTime());
        break;
    case TVarKind::Text:
        rc = sqlite3_bind_text(stmt, parameter, value.Text().data(), static_cast<int>(value.Text().size()),
                               SQLITE_TRANSIENT);
        break;
    case TVarKind::Bytes:
        rc = sqlite3_bind_blob(stmt, parameter, value.Bytes().data(), static_cast<int>(value.Bytes().size()),
                               SQLITE_TRANSIENT);
        break;
    }
    if (rc != SQLITE_OK)
        Fail(FDb.Handle());
}

bool TLocalStatement::Step() {
    const int rc = sqlite3_step(FStmt.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        Fail(FDb.Handle());
    return false;
}

void TLocalStatement::Run() {
    while (Step()) {
    }
}

void TLocalStatement::Reset() {
    sqlite3_reset(FStmt.get());
    sqlite3_clear_bindings(FStmt.get());
}

TLocalTransaction::TLocalTransaction(TLocalDatabase& db) : FDb(db) {
    FDb.Execute("BEGIN");
}

TLocalTransaction::~TLocalTransaction() {
    if (!FDone)
        Rollback();
}

void TLocalTransaction::Commit() {
    FDb.Execute("COMMIT");
    FDone = true;
}

void TLocalTransaction::Rollback() {
    FDone = true;
    // Statements still pending would keep the transaction open; SQLite rolls them back as well.
    sqlite3_exec(FDb.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

int TLocalStatement::ColumnCount() const {
    return sqlite3_column_count(FStmt.get());
}

std::string TLocalStatement::ColumnName(int column) const {
    return sqlite3_column_name(FStmt.get(), column);
}

TVariant TLocalStatement::Column(int column) const {
    sqlite3_stmt* stmt = FStmt.get();
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return TVariant::FromInteger(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return TVariant::FromFloat(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
        return TVariant::FromText(ColumnText(column));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(stmt, column));
        return TVariant::FromBytes(TBytes(data, data + sqlite3_column_bytes(stmt, column)));
    }
    default:
        return TVariant();
    }
}

long long TLocalStatement::ColumnInt64(int column) const {
    return sqlite3_column_int64(FStmt.get(), column);
}

std::string TLocalStatement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(FStmt.get(), column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(FStmt.get(), column)))
                : std::string();
}

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}
