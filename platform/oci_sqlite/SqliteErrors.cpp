// SQLite result codes and messages to Oracle codes and texts. Constraint names come from the
// table's indexes, since SQLite's messages name only the columns. Names keep the case they are
// stored in: unquoted ones are upper case already, quoted ones keep theirs.
#include "platform/oci_sqlite/SqliteErrors.h"

#include "platform/oci_sqlite/ObjectPrivileges.h"

#include "platform/oci_sqlite/EngineError.h"

#include <cstdlib>
#include <sqlite3.h>
#include <vector>

namespace ocisqlite {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string After(const std::string& text, const std::string& prefix) {
    return text.substr(prefix.size());
}

// "T.C" -> {"T", "C"}
std::pair<std::string, std::string> TableAndColumn(const std::string& qualified) {
    const auto dot = qualified.find('.');
    if (dot == std::string::npos)
        return {"", qualified};
    return {qualified.substr(0, dot), qualified.substr(dot + 1)};
}

std::vector<std::string> IndexColumns(sqlite3* db, const std::string& index) {
    std::vector<std::string> columns;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM pragma_index_info(?1) ORDER BY seqno", -1, &stmt, nullptr) ==
        SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, index.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            columns.push_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return columns;
}

// The name of the unique index over exactly these columns: an index created by name keeps it; a key
// declared in the table gets TABLE_PK or TABLE_UK<n>, since SQLite does not keep such names.
std::string UniqueConstraintName(sqlite3* db, const std::string& table,
                                 const std::vector<std::string>& columns) {
    sqlite3_stmt* stmt = nullptr;
    std::string name = table + "_UK";
    int keys = 0;
    if (sqlite3_prepare_v2(
            db, "SELECT name, origin FROM pragma_index_list(?1) WHERE \"unique\" ORDER BY seq DESC", -1,
            &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const std::string index = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            const std::string origin = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            ++keys;
            if (IndexColumns(db, index) != columns)
                continue;
            name = origin == "c"    ? index
                   : origin == "pk" ? table + "_PK"
                                    : table + "_UK" + std::to_string(keys);
            break;
        }
    }
    sqlite3_finalize(stmt);
    return name;
}

EngineError UniqueError(sqlite3* db, const std::string& detail, const ErrorContext& context) {
    // detail: "T.A, T.B"
    std::string table;
    std::vector<std::string> columns;
    size_t start = 0;
    while (start < detail.size()) {
        size_t end = detail.find(", ", start);
        if (end == std::string::npos)
            end = detail.size();
        auto [t, c] = TableAndColumn(detail.substr(start, end - start));
        table = t;
        columns.push_back(c);
        start = end + 2;
    }
    return ora::UniqueViolated(context.owner, UniqueConstraintName(db, table, columns));
}

EngineError ConstraintError(sqlite3* db, int rc, const std::string& message, const ErrorContext& context) {
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY ||
        StartsWith(message, "UNIQUE constraint failed: "))
        return UniqueError(db, After(message, "UNIQUE constraint failed: "), context);
    if (StartsWith(message, "NOT NULL constraint failed: ")) {
        const auto [table, column] = TableAndColumn(After(message, "NOT NULL constraint failed: "));
        return context.isUpdate ? ora::CannotUpdateToNull(context.owner, table, column)
                                : ora::CannotInsertNull(context.owner, table, column);
    }
    if (StartsWith(message, "CHECK constraint failed: "))
        return ora::CheckViolated(context.owner, After(message, "CHECK constraint failed: "));
    if (rc == SQLITE_CONSTRAINT_FOREIGNKEY)
        return context.isDelete ? ora::ChildRecordFound(context.owner, "FOREIGN_KEY")
                                : ora::ParentKeyNotFound(context.owner, "FOREIGN_KEY");
    return ora::Internal(message);
}

std::string FileName(sqlite3* db) {
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name ? name : "";
}

} // namespace

void ThrowSqliteError(sqlite3* db, int rc, const ErrorContext& context) {
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int primary = rc & 0xff;
    // The translator's functions fail with Oracle's own message ("ORA-01476: divisor is equal to zero").
    if (StartsWith(message, "ORA-") && message.size() > 9 && message[9] == ':')
        throw EngineError(std::atoi(message.c_str() + 4), message);
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw ora::ResourceBusy();
    if (primary == SQLITE_INTERRUPT)
        throw ora::Make(1013, "user requested cancel of current operation");
    if (primary == SQLITE_AUTH)
        throw ObjectPrivileges::LastDenial();
    if (rc == SQLITE_IOERR_READ || rc == SQLITE_IOERR_SHORT_READ)
        throw ora::ReadFailed(FileName(db), sqlite3_errstr(rc));
    if (primary == SQLITE_FULL || primary == SQLITE_IOERR)
        throw ora::WriteFailed(FileName(db), sqlite3_errstr(rc));
    if (primary == SQLITE_CONSTRAINT)
        throw ConstraintError(db, rc, message, context);
    if (StartsWith(message, "no such table: "))
        throw ora::TableNotFound();
    if (StartsWith(message, "no such column: "))
        throw ora::InvalidIdentifier(After(message, "no such column: "));
    if (message.find("already exists") != std::string::npos)
        throw ora::NameInUse();
    // SQLite parses less nesting than the engine's own parser lets through.
    if (message == "parser stack overflow" || StartsWith(message, "Expression tree is too large"))
        throw ora::NestingTooDeep();
    // ROWNUM outside a query's own rows (in a DELETE or UPDATE, say) becomes a window function SQLite
    // cannot place there.
    if (StartsWith(message, "misuse of window function"))
        throw ora::Unimplemented();
    if (primary == SQLITE_TOOBIG)
        throw ora::ConcatenationTooLong();
    if (message.find("syntax error") != std::string::npos || StartsWith(message, "incomplete input"))
        throw ora::InvalidSql();
    throw ora::Internal(message);
}

} // namespace ocisqlite
