// Building the sort dialog's lines and applying a picked one.
#include "grid/SortOrders.h"

#include "grid/SortComboBox.h"
#include "platform/localdb/Table.h"

#include <charconv>

namespace {

constexpr std::string_view SortInfoItemPrefix = "SortInfoItem:";

std::string IndexNameCaption(const TTable& table, const std::string& name) {
    const TField* field = table.FindField(name);
    if (!field)
        return name;
    return field->DisplayLabel() == "*" ? "*" + field->FieldName() : field->DisplayLabel();
}

void AddIndexLines(TTable& table, TSortOrders& orders) {
    table.UpdateIndexDefs();
    for (int i = 0; i < table.IndexDefs().Count(); ++i) {
        const std::vector<std::string> names = SplitFieldNames(table.IndexDefs()[i].Fields);
        bool current = static_cast<int>(names.size()) == table.IndexFieldCount();
        std::string caption;
        for (size_t j = 0; j < names.size(); ++j) {
            caption += (j ? ", " : "") + IndexNameCaption(table, names[j]);
            current = current && &table.IndexFields(static_cast<int>(j)) == table.FindField(names[j]);
        }
        if (current)
            orders.Selected = static_cast<int>(orders.Lines.size());
        orders.Lines.push_back({caption, table.IndexDefs()[i].Fields});
    }
}

} // namespace

TSortOrders BuildSortOrders(TTable* table, const TSortInfo* sortInfo, bool hasCallback) {
    TSortOrders orders;
    if (table && table->Active())
        AddIndexLines(*table, orders);
    if (!sortInfo)
        return orders;
    for (int i = 0; i < sortInfo->Count(); ++i) {
        TSortOrderLine line{sortInfo->Items(i).DisplayText, std::nullopt};
        if (table)
            line.Key = sortInfo->Items(i).GetAsIndexFieldNames();
        else if (hasCallback)
            line.Key = std::string(SortInfoItemPrefix) + std::to_string(i);
        orders.Lines.push_back(std::move(line));
    }
    return orders;
}

void ApplySortOrder(const TSortOrderLine& line, TTable* table, TSortInfo* sortInfo,
                    const TSortItemCallback& callback) {
    if (!line.Key)
        return;
    if (table) {
        table->SetIndexFieldNames(*line.Key);
        return;
    }
    if (!sortInfo || !callback || !line.Key->starts_with(SortInfoItemPrefix))
        return;
    int index = -1;
    const char* first = line.Key->data() + SortInfoItemPrefix.size();
    std::from_chars(first, line.Key->data() + line.Key->size(), index);
    if (index >= 0 && index < sortInfo->Count())
        callback(&sortInfo->Items(index));
}
