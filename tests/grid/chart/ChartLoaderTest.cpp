// The chart component's loading logic against a recording control: what reaches the control in
// which order, hidden points, the value axis, staggered labels, and a failed load that leaves
// the control, the cursor, the dataset's controls and its position as they were.
#include "grid/chart/ChartLoader.h"

#include "ChartRows.h"

#include "platform/dataset/DataSource.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TRecordingChart : public IChartControl {
public:
    std::vector<std::string> Calls;
    int Gallery = ChartTypeBar;
    int TypeBits = 0;

    void OpenData(int kind, int series, int points) override { Record("OpenData", kind, series, points); }
    void SetThisSerie(int series) override { Record("ThisSerie", series); }
    void SetValue(int point, double value) override { Record("Value", point, value); }
    void CloseData(int kind) override { Record("CloseData", kind); }
    void SetAxisSetting(int setting, double value) override { Record("Axis", setting, value); }
    void SetTitle(int title, const std::string& text) override { Record("Title", title, text); }
    void SetSerLeg(int series, const std::string& text) override { Record("SerLeg", series, text); }
    void SetLegend(int point, const std::string& text) override { Record("Legend", point, text); }
    void SetKeyLeg(int point, const std::string& text) override { Record("KeyLeg", point, text); }
    int ChartType() const override { return Gallery; }
    int Type_() const override { return TypeBits; }
    void SetLegStyle(int style) override { Record("LegStyle", style); }
    void SetRightGap(int gap) override { Record("RightGap", gap); }

    //! The recorded calls whose text starts with prefix.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : Calls)
            if (call.rfind(prefix, 0) == 0)
                found.push_back(call);
        return found;
    }

private:
    template <typename... Args> void Record(const std::string& name, const Args&... args) {
        std::ostringstream text;
        text << name;
        ((text << ' ' << args), ...);
        Calls.push_back(text.str());
    }
};

class ChartLoaderTest : public ::testing::Test {
protected:
    void Load(const std::vector<TChartRow>& rows, const std::string& group = "") {
        FillChartRows(DataSet, rows);
        Loader.SetdataSource(&Source);
        Loader.SetxFieldName("REGION");
        Loader.SetyFieldName({"AMOUNT"});
        Loader.SetgFieldName(group);
        Loader.LoadData();
    }

    TRecordingUi RecordingUi;
    TScopedUi ScopedUi{RecordingUi};
    TMemDataSet DataSet;
    TDataSource Source{&DataSet};
    TRecordingChart Chart;
    TChartLoader Loader{Chart};
};

TEST_F(ChartLoaderTest, PassesTheMatrixPointByPointWithHiddenPointsThenLabelsAndAxis) {
    Load({{"Ljubljana", "A", 10}, {"Maribor", "B", 5}, {"Ljubljana", "A", 20.5}}, "PRODUCT");
    EXPECT_THAT(Chart.Calls,
                ElementsAre("OpenData 1 2 2", "SerLeg 0 Znesek: A", "SerLeg 1 Znesek: B", "ThisSerie 0",
                            "Value 0 30.5", "ThisSerie 1", "Value 0 3.40282e+38", "ThisSerie 0",
                            "Value 1 3.40282e+38", "ThisSerie 1", "Value 1 5", "CloseData 1",
                            "Legend 0 Ljubljana", "KeyLeg 0 0", "Legend 1 Maribor", "KeyLeg 1 1", "Axis 0 5",
                            "Axis 1 31", "Axis 2 1", "Axis 6 0", "Axis 7 1", "RightGap 1"));
    EXPECT_EQ(Loader.Categories(), (std::vector<std::string>{"Ljubljana", "Maribor"}));
}

TEST_F(ChartLoaderTest, EqualPositiveValuesStartTheAxisAtZeroAndEqualNegativeOnesEndItThere) {
    Load({{"Ljubljana", "A", 40}, {"Maribor", "A", 40}});
    EXPECT_THAT(Chart.Only("Axis"), ElementsAre("Axis 0 0", "Axis 1 41", "Axis 2 1", "Axis 6 0", "Axis 7 1"));
    Chart.Calls.clear();
    DataSet.First();
    DataSet.Edit();
    DataSet.FieldByName("AMOUNT").SetAsFloat(-40);
    DataSet.Post();
    DataSet.Next();
    DataSet.Edit();
    DataSet.FieldByName("AMOUNT").SetAsFloat(-40);
    DataSet.Post();
    Loader.LoadData();
    EXPECT_THAT(Chart.Only("Axis"),
                ElementsAre("Axis 0 -40", "Axis 1 1", "Axis 2 1", "Axis 6 0", "Axis 7 1"));
}

