// The two label lists of the category axis; see CategoryLabels.h.
#include "grid/chart/CategoryLabels.h"

#include "grid/chart/ChartControl.h"

TCategoryLabels CategoryLabels(const std::vector<std::string>& categories, int period) {
    TCategoryLabels labels;
    labels.Legend.reserve(categories.size());
    labels.KeyLeg.reserve(categories.size());
    for (int i = 0; i < static_cast<int>(categories.size()); ++i) {
        const std::string& category = categories[i];
        if (period > 0) {
            labels.Legend.emplace_back();
            labels.KeyLeg.push_back(std::string(i % period, '\r') + category);
        } else {
            labels.Legend.push_back(category);
            labels.KeyLeg.push_back(std::to_string(i));
        }
    }
    return labels;
}

int LabelPeriod(int xLegPeriod, int chartType, int typeBits) {
    const bool laysOutItself =
        chartType == ChartTypeUnstaggered || (chartType == ChartTypeBar && (typeBits & TypeHorizontal) != 0);
    return laysOutItself ? 0 : xLegPeriod;
}
