// Running a local query text and typing its result columns.
#include "platform/localdb/temp/LocalQuery.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/localdb/LocalFieldTypes.h"
#include "platform/localdb/temp/LocalDates.h"

#include <cstdio>
#include <memory>
#include <sqlite3.h>

namespace {

TVariant ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return TVariant::FromInteger(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return TVariant::FromFloat(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
        return TVariant::FromText(
            std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                        static_cast<size_t>(sqlite3_column_bytes(stmt, column))));
    default:
        return TVariant();
    }
}

TFieldType KindType(const TVariant& value) {
    switch (value.Kind()) {
    case TVarKind::Integer:
        return TFieldType::ftInteger;
    case TVarKind::Float:
        return TFieldType::ftFloat;
    default:
        return TFieldType::ftString;
    }
}

TVariant Typed(TFieldType type, const TVariant& stored) {
    TDateTime date;
    if (IsDateTimeType(type) && stored.Kind() == TVarKind::Text && ParseDateText(stored.Text(), date))
        return TVariant::FromDateTime(date);
    return NativeValue(type, stored);
}

} // namespace

TLocalQuery::TLocalQuery(TLocalDatabase& database, std::string name)
    : TMemDataSet(std::move(name)), FDatabase(database) {
    SetReadOnly(true);
}

TLocalQuery::~TLocalQuery() {
    Close();
}

std::string TLocalQuery::Text() const {
    std::string text;
    for (const std::string& line : FSQL)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

void TLocalQuery::InternalOpen() {
    TMemDataSet::InternalOpen();
    const std::string text = WithStoredDateLiterals(Text());
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(FDatabase.Handle(), text.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw EDatabaseError(sqlite3_errmsg(FDatabase.Handle()));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, &sqlite3_finalize);
    const int columns = sqlite3_column_count(raw);
    std::vector<TRecordBuffer> rows;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        TRecordBuffer row;
        for (int i = 0; i < columns; ++i)
            row.push_back(ColumnValue(raw, i));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw EDatabaseError(sqlite3_errmsg(FDatabase.Handle()));

    FieldDefs().Clear();
    for (int i = 0; i < columns; ++i) {
        const std::string name = sqlite3_column_name(raw, i);
        if (FieldDefs().IndexOf(name) >= 0)
            throw EDatabaseError("Duplicate column name " + name);
        const int known = FColumnTypes.IndexOf(name);
        if (known >= 0) {
            FieldDefs().Add(name, FColumnTypes[known].DataType, FColumnTypes[known].Size);
            continue;
        }
        TFieldType type = TFieldType::ftString;
        for (const TRecordBuffer& row : rows)
            if (!row[static_cast<size_t>(i)].IsNull()) {
                type = KindType(row[static_cast<size_t>(i)]);
                break;
            }
        FieldDefs().Add(name, type);
    }
    for (TRecordBuffer& row : rows)
        for (int i = 0; i < columns; ++i)
            row[static_cast<size_t>(i)] = Typed(FieldDefs()[i].DataType, row[static_cast<size_t>(i)]);
    LoadRecords(std::move(rows));
}
