// The selected lines, the chooser's lists and the sort captions of a grid's dataset.
#include "grid/GridColumns.h"

#include "grid/SortComboBox.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetGuards.h"

namespace {

std::string FirstPiece(const std::string& line) {
    const size_t start = line.find_first_not_of('\t');
    if (start == std::string::npos)
        return {};
    return line.substr(start, line.find('\t', start) - start);
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::vector<std::string> SelectedLines(const TDataSet& dataSet) {
    std::vector<std::string> lines;
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (field.Visible())
            lines.push_back(field.FieldName() + "\t" + std::to_string(field.DisplayWidth()) + "\t" +
                            field.DisplayLabel());
    }
    return lines;
}

void ApplySelectedLines(TDataSet& dataSet, const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    TDisableControlsGuard controls(dataSet);
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        dataSet.Fields(i).SetVisible(false);
    for (size_t i = 0; i < lines.size(); ++i)
        if (TField* field = dataSet.FindField(FirstPiece(lines[i]))) {
            field->SetIndex(static_cast<int>(i));
            field->SetVisible(true);
        }
}

void BuildColumnLists(const TDataSet& dataSet, std::vector<TColumnEntry>& on,
                      std::vector<TColumnEntry>& off) {
    on.clear();
    off.clear();
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        TField& field = dataSet.Fields(i);
        (field.Visible() ? on : off).push_back({field.DisplayLabel(), &field});
    }
}

void ApplyColumnLists(const std::vector<TColumnEntry>& on, const std::vector<TColumnEntry>& off) {
    for (size_t i = 0; i < on.size(); ++i)
        if (on[i].Field) {
            on[i].Field->SetIndex(static_cast<int>(i));
            on[i].Field->SetVisible(true);
        }
    for (size_t i = 0; i < off.size(); ++i)
        if (off[i].Field) {
            off[i].Field->SetIndex(static_cast<int>(on.size() + i));
            off[i].Field->SetVisible(false);
        }
}

void FillSortCaptions(TSortInfo& sortInfo, const TDataSet* dataSet) {
    for (int i = 0; i < sortInfo.Count(); ++i) {
        TSortInfoItem& item = sortInfo.Items(i);
        if (!item.DisplayText.empty())
            continue;
        for (int c = 0; c < item.ColumnInfoList().Count(); ++c) {
            const std::string name = Trimmed(item.ColumnInfoList().Items(c).ColumnName);
            const TField* field = dataSet ? dataSet->FindField(name) : nullptr;
            item.DisplayText += (c ? "," : "") + (field ? field->DisplayLabel() : name);
        }
    }
}
