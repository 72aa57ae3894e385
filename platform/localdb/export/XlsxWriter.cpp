#include "platform/localdb/export/XlsxWriter.h"

#include "platform/settings/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <xlsxwriter.h>

namespace {

std::string NumberFormat(const TExportField& field) {
    if (IsIntegerType(field.DataType))
        return "#,##0";
    return field.Decimals > 0 ? "#,##0." + std::string(static_cast<size_t>(field.Decimals), '0') : "#,##0";
}

// Characters of the column: its name, its values as the grid shows them, and a little room.
double ColumnWidth(const TExportField& field) {
    int width = static_cast<int>(field.Name.size());
    if (IsIntegerType(field.DataType) || IsFloatType(field.DataType))
        width = std::max(width, field.Digits + field.Decimals + field.Digits / 3 + 1);
    else if (field.DataType == TFieldType::ftDate || field.DataType == TFieldType::ftDateTime)
        width = std::max(width, field.WholeDays ? 10 : 19);
    else
        width = std::max(width, field.Size);
    return std::min(width, 60) + 2;
}

lxw_datetime DateTimeOf(TDateTime value) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, millisecond);
    return {year, month, day, hour, minute, second + millisecond / 1000.0};
}

void Check(lxw_error error, const std::string& fileName) {
    if (error != LXW_NO_ERROR)
        throw Exception("Datoteke " + fileName + " ni mogoče zapisati: " + lxw_strerror(error));
}

} // namespace

TXlsxWriter::TXlsxWriter(const std::string& fileName, const std::vector<TExportField>& fields,
                         const std::string& title, const std::string& subject)
    : FFileName(fileName), FFields(fields) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    FWorkbook = workbook_new_opt(fileName.c_str(), &options);
    if (!FWorkbook)
        throw Exception("Datoteke " + fileName + " ni mogoče ustvariti");
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    properties.subject = const_cast<char*>(subject.c_str());
    workbook_set_properties(FWorkbook, &properties);
    FSheet = workbook_add_worksheet(FWorkbook, nullptr);
    lxw_format* heading = workbook_add_format(FWorkbook);
    format_set_bold(heading);
    for (size_t i = 0; i < FFields.size(); ++i) {
        const TExportField& field = FFields[i];
        FFormats.push_back(ColumnFormat(field, false));
        FBoldFormats.push_back(ColumnFormat(field, true));
        const auto column = static_cast<lxw_col_t>(i);
        worksheet_set_column(FSheet, column, column, ColumnWidth(field), nullptr);
        worksheet_write_string(FSheet, 0, column, field.Name.c_str(), heading);
    }
    worksheet_freeze_panes(FSheet, 1, 0);
}

TXlsxWriter::~TXlsxWriter() {
    if (FWorkbook)
        workbook_close(FWorkbook);
}

lxw_format* TXlsxWriter::ColumnFormat(const TExportField& field, bool bold) {
    lxw_format* format = workbook_add_format(FWorkbook);
    if (IsIntegerType(field.DataType) || IsFloatType(field.DataType))
        format_set_num_format(format, NumberFormat(field).c_str());
    else if (field.DataType == TFieldType::ftDate || field.DataType == TFieldType::ftDateTime)
        format_set_num_format(format, field.WholeDays ? "dd.mm.yyyy" : "dd.mm.yyyy hh:mm:ss");
    if (bold)
        format_set_bold(format);
    return format;
}

void TXlsxWriter::Append(const TRecordBuffer& values) {
    WriteRow(values, FFormats);
}

void TXlsxWriter::AppendTotal(const TRecordBuffer& values) {
    WriteRow(values, FBoldFormats);
}

void TXlsxWriter::WriteRow(const TRecordBuffer& values, const std::vector<lxw_format*>& formats) {
    ++FRow;
    for (size_t i = 0; i < FFields.size() && i < values.size(); ++i)
        WriteCell(static_cast<int>(i), values[i], formats[i]);
}

void TXlsxWriter::WriteCell(int column, const TVariant& value, lxw_format* format) {
    if (value.IsNull())
        return;
    const TExportField& field = FFields[static_cast<size_t>(column)];
    const auto col = static_cast<lxw_col_t>(column);
    if (IsIntegerType(field.DataType))
        worksheet_write_number(FSheet, FRow, col, static_cast<double>(value.Integer()), format);
    else if (IsFloatType(field.DataType))
        worksheet_write_number(FSheet, FRow, col, value.Float(), format);
    else if (field.DataType == TFieldType::ftDate || field.DataType == TFieldType::ftDateTime) {
        lxw_datetime datetime = DateTimeOf(value.DateTime());
        worksheet_write_datetime(FSheet, FRow, col, &datetime, format);
    } else
        worksheet_write_string(FSheet, FRow, col, value.Text().c_str(), format);
}

void TXlsxWriter::Finish() {
    lxw_workbook* workbook = FWorkbook;
    FWorkbook = nullptr;
    Check(workbook_close(workbook), FFileName);
}
