// The chart window: a maximised modal window around the chart component, whose toolbar opens the
// axis dialog, switches the gap between bars, prints the chart and copies it as an image. ShowGraph is what
// the grid's graph button runs.
#pragma once

#include <QDialog>
#include <QPixmap>

#include <string>

class TDataSource;
class TChartWidget;

//! Toolbar commands of the chart window.
inline constexpr int CommandChooseAxes = 29439;
inline constexpr int CommandToggleGap = 29438;
inline constexpr int CommandPrintChart = 29437;
inline constexpr int CommandCopyChart = 29436;

class Tgraf : public QDialog {
    Q_OBJECT
public:
    explicit Tgraf(QWidget* parent = nullptr);

    TChartWidget& chart() const { return *Fchart; }

    //! Loads the chart with one field as categories and another as values, then shows the
    //! window modally. Without an open dataset or without both fields it opens without data.
    void Execute(const std::string& xField, const std::string& yField);
    //! The loading part of Execute, without showing the window.
    void Prepare(const std::string& xField, const std::string& yField);
    //! Runs a toolbar command; errors are shown, not raised.
    void Command(int command);

private:
    void SetToolbar();
    void ChooseAxes();
    //! The chart on one sheet of the printer the user chooses, as large as the page allows.
    void PrintChart();
    //! The chart as an image on the clipboard.
    void CopyChart();

    TChartWidget* Fchart;
    QPixmap FimgTool;
};

//! Charts a grid's dataset: the first displayed column's field as categories, the second's as
//! values. The window lives for this one call. Errors of loading propagate; the window is then
//! not shown.
void ShowGraph(QWidget* parent, TDataSource* source, const std::string& xField, const std::string& yField);
