// Append, insert, edit, post, cancel and delete on the in-memory dataset: where records land,
// which record is current afterwards, the required-field check, refusals and events.
#include "TestDataSets.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(TDataSet& ds) {
    std::vector<std::string> names;
    for (ds.First(); !ds.Eof(); ds.Next())
        names.push_back(ds.FieldByName("NAME").AsString());
    return names;
}

using Names_ = std::vector<std::string>;

TEST(DataSetEditing, AppendThenPostAddsTheRecordAtTheEndAsCurrent) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    AppendOrder(*ds, "B", 2);
    ds->First();
    AppendOrder(*ds, "C", 3);
    EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(ds->RecordCount(), 3);
    EXPECT_EQ(ds->RecNo(), 3);
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "C");
    EXPECT_TRUE(ds->FieldByName("PRICE").IsNull()) << "a new record starts with every field NULL";
    EXPECT_EQ(Names(*ds), (Names_{"A", "B", "C"}));
}

TEST(DataSetEditing, InsertPutsTheRecordBeforeTheCurrentOne) {
    auto ds = MakeOrders();
    for (const char* name : {"A", "B", "C"})
        AppendOrder(*ds, name, 1);
    ds->SetRecNo(2);
    ds->Insert();
    ds->FieldByName("NAME").SetAsString("X");
    ds->Post();
    EXPECT_EQ(ds->RecNo(), 2);
    EXPECT_EQ(Names(*ds), (Names_{"A", "X", "B", "C"}));
}

TEST(DataSetEditing, CancelDropsTheChangesAndKeepsThePosition) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    AppendOrder(*ds, "B", 2);
    ds->First();
    ds->Append();
    ds->FieldByName("NAME").SetAsString("X");
    EXPECT_TRUE(ds->Modified());
    ds->Cancel();
    EXPECT_EQ(ds->RecordCount(), 2);
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "A");

    ds->Edit();
    ds->FieldByName("QTY").SetAsInteger(99);
    EXPECT_EQ(ds->FieldByName("QTY").AsInteger(), 99) << "fields read the edit buffer while editing";
    ds->Cancel();
    EXPECT_EQ(ds->FieldByName("QTY").AsInteger(), 1);
    EXPECT_FALSE(ds->Modified());
}

TEST(DataSetEditing, EditThenPostChangesTheCurrentRecordOnly) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    AppendOrder(*ds, "B", 2);
    ds->First();
    ds->Edit();
    ds->FieldByName("NAME").SetAsString("A2");
    ds->Post();
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_EQ(Names(*ds), (Names_{"A2", "B"}));
}

TEST(DataSetEditing, RequiredFieldIsCheckedBeforeTheSourceSeesTheRecord) {
    auto ds = MakeOrders();
    ds->Append();
    ds->FieldByName("QTY").SetAsInteger(1);
    ds->FieldByName("NAME").SetAsString("");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Post(); }), "Field 'NAME' must have a value");
    EXPECT_EQ(ds->State(), TDataSetState::dsInsert) << "the record stays for correction";
    EXPECT_EQ(ds->FieldByName("QTY").AsInteger(), 1);
    EXPECT_EQ(ds->RecordCount(), 0);

    ds->FieldByName("NAME").SetDisplayLabel("Naziv");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Post(); }), "Field 'Naziv' must have a value");

    ds->FieldByName("NAME").SetAsString("A");
    ds->Post();
    EXPECT_EQ(ds->RecordCount(), 1);
}

TEST(DataSetEditing, BeforePostMayStillFillARequiredField) {
    auto ds = MakeOrders();
    ds->BeforePost = [](TDataSet& d) {
        if (d.FieldByName("NAME").IsNull())
            d.FieldByName("NAME").SetAsString("auto");
    };
    ds->Append();
    ds->Post();
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "auto");
}

TEST(DataSetEditing, DeleteMovesToTheNextRecordOrAfterTheLastToThePrevious) {
    auto ds = MakeOrders();
    for (const char* name : {"A", "B", "C"})
        AppendOrder(*ds, name, 1);
    ds->SetRecNo(2);
    ds->Delete();
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "C");
    ds->Delete();
    EXPECT_EQ(ds->FieldByName("NAME").AsString(), "A");
    ds->Delete();
    EXPECT_TRUE(ds->IsEmpty());
    EXPECT_TRUE(ds->Eof() && ds->Bof());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Delete(); }), "No Records");
}

TEST(DataSetEditing, DeleteWhileInsertingCancelsTheNewRecord) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    ds->Append();
    ds->Delete();
    EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Names(*ds), (Names_{"A"}));
}

TEST(DataSetEditing, EditOnAnEmptyDataSetStartsANewRecord) {
    auto ds = MakeOrders();
    ds->Edit();
    EXPECT_EQ(ds->State(), TDataSetState::dsInsert);
}

