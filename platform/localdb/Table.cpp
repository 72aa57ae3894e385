// Opening a local table: its field definitions from the stored columns, its records in the order
// of the index field names, and the current index.
#include "platform/localdb/Table.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/localdb/LocalFieldTypes.h"

TTable::TTable(TLocalDatabase& database, std::string tableName)
    : TMemDataSet(tableName), FDatabase(database), FTableName(std::move(tableName)) {}

TTable::~TTable() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the records go either way.
    }
}

void TTable::InternalOpen() {
    TMemDataSet::InternalOpen();
    if (FieldDefs().Count() == 0)
        ReadFieldDefs();
    ReadRecords();
}

void TTable::InternalClose() {
    FInsert.reset();
    FRowIds.clear();
    TMemDataSet::InternalClose();
}

void TTable::InternalRefresh() {
    ReadRecords();
}

void TTable::ReadFieldDefs() {
    TLocalStatement columns(FDatabase, "SELECT name, type FROM pragma_table_info(?) ORDER BY cid");
    columns.Bind(1, TVariant::FromText(FTableName));
    while (columns.Step()) {
        const TFieldDef def = FieldDefOfColumn(columns.ColumnText(0), columns.ColumnText(1));
        FieldDefs().Add(def.Name, def.DataType, def.Size);
    }
    if (FieldDefs().Count() == 0)
        throw EDatabaseError("Table does not exist: " + FTableName);
}

void TTable::ReadRecords() {
    std::string columns = "rowid";
    for (int i = 0; i < FieldDefs().Count(); ++i)
        columns += ", " + QuoteIdentifier(FieldDefs()[i].Name);
    TLocalStatement select(FDatabase,
                           "SELECT " + columns + " FROM " + QuoteIdentifier(FTableName) + OrderByClause());
    std::vector<TRecordBuffer> records;
    std::vector<long long> rowIds;
    while (select.Step()) {
        rowIds.push_back(select.ColumnInt64(0));
        TRecordBuffer record;
        for (int i = 0; i < FieldDefs().Count(); ++i)
            record.push_back(NativeValue(FieldDefs()[i].DataType, select.Column(i + 1)));
        records.push_back(std::move(record));
    }
    FRowIds = std::move(rowIds);
    LoadRecords(std::move(records));
}

std::string TTable::OrderByClause() const {
    std::string clause;
    for (const std::string& name : SplitFieldNames(FIndexFieldNames))
        clause += (clause.empty() ? " ORDER BY " : ", ") + QuoteIdentifier(name);
    // The storage order breaks ties, so equal keys keep a stable order.
    return clause.empty() ? " ORDER BY rowid" : clause + ", rowid";
}

void TTable::CheckFieldNames(const std::string& names) const {
    for (const std::string& name : SplitFieldNames(names))
        if (FieldDefs().IndexOf(name) < 0)
            throw EDatabaseError(DatabaseErrorText::FieldNotFound(Name(), name));
}

void TTable::SetIndexFieldNames(const std::string& names) {
    if (Active())
        CheckFieldNames(names);
    FIndexFieldNames = names;
    if (Active()) {
        CheckBrowseMode();
        ReadRecords();
    }
}

int TTable::IndexFieldCount() const {
    return static_cast<int>(SplitFieldNames(FIndexFieldNames).size());
}

TField& TTable::IndexFields(int index) const {
    const std::vector<std::string> names = SplitFieldNames(FIndexFieldNames);
    return FieldByName(names.at(static_cast<size_t>(index)));
}
