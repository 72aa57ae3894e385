// Column sizes from the values of an export.
#include "platform/localdb/export/ExportMeasure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int SignificantDigits = 15;

// Decimals the value shows with 15 significant digits, trailing zeros dropped.
int DecimalsOf(double value) {
    if (value == 0 || !std::isfinite(value))
        return 0;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    int decimals = std::max(SignificantDigits - magnitude, 0);
    const std::string text = ExportNumberText(value, decimals);
    for (size_t end = text.size(); decimals > 0 && text[end - 1] == '0'; --end)
        --decimals;
    return decimals;
}

// Decimals a display format ("#,##0.00") always shows.
int DecimalsOf(const std::string& format) {
    const size_t point = format.find('.');
    if (point == std::string::npos)
        return 0;
    const size_t end = format.find_first_not_of("0#", point + 1);
    return static_cast<int>((end == std::string::npos ? format.size() : end) - point - 1);
}

int DigitsOf(double value) {
    const std::string text = ExportNumberText(value, 0);
    return static_cast<int>(text.size());
}

void Measure(const TField& field, TExportField& column) {
    if (field.OnGetText())
        return;
    if (IsFloatType(column.DataType))
        column.Decimals = std::max(column.Decimals, DecimalsOf(field.DisplayFormat()));
    if (field.IsNull())
        return;
    if (IsFloatType(column.DataType)) {
        const double value = field.AsFloat();
        column.Digits = std::max(column.Digits, DigitsOf(value));
        column.Decimals = std::max(column.Decimals, DecimalsOf(value));
    } else if (column.DataType == TFieldType::ftDateTime) {
        const TDateTime value = field.AsDateTime();
        column.WholeDays = column.WholeDays && value == std::floor(value);
    }
}

} // namespace

std::string ExportNumberText(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void MeasureExportValues(TDataSet& dataSet, std::vector<TExportField>& fields) {
    for (TExportField& column : fields)
        column.WholeDays = column.DataType == TFieldType::ftDateTime;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        size_t n = 0;
        for (int i = 0; i < dataSet.FieldCount(); ++i)
            if (dataSet.Fields(i).Visible())
                Measure(dataSet.Fields(i), fields[n++]);
    }
}