TEST_F(ChartLoaderTest, AllValuesZeroOrNoRowsGiveTheAxisZeroToOne) {
    Load({{"Ljubljana", "A", 0}, {"Koper", "A", 0}});
    EXPECT_THAT(Chart.Only("Axis"),
                ElementsAre("Axis 0 0", "Axis 1 1", "Axis 2 0.1", "Axis 6 0", "Axis 7 1"));
    Chart.Calls.clear();
    DataSet.EmptyDataSet();
    Loader.LoadData();
    EXPECT_THAT(Chart.Only("Axis"),
                ElementsAre("Axis 0 0", "Axis 1 1", "Axis 2 0.1", "Axis 6 0", "Axis 7 -1"));
    EXPECT_THAT(Loader.Categories(), IsEmpty());
}

TEST_F(ChartLoaderTest, ASingleCategoryIsOnePointOnAnAxisFromZero) {
    Load({{"Koper", "A", 87}});
    EXPECT_THAT(Chart.Only("OpenData"), ElementsAre("OpenData 1 1 1"));
    EXPECT_THAT(Chart.Only("Axis"), ElementsAre("Axis 0 0", "Axis 1 88", "Axis 2 1", "Axis 6 0", "Axis 7 0"));
}

TEST_F(ChartLoaderTest, TooManySeriesReachNothingOfTheControlAndRestoreEverything) {
    Load({{"Ljubljana", "A", 1}});
    std::vector<TChartRow> rows;
    for (int i = 0; i < 100; ++i)
        rows.push_back({"Maribor", "P" + std::to_string(i), 1});
    DataSet.Close();
    DataSet.FieldDefs().Clear();
    FillChartRows(DataSet, rows);
    DataSet.SetRecNo(7);
    Loader.SetgFieldName("PRODUCT");
    Chart.Calls.clear();
    try {
        Loader.LoadData();
        FAIL() << "100 series loaded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Limit of 100 series exceeded");
    }
    EXPECT_THAT(Chart.Calls, IsEmpty());
    EXPECT_EQ(RecordingUi.WaitCursorDepth, 0);
    EXPECT_GT(RecordingUi.WaitCursorMaxDepth, 0);
    EXPECT_FALSE(DataSet.ControlsDisabled());
    EXPECT_EQ(DataSet.RecNo(), 7);
    EXPECT_EQ(Loader.Categories(), (std::vector<std::string>{"Ljubljana"}));
}

TEST_F(ChartLoaderTest, ASuccessfulLoadAlsoReturnsToTheCurrentRecord) {
    FillChartRows(DataSet, {{"Ljubljana", "A", 1}, {"Maribor", "A", 2}, {"Koper", "A", 3}});
    DataSet.SetRecNo(2);
    Loader.SetdataSource(&Source);
    Loader.SetxFieldName("REGION");
    Loader.SetyFieldName({"AMOUNT"});
    Loader.LoadData();
    EXPECT_EQ(DataSet.RecNo(), 2);
    EXPECT_FALSE(DataSet.ControlsDisabled());
}

TEST_F(ChartLoaderTest, LabelsStaggerOverThePeriodUnlessTheChartTypeLaysThemOutItself) {
    std::vector<TChartRow> rows;
    for (const char* region : {"R0", "R1", "R2", "R3", "R4", "R5", "R6"})
        rows.push_back({region, "A", 1});
    Load(rows);
    Chart.Calls.clear();
    Loader.SetxLegPeriod(3);
    EXPECT_EQ(Chart.Calls.front(), "LegStyle 75");
    EXPECT_THAT(Chart.Only("Legend"), ::testing::Each(::testing::MatchesRegex("Legend [0-9] ")));
    EXPECT_THAT(Chart.Only("KeyLeg"),
                ElementsAre("KeyLeg 0 R0", "KeyLeg 1 \rR1", "KeyLeg 2 \r\rR2", "KeyLeg 3 R3", "KeyLeg 4 \rR4",
                            "KeyLeg 5 \r\rR5", "KeyLeg 6 R6"));

    for (const auto& [gallery, bits] :
         {std::pair{ChartTypeUnstaggered, 0}, std::pair{ChartTypeBar, TypeHorizontal}}) {
        Chart.Gallery = gallery;
        Chart.TypeBits = bits;
        Chart.Calls.clear();
        Loader.UpdateLabels();
        EXPECT_EQ(Chart.Only("Legend")[1], "Legend 1 R1");
        EXPECT_EQ(Chart.Only("KeyLeg")[1], "KeyLeg 1 1");
    }
}

TEST_F(ChartLoaderTest, WithoutADatasetNothingLoads) {
    EXPECT_THROW(Loader.LoadData(), Exception);
    Loader.SetdataSource(&Source);
    Source.SetDataSet(nullptr);
    EXPECT_THROW(Loader.LoadData(), Exception);
    EXPECT_THAT(Chart.Calls, IsEmpty());
}

} // namespace
