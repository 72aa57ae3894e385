// The in-memory dataset: records in a vector, in position order.
#include "platform/dataset/MemDataSet.h"

#include <cassert>

TMemDataSet::TMemDataSet(std::string name) : TDataSet(std::move(name)) {}

TMemDataSet::~TMemDataSet() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the records go either way.
    }
}

void TMemDataSet::EmptyDataSet() {
    FRecords.clear();
    RecordsReplaced();
}

void TMemDataSet::LoadRecords(std::vector<TRecordBuffer> records) {
    for ([[maybe_unused]] const TRecordBuffer& record : records)
        assert(static_cast<int>(record.size()) == FieldDefs().Count());
    FRecords = std::move(records);
    RecordsReplaced();
}

// The field definitions come from the owner; a new open starts without records.
void TMemDataSet::InternalOpen() {
    FRecords.clear();
}

void TMemDataSet::InternalClose() {
    FRecords.clear();
}

const TRecordBuffer& TMemDataSet::GetRecord(int index) const {
    assert(index >= 0 && index < RecordsHeld());
    return FRecords[static_cast<size_t>(index)];
}

void TMemDataSet::InternalInsert(int index, const TRecordBuffer& record) {
    assert(index >= 0 && index <= RecordsHeld());
    FRecords.insert(FRecords.begin() + index, record);
}

void TMemDataSet::InternalUpdate(int index, const TRecordBuffer& record) {
    assert(index >= 0 && index < RecordsHeld());
    FRecords[static_cast<size_t>(index)] = record;
}

void TMemDataSet::InternalDelete(int index) {
    assert(index >= 0 && index < RecordsHeld());
    FRecords.erase(FRecords.begin() + index);
}

void TMemDataSet::InternalReorder(const std::vector<int>& order) {
    assert(order.size() == FRecords.size());
    std::vector<TRecordBuffer> sorted;
    sorted.reserve(order.size());
    for (int index : order)
        sorted.push_back(std::move(FRecords[static_cast<size_t>(index)]));
    FRecords = std::move(sorted);
}
