// The chart component's loading logic; see ChartLoader.h.
#include "grid/chart/ChartLoader.h"

#include "grid/chart/CategoryLabels.h"
#include "grid/chart/NiceScale.h"
#include "platform/dataset/DataSetGuards.h"
#include "platform/dataset/DataSource.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"

#include <algorithm>

namespace {

TDataSet& ChartedDataSet(const TDataSource* source) {
    if (!source || !source->DataSet())
        throw Exception("Graf nima podatkov");
    return *source->DataSet();
}

} // namespace

void TChartLoader::SetxLegPeriod(int period) {
    FxLegPeriod = period;
    FControl.SetLegStyle(LegStyleLabels);
    UpdateLabels();
}

void TChartLoader::LoadData() {
    TDataSet& dataSet = ChartedDataSet(FdataSource);
    TWaitCursor wait;
    TDisableControlsGuard controls(dataSet);
    TDataSetPositionGuard position(dataSet);
    const TChartMatrix matrix = AggregateRows(dataSet, FFields);
    FCategories = matrix.Categories;
    PassMatrix(matrix);
    UpdateLabels();
    PassValueAxis(matrix);
}

void TChartLoader::UpdateLabels() {
    const int period = LabelPeriod(FxLegPeriod, FControl.ChartType(), FControl.Type_());
    const TCategoryLabels labels = CategoryLabels(FCategories, period);
    for (int i = 0; i < static_cast<int>(FCategories.size()); ++i) {
        FControl.SetLegend(i, labels.Legend[i]);
        FControl.SetKeyLeg(i, labels.KeyLeg[i]);
    }
}

void TChartLoader::PassMatrix(const TChartMatrix& matrix) {
    FControl.OpenData(ChartValues, matrix.Series(), matrix.Points());
    for (int series = 0; series < matrix.Series(); ++series)
        FControl.SetSerLeg(series, matrix.SeriesLegends[series]);
    for (int point = 0; point < matrix.Points(); ++point) {
        for (int series = 0; series < matrix.Series(); ++series) {
            const std::optional<double>& cell = matrix.Cells[point][series];
            FControl.SetThisSerie(series);
            FControl.SetValue(point, cell ? *cell : HiddenPoint);
        }
    }
    FControl.CloseData(ChartValues);
}

void TChartLoader::PassValueAxis(const TChartMatrix& matrix) {
    float minimum = 1e38f;
    float maximum = -1e38f;
    bool anyValue = false;
    for (const auto& row : matrix.Cells) {
        for (const std::optional<double>& cell : row) {
            if (!cell)
                continue;
            minimum = std::min(minimum, static_cast<float>(*cell));
            maximum = std::max(maximum, static_cast<float>(*cell));
            anyValue = true;
        }
    }
    // Without any value the starting bounds would span the whole float range.
    const TAxisScale scale = anyValue ? NiceScale(minimum, maximum) : NiceScale(0, 0);
    FControl.SetAxisSetting(AxisMinimum, scale.Minimum);
    FControl.SetAxisSetting(AxisMaximum, scale.Maximum);
    FControl.SetAxisSetting(AxisStep, scale.Step);
    FControl.SetAxisSetting(AxisFirstPoint, 0);
    FControl.SetAxisSetting(AxisLastPoint, matrix.Points() - 1);
    FControl.SetRightGap(1);
}
