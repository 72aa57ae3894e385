// Aggregation of a dataset's rows into the chart matrix; see ChartMatrix.h.
#include "grid/chart/ChartMatrix.h"

#include "platform/dataset/DataSet.h"
#include "platform/settings/DecimalSum.h"
#include "platform/settings/Exceptions.h"

#include <unordered_map>

namespace {

// Texts in order of first appearance with their positions, so that each row finds its own in
// constant time however many categories there are.
class TTextList {
public:
    int IndexOf(const std::string& text) const {
        const auto found = FIndex.find(text);
        return found == FIndex.end() ? -1 : found->second;
    }
    int Add(const std::string& text) {
        const auto [where, added] = FIndex.try_emplace(text, static_cast<int>(FTexts.size()));
        if (added)
            FTexts.push_back(text);
        return where->second;
    }
    const std::vector<std::string>& Texts() const { return FTexts; }

private:
    std::vector<std::string> FTexts;
    std::unordered_map<std::string, int> FIndex;
};

struct TFoundFields {
    TField* X;
    std::vector<TField*> Y;
    TField* Group; // nullptr = no grouping
};

TFoundFields FindFields(const TDataSet& dataSet, const TChartFields& fields) {
    TFoundFields found{&dataSet.FieldByName(fields.X), {}, nullptr};
    for (const std::string& name : fields.Y)
        found.Y.push_back(&dataSet.FieldByName(name));
    if (!fields.Group.empty())
        found.Group = &dataSet.FieldByName(fields.Group);
    return found;
}

// The group of the current row, or -1 when the row's group is not charted.
int GroupOf(const TFoundFields& found, TTextList& groups, bool collectGroups) {
    if (!found.Group)
        return 0;
    const std::string text = found.Group->DisplayText();
    return collectGroups ? groups.Add(text) : groups.IndexOf(text);
}

std::vector<std::string> SeriesLegends(const TFoundFields& found, const TTextList& groups) {
    std::vector<std::string> legends;
    for (const std::string& group : groups.Texts())
        for (const TField* y : found.Y)
            legends.push_back(y->DisplayLabel() + ": " + group);
    return legends;
}

void CheckSeriesLimit(std::size_t series) {
    if (series >= SeriesLimit)
        throw Exception("Limit of " + std::to_string(SeriesLimit) + " series exceeded");
}

} // namespace

TChartMatrix AggregateRows(TDataSet& dataSet, const TChartFields& fields) {
    const TFoundFields found = FindFields(dataSet, fields);
    TTextList groups;
    for (const std::string& group : found.Group ? fields.GroupValues : std::vector<std::string>{""})
        groups.Add(group);
    const bool collectGroups = found.Group && fields.GroupValues.empty();

    TTextList categories;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        if (GroupOf(found, groups, collectGroups) >= 0)
            categories.Add(found.X->DisplayText());

    const std::size_t yCount = found.Y.size();
    CheckSeriesLimit(groups.Texts().size() * yCount);
    TChartMatrix matrix{categories.Texts(), SeriesLegends(found, groups), {}};
    std::vector<std::vector<TDecimalSum>> sums(categories.Texts().size(),
                                               std::vector<TDecimalSum>(matrix.SeriesLegends.size()));

    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        const int group = GroupOf(found, groups, false);
        const int point = group >= 0 ? categories.IndexOf(found.X->DisplayText()) : -1;
        if (point < 0)
            continue;
        for (std::size_t y = 0; y < yCount; ++y)
            sums[point][group * yCount + y].Add(found.Y[y]->AsFloat());
    }
    for (const std::vector<TDecimalSum>& row : sums) {
        std::vector<std::optional<double>>& cells = matrix.Cells.emplace_back();
        for (const TDecimalSum& sum : row)
            cells.push_back(sum.Count() ? std::optional<double>(sum.Value()) : std::nullopt);
    }
    return matrix;
}
