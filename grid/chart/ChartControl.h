// The operations a chart control offers the chart logic: a value matrix of points x series with
// hidden points, titles, series legends, two lists of point labels and the axis settings. The
// loading logic talks only to this interface, so it runs and is tested without any widget.
#pragma once

#include <string>

//! The value that marks a point without data; the control does not draw it.
inline constexpr double HiddenPoint = 3.4028235e38;

//! The value matrix kind this system opens.
inline constexpr int ChartValues = 1;

//! Axis settings: the value axis range and step, and the first and last point shown.
enum TChartAxisSetting {
    AxisMinimum = 0,
    AxisMaximum = 1,
    AxisStep = 2,
    AxisFirstPoint = 6,
    AxisLastPoint = 7,
};

//! Titles of the two axes.
enum TChartTitle {
    TitleValueAxis = 0,
    TitleCategoryAxis = 3,
};

//! Chart types after which category labels are not staggered.
inline constexpr int ChartTypeUnstaggered = 5;
inline constexpr int ChartTypeBar = 2;
//! Type_ bit that, with ChartTypeBar, also turns staggering off.
inline constexpr int TypeHorizontal = 512;
//! Type_ bit set whenever the chart type changes.
inline constexpr int TypeChanged = 16777216;
//! Legend style the labels are laid out with.
inline constexpr int LegStyleLabels = 75;

class IChartControl {
public:
    virtual ~IChartControl() = default;

    //! Starts a new matrix of series x points, every point hidden.
    virtual void OpenData(int kind, int series, int points) = 0;
    //! The series the next SetValue calls fill.
    virtual void SetThisSerie(int series) = 0;
    virtual void SetValue(int point, double value) = 0;
    //! Ends filling; the control shows the matrix.
    virtual void CloseData(int kind) = 0;

    virtual void SetAxisSetting(int setting, double value) = 0;
    virtual void SetTitle(int title, const std::string& text) = 0;
    virtual void SetSerLeg(int series, const std::string& text) = 0;
    //! First label list: the category texts when labels are not staggered.
    virtual void SetLegend(int point, const std::string& text) = 0;
    //! Second label list: staggered category texts (leading CRs move a label down a line).
    virtual void SetKeyLeg(int point, const std::string& text) = 0;

    virtual int ChartType() const = 0;
    virtual int Type_() const = 0;
    virtual void SetLegStyle(int style) = 0;
    virtual void SetRightGap(int gap) = 0;
};
