// Cancel pressed in the real windows: the print window's button stops the printout, and the
// progress window's button stops the copy into the local table.
#include "PrintTestSupport.h"

#include "grid/print/GroupReport.h"
#include "grid/print/PrintMessageWindow.h"
#include "platform/localdb/temp/PlaceholderCollation.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"
#include "platform/ui_qt/Progress.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(PrintWindow, CancelButtonEndsTheStepsAndHidesTheDetailGaugeWithoutMaximum) {
    EnsurePrintApplication();
    TPrintMessageWindow window;
    window.ShowProgress(10, 0, 0, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.gDetail->isVisible());
    EXPECT_EQ(window.windowTitle(), "Print");
    EXPECT_TRUE(window.isModal()) << "no second printout starts inside the first";
    EXPECT_TRUE(window.StepProgress(1, 0));
    window.btnCancel->click();
    EXPECT_FALSE(window.StepProgress(2, 0));
    window.ShowProgress(10, 5, 1, 0);
    EXPECT_TRUE(window.gDetail->isVisible());
    EXPECT_TRUE(window.StepProgress(3, 2)) << "showing again clears the cancel";
    window.HideProgress();
}

TEST(ProgressWindow, CancelStopsTheCopyToTheLocalTable) {
    EnsurePrintApplication();
    TQtUserInterface ui;
    TScopedUi scopedUi(ui);
    TLocalDatabase db(":memory:");
    InstallPlaceholderCollation(db);
    TGroupReport report(db, "");
    const auto list = MakeList(50);
    report.Prepare(*list);
    report.AutoSetup();
    QTimer::singleShot(0, [] { TfProgress::Instance().CancelButton()->click(); });
    EXPECT_THROW(report.RunSortQuery(), EAbort);
    EXPECT_FALSE(report.Copied());
    EXPECT_FALSE(TfProgress::Instance().isVisible());
    EXPECT_EQ(TfProgress::Instance().Title(), "Copy to local table");
    EXPECT_FALSE(list->ControlsDisabled());
}

} // namespace
