// Aggregation of rows into the chart matrix: sums per category and group, the groups charted,
// the legends, the series limit and values that are no numbers.
#include "grid/chart/ChartMatrix.h"

#include "ChartRows.h"

#include "platform/settings/Exceptions.h"

#include <gtest/gtest.h>

namespace {

using TCells = std::vector<std::vector<std::optional<double>>>;

const std::vector<TChartRow> SalesRows{
    {"Ljubljana", "A", 10}, {"Maribor", "A", 5}, {"Ljubljana", "A", 2.5},
    {"Ljubljana", "B", 7},  {"Koper", "C", 1},
};

TChartMatrix Aggregate(const std::vector<TChartRow>& rows, const TChartFields& fields) {
    TMemDataSet dataSet;
    FillChartRows(dataSet, rows);
    return AggregateRows(dataSet, fields);
}

std::vector<TChartRow> RowsInGroups(int groups) {
    std::vector<TChartRow> rows;
    for (int i = 0; i < groups; ++i)
        rows.push_back({"Ljubljana", "P" + std::to_string(i), 1.0 * i});
    return rows;
}

TEST(ChartMatrixTest, RowsOfOneCategoryAndGroupAddUpAndCellsWithoutRowsStayEmpty) {
    const TChartMatrix matrix = Aggregate(SalesRows, {"REGION", {"AMOUNT"}, "PRODUCT", {}});
    EXPECT_EQ(matrix.Categories, (std::vector<std::string>{"Ljubljana", "Maribor", "Koper"}));
    EXPECT_EQ(matrix.SeriesLegends, (std::vector<std::string>{"Znesek: A", "Znesek: B", "Znesek: C"}));
    const TCells expected{
        {12.5, 7.0, std::nullopt}, {5.0, std::nullopt, std::nullopt}, {std::nullopt, std::nullopt, 1.0}};
    EXPECT_EQ(matrix.Cells, expected);
}

TEST(ChartMatrixTest, OnlyTheListedGroupsAreChartedAndCategoriesMetOnlyOutsideThemAreLeftOut) {
    const TChartMatrix matrix = Aggregate(SalesRows, {"REGION", {"AMOUNT"}, "PRODUCT", {"C", "B"}});
    EXPECT_EQ(matrix.Categories, (std::vector<std::string>{"Ljubljana", "Koper"}));
    EXPECT_EQ(matrix.SeriesLegends, (std::vector<std::string>{"Znesek: C", "Znesek: B"}));
    const TCells expected{{std::nullopt, 7.0}, {1.0, std::nullopt}};
    EXPECT_EQ(matrix.Cells, expected);
}

TEST(ChartMatrixTest, WithoutGroupingEachValueFieldIsOneSeriesLabelledWithAColon) {
    const TChartMatrix matrix =
        Aggregate({{"Ljubljana", "A", 10, 1}, {"Maribor", "B", 5, 2}, {"Ljubljana", "C", 1, 3}},
                  {"REGION", {"AMOUNT", "QUANTITY"}, "", {"ignored"}});
    EXPECT_EQ(matrix.SeriesLegends, (std::vector<std::string>{"Znesek: ", "Količina: "}));
    const TCells expected{{11.0, 4.0}, {5.0, 2.0}};
    EXPECT_EQ(matrix.Cells, expected);
}

TEST(ChartMatrixTest, ASingleCategoryGivesOnePoint) {
    const TChartMatrix matrix =
        Aggregate({{"Koper", "A", -3}, {"Koper", "A", -4}}, {"REGION", {"AMOUNT"}, "", {}});
    EXPECT_EQ(matrix.Points(), 1);
    EXPECT_EQ(matrix.Cells, (TCells{{-7.0}}));
}

TEST(ChartMatrixTest, SumsOfAmountsAreExactToTheCent) {
    const TChartMatrix matrix = Aggregate({{"Koper", "A", 16777216},
                                           {"Koper", "A", 1},
                                           {"Koper", "A", 1},
                                           {"Izola", "A", 0.1},
                                           {"Izola", "A", 0.2},
                                           {"Piran", "A", -869771109.22},
                                           {"Piran", "A", -0.01}},
                                          {"REGION", {"AMOUNT"}, "", {}});
    EXPECT_EQ(matrix.Cells, (TCells{{16777218.0}, {0.3}, {-869771109.23}}));
}

TEST(ChartMatrixTest, NinetyNineSeriesLoadAndAHundredFail) {
    EXPECT_EQ(Aggregate(RowsInGroups(99), {"REGION", {"AMOUNT"}, "PRODUCT", {}}).Series(), 99);
    EXPECT_EQ(
        Aggregate(RowsInGroups(33), {"REGION", {"AMOUNT", "QUANTITY", "AMOUNT"}, "PRODUCT", {}}).Series(),
        99);
    for (const TChartFields& fields : {TChartFields{"REGION", {"AMOUNT"}, "PRODUCT", {}},
                                       TChartFields{"REGION", {"AMOUNT", "QUANTITY"}, "PRODUCT", {}}}) {
        try {
            Aggregate(RowsInGroups(fields.Y.size() == 1 ? 100 : 50), fields);
            FAIL() << "the limit was not checked";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "Limit of 100 series exceeded");
        }
    }
}

TEST(ChartMatrixTest, ValuesThatAreNoNumbersAndUnknownFieldsFail) {
    EXPECT_THROW(Aggregate(SalesRows, {"REGION", {"PRODUCT"}, "", {}}), Exception);
    EXPECT_THROW(Aggregate(SalesRows, {"REGION", {"PRICE"}, "", {}}), Exception);
    EXPECT_THROW(Aggregate(SalesRows, {"REGION", {"AMOUNT"}, "BRANCH", {}}), Exception);
}

} // namespace
