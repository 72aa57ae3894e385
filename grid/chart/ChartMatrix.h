// Aggregation of a dataset's rows into the chart matrix: categories in order of first
// appearance, one series per group and Y field, each cell the decimal sum of its rows (an
// amount's chart value has no binary residue).
// Reads the dataset from its first record; positions and cursors are the caller's to restore.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TDataSet;

//! What to chart: the category field, the value fields, and the optional grouping.
struct TChartFields {
    std::string X;
    std::vector<std::string> Y;
    std::string Group;                    //!< empty = no grouping
    std::vector<std::string> GroupValues; //!< the groups to chart; empty = every group met
};

struct TChartMatrix {
    std::vector<std::string> Categories;
    std::vector<std::string> SeriesLegends;
    //! Cells[point][series]; empty = no row filled the cell.
    std::vector<std::vector<std::optional<double>>> Cells;

    int Points() const { return static_cast<int>(Categories.size()); }
    int Series() const { return static_cast<int>(SeriesLegends.size()); }
};

//! The most series a chart holds is one less than this.
inline constexpr int SeriesLimit = 100;

//! Builds the matrix from every row of the open dataset. Raises "Field 'X' not found" for a
//! missing field, the conversion error for a value that is no number, and
//! "Limit of 100 series exceeded" when groups x Y fields reach SeriesLimit.
TChartMatrix AggregateRows(TDataSet& dataSet, const TChartFields& fields);
