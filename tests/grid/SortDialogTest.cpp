// The sort dialog: a local table's indexes with the current one selected, the "*" caption, sort
// items applied through the table or the grid's callback, and the grid's current sort item.
#include "grid/SortDialog.h"
#include "grid/ToolGrid.h"

#include "TestFixtures.h"

#include "platform/dataset/DataSource.h"
#include "platform/localdb/Table.h"

#include <QListWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class SortDialogTest : public ::testing::Test {
protected:
    QApplication& app = TestApp(); // before any widget member

    void SetUp() override {
        table.FieldDefs().Add("A", TFieldType::ftString, 10);
        table.FieldDefs().Add("B", TFieldType::ftInteger);
        table.FieldDefs().Add("STAR", TFieldType::ftInteger);
        table.IndexDefs().Add("ByAB", "A;B");
        table.IndexDefs().Add("ByA", "A");
        table.IndexDefs().Add("ByStarB", "STAR;B");
        table.CreateTable();
        table.SetIndexFieldNames("A;B");
        table.Open();
        table.FieldByName("A").SetDisplayLabel("Ime");
        table.FieldByName("STAR").SetDisplayLabel("*");
        for (auto [a, b] : {std::pair{"y", 1}, {"x", 2}}) {
            table.Append();
            table.FieldByName("A").SetAsString(a);
            table.FieldByName("B").SetAsInteger(b);
            table.Post();
        }
    }

    QStringList Lines() const {
        QStringList lines;
        for (int i = 0; i < dialog.lbInx->count(); ++i)
            lines << dialog.lbInx->item(i)->text();
        return lines;
    }

    TLocalDatabase db{":memory:"};
    TTable table{db, "T"};
    TDataSource source{&table};
    TSortDialog dialog;
};

TEST_F(SortDialogTest, TableIndexesWithTheCurrentOneSelected) {
    TSortInfo info;
    info.Add().DisplayText = "po B";
    info.Items(0).ColumnInfoList().Add().ColumnName = "B";
    dialog.Prepare(&source, &info, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Sort");
    EXPECT_EQ(Lines(), (QStringList{"Ime, B", "Ime", "*STAR, B", "po B"}));
    EXPECT_EQ(dialog.lbInx->currentRow(), 0);

    dialog.lbInx->setCurrentRow(3); // a sort item applies through the table too
    EXPECT_EQ(table.IndexFieldNames(), "B");
    dialog.lbInx->setCurrentRow(1);
    EXPECT_EQ(table.IndexFieldNames(), "A");
    table.First();
    EXPECT_EQ(table.FieldByName("A").AsString(), "x");
    dialog.Prepare(&source, &info, nullptr);
    EXPECT_EQ(dialog.lbInx->currentRow(), 1);
}

TEST_F(SortDialogTest, AClosedTableGivesNoIndexLines) {
    table.Close();
    dialog.Prepare(&source, nullptr, nullptr);
    EXPECT_EQ(dialog.lbInx->count(), 0);
}

TEST(GridSortItemTest, CallbackPicksTheItemAndADeletedItemIsNoLongerCurrent) {
    TestApp();
    auto people = PeopleDataSet({});
    TDataSource source(people.get());
    TToolGrid grid;
    grid.SetDataSource(&source);
    grid.SortInfo().Add().DisplayText = "first";
    grid.SortInfo().Add().DisplayText = "second";
    std::vector<std::string> picked;
    grid.OnCustomSort = [&](TToolGrid&, TSortInfoItem* item) {
        picked.push_back(item ? item->DisplayText : "-");
    };

    TSortDialog dialog;
    dialog.Prepare(&source, &grid.SortInfo(), [&](TSortInfoItem* item) { grid.SelectSortItem(item); });
    EXPECT_EQ(dialog.lbInx->currentRow(), -1);
    dialog.lbInx->setCurrentRow(0);
    EXPECT_EQ(picked, (std::vector<std::string>{"first"}));
    ASSERT_NE(grid.CurrentSortItem(), nullptr);

    grid.SortInfo().Delete(0);
    EXPECT_EQ(grid.CurrentSortItem(), nullptr);

    dialog.Prepare(&source, &grid.SortInfo(), nullptr); // neither table nor callback: inert
    dialog.lbInx->setCurrentRow(0);
    EXPECT_EQ(picked.size(), 1u);
}

} // namespace

namespace {

// A grid whose program gave no sort orders: the dialog lists its columns, and clicking one sorts
// the rows by that column's values (texts in Slovenian order, numbers by value).
TEST(ColumnSortTest, WithoutOrdersTheDialogOffersTheColumnsAndAClickSortsTheRows) {
    TestApp();
    auto people = PeopleDataSet({{"Žan", 10, 3}, {"Cene", 2, 20}, {"Čoh", 7, 100}, {"Ana", 1.5, 4}});
    people->FieldByName("AMOUNT").SetVisible(false);
    TDataSource source(people.get());
    TToolGrid grid;
    grid.SetDataSource(&source);
    std::vector<std::string> byName;
    std::vector<std::string> byCode;
    QStringList lines;
    QTimer::singleShot(0, [&] {
        TSortDialog& dialog = TSortDialog::Instance();
        for (int i = 0; i < dialog.lbInx->count(); ++i)
            lines << dialog.lbInx->item(i)->text();
        dialog.lbInx->setCurrentRow(0);
        for (people->First(); !people->Eof(); people->Next())
            byName.push_back(CurrentName(*people));
        dialog.lbInx->setCurrentRow(1);
        for (people->First(); !people->Eof(); people->Next())
            byCode.push_back(CurrentName(*people));
        dialog.accept();
    });
    grid.Sort();
    EXPECT_EQ(lines, (QStringList{"NAME", "CODE"}));
    EXPECT_EQ(byName, (std::vector<std::string>{"Ana", "Cene", "Čoh", "Žan"}));
    EXPECT_EQ(byCode, (std::vector<std::string>{"Žan", "Ana", "Cene", "Čoh"}));
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), "Žan") << "the grid shows the new order";
}

} // namespace
