// The chart component on Qt Charts and the chart window: hidden points not drawn, legends, the
// axes as set, staggered labels on separate lines, the toolbar commands, loading from a grid's
// fields, a window without data, and a picture of a chart for review.
#include "grid/GridHooks.h"
#include "grid/ToolGrid.h"
#include "grid/chart/AxisDialog.h"
#include "grid/chart/ChartWidget.h"
#include "grid/chart/Graph.h"
#include "grid/chart/GraphButton.h"

#include "ChartRows.h"
#include "TestApp.h"

#include "platform/dataset/DataSource.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>

#include <gtest/gtest.h>

#include <limits>

namespace {

QBarSeries* Bars(TChartWidget& chart) {
    const QList<QAbstractSeries*> series = chart.Chart()->series();
    return series.size() == 1 ? qobject_cast<QBarSeries*>(series.front()) : nullptr;
}

QBarCategoryAxis* CategoryAxis(TChartWidget& chart) {
    const QList<QAbstractAxis*> axes = chart.Chart()->axes(Qt::Horizontal);
    return axes.size() == 1 ? qobject_cast<QBarCategoryAxis*>(axes.front()) : nullptr;
}

QValueAxis* ValueAxis(TChartWidget& chart) {
    const QList<QAbstractAxis*> axes = chart.Chart()->axes(Qt::Vertical);
    return axes.size() == 1 ? qobject_cast<QValueAxis*>(axes.front()) : nullptr;
}

QAction* ToolbarAction(TChartWidget& chart, const QString& hint) {
    for (QAction* action : chart.ToolBar()->actions())
        if (action->text() == hint)
            return action;
    return nullptr;
}

const std::vector<TChartRow> DemoRows{
    {"Ljubljana", "Obveznice", 1250.5, 12}, {"Maribor", "Obveznice", 830, 8},
    {"Celje", "Delnice", -210, 3},          {"Koper", "Obveznice", 415.25, 4},
    {"Kranj", "Delnice", 960, 9},           {"Ljubljana", "Delnice", 300, 2},
    {"Novo mesto", "Depoziti", 610, 6},     {"Maribor", "Depoziti", 275, 1},
    {"Nova Gorica", "Obveznice", 140, 1},   {"Murska Sobota", "Depoziti", 95, 1},
    {"Velenje", "Delnice", 505, 5},         {"Ptuj", "Obveznice", 380, 3},
};

class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        Locale() = TLocale::Slovenian();
    }

    TRecordingUi RecordingUi;
    TScopedUi ScopedUi{RecordingUi};
    TMemDataSet DataSet;
    TDataSource Source{&DataSet};
};

TEST_F(ChartWindowTest, TheComponentDrawsOneBarSetPerSeriesWithoutItsHiddenPoints) {
    TChartWidget chart;
    chart.OpenData(ChartValues, 2, 3);
    chart.SetSerLeg(0, "Znesek: A");
    chart.SetSerLeg(1, "Znesek: B");
    for (int point = 0; point < 3; ++point) {
        chart.SetThisSerie(0);
        chart.SetValue(point, point + 1.5);
    }
    chart.SetThisSerie(1);
    chart.SetValue(1, -4);
    chart.CloseData(ChartValues);
    chart.SetAxisSetting(AxisMinimum, -10);
    chart.SetAxisSetting(AxisMaximum, 90);
    chart.SetAxisSetting(AxisStep, 1);
    chart.SetTitle(TitleValueAxis, "Znesek");
    chart.SetTitle(TitleCategoryAxis, "Regija");

    QBarSeries* bars = Bars(chart);
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets()[0]->label(), "Znesek: A");
    EXPECT_EQ(bars->barSets()[0]->at(2), 3.5);
    EXPECT_EQ(bars->barSets()[1]->at(0), 0.0);
    EXPECT_EQ(bars->barSets()[1]->at(1), -4.0);
    EXPECT_EQ(bars->barSets()[1]->pen().style(), Qt::NoPen);
    ASSERT_NE(ValueAxis(chart), nullptr);
    EXPECT_EQ(ValueAxis(chart)->min(), -10);
    EXPECT_EQ(ValueAxis(chart)->max(), 90);
    const QStringList labels = qobject_cast<QCategoryAxis*>(ValueAxis(chart))->categoriesLabels();
    ASSERT_EQ(labels.size(), 21) << "labels at a readable multiple of the step";
    EXPECT_EQ(labels.front(), "-10");
    EXPECT_EQ(labels.back(), "90");
    EXPECT_EQ(ValueAxis(chart)->titleText(), "Znesek");
    EXPECT_EQ(CategoryAxis(chart)->titleText(), "Regija");
    EXPECT_TRUE(chart.Chart()->legend()->isVisible());
}