TEST(DataSetEditing, NavigationPostsAModifiedRecordAndCancelsAnUntouchedOne) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    AppendOrder(*ds, "B", 2);
    ds->First();
    ds->Edit();
    ds->FieldByName("QTY").SetAsInteger(10);
    ds->Next();
    EXPECT_EQ(ds->State(), TDataSetState::dsBrowse);
    ds->First();
    EXPECT_EQ(ds->FieldByName("QTY").AsInteger(), 10);

    ds->Append();
    ds->Last();
    EXPECT_EQ(ds->RecordCount(), 2) << "an untouched new record is dropped";
}

TEST(DataSetEditing, ReadOnlyDataSetRefusesEveryChange) {
    auto ds = MakeOrders();
    AppendOrder(*ds, "A", 1);
    ds->SetReadOnly(true);
    for (auto change : {&TDataSet::Append, &TDataSet::Insert, &TDataSet::Edit, &TDataSet::Delete})
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ((*ds).*change)(); }), "Cannot modify a read-only dataset");
    EXPECT_EQ(ds->RecordCount(), 1);
}

// A source whose first insert fails, as a server rejecting a row would, and that refuses to edit
// a record another user has locked.
class TRejectingDataSet : public TMemDataSet {
public:
    TRejectingDataSet() : TMemDataSet("REJ") { FieldDefs().Add("NAME", TFieldType::ftString, 10); }
    bool Reject = true;

protected:
    void InternalInsert(int index, const TRecordBuffer& record) override {
        if (std::exchange(Reject, false))
            throw EDatabaseError("ORA-00001: unique constraint violated");
        TMemDataSet::InternalInsert(index, record);
    }
    void InternalEdit(int) override { throw EDatabaseError("Record is locked by another user"); }
};

TEST(DataSetEditing, AFailedPostKeepsTheRecordInInsertStateForAnotherTry) {
    TRejectingDataSet ds;
    ds.Open();
    int afterPosts = 0;
    ds.AfterPost = [&](TDataSet&) { ++afterPosts; };
    ds.Append();
    ds.FieldByName("NAME").SetAsString("A");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.Post(); }), "ORA-00001: unique constraint violated");
    EXPECT_EQ(ds.State(), TDataSetState::dsInsert);
    EXPECT_EQ(ds.FieldByName("NAME").AsString(), "A");
    EXPECT_EQ(afterPosts, 0);
    ds.Post();
    EXPECT_EQ(ds.RecordCount(), 1);
    EXPECT_EQ(afterPosts, 1);
}

TEST(DataSetEditing, ASourceRefusingAnEditLeavesTheDataSetBrowsing) {
    TRejectingDataSet ds;
    ds.Reject = false;
    ds.Open();
    ds.Append();
    ds.FieldByName("NAME").SetAsString("A");
    ds.Post();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.Edit(); }), "Record is locked by another user");
    EXPECT_EQ(ds.State(), TDataSetState::dsBrowse);
}

TEST(DataSetLifecycle, EventsRunAroundOpenCloseAndPost) {
    TMemDataSet ds("EV");
    ds.FieldDefs().Add("NAME", TFieldType::ftString, 10);
    std::vector<std::string> log;
    const auto logger = [&](const char* what) { return [&log, what](TDataSet&) { log.push_back(what); }; };
    ds.BeforeOpen = logger("BeforeOpen");
    ds.AfterOpen = logger("AfterOpen");
    ds.BeforePost = logger("BeforePost");
    ds.AfterPost = logger("AfterPost");
    ds.BeforeClose = logger("BeforeClose");
    ds.AfterClose = logger("AfterClose");
    ds.Open();
    ds.Append();
    ds.FieldByName("NAME").SetAsString("A");
    ds.Post();
    ds.Close();
    EXPECT_EQ(log,
              (Names_{"BeforeOpen", "AfterOpen", "BeforePost", "AfterPost", "BeforeClose", "AfterClose"}));
    EXPECT_EQ(ds.FieldCount(), 0) << "closing frees the fields";
}

TEST(DataSetLifecycle, AClosedDataSetRefusesNavigationAndChanges) {
    TMemDataSet ds("CL");
    for (auto operation : {&TDataSet::First, &TDataSet::Next, &TDataSet::Append, &TDataSet::Post})
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { (ds.*operation)(); }),
                  "Cannot perform this operation on a closed dataset");
    EXPECT_EQ(ds.RecordCount(), 0);
    EXPECT_EQ(ds.RecNo(), 0);
}

// A source that cannot open leaves the dataset closed, without fields.
class TFailingOpen : public TMemDataSet {
protected:
    void InternalOpen() override {
        FieldDefs().Add("X", TFieldType::ftInteger);
        throw EDatabaseError("Not logged on");
    }
};

TEST(DataSetLifecycle, AFailedOpenLeavesTheDataSetClosed) {
    TFailingOpen ds;
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds.Open(); }), "Not logged on");
    EXPECT_FALSE(ds.Active());
    EXPECT_EQ(ds.FieldCount(), 0);
}

} // namespace
