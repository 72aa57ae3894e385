// The clipboard text: title, header, a TAB after every cell, the quoting of text fields, the
// removal of CR and TAB, and Cancel through the progress window.
#include "grid/ClipboardText.h"

#include "TestFixtures.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

namespace {

class ClipboardTextTest : public ::testing::Test {
protected:
    TRecordingUi ui;
    TScopedUi scoped{ui};
};

TEST_F(ClipboardTextTest, TitleHeaderAndATabAfterEveryCell) {
    auto people = PeopleDataSet({{"Ana", 1.5, 7}, {"Bor", 2, 8}});
    people->FieldByName("CODE").SetVisible(false);
    people->Next();
    const std::string text = GridClipboardText(*people, "Osebe");
    EXPECT_EQ(text, "Osebe\r\nNAME\tAMOUNT\t\r\n\"Ana\"\t1,5\t\r\n\"Bor\"\t2\t\r\n");
    EXPECT_EQ(people->RecNo(), 1);
    EXPECT_EQ(ui.ProgressCalls.front(), "Start Copy to clipboard 2");
    EXPECT_EQ(ui.ProgressCalls.back(), "Stop");
    EXPECT_EQ(ui.WaitCursorDepth, 0);
    EXPECT_FALSE(people->ControlsDisabled());
}

TEST_F(ClipboardTextTest, TextCellsAreQuotedWithoutCrAndTabNumbersOnlyLoseTabs) {
    auto people = PeopleDataSet({{"a\t\"b\"\r\nc", 3, 1}});
    people->FieldByName("CODE").SetOnGetText([](const TField&) { return std::string("1\t2"); });
    EXPECT_EQ(ClipboardCellText(people->FieldByName("NAME")), "\"a\"\"b\"\"\nc\"");
    EXPECT_EQ(ClipboardCellText(people->FieldByName("CODE")), "12");
}

TEST_F(ClipboardTextTest, AnEmptyDatasetGivesTitleAndHeaderOnly) {
    auto people = PeopleDataSet({});
    EXPECT_EQ(GridClipboardText(*people, "T"), "T\r\nNAME\tAMOUNT\tCODE\t\r\n");
}

TEST_F(ClipboardTextTest, CancelAbortsAndRestoresCursorControlsAndPosition) {
    auto people = PeopleDataSet({{"Ana", 1, 1}, {"Bor", 2, 2}, {"Cene", 3, 3}});
    ui.CancelAtStep = 2;
    EXPECT_THROW(GridClipboardText(*people, "T"), EAbort);
    EXPECT_EQ(ui.ProgressCalls.back(), "Stop");
    EXPECT_EQ(ui.WaitCursorDepth, 0);
    EXPECT_FALSE(people->ControlsDisabled());
    EXPECT_EQ(people->RecNo(), 1);
}

} // namespace