TEST_F(ChartWindowTest, StaggeredLabelsAreShownOnSeparateLinesAndEscaped) {
    TChartWidget chart;
    FillChartRows(DataSet, {{"A<B", "x", 1}, {"C", "x", 2}, {"D", "x", 3}, {"E", "x", 4}});
    chart.SetdataSource(&Source);
    chart.SetxFieldName("REGION");
    chart.SetyFieldName({"AMOUNT"});
    chart.LoadData();
    EXPECT_EQ(CategoryAxis(chart)->categories(), (QStringList{"A&lt;B", "C", "D", "E"}));
    chart.SetxLegPeriod(3);
    EXPECT_EQ(chart.LegStyle(), LegStyleLabels);
    EXPECT_EQ(CategoryAxis(chart)->categories(), (QStringList{"A&lt;B", "<br>C", "<br><br>D", "E"}));
    chart.SetChartType(ChartTypeUnstaggered);
    EXPECT_NE(chart.Type_() & TypeChanged, 0);
    EXPECT_EQ(CategoryAxis(chart)->categories(), (QStringList{"A&lt;B", "C", "D", "E"}));
}

TEST_F(ChartWindowTest, TheWindowLoadsTheGridsTwoFieldsWithTheirLabelsAsTitles) {
    FillChartRows(DataSet, DemoRows);
    Tgraf graf;
    EXPECT_EQ(graf.windowTitle(), "graf");
    EXPECT_TRUE(graf.isModal());
    graf.chart().SetdataSource(&Source);
    graf.Prepare("REGION", "AMOUNT");
    TChartWidget& chart = graf.chart();
    EXPECT_EQ(chart.xFieldName(), "REGION");
    EXPECT_EQ(chart.yFieldName(), (std::vector<std::string>{"AMOUNT"}));
    EXPECT_EQ(chart.gFieldName(), "");
    EXPECT_EQ(CategoryAxis(chart)->titleText(), "Regija");
    EXPECT_EQ(ValueAxis(chart)->titleText(), "Znesek");
    EXPECT_EQ(Bars(chart)->barSets()[0]->label(), "Znesek: ");
    EXPECT_EQ(Bars(chart)->barSets()[0]->at(0), 1550.5);
    EXPECT_EQ(chart.AxisSetting(AxisMinimum), -300);
    EXPECT_EQ(chart.AxisSetting(AxisMaximum), 1600);
    EXPECT_EQ(chart.AxisSetting(AxisStep), 100);
    const QStringList labels = qobject_cast<QCategoryAxis*>(ValueAxis(chart))->categoriesLabels();
    EXPECT_EQ(labels.front(), "-300");
    EXPECT_EQ(labels.back(), "1.600") << "in the program's number format";
}

TEST_F(ChartWindowTest, ValueLabelsCarryTheDecimalsOfTheirStepAndAnInfiniteRangeDrawsZeroToOne) {
    TChartWidget chart;
    chart.SetAxisSetting(AxisMinimum, 0);
    chart.SetAxisSetting(AxisMaximum, 1);
    chart.SetAxisSetting(AxisStep, 0.1);
    QStringList labels = qobject_cast<QCategoryAxis*>(ValueAxis(chart))->categoriesLabels();
    EXPECT_EQ(labels,
              (QStringList{"0,0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1,0"}));
    chart.SetAxisSetting(AxisMaximum, std::numeric_limits<double>::infinity());
    labels = qobject_cast<QCategoryAxis*>(ValueAxis(chart))->categoriesLabels();
    EXPECT_EQ(labels.back(), "1,0");
}

TEST_F(ChartWindowTest, WithoutAnOpenDatasetOrTwoColumnsTheWindowHasNoData) {
    FillChartRows(DataSet, DemoRows);
    Tgraf graf;
    graf.Prepare("REGION", "AMOUNT");
    graf.chart().SetdataSource(&Source);
    graf.Prepare("REGION", "");
    DataSet.Close();
    graf.Prepare("REGION", "AMOUNT");
    EXPECT_EQ(Bars(graf.chart())->count(), 0);
    graf.Command(CommandChooseAxes);
    EXPECT_TRUE(RecordingUi.Errors.empty());
}

TEST_F(ChartWindowTest, AValueThatIsNoNumberFailsBeforeTheWindowShows) {
    FillChartRows(DataSet, DemoRows);
    Tgraf graf;
    graf.chart().SetdataSource(&Source);
    QTimer::singleShot(0, &graf, [&graf] { graf.reject(); }); // should the window open after all
    EXPECT_THROW(graf.Execute("AMOUNT", "REGION"), Exception);
    EXPECT_FALSE(graf.isVisible());
}

