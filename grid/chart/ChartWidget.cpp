// The chart component's control side: the matrix, texts and settings it is given, and its
// toolbar. Every change schedules one redraw (ChartWidgetDrawing.cpp) for the next event round.
#include "grid/chart/ChartWidget.h"

#include <QAction>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

#include <algorithm>
#include <cassert>

namespace {

constexpr int ToolbarFrame = 16;

QIcon FrameOf(const QPixmap& strip, int index) {
    if (strip.width() < (index + 1) * ToolbarFrame)
        return {};
    return QIcon(strip.copy(index * ToolbarFrame, 0, ToolbarFrame, ToolbarFrame));
}

// Texts the control was given for points or series beyond the matrix are kept, as a later
// matrix may reach them.
void Store(std::vector<std::string>& texts, int index, const std::string& text) {
    if (index < 0)
        return;
    if (index >= static_cast<int>(texts.size()))
        texts.resize(index + 1);
    texts[index] = text;
}

} // namespace

TChartWidget::TChartWidget(QWidget* parent)
    : QWidget(parent), TChartLoader(static_cast<IChartControl&>(*this)), FToolBar(new QToolBar(this)),
      FView(new QChartView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FToolBar);
    layout->addWidget(FView, 1);
    FView->setRenderHint(QPainter::Antialiasing);
    FToolBar->hide();
    SetStyle(-1);
    SetTypeEx(36);
    SetFixedGap(1);
    Redraw();
}

void TChartWidget::OpenData(int kind, int series, int points) {
    assert(kind == ChartValues);
    (void)kind;
    FSeries = std::max(series, 0);
    FPoints = std::max(points, 0);
    FThisSerie = 0;
    FValues.assign(static_cast<std::size_t>(FSeries) * FPoints, HiddenPoint);
}

void TChartWidget::SetThisSerie(int series) {
    FThisSerie = series;
}

void TChartWidget::SetValue(int point, double value) {
    if (FThisSerie >= 0 && FThisSerie < FSeries && point >= 0 && point < FPoints)
        FValues[CellIndex(FThisSerie, point)] = value;
}

void TChartWidget::CloseData(int kind) {
    assert(kind == ChartValues);
    (void)kind;
    ScheduleRedraw();
}

void TChartWidget::SetAxisSetting(int setting, double value) {
    FAxisSettings[setting] = value;
    ScheduleRedraw();
}

double TChartWidget::AxisSetting(int setting) const {
    const auto found = FAxisSettings.find(setting);
    return found == FAxisSettings.end() ? 0.0 : found->second;
}

void TChartWidget::SetTitle(int title, const std::string& text) {
    FTitles[title] = text;
    ScheduleRedraw();
}

void TChartWidget::SetSerLeg(int series, const std::string& text) {
    Store(FSerLegs, series, text);
    ScheduleRedraw();
}

void TChartWidget::SetLegend(int point, const std::string& text) {
    Store(FLegends, point, text);
    ScheduleRedraw();
}

void TChartWidget::SetKeyLeg(int point, const std::string& text) {
    Store(FKeyLegs, point, text);
    ScheduleRedraw();
}

void TChartWidget::SetRightGap(int gap) {
    FRightGap = gap;
    ScheduleRedraw();
}

void TChartWidget::SetChartType(int type) {
    FChartType = type;
    FType |= TypeChanged;
    SetLegStyle(LegStyleLabels);
    UpdateLabels();
}

void TChartWidget::SetFixedGap(int gap) {
    FFixedGap = gap;
    ScheduleRedraw();
}

void TChartWidget::RefreshToolbar() {
    FToolBar->clear();
    int button = 0;
    for (const auto& [slot, item] : FToolbarSlots) {
        if (!item.Visible)
            continue;
        if (item.Kind == KindSeparator) {
            FToolBar->addSeparator();
            continue;
        }
        QAction* action =
            FToolBar->addAction(FrameOf(FTBBitmap, button++), QString::fromStdString(item.Hint));
        action->setCheckable((item.Kind & KindToggle) != 0);
        connect(action, &QAction::triggered, this,
                [this, command = item.Command] { emit UserCommand(command); });
    }
    FToolBar->setVisible(!FToolBar->actions().isEmpty());
}

QImage TChartWidget::ChartImage() {
    Chart(); // a pending redraw first
    return FView->grab().toImage();
}

QChart* TChartWidget::Chart() {
    if (FRedrawPending)
        Redraw();
    return FView->chart();
}

std::size_t TChartWidget::CellIndex(int series, int point) const {
    return static_cast<std::size_t>(series) * FPoints + point;
}

void TChartWidget::ScheduleRedraw() {
    if (FRedrawPending)
        return;
    FRedrawPending = true;
    QTimer::singleShot(0, this, [this] {
        if (FRedrawPending)
            Redraw();
    });
}
