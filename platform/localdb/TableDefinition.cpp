// Creating and deleting a local table and reading its index definitions back. Index names are
// global in the database, so each is stored prefixed with its table's name and "$".
#include "platform/localdb/Table.h"

#include "platform/localdb/LocalFieldTypes.h"

std::string TTable::IndexName(const std::string& name) const {
    return FTableName + "$" + name;
}

void TTable::CreateTable() {
    CheckInactive();
    std::string columns;
    for (int i = 0; i < FieldDefs().Count(); ++i)
        columns +=
            (i ? ", " : "") + QuoteIdentifier(FieldDefs()[i].Name) + " " + ColumnDeclaration(FieldDefs()[i]);
    const std::string table = QuoteIdentifier(FTableName);
    std::string sql = "DROP TABLE IF EXISTS " + table + "; CREATE TABLE " + table + " (" + columns + ");";
    for (int i = 0; i < FIndexDefs.Count(); ++i) {
        // SQLite would index a quoted unknown name as a text constant; refuse it instead.
        CheckFieldNames(FIndexDefs[i].Fields);
        std::string fields;
        for (const std::string& name : SplitFieldNames(FIndexDefs[i].Fields))
            fields += (fields.empty() ? "" : ", ") + QuoteIdentifier(name);
        sql += " CREATE INDEX " + QuoteIdentifier(IndexName(FIndexDefs[i].Name)) + " ON " + table + " (" +
               fields + ");";
    }
    FDatabase.Execute("BEGIN; " + sql + " COMMIT;");
}

void TTable::DeleteTable() {
    CheckInactive();
    FDatabase.Execute("DROP TABLE IF EXISTS " + QuoteIdentifier(FTableName));
}

bool TTable::Exists() const {
    TLocalStatement query(FDatabase, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.Bind(1, TVariant::FromText(FTableName));
    return query.Step();
}

void TTable::UpdateIndexDefs() {
    FIndexDefs.Clear();
    TLocalStatement indexes(
        FDatabase, "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? ORDER BY rowid");
    indexes.Bind(1, TVariant::FromText(FTableName));
    const std::string prefix = IndexName("");
    while (indexes.Step()) {
        const std::string stored = indexes.ColumnText(0);
        if (stored.rfind(prefix, 0) != 0)
            continue; // SQLite's own indexes of constraints
        TLocalStatement columns(FDatabase, "SELECT name FROM pragma_index_info(?) ORDER BY seqno");
        columns.Bind(1, TVariant::FromText(stored));
        std::string fields;
        while (columns.Step())
            fields += (fields.empty() ? "" : ";") + columns.ColumnText(0);
        FIndexDefs.Add(stored.substr(prefix.size()), fields);
    }
}
