#include "platform/localdb/export/CsvWriter.h"

#include "platform/localdb/export/ExportText.h"
#include "platform/settings/Exceptions.h"

#include <charconv>
#include <cmath>

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The shortest text that reads back as the same double, which is what the grid shows.
std::string NumberText(double value, char decimalPoint) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string number(text, result.ptr);
    if (const size_t point = number.find('.'); point != std::string::npos)
        number[point] = decimalPoint;
    return number;
}

bool IsWholeDay(TDateTime value) {
    return value == std::floor(value);
}

} // namespace

TCsvWriter::TCsvWriter(const std::string& fileName, const std::vector<TExportField>& fields, TCsvStyle style)
    : FFile(fileName, std::ios::binary | std::ios::trunc), FFields(fields), FStyle(style) {
    if (!FFile)
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
    FFile << "\xEF\xBB\xBF";
    std::vector<std::string> names;
    for (const TExportField& field : FFields)
        names.push_back(Quoted(field.Name));
    WriteLine(names);
}

void TCsvWriter::Append(const TRecordBuffer& values) {
    std::vector<std::string> cells;
    for (size_t i = 0; i < FFields.size(); ++i)
        cells.push_back(CellOf(FFields[i], i < values.size() ? values[i] : TVariant()));
    WriteLine(cells);
}

void TCsvWriter::WriteLine(const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i)
        FFile << (i == 0 ? "" : std::string(1, FStyle.Separator)) << cells[i];
    FFile << "\r\n";
    if (!FFile)
        throw Exception("Datoteke ni mogoče pisati");
}

std::string TCsvWriter::CellOf(const TExportField& field, const TVariant& value) const {
    if (value.IsNull())
        return {};
    if (IsIntegerType(field.DataType))
        return std::to_string(value.Integer());
    if (IsFloatType(field.DataType))
        return NumberText(value.Float(), FStyle.DecimalPoint);
    if (field.DataType == TFieldType::ftDate ||
        (field.DataType == TFieldType::ftDateTime && IsWholeDay(value.DateTime())))
        return DayMonthYearText(value.DateTime());
    if (field.DataType == TFieldType::ftTime)
        return TimeOfDayText(value.DateTime());
    if (field.DataType == TFieldType::ftDateTime)
        return DayMonthYearText(value.DateTime()) + " " + TimeOfDayText(value.DateTime());
    return Quoted(value.Text());
}
