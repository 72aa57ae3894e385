// dBase columns: text up to 254 characters, numbers as N columns, dates as D columns.
#include "platform/localdb/export/DBaseWriter.h"

#include "platform/localdb/export/CodePage1250.h"
#include "platform/localdb/export/ExportText.h"
#include "platform/settings/Exceptions.h"

#include <shapefil.h>

namespace {

constexpr int MaxTextWidth = 254;

struct TDBaseColumn {
    DBFFieldType Type;
    int Width;
    int Decimals;
};

TDBaseColumn ColumnOf(const TExportField& field) {
    switch (field.DataType) {
    case TFieldType::ftSmallint:
        return {FTInteger, 6, 0};
    case TFieldType::ftInteger:
        return {FTInteger, 11, 0};
    case TFieldType::ftFloat:
        return {FTDouble, 20, 6};
    case TFieldType::ftCurrency:
        return {FTDouble, 20, 2};
    case TFieldType::ftDate:
        return {FTDate, 8, 0};
    case TFieldType::ftTime:
        return {FTString, 8, 0};
    case TFieldType::ftDateTime:
        return {FTString, 19, 0};
    default:
        return {FTString, field.Size > 0 && field.Size < MaxTextWidth ? field.Size : MaxTextWidth, 0};
    }
}

std::string DateTimeText(TFieldType type, TDateTime value) {
    return type == TFieldType::ftTime ? TimeOfDayText(value) : TimestampText(value);
}

} // namespace

struct TDBaseWriter::THandle {
    explicit THandle(DBFHandle dbf) : Dbf(dbf) {}
    ~THandle() { DBFClose(Dbf); }
    DBFHandle Dbf;
};

TDBaseWriter::TDBaseWriter(const std::string& fileName, const std::vector<TExportField>& fields)
    : FFields(fields) {
    DBFHandle dbf = DBFCreateEx(fileName.c_str(), DBaseCodePage1250);
    if (!dbf)
        throw Exception("Cannot create file " + fileName);
    FHandle = std::make_unique<THandle>(dbf);
    for (const TExportField& field : FFields) {
        const TDBaseColumn column = ColumnOf(field);
        // Names longer than the format allows are cut by shapelib to ten characters.
        if (DBFAddField(dbf, Utf8ToCp1250(field.Name).c_str(), column.Type, column.Width, column.Decimals) <
            0)
            throw Exception("Cannot add field " + field.Name + " to " + fileName);
    }
}

TDBaseWriter::~TDBaseWriter() = default;

void TDBaseWriter::Append(const TRecordBuffer& values) {
    for (size_t i = 0; i < FFields.size(); ++i)
        WriteValue(FRecords, static_cast<int>(i), values[i]);
    ++FRecords;
}

void TDBaseWriter::WriteValue(int record, int column, const TVariant& value) {
    // shapelib reports a text cut to the column width as a failure although it writes the record;
    // the column widths follow the field sizes, so only over-long display texts are cut.
    const TFieldType type = FFields[static_cast<size_t>(column)].DataType;
    if (value.IsNull())
        DBFWriteNULLAttribute(FHandle->Dbf, record, column);
    else if (IsIntegerType(type))
        DBFWriteIntegerAttribute(FHandle->Dbf, record, column, static_cast<int>(value.Integer()));
    else if (IsFloatType(type))
        DBFWriteDoubleAttribute(FHandle->Dbf, record, column, value.Float());
    else if (type == TFieldType::ftDate) // shapelib's string writer reads a D column's value as a double
        DBFWriteAttributeDirectly(FHandle->Dbf, record, column, DateStampText(value.DateTime()).data());
    else if (IsDateTimeType(type))
        DBFWriteStringAttribute(FHandle->Dbf, record, column, DateTimeText(type, value.DateTime()).c_str());
    else
        DBFWriteStringAttribute(FHandle->Dbf, record, column, Utf8ToCp1250(value.Text()).c_str());
}
