// What the sort dialog lists and how a picked line applies: a local table's indexes (the current
// one pre-selected) and the grid's sort items, each with the key that applies it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TTable;
class TSortInfo;
class TSortInfoItem;

struct TSortOrderLine {
    std::string Caption;
    std::optional<std::string> Key; //!< index field names, or "SortInfoItem:<n>"; none = inert
};

struct TSortOrders {
    std::vector<TSortOrderLine> Lines;
    int Selected = -1; //!< the line of the table's current index, -1 = none
};

//! Called with the sort item the user picked.
using TSortItemCallback = std::function<void(TSortInfoItem* item)>;

//! The lines for a table (nullptr or closed: no index lines) and a sort info (nullptr: none).
TSortOrders BuildSortOrders(TTable* table, const TSortInfo* sortInfo, bool hasCallback);
//! Applies a picked line: a table takes the key as index field names; otherwise the sort item the
//! key names goes to the callback. A line without key, or naming no item, does nothing.
void ApplySortOrder(const TSortOrderLine& line, TTable* table, TSortInfo* sortInfo,
                    const TSortItemCallback& callback);
