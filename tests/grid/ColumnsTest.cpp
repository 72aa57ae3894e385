// Column persistence and the column chooser: `selected` lines, an unknown field in them, the
// chooser's moves and selections, and the renaming of a column.
#include "grid/ColumnChooser.h"
#include "grid/ColumnChooserDialog.h"
#include "grid/GridColumns.h"

#include "TestFixtures.h"

#include "platform/settings/Exceptions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Captions(const std::vector<TColumnEntry>& entries) {
    std::vector<std::string> captions;
    for (const TColumnEntry& entry : entries)
        captions.push_back(entry.Caption);
    return captions;
}

std::vector<std::string> VisibleNames(const TDataSet& dataSet) {
    std::vector<std::string> names;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        if (dataSet.Fields(i).Visible())
            names.push_back(dataSet.Fields(i).FieldName());
    return names;
}

TEST(SelectedLinesTest, StoredLinesApplyBackSkippingUnknownFields) {
    auto people = PeopleDataSet({});
    people->FieldByName("AMOUNT").SetDisplayLabel("Znesek");
    people->FieldByName("NAME").SetVisible(false);
    const std::vector<std::string> lines = SelectedLines(*people);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "AMOUNT\t" + std::to_string(people->FieldByName("AMOUNT").DisplayWidth()) + "\tZnesek");

    ApplySelectedLines(*people, {"CODE\t5\tx", "\tMISSING", "NAME"});
    EXPECT_EQ(VisibleNames(*people), (std::vector<std::string>{"CODE", "NAME"}));
    EXPECT_FALSE(people->FieldByName("AMOUNT").Visible());
    EXPECT_EQ(people->FieldByName("CODE").DisplayLabel(), "CODE"); // label and width are not applied
    EXPECT_FALSE(people->ControlsDisabled());

    ApplySelectedLines(*people, {});
    EXPECT_EQ(VisibleNames(*people), (std::vector<std::string>{"CODE", "NAME"}));
}

TEST(ColumnChooserTest, MovesKeepHiddenSortedAndSelectionsWhereTheyBelong) {
    auto people = PeopleDataSet({});
    std::vector<TColumnEntry> on, off;
    BuildColumnLists(*people, on, off);
    TColumnChooser chooser;
    chooser.Fill(on, off);
    chooser.SelectOn(2);
    chooser.HideSelected(); // the last one: the new last is selected
    EXPECT_EQ(chooser.OnIndex(), 1);
    chooser.MoveDown(); // past the bottom: nothing
    chooser.MoveUp();
    EXPECT_EQ(Captions(chooser.On()), (std::vector<std::string>{"AMOUNT", "NAME"}));
    chooser.HideAll();
    EXPECT_EQ(Captions(chooser.Off()), (std::vector<std::string>{"AMOUNT", "CODE", "NAME"}));
    EXPECT_EQ(chooser.OffIndex(), 0);
    chooser.SelectOff(2);
    chooser.ShowSelected();
    EXPECT_EQ(chooser.OffIndex(), 1);
    chooser.ShowAll();
    EXPECT_EQ(Captions(chooser.On()), (std::vector<std::string>{"NAME", "AMOUNT", "CODE"}));
    EXPECT_EQ(chooser.OnIndex(), 0);
    EXPECT_EQ(chooser.OffIndex(), -1);

    chooser.SelectOn(0);
    chooser.HideSelected();
    chooser.HideSelected();
    chooser.HideSelected(); // the only one: the first hidden is selected
    EXPECT_EQ(chooser.OnIndex(), -1);
    EXPECT_EQ(chooser.OffIndex(), 0);
}

