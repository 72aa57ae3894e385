// Putting a dataset's records in another order, in memory.
#include "platform/dataset/DataSet.h"

#include <algorithm>
#include <numeric>

void TDataSet::SortRecords(const TRecordLess& less) {
    CheckActive();
    CheckBrowseMode();
    while (FetchMore()) {
    }
    std::vector<int> order(static_cast<size_t>(RecordsHeld()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return less(GetRecord(a), GetRecord(b)); });
    InternalReorder(order);
    RecordsReplaced();
}

void TDataSet::InternalReorder(const std::vector<int>&) {
    throw EDatabaseError(Name() + ": Records cannot be sorted");
}
