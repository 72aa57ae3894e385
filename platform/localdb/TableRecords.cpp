// Writing a local table's posted records through to its database table, by rowid.
#include "platform/localdb/Table.h"

#include <cassert>

namespace {

TVariant Stored(const TVariant& value) {
    return value.Kind() == TVarKind::DateTime ? TVariant::FromFloat(value.DateTime()) : value;
}

} // namespace

TLocalStatement& TTable::InsertStatement() {
    if (!FInsert) {
        std::string columns;
        std::string parameters;
        for (int i = 0; i < FieldDefs().Count(); ++i) {
            columns += (i ? ", " : "") + QuoteIdentifier(FieldDefs()[i].Name);
            parameters += i ? ", ?" : "?";
        }
        FInsert =
            std::make_unique<TLocalStatement>(FDatabase, "INSERT INTO " + QuoteIdentifier(FTableName) + " (" +
                                                             columns + ") VALUES (" + parameters + ")");
    }
    FInsert->Reset();
    return *FInsert;
}

void TTable::InternalInsert(int index, const TRecordBuffer& record) {
    // Prepared once per open: a bulk copy appends many rows through the same statement.
    TLocalStatement& insert = InsertStatement();
    for (int i = 0; i < FieldDefs().Count(); ++i)
        insert.Bind(i + 1, Stored(record[static_cast<size_t>(i)]));
    insert.Run();
    insert.Reset(); // a finished statement holds no lock on the table
    FRowIds.insert(FRowIds.begin() + index, FDatabase.LastInsertRowId());
    TMemDataSet::InternalInsert(index, record);
}

void TTable::InternalUpdate(int index, const TRecordBuffer& record) {
    assert(index >= 0 && index < static_cast<int>(FRowIds.size()));
    std::string assignments;
    for (int i = 0; i < FieldDefs().Count(); ++i)
        assignments += (i ? ", " : "") + QuoteIdentifier(FieldDefs()[i].Name) + " = ?";
    TLocalStatement update(FDatabase, "UPDATE " + QuoteIdentifier(FTableName) + " SET " + assignments +
                                          " WHERE rowid = ?");
    for (int i = 0; i < FieldDefs().Count(); ++i)
        update.Bind(i + 1, Stored(record[static_cast<size_t>(i)]));
    update.Bind(FieldDefs().Count() + 1, TVariant::FromInteger(FRowIds[static_cast<size_t>(index)]));
    update.Run();
    TMemDataSet::InternalUpdate(index, record);
}

void TTable::InternalDelete(int index) {
    assert(index >= 0 && index < static_cast<int>(FRowIds.size()));
    TLocalStatement remove(FDatabase, "DELETE FROM " + QuoteIdentifier(FTableName) + " WHERE rowid = ?");
    remove.Bind(1, TVariant::FromInteger(FRowIds[static_cast<size_t>(index)]));
    remove.Run();
    FRowIds.erase(FRowIds.begin() + index);
    TMemDataSet::InternalDelete(index);
}

void TTable::InternalReorder(const std::vector<int>& order) {
    std::vector<long long> rowIds;
    rowIds.reserve(order.size());
    for (int index : order)
        rowIds.push_back(FRowIds[static_cast<size_t>(index)]);
    TMemDataSet::InternalReorder(order);
    FRowIds = std::move(rowIds);
}
