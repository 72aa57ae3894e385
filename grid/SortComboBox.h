// The sort model of a grid: named sort orders (TSortInfo) whose items list their columns and give
// them as index-field-names text for a local table or as ORDER BY texts for custom sort handlers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TColumnInfo;
class TSortInfoItem;

//! May rewrite a column's text form.
using TGetAsEvent = std::function<void(const TColumnInfo& sender, std::string& result)>;

//! One column of a sort order.
class TColumnInfo {
public:
    virtual ~TColumnInfo() = default;

    std::string TableName;
    std::string ColumnName;
    bool IsDescending = false;
    TGetAsEvent OnGetAsIndexFieldNames;
    TGetAsEvent OnGetAsOrderBy;

    //! ColumnName, or the default item name when that is empty.
    std::string DisplayName() const;
    //! Copies the table, column and direction; the events stay.
    void Assign(const TColumnInfo& source);
    //! ColumnName, then rewritten by OnGetAsIndexFieldNames.
    virtual std::string GetAsIndexFieldNames() const;
    //! [TableName "."] ColumnName [" DESC"], then rewritten by OnGetAsOrderBy.
    virtual std::string GetAsOrderBy() const;
};

//! The columns of a sort item, in order; owned by the item.
class TColumnInfoList {
public:
    explicit TColumnInfoList(TSortInfoItem& owner) : FOwner(owner) {}
    TSortInfoItem& Owner() const { return FOwner; }

    TColumnInfo& Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    TColumnInfo& Items(int index) const;
    void Delete(int index);
    void Clear() { FItems.clear(); }
    //! Clears and copies every column of source.
    void Assign(const TColumnInfoList& source);
    //! The columns' index-field-names texts joined with ";".
    std::string GetAsIndexFieldNames() const;

private:
    TSortInfoItem& FOwner;
    std::vector<std::unique_ptr<TColumnInfo>> FItems;
};

//! A named sort order.
class TSortInfoItem {
public:
    TSortInfoItem() : FColumnInfoList(*this) {}
    TSortInfoItem(const TSortInfoItem&) = delete;
    TSortInfoItem& operator=(const TSortInfoItem&) = delete;

    std::string DisplayText;
    TColumnInfoList& ColumnInfoList() { return FColumnInfoList; }
    const TColumnInfoList& ColumnInfoList() const { return FColumnInfoList; }
    //! Copies the given list's items.
    void SetColumnInfoList(const TColumnInfoList& list) { FColumnInfoList.Assign(list); }
    //! Copies the display text and the columns.
    void Assign(const TSortInfoItem& source);
    std::string GetAsIndexFieldNames() const { return FColumnInfoList.GetAsIndexFieldNames(); }

private:
    TColumnInfoList FColumnInfoList;
};

//! The sort orders of a grid; items keep their address while they exist.
class TSortInfo {
public:
    TSortInfoItem& Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    TSortInfoItem& Items(int index) const;
    void Delete(int index);
    void Clear() { FItems.clear(); }
    //! Position of item, or -1.
    int IndexOf(const TSortInfoItem* item) const;
    //! Clears and copies every item of source.
    void Assign(const TSortInfo& source);

private:
    std::vector<std::unique_ptr<TSortInfoItem>> FItems;
};
