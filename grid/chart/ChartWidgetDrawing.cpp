// How the chart component draws its matrix on Qt Charts: one bar set per series with its legend,
// hidden points left out, the category axis with the label list in use and the value axis with
// the range and step it was given, labelled in the program's number format at a readable
// multiple of the step.
#include "grid/chart/ChartWidget.h"

#include "platform/settings/DisplayFormat.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MostValueLabels = 20;
constexpr double GappedBarWidth = 0.75;

// The step between labelled ticks: the axis step times 1, 2, 5, 10, 20 ..., the first that
// leaves no more than MostValueLabels labels.
double LabelInterval(double step, double range) {
    if (!(step > 0) || !(range > 0))
        return 1.0;
    double interval = step;
    for (int i = 0; range / interval > MostValueLabels; ++i)
        interval = step * std::pow(10.0, i / 3) * (i % 3 == 0 ? 2 : i % 3 == 1 ? 5 : 10);
    return interval;
}

// Grouped thousands and as many decimals as the interval has.
std::string ValueFormat(double interval) {
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(interval) + 1e-9)));
    return decimals ? "#,##0." + std::string(decimals, '0') : "#,##0";
}

// A label as rich text: line breaks where the label starts with CRs, the rest escaped. Qt
// refuses two equal categories, so a repeated label is told apart by invisible spaces.
QString AxisLabel(const std::string& text, const QStringList& earlier) {
    QString label;
    std::size_t breaks = 0;
    for (; breaks < text.size() && text[breaks] == '\r'; ++breaks)
        label += "<br>";
    label += QString::fromStdString(text.substr(breaks)).toHtmlEscaped();
    while (earlier.contains(label))
        label += QChar(0x200B);
    return label;
}

} // namespace

void TChartWidget::Redraw() {
    FRedrawPending = false;
    QChart* chart = FView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->legend()->setVisible(FSeries > 0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(8, 8, 8 + 8 * FRightGap, 8));
    AddBars();
    AddAxes();
}

void TChartWidget::AddBars() {
    auto* bars = new QBarSeries;
    bars->setBarWidth(FFixedGap ? GappedBarWidth : 1.0);
    for (int series = 0; series < FSeries; ++series) {
        const std::string legend = series < static_cast<int>(FSerLegs.size()) ? FSerLegs[series] : "";
        auto* set = new QBarSet(QString::fromStdString(legend));
        set->setPen(Qt::NoPen);
        // A hidden point becomes a bar of height 0, which draws nothing.
        for (int point = 0; point < FPoints; ++point) {
            const double value = FValues[CellIndex(series, point)];
            set->append(value == HiddenPoint ? 0.0 : value);
        }
        bars->append(set);
    }
    FView->chart()->addSeries(bars);
}

void TChartWidget::AddAxes() {
    QChart* chart = FView->chart();
    auto* categories = new QBarCategoryAxis;
    QStringList labels;
    for (const std::string& text : ShownLabels())
        labels << AxisLabel(text, labels);
    categories->append(labels);
    categories->setTitleText(QString::fromStdString(FTitles[TitleCategoryAxis]));
    const int first = static_cast<int>(AxisSetting(AxisFirstPoint));
    const int last = static_cast<int>(AxisSetting(AxisLastPoint));
    if (0 <= first && first <= last && last < labels.size())
        categories->setRange(labels[first], labels[last]);

    auto* values = new QCategoryAxis;
    // Settings from outside the loading logic may be anything; the labels need a finite range.
    const bool finite = std::isfinite(AxisSetting(AxisMinimum)) && std::isfinite(AxisSetting(AxisMaximum));
    const double minimum = finite ? AxisSetting(AxisMinimum) : 0.0;
    const double maximum = finite ? std::max(AxisSetting(AxisMaximum), minimum) : 1.0;
    const double interval = LabelInterval(AxisSetting(AxisStep), maximum - minimum);
    const std::string format = ValueFormat(interval);
    values->setRange(minimum, maximum);
    values->setStartValue(minimum);
    values->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Labels at whole multiples of the interval, each computed afresh so no error adds up.
    const double slack = interval / 1000;
    for (double k = std::ceil((minimum - slack) / interval); k * interval <= maximum + slack; ++k)
        values->append(QString::fromStdString(FormatFloat(format, k * interval)), k * interval);
    values->setTitleText(QString::fromStdString(FTitles[TitleValueAxis]));

    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(categories);
        series->attachAxis(values);
    }
}

// The first list labels the points; when it is empty throughout, the labels are staggered in the
// second list.
std::vector<std::string> TChartWidget::ShownLabels() const {
    const bool firstListEmpty =
        std::all_of(FLegends.begin(), FLegends.end(), [](const std::string& text) { return text.empty(); });
    const std::vector<std::string>& shown = firstListEmpty ? FKeyLegs : FLegends;
    std::vector<std::string> labels(FPoints);
    for (int point = 0; point < FPoints && point < static_cast<int>(shown.size()); ++point)
        labels[point] = shown[point];
    return labels;
}
