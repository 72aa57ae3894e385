// What views observe through a data source: which notification each dataset operation sends,
// silence while controls are disabled, a disabled source, and either side going away first.
#include "TestDataSets.h"

#include "platform/dataset/DataSetGuards.h"
#include "platform/dataset/DataSource.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// A view that writes down what it was told.
class TRecordingLink : public TDataLink {
public:
    Log Seen;
    void ActiveChanged() override { Seen.push_back(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { Seen.push_back("changed"); }
    void RecordChanged(TField* field) override { Seen.push_back("record:" + field->FieldName()); }
    void DataSetScrolled(int distance) override { Seen.push_back("scrolled:" + std::to_string(distance)); }
    void LayoutChanged() override { Seen.push_back("layout"); }
    Log Take() { return std::exchange(Seen, {}); }
};

class DataSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A", "B", "C"})
            AppendOrder(*ds, name, 1);
        ds->First();
        link.SetDataSource(&source);
        link.Take();
    }
    std::unique_ptr<TMemDataSet> ds = MakeOrders();
    TDataSource source{ds.get()};
    TRecordingLink link;
};

TEST_F(DataSourceTest, EachOperationSendsItsNotification) {
    ds->Next();
    ds->MoveBy(-1);
    EXPECT_EQ(link.Take(), (Log{"scrolled:1", "scrolled:-1"}));
    ds->Edit();
    ds->FieldByName("QTY").SetAsInteger(2);
    ds->Post();
    EXPECT_EQ(link.Take(), (Log{"changed", "record:QTY", "changed"}));
    ds->FieldByName("QTY").SetDisplayLabel("Količina");
    ds->FieldByName("QTY").SetIndex(0);
    ds->FieldByName("QTY").SetVisible(false);
    EXPECT_EQ(link.Take(), (Log{"layout", "layout", "layout"}));
    ds->FieldByName("PRICE").SetDisplayFormat("#,##0.00");
    ds->Delete();
    ds->Refresh();
    EXPECT_EQ(link.Take(), (Log{"changed", "changed", "changed"}));
    ds->Close();
    EXPECT_EQ(link.Take(), (Log{"inactive"}));
}

TEST_F(DataSourceTest, DisabledControlsNestAndTheOutermostEnableSendsOneChange) {
    ds->DisableControls();
    ds->DisableControls();
    EXPECT_TRUE(ds->ControlsDisabled());
    ds->Last();
    AppendOrder(*ds, "D", 4);
    ds->EnableControls();
    EXPECT_TRUE(link.Seen.empty()) << "the inner enable is silent";
    ds->EnableControls();
    EXPECT_FALSE(ds->ControlsDisabled());
    EXPECT_EQ(link.Take(), (Log{"changed"}));
}

TEST_F(DataSourceTest, ChangesOfLayoutOrActivityWhileDisabledAreNotLost) {
    {
        TDisableControlsGuard disabled(*ds);
        ds->FieldByName("NAME").SetVisible(false);
    }
    EXPECT_EQ(link.Take(), (Log{"layout", "changed"}));
    {
        TDisableControlsGuard disabled(*ds);
        ds->Close();
        ds->Open();
    }
    EXPECT_EQ(link.Take(), (Log{"active"}));
}

TEST_F(DataSourceTest, TheDisableGuardEnablesAlsoWhenAnErrorLeavesTheScope) {
    try {
        TDisableControlsGuard disabled(*ds);
        ds->FieldByName("MISSING");
    } catch (const EDatabaseError&) {
    }
    EXPECT_FALSE(ds->ControlsDisabled());
}

TEST_F(DataSourceTest, ADisabledSourcePassesNothingOn) {
    source.SetEnabled(false);
    EXPECT_EQ(link.Take(), (Log{"inactive"}));
    EXPECT_FALSE(link.Active());
    ds->Next();
    ds->Close();
    EXPECT_TRUE(link.Seen.empty());
    source.SetEnabled(true);
    EXPECT_EQ(link.Take(), (Log{"inactive"})) << "the dataset is closed by now";
}

TEST_F(DataSourceTest, ARecordViewSendsNothing) {
    {
        TRecordViewGuard view(*ds, 2);
        EXPECT_EQ(ds->FieldByName("NAME").AsString(), "C");
    }
    EXPECT_TRUE(link.Seen.empty());
}

// A source whose close fails, as a lost connection would.
class TFailingClose : public TMemDataSet {
public:
    TFailingClose() { FieldDefs().Add("X", TFieldType::ftInteger); }

protected:
    void InternalClose() override {
        if (std::exchange(Fail, false))
            throw EDatabaseError("ORA-03113: end-of-file on communication channel");
    }
    bool Fail = true;
};

TEST(DataSourceLifetime, AFailedCloseStillFreesTheFieldsAndTellsTheViews) {
    TFailingClose ds;
    ds.Open();
    TDataSource source(&ds);
    TRecordingLink link;
    link.SetDataSource(&source);
    link.Take();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.Close(); }),
              "ORA-03113: end-of-file on communication channel");
    EXPECT_FALSE(ds.Active());
    EXPECT_EQ(ds.FieldCount(), 0);
    EXPECT_EQ(link.Take(), (Log{"inactive"}));
}

TEST(DataSourceLifetime, EitherSideMayGoFirst) {
    TRecordingLink link;
    {
        auto ds = MakeOrders();
        TDataSource source(ds.get());
        link.SetDataSource(&source);
        EXPECT_TRUE(link.Active());
        ds.reset();
        EXPECT_EQ(source.DataSet(), nullptr);
        EXPECT_FALSE(link.Active());
    }
    EXPECT_EQ(link.DataSource(), nullptr);
    {
        auto ds = MakeOrders();
        auto source = std::make_unique<TDataSource>(ds.get());
        {
            TRecordingLink shortLived;
            shortLived.SetDataSource(source.get());
        }
        source.reset();
        ds->Next(); // no source left to tell
    }
}

} // namespace
