// Fixed-length text lines and their schema file. Numbers carry a decimal point whatever the
// locale, dates read day.month.year, so the schema alone tells a reader how to load the file.
#include "platform/localdb/export/FixedTextWriter.h"

#include "platform/localdb/export/ExportText.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/TextUtils.h"

#include <cstdio>
#include <filesystem>

namespace {

constexpr int MaxTextWidth = 255;

// The text cut to width characters and blank-padded to it; numbers are padded on the left.
std::string Fit(const std::string& value, int width, bool rightAligned) {
    const std::string text = FirstCharacters(value, static_cast<size_t>(width));
    const std::string padding(static_cast<size_t>(width) - CharacterCount(text), ' ');
    return rightAligned ? padding + text : text + padding;
}

std::string ValueText(const TExportField& field, const TFixedColumn& column, const TVariant& value) {
    if (value.IsNull())
        return {};
    if (IsIntegerType(field.DataType))
        return std::to_string(value.Integer());
    if (IsFloatType(field.DataType)) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", column.Decimals, value.Float());
        return text;
    }
    if (field.DataType == TFieldType::ftDate)
        return DayMonthYearText(value.DateTime());
    if (field.DataType == TFieldType::ftTime)
        return TimeOfDayText(value.DateTime());
    if (field.DataType == TFieldType::ftDateTime)
        return TimestampText(value.DateTime());
    return value.Text();
}

} // namespace

TFixedColumn FixedColumnOf(const TExportField& field) {
    switch (field.DataType) {
    case TFieldType::ftSmallint:
        return {"SHORTINT", 6, 0};
    case TFieldType::ftInteger:
        return {"LONGINT", 11, 0};
    case TFieldType::ftFloat:
        return {"FLOAT", 20, 6};
    case TFieldType::ftCurrency:
        return {"NUMBER", 20, 2};
    case TFieldType::ftDate:
        return {"DATE", 10, 0};
    case TFieldType::ftTime:
        return {"TIME", 8, 0};
    case TFieldType::ftDateTime:
        return {"TIMESTAMP", 19, 0};
    default:
        return {"CHAR", field.Size > 0 && field.Size < MaxTextWidth ? field.Size : MaxTextWidth, 0};
    }
}

std::string SchemaText(const std::string& tableName, const std::vector<TExportField>& fields) {
    std::string text = "[" + tableName + "]\nFiletype=Fixed\nDelimiter=\"\nSeparator=,\nCharSet=UTF-8\n";
    int offset = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        const TFixedColumn column = FixedColumnOf(fields[i]);
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, ",%d,%02d,%02d", column.Width, column.Decimals, offset);
        text += "Field" + std::to_string(i + 1) + "=" + fields[i].Name + "," + column.Type + numbers + "\n";
        offset += column.Width;
    }
    return text;
}

std::string SchemaFileName(const std::string& fileName) {
    return std::filesystem::path(fileName).replace_extension(".sch").string();
}

TFixedTextWriter::TFixedTextWriter(const std::string& fileName, const std::vector<TExportField>& fields)
    : FFile(fileName, std::ios::binary | std::ios::trunc), FFields(fields) {
    std::ofstream schema(SchemaFileName(fileName), std::ios::binary | std::ios::trunc);
    schema << SchemaText(std::filesystem::path(fileName).stem().string(), FFields);
    if (!FFile || !schema)
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
}

void TFixedTextWriter::Append(const TRecordBuffer& values) {
    std::string line;
    for (size_t i = 0; i < FFields.size(); ++i) {
        const TFixedColumn column = FixedColumnOf(FFields[i]);
        line += Fit(ValueText(FFields[i], column, values[i]), column.Width, column.Type != "CHAR");
    }
    FFile << line << '\n';
    FFile.flush();
    if (!FFile)
        throw Exception("V tekstovno tabelo ni mogoče pisati");
}
