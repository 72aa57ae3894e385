// The sort model: column text forms, their rewriting events, copies, and captions filled from a
// dataset's display labels.
#include "grid/GridColumns.h"
#include "grid/SortComboBox.h"

#include "TestFixtures.h"

#include <gtest/gtest.h>

namespace {

TSortInfoItem& AddItem(TSortInfo& info) {
    TSortInfoItem& item = info.Add();
    TColumnInfo& x = item.ColumnInfoList().Add();
    x.TableName = "T1";
    x.ColumnName = "X";
    x.IsDescending = true;
    item.ColumnInfoList().Add().ColumnName = "Y";
    return item;
}

TEST(SortModelTest, OrderByAndIndexFieldNameTexts) {
    TSortInfo info;
    TSortInfoItem& item = AddItem(info);
    EXPECT_EQ(item.ColumnInfoList().Items(0).GetAsOrderBy(), "T1.X DESC");
    EXPECT_EQ(item.ColumnInfoList().Items(1).GetAsOrderBy(), "Y");
    EXPECT_EQ(item.GetAsIndexFieldNames(), "X;Y");
    EXPECT_EQ(info.Add().GetAsIndexFieldNames(), "");
}

TEST(SortModelTest, EventsRewriteTheTextsAndCopiesLeaveThemBehind) {
    TSortInfo info;
    TSortInfoItem& item = AddItem(info);
    TColumnInfo& x = item.ColumnInfoList().Items(0);
    x.OnGetAsOrderBy = [](const TColumnInfo&, std::string& text) { text = "UPPER(" + text + ")"; };
    x.OnGetAsIndexFieldNames = [](const TColumnInfo&, std::string& text) { text += "2"; };
    EXPECT_EQ(x.GetAsOrderBy(), "UPPER(T1.X DESC)");
    EXPECT_EQ(item.GetAsIndexFieldNames(), "X2;Y");

    TSortInfo copy;
    copy.Assign(info);
    EXPECT_EQ(copy.Items(0).GetAsIndexFieldNames(), "X;Y");
    EXPECT_EQ(copy.Items(0).ColumnInfoList().Items(0).GetAsOrderBy(), "T1.X DESC");
    EXPECT_EQ(TColumnInfo().DisplayName(), "TColumnInfo");
    EXPECT_EQ(x.DisplayName(), "X");
}

TEST(SortModelTest, EmptyCaptionsComeFromDisplayLabelsOrNames) {
    auto people = PeopleDataSet({});
    people->FieldByName("NAME").SetDisplayLabel("Ime");
    TSortInfo info;
    TSortInfoItem& item = info.Add();
    item.ColumnInfoList().Add().ColumnName = " NAME ";
    item.ColumnInfoList().Add().ColumnName = "NOSUCH";
    TSortInfoItem& named = info.Add();
    named.DisplayText = "kept";
    named.ColumnInfoList().Add().ColumnName = "NAME";
    FillSortCaptions(info, people.get());
    EXPECT_EQ(item.DisplayText, "Ime,NOSUCH");
    EXPECT_EQ(named.DisplayText, "kept");
}

} // namespace
