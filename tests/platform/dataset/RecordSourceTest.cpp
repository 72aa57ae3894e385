// Record sources under the framework: one that fetches only when navigation or a view needs more
// records, one that keeps only its newest block (unidirectional), and views reading any record
// without moving the current one.
#include "TestDataSets.h"

#include "platform/dataset/DataSetGuards.h"

#include <gtest/gtest.h>

namespace {

int N(TDataSet& ds) {
    return ds.FieldByName("N").AsInteger();
}

TEST(LazySource, OpenFetchesOneBlockAndNavigationFetchesMoreOnDemand) {
    TBlockSource ds(12, 5, false);
    ds.Open();
    EXPECT_EQ(ds.FetchCalls, 1);
    EXPECT_EQ(ds.RecordCount(), 5);
    for (int i = 0; i < 5; ++i)
        ds.Next();
    EXPECT_EQ(N(ds), 6);
    EXPECT_EQ(ds.FetchCalls, 2);
    EXPECT_EQ(ds.RecordCount(), 10);
    ds.Last();
    EXPECT_EQ(N(ds), 12);
    EXPECT_EQ(ds.RecordCount(), 12);
    ds.Next();
    EXPECT_TRUE(ds.Eof());
    ds.First();
    EXPECT_EQ(N(ds), 1) << "every record fetched stays held";
}

TEST(LazySource, AViewReadsAnyRecordWhileTheCurrentOneStaysPut) {
    TBlockSource ds(12, 5, false);
    ds.Open();
    ds.Next();
    {
        TRecordViewGuard view(ds, 10);
        EXPECT_EQ(N(ds), 11);
    }
    EXPECT_EQ(ds.RecNo(), 2);
    EXPECT_EQ(N(ds), 2);
    EXPECT_EQ(ds.RecordCount(), 12) << "the view fetched up to the record it read";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { TRecordViewGuard view(ds, 12); }), "No Records");
    EXPECT_EQ(N(ds), 2);
}

TEST(LazySource, RefreshRereadsAndReturnsToTheFirstRecord) {
    TBlockSource ds(12, 5, false);
    ds.Open();
    ds.Last();
    ds.Refresh();
    EXPECT_EQ(ds.RecNo(), 1);
    EXPECT_EQ(N(ds), 1);
}

TEST(UnidirectionalSource, RefusesARecordOfADiscardedBlock) {
    TBlockSource ds(10, 4, true);
    ds.Open();
    for (int i = 0; i < 4; ++i)
        ds.Next();
    EXPECT_EQ(N(ds), 5);
    EXPECT_EQ(ds.RecordCount(), 8) << "discarded records still count";
    const std::string refused = "BLOCKS: Record 3 not accessible in Unidirectional mode";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.Prior(); }), refused);
    EXPECT_EQ(N(ds), 5) << "the refused move leaves the position";
    EXPECT_EQ(ds.RecNo(), 5);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.First(); }),
              "BLOCKS: Record 0 not accessible in Unidirectional mode");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { TRecordViewGuard view(ds, 2); }),
              "BLOCKS: Record 2 not accessible in Unidirectional mode");
    ds.Next();
    EXPECT_EQ(N(ds), 6) << "forward reading goes on";
}

TEST(UnidirectionalSource, APositionGuardCannotReturnToADiscardedRecord) {
    TBlockSource ds(10, 4, true);
    ds.Open();
    {
        TDataSetPositionGuard position(ds);
        ds.Last();
    }
    EXPECT_EQ(N(ds), 10);
}

TEST(UnidirectionalSource, WalkingToTheEndCountsEveryRecord) {
    TBlockSource ds(10, 4, true);
    ds.Open();
    int sum = 0;
    for (; !ds.Eof(); ds.Next())
        sum += N(ds);
    EXPECT_EQ(sum, 55);
    EXPECT_EQ(ds.RecordCount(), 10);
}

// An in-memory table filled from elsewhere when it opens, as a local table read from a file.
class TLoadedTable : public TMemDataSet {
public:
    TLoadedTable() : TMemDataSet("LOADED") { FieldDefs().Add("N", TFieldType::ftInteger); }
    void Reload(int count) { LoadRecords(Numbers(count)); }

protected:
    void InternalOpen() override {
        TMemDataSet::InternalOpen();
        LoadRecords(Numbers(3));
    }

private:
    static std::vector<TRecordBuffer> Numbers(int count) {
        std::vector<TRecordBuffer> records;
        for (int n = 1; n <= count; ++n)
            records.push_back({TVariant::FromInteger(n)});
        return records;
    }
};

TEST(LoadedRecords, ReplaceTheHeldRecordsAndStartAtTheFirst) {
    TLoadedTable table;
    table.Open();
    EXPECT_EQ(table.RecordCount(), 3);
    EXPECT_EQ(N(table), 1);
    table.Last();
    table.Reload(5);
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(table.RecordCount(), 5);
    table.Edit();
    table.Reload(0);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse) << "a pending edit of a replaced record is dropped";
    EXPECT_TRUE(table.IsEmpty());
}

TEST(RecordView, ShowsTheEditBufferForTheRecordBeingEdited) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    AppendOrder(*ds, "B", 2);
    ds->First();
    ds->Edit();
    ds->FieldByName("NAME").SetAsString("A2");
    {
        TRecordViewGuard view(*ds, 0);
        EXPECT_EQ(ds->FieldByName("NAME").AsString(), "A2");
    }
    {
        TRecordViewGuard view(*ds, 1);
        EXPECT_EQ(ds->FieldByName("NAME").AsString(), "B");
        EXPECT_EQ(ds->FieldByName("QTY").DisplayText(), "2");
    }
    EXPECT_EQ(ds->State(), TDataSetState::dsEdit);
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "A2");
}

} // namespace
