// Table descriptions from sqlite_schema and PRAGMA table_info; sequences and procedures in the
// catalog tables. A table is found without regard to case (SQLite cannot hold two that differ only
// in case); sequences and procedures by their exact name, which is upper case unless quoted.
#include "platform/oci_sqlite/SchemaCatalog.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqliteStatement.h"

namespace ocisqlite {

std::optional<orasql::TableInfo> SchemaCatalog::FindTable(const std::string& upperName) const {
    SqliteStatement stored(db_,
                           "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 "
                           "COLLATE NOCASE");
    if (!stored.Bind(1, upperName).Step())
        return std::nullopt;
    orasql::TableInfo table{stored.Text(0), {}};
    SqliteStatement columns(db_, "SELECT name, type, \"notnull\" FROM pragma_table_info(?1)");
    columns.Bind(1, table.name);
    while (columns.Step()) {
        orasql::ColumnInfo column = orasql::ParseDeclaredType(columns.Text(1));
        column.name = columns.Text(0);
        column.notNull = columns.Int(2) != 0;
        table.columns.push_back(std::move(column));
    }
    return table;
}

bool SchemaCatalog::SequenceExists(const std::string& upperName) const {
    return SqliteStatement(db_, "SELECT 1 FROM ocisqlite_sequences WHERE name = ?1")
        .Bind(1, upperName)
        .Step();
}

void SchemaCatalog::CreateSequence(const std::string& name, int64_t start, int64_t increment) {
    if (SequenceExists(name))
        throw ora::NameInUse();
    SqliteStatement(db_, "INSERT INTO ocisqlite_sequences (name, next_value, increment) VALUES (?1, ?2, ?3)")
        .Bind(1, name)
        .Bind(2, start)
        .Bind(3, increment)
        .Run();
}

void SchemaCatalog::DropSequence(const std::string& name) {
    if (!SequenceExists(name))
        throw ora::SequenceNotFound();
    SqliteStatement(db_, "DELETE FROM ocisqlite_sequences WHERE name = ?1").Bind(1, name).Run();
}

void SchemaCatalog::StoreProcedure(const std::string& name, const std::string& source) {
    SqliteStatement(db_, "INSERT OR REPLACE INTO ocisqlite_procedures (name, source) VALUES (?1, ?2)")
        .Bind(1, name)
        .Bind(2, source)
        .Run();
}

void SchemaCatalog::DropProcedure(const std::string& name) {
    if (!ProcedureSource(name))
        throw ora::Make(4043, "object " + name + " does not exist");
    SqliteStatement(db_, "DELETE FROM ocisqlite_procedures WHERE name = ?1").Bind(1, name).Run();
}

std::optional<std::string> SchemaCatalog::ProcedureSource(const std::string& upperName) const {
    SqliteStatement query(db_, "SELECT source FROM ocisqlite_procedures WHERE name = ?1");
    if (!query.Bind(1, upperName).Step())
        return std::nullopt;
    return query.Text(0);
}

} // namespace ocisqlite
