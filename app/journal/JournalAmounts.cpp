// Formats and widths of the reports' columns.
#include "app/journal/JournalAmounts.h"

#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"
#include "platform/settings/TextUtils.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int MaxDecimals = 6;

// Decimals a value needs, up to MaxDecimals: its digits after rounding there, trailing zeros dropped.
int DecimalsOf(double value) {
    double scaled = std::round(std::fabs(value) * std::pow(10.0, MaxDecimals));
    int decimals = MaxDecimals;
    while (decimals > 0 && std::fmod(scaled, 10.0) == 0) {
        scaled /= 10.0;
        --decimals;
    }
    return decimals;
}

std::string AmountFormat(int decimals) {
    return decimals == 0 ? "#,##0" : "#,##0." + std::string(static_cast<size_t>(decimals), '0');
}

} // namespace

void ShowAmounts(TDataSet& dataSet) {
    TDisableControlsGuard controls(dataSet);
    TDataSetPositionGuard position(dataSet);
    std::vector<int> decimals(static_cast<size_t>(dataSet.FieldCount()), 0);
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        for (int i = 0; i < dataSet.FieldCount(); ++i)
            if (IsFloatType(dataSet.Fields(i).DataType()) && !dataSet.Fields(i).IsNull())
                decimals[static_cast<size_t>(i)] =
                    std::max(decimals[static_cast<size_t>(i)], DecimalsOf(dataSet.Fields(i).AsFloat()));
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        if (IsFloatType(dataSet.Fields(i).DataType()))
            dataSet.Fields(i).SetDisplayFormat(AmountFormat(decimals[static_cast<size_t>(i)]));
    std::vector<int> widths(static_cast<size_t>(dataSet.FieldCount()), 1);
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        for (int i = 0; i < dataSet.FieldCount(); ++i)
            widths[static_cast<size_t>(i)] =
                std::max(widths[static_cast<size_t>(i)],
                         static_cast<int>(CharacterCount(dataSet.Fields(i).DisplayText())));
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        dataSet.Fields(i).SetDisplayWidth(widths[static_cast<size_t>(i)]);
}
