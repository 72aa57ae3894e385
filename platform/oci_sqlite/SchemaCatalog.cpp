// Table descriptions from PRAGMA table_info; sequences and procedures in the catalog tables.
#include "platform/oci_sqlite/SchemaCatalog.h"

#include "platform/oci_sqlite/EngineError.h"
#include "platform/oci_sqlite/SqlText.h"
#include "platform/oci_sqlite/SqliteStatement.h"

#include <cstdio>

namespace ocisqlite {

namespace {
orasql::ColumnInfo ColumnFromDeclaration(const std::string& name, const std::string& declared, bool notNull) {
    orasql::ColumnInfo column;
    column.name = UpperCase(name);
    column.notNull = notNull;
    const std::string upper = UpperCase(declared);
    const auto open = upper.find('(');
    column.oracleType = upper.substr(0, open);
    while (!column.oracleType.empty() && column.oracleType.back() == ' ')
        column.oracleType.pop_back();
    int first = -1, second = -1;
    if (open != std::string::npos)
        std::sscanf(upper.c_str() + open, "(%d , %d", &first, &second);
    if (column.oracleType == "NUMBER") {
        column.precision = first > 0 ? first : 0;
        column.hasScale = second >= 0 || first > 0;
        column.scale = second >= 0 ? second : 0;
    } else if (first > 0) {
        column.length = first;
    }
    return column;
}
} // namespace

std::optional<orasql::TableInfo> SchemaCatalog::FindTable(const std::string& upperName) const {
    SqliteStatement query(db_, "SELECT name, type, \"notnull\" FROM pragma_table_info(?1)");
    query.Bind(1, upperName);
    orasql::TableInfo table{upperName, {}};
    while (query.Step())
        table.columns.push_back(ColumnFromDeclaration(query.Text(0), query.Text(1), query.Int(2) != 0));
    if (table.columns.empty())
        return std::nullopt;
    return table;
}

bool SchemaCatalog::SequenceExists(const std::string& upperName) const {
    return SqliteStatement(db_, "SELECT 1 FROM ocisqlite_sequences WHERE name = ?1")
        .Bind(1, upperName)
        .Step();
}

void SchemaCatalog::CreateSequence(const std::string& name, int64_t start, int64_t increment) {
    const std::string upper = UpperCase(name);
    if (SequenceExists(upper))
        throw ora::NameInUse();
    SqliteStatement(db_, "INSERT INTO ocisqlite_sequences (name, next_value, increment) VALUES (?1, ?2, ?3)")
        .Bind(1, upper)
        .Bind(2, start)
        .Bind(3, increment)
        .Run();
}

void SchemaCatalog::DropSequence(const std::string& name) {
    const std::string upper = UpperCase(name);
    if (!SequenceExists(upper))
        throw ora::SequenceNotFound();
    SqliteStatement(db_, "DELETE FROM ocisqlite_sequences WHERE name = ?1").Bind(1, upper).Run();
}

void SchemaCatalog::StoreProcedure(const std::string& name, const std::string& source) {
    SqliteStatement(db_, "INSERT OR REPLACE INTO ocisqlite_procedures (name, source) VALUES (?1, ?2)")
        .Bind(1, UpperCase(name))
        .Bind(2, source)
        .Run();
}

} // namespace ocisqlite
