// The recording user interface that tests of the logic rely on: it keeps everything in order,
// answers from its script, and cancels at the scripted step.
#include "platform/ui/RecordingUi.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(RecordingUi, RecordsMessagesErrorsAndQuestionsVerbatim) {
    TRecordingUi ui;
    ui.ShowMessage("PREPIS V IZVAJANJU ...\r");
    ui.ShowError("Field 'ID' must have a value");
    ui.AskYesNo("Brišem?");
    ui.ProcessMessages();
    ui.ProcessMessages();
    EXPECT_EQ(ui.Messages, (Lines{"PREPIS V IZVAJANJU ...\r"}));
    EXPECT_EQ(ui.Errors, (Lines{"Field 'ID' must have a value"}));
    EXPECT_EQ(ui.Questions, (Lines{"Brišem?"}));
    EXPECT_EQ(ui.ProcessMessagesCount, 2);
}

TEST(RecordingUi, AnswersFromTheScriptThenNo) {
    TRecordingUi ui;
    ui.Answers = {true, false, true};
    EXPECT_TRUE(ui.AskYesNo("1"));
    EXPECT_FALSE(ui.AskYesNo("2"));
    EXPECT_TRUE(ui.AskYesNo("3"));
    EXPECT_FALSE(ui.AskYesNo("4"));
    EXPECT_EQ(ui.Questions, (Lines{"1", "2", "3", "4"}));
}

TEST(RecordingUi, ProgressCallsAreLoggedAndStepsCountFromStart) {
    TRecordingUi ui;
    IProgress& progress = ui.Progress();
    progress.Start("Export", 2);
    progress.Step();
    progress.Step();
    progress.Stop();
    progress.Start("Copy to local table", 5);
    progress.Step();
    progress.Stop();
    EXPECT_EQ(ui.ProgressCalls, (Lines{"Start Export 2", "Step 1", "Step 2", "Stop",
                                       "Start Copy to local table 5", "Step 1", "Stop"}));
}

TEST(RecordingUi, CancelAtAStepRaisesTheSilentAbort) {
    TRecordingUi ui;
    ui.CancelAtStep = 2;
    IProgress& progress = ui.Progress();
    progress.Start("Copy to clipboard", 10);
    EXPECT_NO_THROW(progress.Step());
    EXPECT_THROW(progress.Step(), EAbort);
    progress.Start("Copy to clipboard", 10); // a new start counts afresh
    EXPECT_NO_THROW(progress.Step());
}
