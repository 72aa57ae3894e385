// The grouping form's settings over the fields of its temporary table: which fields group the
// report (each with or without subtotal), which are summed and how, and which are left out. The
// marks live on the fields themselves (attribute set "SUM" = subtotal, tag = aggregate kind); the
// three lists keep the fields in the order the user arranged them and give their captions.
#pragma once

#include "grid/print/GroupQuery.h"
#include "platform/dataset/DataSet.h"

#include <string>
#include <vector>

//! The aggregate a summary field gets by default: AVG for rates and prices (by their label), SUM
//! for other float and currency fields, MAX for dates, 0 (none) for the rest.
int DefaultAggregate(const TField& field);

//! Where a column moved in the arrangement grid ends up: column 0 ("N") stays first.
int SettledColumnIndex(int movedFrom, int movedTo);

class TGroupSettings {
public:
    static constexpr const char* CountField = "N";

    void Clear();
    void AddGroup(TField& field, bool subtotal);
    void AddSum(TField& field, int kind);
    //! The default choice over the temporary table's fields.
    void AutoSetup(TDataSet& temp);
    //! A click on the title of column (field order index) of the temporary table.
    void TitleClick(TDataSet& temp, int column);
    //! A click on a group line toggles its subtotal; on a summary line cycles SUM → AVG → MIN → MAX.
    void ToggleSubtotal(int line);
    void CycleAggregate(int line);
    void SetShowSumOp(bool show) { FShowSumOp = show; }
    bool ShowSumOp() const { return FShowSumOp; }

    const std::vector<TField*>& Groups() const { return FGroups; }
    const std::vector<TField*>& Sums() const { return FSums; }
    const std::vector<TField*>& None() const { return FNone; }
    std::vector<std::string> GroupCaptions() const;
    std::vector<std::string> SumCaptions() const;
    std::string GroupCaption(const TField& field) const;
    std::string SumCaption(const TField& field) const;

    std::vector<TGroupColumn> GroupColumns() const;
    std::vector<TSumColumn> SumColumns() const;

private:
    std::vector<TField*> FGroups;
    std::vector<TField*> FSums;
    std::vector<TField*> FNone;
    bool FShowSumOp = true;
};