// A person looks for Č after C and for Ž after Z, whatever the letter case.
TEST(ColumnChooserTest, HiddenColumnsFollowTheSlovenianAlphabet) {
    std::vector<TColumnEntry> off;
    for (const char* caption : {"Žig", "zapadlost", "Število", "Cena", "čas", "Skupaj", "dan"})
        off.push_back({caption, nullptr});
    TColumnChooser chooser;
    chooser.Fill({}, off);
    EXPECT_EQ(Captions(chooser.Off()),
              (std::vector<std::string>{"Cena", "čas", "dan", "Skupaj", "Število", "zapadlost", "Žig"}));
    chooser.Fill({{"Čebula", nullptr}, {"Drevo", nullptr}}, chooser.Off());
    chooser.HideAll();
    EXPECT_EQ(Captions(chooser.Off()), (std::vector<std::string>{"Cena", "čas", "Čebula", "dan", "Drevo",
                                                                 "Skupaj", "Število", "zapadlost", "Žig"}));
}

TEST(ColumnChooserTest, ConfirmedListsReindexTheFields) {
    auto people = PeopleDataSet({});
    std::vector<TColumnEntry> on, off;
    BuildColumnLists(*people, on, off);
    std::swap(on[0], on[2]);
    off.push_back(on.back());
    on.pop_back();
    ApplyColumnLists(on, off);
    EXPECT_EQ(VisibleNames(*people), (std::vector<std::string>{"CODE", "AMOUNT"}));
    EXPECT_EQ(people->Fields(2).FieldName(), "NAME");
}

TEST(ColumnChooserTest, RenamingKeepsLabelWhenTheWidthIsNoNumber) {
    auto people = PeopleDataSet({});
    std::vector<TColumnEntry> on, off;
    BuildColumnLists(*people, on, off);
    TColumnChooser chooser;
    chooser.Fill(on, off);
    chooser.ApplyDisplayLabel("Ime", "12");
    EXPECT_EQ(people->FieldByName("NAME").DisplayWidth(), 12);
    EXPECT_THROW(chooser.ApplyDisplayLabel("Priimek", "x"), Exception);
    EXPECT_EQ(chooser.On()[0].Caption, "Priimek");
    EXPECT_EQ(people->FieldByName("NAME").DisplayLabel(), "Priimek");
    EXPECT_EQ(people->FieldByName("NAME").DisplayWidth(), 12);
}

TEST(ColumnChooserDialogTest, ButtonsFollowTheListsAndUpRepeatsWhilePressed) {
    TestApp();
    auto people = PeopleDataSet({});
    std::vector<TColumnEntry> on, off;
    BuildColumnLists(*people, on, off);
    TColumnChooserDialog dialog;
    dialog.Prepare(on, off);
    EXPECT_FALSE(dialog.btnLeft->isEnabled());
    EXPECT_TRUE(dialog.btnUp->isEnabled());
    dialog.btnAllRight->click();
    EXPECT_FALSE(dialog.btnUp->isEnabled());
    EXPECT_FALSE(dialog.edDisplayLabel->isEnabled());
    EXPECT_EQ(dialog.lbOff->currentRow(), 0);
    dialog.btnAllLeft->click();
    EXPECT_EQ(dialog.lbOn->count(), 3);
    EXPECT_EQ(dialog.lbOn->currentRow(), 0);

    dialog.lbOn->setCurrentRow(2);
    emit dialog.btnUp->pressed();
    EXPECT_EQ(dialog.lbOn->currentRow(), 1); // at once
    EXPECT_TRUE(dialog.tmrBtn->isActive());
    EXPECT_EQ(dialog.tmrBtn->interval(), 500);
    QTest::qWait(650);
    EXPECT_EQ(dialog.lbOn->currentRow(), 0); // repeated, and past the top nothing more
    EXPECT_EQ(dialog.tmrBtn->interval(), 100);
    emit dialog.btnUp->released();
    EXPECT_FALSE(dialog.tmrBtn->isActive());
    EXPECT_EQ(Captions(dialog.Chooser().On()), (std::vector<std::string>{"NAME", "AMOUNT", "CODE"}));
}

} // namespace
