// The sort model: column text forms, column lists and sort item collections.
#include "grid/SortComboBox.h"

#include <cassert>

std::string TColumnInfo::DisplayName() const {
    return ColumnName.empty() ? "TColumnInfo" : ColumnName;
}

void TColumnInfo::Assign(const TColumnInfo& source) {
    TableName = source.TableName;
    ColumnName = source.ColumnName;
    IsDescending = source.IsDescending;
}

std::string TColumnInfo::GetAsIndexFieldNames() const {
    std::string result = ColumnName;
    if (OnGetAsIndexFieldNames)
        OnGetAsIndexFieldNames(*this, result);
    return result;
}

std::string TColumnInfo::GetAsOrderBy() const {
    std::string result = TableName.empty() ? ColumnName : TableName + "." + ColumnName;
    if (IsDescending)
        result += " DESC";
    if (OnGetAsOrderBy)
        OnGetAsOrderBy(*this, result);
    return result;
}

TColumnInfo& TColumnInfoList::Add() {
    FItems.push_back(std::make_unique<TColumnInfo>());
    return *FItems.back();
}

TColumnInfo& TColumnInfoList::Items(int index) const {
    assert(index >= 0 && index < Count());
    return *FItems[static_cast<size_t>(index)];
}

void TColumnInfoList::Delete(int index) {
    assert(index >= 0 && index < Count());
    FItems.erase(FItems.begin() + index);
}

void TColumnInfoList::Assign(const TColumnInfoList& source) {
    if (&source == this)
        return;
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add().Assign(source.Items(i));
}

std::string TColumnInfoList::GetAsIndexFieldNames() const {
    std::string result;
    for (int i = 0; i < Count(); ++i)
        result += (i ? ";" : "") + Items(i).GetAsIndexFieldNames();
    return result;
}

void TSortInfoItem::Assign(const TSortInfoItem& source) {
    DisplayText = source.DisplayText;
    FColumnInfoList.Assign(source.FColumnInfoList);
}

TSortInfoItem& TSortInfo::Add() {
    FItems.push_back(std::make_unique<TSortInfoItem>());
    return *FItems.back();
}

TSortInfoItem& TSortInfo::Items(int index) const {
    assert(index >= 0 && index < Count());
    return *FItems[static_cast<size_t>(index)];
}

void TSortInfo::Delete(int index) {
    assert(index >= 0 && index < Count());
    FItems.erase(FItems.begin() + index);
}

int TSortInfo::IndexOf(const TSortInfoItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)].get() == item)
            return i;
    return -1;
}

void TSortInfo::Assign(const TSortInfo& source) {
    if (&source == this)
        return;
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add().Assign(source.Items(i));
}
