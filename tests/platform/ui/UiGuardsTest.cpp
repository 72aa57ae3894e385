// The guards restore what they set on every way out: normal end, an error, and a user's Cancel.
#include "platform/ui/UiGuards.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/ConsoleUi.h"
#include "platform/ui/RecordingUi.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(UiGuards, ScopedUiInstallsAndRestores) {
    IUserInterface& before = Ui();
    TRecordingUi outer;
    {
        TScopedUi scopedOuter(outer);
        TRecordingUi inner;
        {
            TScopedUi scopedInner(inner);
            Ui().ShowMessage("inner");
        }
        Ui().ShowMessage("outer");
        EXPECT_EQ(inner.Messages, (Lines{"inner"}));
    }
    EXPECT_EQ(outer.Messages, (Lines{"outer"}));
    EXPECT_EQ(&Ui(), &before);
}

TEST(UiGuards, WaitCursorNestsAndIsRestoredOnException) {
    TRecordingUi ui;
    TScopedUi scoped(ui);
    try {
        TWaitCursor outer;
        TWaitCursor inner;
        EXPECT_EQ(ui.WaitCursorDepth, 2);
        throw Exception("Prišlo je do napake");
    } catch (const Exception&) {
    }
    EXPECT_EQ(ui.WaitCursorDepth, 0);
    EXPECT_EQ(ui.WaitCursorMaxDepth, 2);
}

TEST(UiGuards, WaitCursorIsRestoredOnTheUiThatSetIt) {
    TRecordingUi first, second;
    TScopedUi scopedFirst(first);
    {
        TWaitCursor cursor;
        TScopedUi scopedSecond(second);
    }
    EXPECT_EQ(first.WaitCursorDepth, 0);
    EXPECT_EQ(second.WaitCursorMaxDepth, 0);
}

TEST(UiGuards, ProgressIsStoppedWhenTheUserCancels) {
    TRecordingUi ui;
    ui.CancelAtStep = 3;
    TScopedUi scoped(ui);
    int copied = 0;
    EXPECT_THROW(
        {
            TProgressScope progress("Copy to clipboard", 5);
            for (int record = 0; record < 5; ++record) {
                ++copied;
                progress.Step();
            }
        },
        EAbort);
    EXPECT_EQ(copied, 3);
    EXPECT_EQ(ui.ProgressCalls, (Lines{"Start Copy to clipboard 5", "Step 1", "Step 2", "Step 3", "Stop"}));
}
