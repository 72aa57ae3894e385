// dBase columns: text up to 254 characters, numbers as N columns sized by their values, dates as D columns.
#include "platform/localdb/export/DBaseWriter.h"

#include "platform/localdb/export/CodePage1250.h"
#include "platform/localdb/export/ExportMeasure.h"
#include "platform/localdb/export/ExportText.h"
#include "platform/settings/Exceptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>
#include <set>
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
    case TFieldType::ftDate:
        return {FTDate, 8, 0};
    case TFieldType::ftTime:
        return {FTString, 8, 0};
    case TFieldType::ftDateTime:
        return field.WholeDays ? TDBaseColumn{FTDate, 8, 0} : TDBaseColumn{FTString, 19, 0};
    default:
        if (IsFloatType(field.DataType))
            return {FTDouble, field.Digits + (field.Decimals ? field.Decimals + 1 : 0), field.Decimals};
        return {FTString, field.Size > 0 && field.Size < MaxTextWidth ? field.Size : MaxTextWidth, 0};
    }
}

constexpr size_t MaxNameLength = 10;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The header's last-update date: the user's day of the export.
void DateHeader(DBFHandle dbf) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    DBFSetLastModifiedDate(dbf, today.tm_year, today.tm_mon + 1, today.tm_mday);
}

std::string DateTimeText(TFieldType type, TDateTime value) {
    return type == TFieldType::ftTime ? TimeOfDayText(value) : TimestampText(value);
}

std::string RightAligned(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
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
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
    FHandle = std::make_unique<THandle>(dbf);
    DateHeader(dbf);
    std::vector<std::string> names;
    for (const TExportField& field : FFields)
        names.push_back(Utf8ToCp1250(field.Name));
    names = DBaseFieldNames(names);
    for (size_t i = 0; i < FFields.size(); ++i) {
        const TDBaseColumn column = ColumnOf(FFields[i]);
        if (DBFAddField(dbf, names[i].c_str(), column.Type, column.Width, column.Decimals) < 0)
            throw Exception("Polja " + FFields[i].Name + " ni mogoče dodati v " + fileName);
    }
}

std::vector<std::string> DBaseFieldNames(const std::vector<std::string>& names) {
    std::vector<std::string> result;
    std::set<std::string> taken; // upper case: dBase names ignore the letter case
    for (const std::string& name : names) {
        std::string candidate = name.substr(0, MaxNameLength);
        for (int n = 1; taken.count(Upper(candidate)); ++n) {
            const std::string suffix = "_" + std::to_string(n);
            candidate = name.substr(0, MaxNameLength - suffix.size()) + suffix;
        }
        taken.insert(Upper(candidate));
        result.push_back(candidate);
    }
    return result;
}

TDBaseWriter::~TDBaseWriter() = default;

void TDBaseWriter::Append(const TRecordBuffer& values) {
    for (size_t i = 0; i < FFields.size(); ++i)
        WriteValue(FRecords, static_cast<int>(i), values[i]);
    ++FRecords;
}

// The column's digits as dBase keeps them, right-aligned; shapelib's integer writer takes an int only.
void TDBaseWriter::WriteInteger(int record, int column, const TVariant& value) {
    const TExportField& field = FFields[static_cast<size_t>(column)];
    const int width = ColumnOf(field).Width;
    const std::int64_t highest = static_cast<std::int64_t>(std::pow(10.0, width)) - 1;
    const std::int64_t number = ExportIntegerOf(field, value, -(highest / 10), highest);
    DBFWriteAttributeDirectly(FHandle->Dbf, record, column,
                              RightAligned(std::to_string(number), width).data());
}

void TDBaseWriter::WriteValue(int record, int column, const TVariant& value) {
    // shapelib reports a text cut to the column width as a failure although it writes the record;
    // the column widths follow the field sizes, so only over-long display texts are cut.
    const TExportField& field = FFields[static_cast<size_t>(column)];
    const TFieldType type = field.DataType;
    const TDBaseColumn layout = ColumnOf(field);
    // shapelib marks an empty number with asterisks, which readers take for an overflow; blank is empty.
    if (value.IsNull() && (layout.Type == FTDouble || layout.Type == FTInteger))
        DBFWriteAttributeDirectly(FHandle->Dbf, record, column, std::string(layout.Width, ' ').data());
    else if (value.IsNull())
        DBFWriteNULLAttribute(FHandle->Dbf, record, column);
    else if (IsIntegerType(type))
        WriteInteger(record, column, value);
    else if (IsFloatType(type)) // digits as the grid shows them, not shapelib's rounding to the width
        DBFWriteAttributeDirectly(
            FHandle->Dbf, record, column,
            RightAligned(ExportNumberText(value.Float(), layout.Decimals), layout.Width).data());
    else if (layout.Type == FTDate) // shapelib's string writer reads a D column's value as a double
        DBFWriteAttributeDirectly(FHandle->Dbf, record, column, DateStampText(value.DateTime()).data());
    else if (IsDateTimeType(type))
        DBFWriteStringAttribute(FHandle->Dbf, record, column, DateTimeText(type, value.DateTime()).c_str());
    else
        DBFWriteStringAttribute(FHandle->Dbf, record, column, Utf8ToCp1250(value.Text()).c_str());
}