TEST_F(ChartWindowTest, TheToolbarSwitchesTheGapAndChoosesAxesThroughTheDialog) {
    FillChartRows(DataSet, DemoRows);
    Tgraf graf;
    TChartWidget& chart = graf.chart();
    chart.SetdataSource(&Source);
    graf.Prepare("REGION", "AMOUNT");
    EXPECT_EQ(chart.Style(), -1);
    EXPECT_EQ(chart.TypeEx(), 36);
    EXPECT_EQ(chart.RightGap(), 1);
    ASSERT_EQ(chart.ToolBar()->actions().size(), 5);
    EXPECT_TRUE(chart.ToolBar()->actions()[0]->isSeparator());

    // The chart goes to the clipboard as the picture shown.
    QGuiApplication::clipboard()->clear();
    ToolbarAction(chart, "Kopiranje grafa v odložišče (Ctrl+Shift+C)")->trigger();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());

    QAction* gap = ToolbarAction(chart, "Razmik med stolpci");
    ASSERT_NE(gap, nullptr);
    const qreal gapped = Bars(chart)->barWidth();
    gap->trigger();
    EXPECT_EQ(chart.FixedGap(), 0);
    EXPECT_GT(Bars(chart)->barWidth(), gapped);
    gap->trigger();
    EXPECT_EQ(chart.FixedGap(), 1);

    QTimer::singleShot(0, &graf, [&graf] {
        TAxisDialog* dialog = graf.findChild<TAxisDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->lbY()->item(1)->setSelected(true);
        dialog->cbG()->setCurrentIndex(1);
        dialog->BitBtn1()->click();
    });
    ToolbarAction(chart, "Izbira osi")->trigger();
    EXPECT_EQ(graf.findChild<TAxisDialog*>(), nullptr) << "the dialog lives for one use";
    EXPECT_EQ(chart.yFieldName(), (std::vector<std::string>{"AMOUNT", "QUANTITY"}));
    EXPECT_EQ(chart.gFieldName(), "PRODUCT");
    EXPECT_EQ(ValueAxis(chart)->titleText(), "Znesek, Količina");
    EXPECT_EQ(Bars(chart)->count(), 6);
    EXPECT_EQ(Bars(chart)->barSets()[1]->label(), "Količina: Obveznice");
}

TEST_F(ChartWindowTest, AFailedAxisChoiceIsShownAndTheChartKeepsItsData) {
    std::vector<TChartRow> rows;
    for (int i = 0; i < 50; ++i)
        rows.push_back({"Koper", "P" + std::to_string(i), 1.0 + i});
    FillChartRows(DataSet, rows);
    Tgraf graf;
    graf.chart().SetdataSource(&Source);
    graf.Prepare("REGION", "AMOUNT");
    QTimer::singleShot(0, &graf, [&graf] {
        TAxisDialog* dialog = graf.findChild<TAxisDialog*>();
        dialog->lbY()->selectAll();
        dialog->cbG()->setCurrentIndex(1);
        dialog->BitBtn1()->click();
    });
    graf.Command(CommandChooseAxes);
    EXPECT_EQ(RecordingUi.Errors, (std::vector<std::string>{"Limit of 100 series exceeded"}));
    EXPECT_EQ(Bars(graf.chart())->count(), 1);
}

TEST_F(ChartWindowTest, TheGraphButtonChartsTheGridsFirstTwoDisplayedColumns) {
    FillChartRows(DataSet, DemoRows);
    DataSet.FieldByName("REGION").SetVisible(false);
    TToolGrid grid;
    grid.SetDataSource(&Source);
    InstallGraphButton();
    std::vector<std::string> charted;
    QTimer::singleShot(0, &grid, [&] {
        Tgraf* graf = grid.findChild<Tgraf*>();
        ASSERT_NE(graf, nullptr);
        EXPECT_TRUE(graf->isVisible());
        EXPECT_TRUE(graf->windowState() & Qt::WindowMaximized);
        charted = {graf->chart().xFieldName(), graf->chart().yFieldName().front()};
        graf->accept();
    });
    grid.Graph();
    GridServices() = {};
    EXPECT_EQ(charted, (std::vector<std::string>{"PRODUCT", "AMOUNT"}));
    EXPECT_EQ(grid.findChild<Tgraf*>(), nullptr) << "the window lives for one use";
    EXPECT_TRUE(RecordingUi.Errors.empty());
}

TEST_F(ChartWindowTest, RendersAPictureOfDemoLikeDataForReview) {
    FillChartRows(DataSet, DemoRows);
    Tgraf graf;
    graf.chart().SetdataSource(&Source);
    graf.chart().SetgFieldName("PRODUCT");
    graf.Prepare("REGION", "AMOUNT");
    graf.chart().SetgFieldName("PRODUCT");
    graf.chart().LoadData();
    graf.chart().SetxLegPeriod(2);
    graf.resize(1200, 700);
    graf.chart().Chart();
    QDir().mkpath(ZORVEKA_TEST_OUTPUT_DIR);
    const QString path = QString(ZORVEKA_TEST_OUTPUT_DIR) + "/chart.png";
    EXPECT_TRUE(graf.grab().save(path));
}

} // namespace
