// What the axis dialog offers and returns; see AxisFields.h.
#include "grid/chart/AxisFields.h"

#include "platform/dataset/DataSet.h"
#include "platform/settings/Exceptions.h"

#include <algorithm>

namespace {

// Fixed-length and national texts are texts to the user as much as plain ones; memos are not.
bool IsCategoryType(TFieldType type) {
    switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftDate:
    case TFieldType::ftDateTime:
        return true;
    default:
        return false;
    }
}

void Add(TAxisFieldList& list, const TField& field) {
    list.Labels.push_back(field.DisplayLabel());
    list.Names.push_back(field.FieldName());
}

} // namespace

int TAxisFieldList::IndexOf(const std::string& name) const {
    const auto found = std::find(Names.begin(), Names.end(), name);
    return found == Names.end() ? -1 : static_cast<int>(found - Names.begin());
}

TAxisFieldLists AxisFieldLists(const TDataSet& dataSet) {
    TAxisFieldLists lists;
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (!field.Visible())
            continue;
        if (IsCategoryType(field.DataType()))
            Add(lists.Categories, field);
        else if (field.DataType() == TFieldType::ftFloat)
            Add(lists.Values, field);
    }
    return lists;
}

void CheckAxisChoice(int xIndex, int ySelected) {
    if (xIndex < 0 || ySelected <= 0)
        throw Exception("Missing X or Y");
}

std::string JoinedDisplayLabels(const TDataSet& dataSet, const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i ? ", " : "") + dataSet.FieldByName(names[i]).DisplayLabel();
    return joined;
}
