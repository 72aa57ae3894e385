// Moving through records: both ends of the dataset, an empty dataset, distances and record
// numbers, scroll events, remembered positions, and the field order views follow.
#include "TestDataSets.h"

#include "platform/dataset/DataSetGuards.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TMemDataSet> ThreeOrders() {
    auto ds = MakeOrders();
    for (const char* name : {"A", "B", "C"})
        AppendOrder(*ds, name, 1);
    ds->First();
    return ds;
}

std::string Name(TDataSet& ds) {
    return ds.FieldByName("NAME").AsString();
}

TEST(DataSetNavigation, NextOnTheLastRecordSetsEofAndStays) {
    auto ds = ThreeOrders();
    EXPECT_TRUE(ds->Bof());
    EXPECT_FALSE(ds->Eof());
    ds->Next();
    ds->Next();
    EXPECT_EQ(ds->RecNo(), 3);
    EXPECT_FALSE(ds->Eof()) << "Eof only after trying to pass the last record";
    ds->Next();
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->RecNo(), 3);
    EXPECT_EQ(Name(*ds), "C");
}

TEST(DataSetNavigation, PriorOnTheFirstRecordSetsBofAndStays) {
    auto ds = ThreeOrders();
    ds->Last();
    EXPECT_TRUE(ds->Eof());
    EXPECT_FALSE(ds->Bof());
    ds->Prior();
    ds->Prior();
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_FALSE(ds->Bof());
    ds->Prior();
    EXPECT_TRUE(ds->Bof());
    EXPECT_EQ(Name(*ds), "A");
}

TEST(DataSetNavigation, AnEmptyDataSetIsAtBothEndsWithNullFields) {
    auto ds = MakeOrders();
    EXPECT_TRUE(ds->IsEmpty());
    EXPECT_TRUE(ds->Bof() && ds->Eof());
    EXPECT_EQ(ds->RecNo(), 0);
    EXPECT_EQ(ds->RecordCount(), 0);
    EXPECT_TRUE(ds->FieldByName("NAME").IsNull());
    ds->Next();
    ds->Last();
    ds->Prior();
    ds->First();
    EXPECT_TRUE(ds->Bof() && ds->Eof());
    EXPECT_EQ(ds->MoveBy(5), 0);
}

TEST(DataSetNavigation, MoveByAndRecNoStopAtTheEnds) {
    auto ds = ThreeOrders();
    EXPECT_EQ(ds->MoveBy(5), 2);
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->MoveBy(-1), -1);
    EXPECT_EQ(Name(*ds), "B");
    ds->SetRecNo(1);
    EXPECT_EQ(Name(*ds), "A");
    ds->SetRecNo(4);
    ds->SetRecNo(0);
    EXPECT_EQ(ds->RecNo(), 1) << "a record number out of range leaves the position";
}

TEST(DataSetNavigation, ScrollEventsRunOnlyWhenTheDataSetMoves) {
    auto ds = ThreeOrders();
    int before = 0;
    int after = 0;
    ds->BeforeScroll = [&](TDataSet& d) {
        ++before;
        EXPECT_EQ(d.RecNo(), after + 1) << "BeforeScroll sees the old position";
    };
    ds->AfterScroll = [&](TDataSet&) { ++after; };
    ds->Next();
    ds->Next();
    ds->Next();
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
}

TEST(DataSetNavigation, PositionGuardReturnsToTheRememberedRecord) {
    auto ds = ThreeOrders();
    ds->Next();
    {
        TDataSetPositionGuard position(*ds);
        ds->Last();
    }
    EXPECT_EQ(Name(*ds), "B");
    try {
        TDataSetPositionGuard position(*ds);
        ds->First();
        throw EAbort();
    } catch (const EAbort&) {
    }
    EXPECT_EQ(Name(*ds), "B") << "also when an error leaves the scope";
    {
        TDataSetPositionGuard position(*ds);
        ds->Close();
    }
    EXPECT_FALSE(ds->Active()) << "a closed dataset is left closed";
}

TEST(DataSetNavigation, BookmarksNameHeldRecordsOnly) {
    auto ds = ThreeOrders();
    ds->Last();
    const TBookmark last = ds->GetBookmark();
    ds->First();
    EXPECT_TRUE(ds->BookmarkValid(last));
    ds->GotoBookmark(last);
    EXPECT_EQ(Name(*ds), "C");
    ds->Delete();
    EXPECT_FALSE(ds->BookmarkValid(last));
}

TEST(DataSetFieldOrder, SettingIndexMovesTheFieldAndTheOthersFollow) {
    auto ds = MakeOrders();
    TField& day = ds->FieldByName("DAY");
    day.SetIndex(0);
    EXPECT_EQ(&ds->Fields(0), &day);
    EXPECT_EQ(ds->Fields(1).FieldName(), "NAME");
    EXPECT_EQ(ds->Fields(3).FieldName(), "PRICE");
    ds->FieldByName("NAME").SetIndex(99);
    EXPECT_EQ(ds->Fields(3).FieldName(), "NAME");
    EXPECT_EQ(ds->FieldByName("NAME").Index(), 3);
    EXPECT_EQ(day.FieldNo(), 3) << "the value slot does not move with the field";

    ds->Append();
    day.SetAsString("1.2.2025");
    ds->FieldByName("NAME").SetAsString("A");
    ds->Post();
    EXPECT_EQ(day.AsString(), "01.02.2025");
}

} // namespace
