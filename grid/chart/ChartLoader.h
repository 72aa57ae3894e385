// The chart component's own state and logic, apart from any widget: which fields of which data
// source are charted, the category list of the last load, and the hand-over of the aggregated
// matrix, its labels and its value axis to a chart control.
#pragma once

#include "grid/chart/ChartControl.h"
#include "grid/chart/ChartMatrix.h"

#include <string>
#include <vector>

class TDataSource;

class TChartLoader {
public:
    explicit TChartLoader(IChartControl& control) : FControl(control) {}

    //! Where the rows come from; setting only stores it.
    TDataSource* dataSource() const { return FdataSource; }
    void SetdataSource(TDataSource* source) { FdataSource = source; }
    //! The field whose display text gives a row's category.
    const std::string& xFieldName() const { return FFields.X; }
    void SetxFieldName(const std::string& name) { FFields.X = name; }
    //! The fields whose values are charted.
    const std::vector<std::string>& yFieldName() const { return FFields.Y; }
    void SetyFieldName(const std::vector<std::string>& names) { FFields.Y = names; }
    //! The grouping field; empty = no grouping.
    const std::string& gFieldName() const { return FFields.Group; }
    void SetgFieldName(const std::string& name) { FFields.Group = name; }
    //! The groups to chart; empty = every group met.
    const std::vector<std::string>& gFieldValue() const { return FFields.GroupValues; }
    void SetgFieldValue(const std::vector<std::string>& values) { FFields.GroupValues = values; }
    //! Category labels are staggered over this many lines; 0 = not staggered.
    int xLegPeriod() const { return FxLegPeriod; }
    void SetxLegPeriod(int period);

    //! The categories of the last successful load, in order of first appearance.
    const std::vector<std::string>& Categories() const { return FCategories; }

    //! Aggregates the data source's rows and hands the matrix, labels and axis to the control,
    //! under the wait cursor with the dataset's controls disabled and its position kept. On any
    //! error nothing reaches the control and the previous categories stay.
    void LoadData();
    //! Gives the control the labels of the current categories.
    void UpdateLabels();

private:
    void PassMatrix(const TChartMatrix& matrix);
    void PassValueAxis(const TChartMatrix& matrix);

    IChartControl& FControl;
    TDataSource* FdataSource = nullptr;
    TChartFields FFields;
    int FxLegPeriod = 0;
    std::vector<std::string> FCategories;
};
