// Running a local query text and typing its result columns.
#include "platform/localdb/temp/LocalQuery.h"

#include "platform/dataset/DatabaseError.h"
#include "platform/localdb/LocalFieldTypes.h"
#include "platform/localdb/temp/LocalDates.h"

namespace {

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
    TLocalStatement statement(FDatabase, WithStoredDateLiterals(Text()));
    const int columns = statement.ColumnCount();
    std::vector<TRecordBuffer> rows;
    while (statement.Step()) {
        TRecordBuffer row;
        for (int i = 0; i < columns; ++i)
            row.push_back(statement.Column(i));
        rows.push_back(std::move(row));
    }

    FieldDefs().Clear();
    for (int i = 0; i < columns; ++i) {
        const std::string name = statement.ColumnName(i);
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
