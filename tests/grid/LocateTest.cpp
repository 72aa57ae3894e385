// The locate rule and dialog: prefix and exact matches, letters outside a-z keep their case, the
// empty value, searching on from the last record, and the not-found message.
#include "grid/LocateDialog.h"
#include "grid/LocateSearch.h"

#include "TestFixtures.h"

#include "platform/dataset/DataSource.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(LocateMatchesTest, PrefixIgnoresCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(LocateMatches("ABCD", "abc", false));
    EXPECT_TRUE(LocateMatches("abc", "abc", false));
    EXPECT_FALSE(LocateMatches("Čebela", "č", false));
    EXPECT_TRUE(LocateMatches("čebela", "č", false));
    EXPECT_FALSE(LocateMatches("ABCD", "abc", true));
    EXPECT_FALSE(LocateMatches("ABC", "abc", true));
    EXPECT_TRUE(LocateMatches("abc", "abc", true));
}

TEST(LocateMatchesTest, EmptyValueMatchesOnlyAnEmptyTextExactly) {
    EXPECT_FALSE(LocateMatches("", "", false));
    EXPECT_FALSE(LocateMatches("x", "", false));
    EXPECT_TRUE(LocateMatches("", "", true));
    EXPECT_FALSE(LocateMatches("x", "", true));
}

// A join selects its keys from both tables; the dataset names the second ones X_1.
TEST(LocateFieldsTest, EachFieldOnceWithoutTheTwinsOfRepeatedColumns) {
    struct Case {
        std::vector<std::string> Fields;
        std::vector<int> Listed;
    };
    const Case cases[] = {
        {{"ID_SEQ_OBLIM", "DAT_STANJA", "ZNSVAL", "ID_SEQ_OBLIM_1", "DAT_STANJA_1", "DAT_STANJA_2"},
         {0, 1, 2}},
        {{"ID_KONTO", "ID_VAL", "OT_LIK", "OT_LIK_1"}, {0, 1, 2}},
        {{"ZNS_1", "ZNS_X", "LOT_"}, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        TMemDataSet dataSet("Q");
        for (const std::string& name : c.Fields)
            dataSet.FieldDefs().Add(name, TFieldType::ftInteger);
        dataSet.Open();
        EXPECT_EQ(LocateFieldIndexes(dataSet), c.Listed) << c.Fields.front();
    }
}

class LocateDialogTest : public ::testing::Test {
protected:
    QApplication& app = TestApp(); // before any widget member

    void SetUp() override {
        dialog.Prepare(&source);
        dialog.cbFields->setCurrentIndex(0);
    }
    void Find(const QString& value, bool exact, bool fromFirst) {
        dialog.meValue->setText(value);
        dialog.cbExact->setChecked(exact);
        (fromFirst ? dialog.btnFindFirst : dialog.btnFindNext)->click();
    }

    TRecordingUi ui;
    TScopedUi scoped{ui};
    std::unique_ptr<TMemDataSet> people =
        PeopleDataSet({{"abc", 1, 1}, {"", 2, 2}, {"ABCD", 3, 3}, {"Čop", 4, 4}});
    TDataSource source{people.get()};
    TLocateDialog dialog;
};

TEST_F(LocateDialogTest, ListsEveryFieldAndEnablesTheSearchOnAValue) {
    people->FieldByName("CODE").SetVisible(false);
    TDataSource other(people.get());
    dialog.Prepare(&other);
    EXPECT_EQ(dialog.windowTitle(), "Iskanje");
    EXPECT_EQ(dialog.cbFields->count(), 3);
    EXPECT_EQ(dialog.cbFields->currentIndex(), -1);
    dialog.cbFields->setCurrentIndex(1);
    EXPECT_FALSE(dialog.btnFindFirst->isEnabled());
    dialog.meValue->setText("2");
    EXPECT_TRUE(dialog.btnFindFirst->isEnabled());
    EXPECT_TRUE(dialog.btnFindNext->isEnabled());
}

TEST_F(LocateDialogTest, FindsFirstAndNextPrefixMatches) {
    Find("abc", false, true);
    EXPECT_EQ(people->RecNo(), 1);
    Find("abc", false, false);
    EXPECT_EQ(people->RecNo(), 3);
    Find("", true, true);
    EXPECT_EQ(people->RecNo(), 2);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(LocateDialogTest, NothingAfterTheLastRecordAndCaseOfČCounts) {
    people->Last();
    Find("Čop", true, false);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0], "Ne najdem \"Čop\"");
    EXPECT_TRUE(people->Eof());
    Find("č", false, true);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1], "Ne najdem \"č...\"");
    Find("", false, true);
    EXPECT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(ui.WaitCursorDepth, 0);
}

TEST_F(LocateDialogTest, FieldChosenBeforeTheColumnsWereReorderedStaysThatField) {
    dialog.cbFields->setCurrentIndex(2); // CODE
    people->FieldByName("CODE").SetIndex(0);
    Find("3", true, true);
    EXPECT_EQ(people->RecNo(), 3);
}

} // namespace
