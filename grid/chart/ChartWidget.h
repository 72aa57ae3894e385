// The chart component: a chart control on Qt Charts (value matrix with hidden points, titles,
// legends, label lists, axis settings, a toolbar of command slots) together with the loading
// logic of TChartLoader, which feeds it from a data source. Shows the matrix as a bar chart.
#pragma once

#include "grid/chart/ChartControl.h"
#include "grid/chart/ChartLoader.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QChart;
class QChartView;
class QToolBar;

//! A toolbar slot: a command button, a toggle or a separator.
struct TToolbarItem {
    int Command = 0;
    int Kind = 0;       //!< KindSeparator, KindButton, or KindButton with KindToggle set
    int Visible = 1;    //!< 0 leaves the slot out
    std::string Hint{}; //!< tool tip of a button
};
inline constexpr int KindButton = 1;
inline constexpr int KindSeparator = 2;
inline constexpr int KindToggle = 0x2000;

class TChartWidget : public QWidget, public IChartControl, public TChartLoader {
    Q_OBJECT
public:
    explicit TChartWidget(QWidget* parent = nullptr);

    void OpenData(int kind, int series, int points) override;
    void SetThisSerie(int series) override;
    void SetValue(int point, double value) override;
    void CloseData(int kind) override;
    void SetAxisSetting(int setting, double value) override;
    void SetTitle(int title, const std::string& text) override;
    void SetSerLeg(int series, const std::string& text) override;
    void SetLegend(int point, const std::string& text) override;
    void SetKeyLeg(int point, const std::string& text) override;
    int ChartType() const override { return FChartType; }
    int Type_() const override { return FType; }
    void SetLegStyle(int style) override { FLegStyle = style; }
    void SetRightGap(int gap) override;

    //! Changes the chart type: marks Type_, re-lays the labels out.
    void SetChartType(int type);
    int Style() const { return FStyle; }
    void SetStyle(int style) { FStyle = style; }
    int TypeEx() const { return FTypeEx; }
    void SetTypeEx(int typeEx) { FTypeEx = typeEx; }
    int LegStyle() const { return FLegStyle; }
    //! 1 leaves a gap between the bars of neighbouring categories, 0 none.
    int FixedGap() const { return FFixedGap; }
    void SetFixedGap(int gap);
    int RightGap() const { return FRightGap; }
    double AxisSetting(int setting) const;

    //! The toolbar's button pictures: 16 x 16 frames side by side, one per button in slot order.
    void SetTBBitmap(const QPixmap& bitmap) { FTBBitmap = bitmap; }
    void SetToolbarSlot(int slot, const TToolbarItem& item) { FToolbarSlots[slot] = item; }
    //! Rebuilds the toolbar from its slots.
    void RefreshToolbar();
    //! The chart as it shows now, without the toolbar (for printing and the clipboard).
    QImage ChartImage();
    QToolBar* ToolBar() const { return FToolBar; }

    //! The chart as drawn; brought up to date with the latest settings.
    QChart* Chart();

signals:
    //! A toolbar button was pressed.
    void UserCommand(int command);

private:
    void ScheduleRedraw();
    void Redraw();
    void AddBars();
    void AddAxes();
    std::vector<std::string> ShownLabels() const;
    std::size_t CellIndex(int series, int point) const;

    QToolBar* FToolBar;
    QChartView* FView;
    bool FRedrawPending = false;

    int FSeries = 0;
    int FPoints = 0;
    int FThisSerie = 0;
    std::vector<double> FValues; // series-major
    std::vector<std::string> FSerLegs;
    std::vector<std::string> FLegends;
    std::vector<std::string> FKeyLegs;
    std::map<int, std::string> FTitles;
    std::map<int, double> FAxisSettings;

    int FChartType = ChartTypeBar;
    int FType = 0;
    int FStyle = 0;
    int FTypeEx = 0;
    int FLegStyle = 0;
    int FFixedGap = 0;
    int FRightGap = 0;
    QPixmap FTBBitmap;
    std::map<int, TToolbarItem> FToolbarSlots;
};
