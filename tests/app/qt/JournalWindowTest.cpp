// The journal in the window: after a run the status line gives its outcome, and the menu opens the
// journal (a double-click on a run its reconciliation), the run's reconciliation and the comparison
// as tool grids with their rows.
#include "WindowFixture.h"

#include "app/qt/JournalWindow.h"
#include "grid/ToolGrid.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>

using namespace windowtest;

namespace {

// The tool grid the last menu action opened.
TJournalWindow* OpenedWindow(TMainWindow& window) {
    const QList<TJournalWindow*> windows = window.findChildren<TJournalWindow*>();
    return windows.isEmpty() ? nullptr : windows.back();
}

std::vector<std::string> Column(TOracleDataSet& dataSet, const std::string& name) {
    std::vector<std::string> values;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        values.push_back(dataSet.FieldByName(name).AsString());
    return values;
}

class JournalWindowTest : public WindowTest {};

TEST_F(JournalWindowTest, StatusLineAndTheMenusToolGridsShowTheRun) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    window.btnStart->click();
    ASSERT_TRUE(RecordingUi.Errors.empty());
    EXPECT_EQ(
        window.statusBar()->currentMessage().toStdString().rfind("Zadnji prenos: zaključen, dan 15.03.2024, "
                                                                 "vrsta tveganja 1, konec ",
                                                                 0),
        0u)
        << window.statusBar()->currentMessage().toStdString();

    window.DnevnikPrenosov1->trigger();
    TJournalWindow* journal = OpenedWindow(window);
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->Grid->DataSource()->DataSet(), &journal->DataSet);
    EXPECT_EQ(Column(journal->DataSet, "IZID"), std::vector<std::string>{"zaključen"});
    journal->Grid->OnDblClick();
    TJournalWindow* ofTheRun = OpenedWindow(window);
    ASSERT_NE(ofTheRun, journal);
    EXPECT_EQ(ofTheRun->windowTitle().toStdString(),
              "Usklajevanje prenosa " + Column(journal->DataSet, "ID")[0]);
    ofTheRun->close();
    journal->close();

    window.Usklajevanje1->trigger();
    TJournalWindow* reconciliation = OpenedWindow(window);
    ASSERT_NE(reconciliation, nullptr);
    const std::vector<std::string> balanced = Column(reconciliation->DataSet, "USKLAJENO");
    EXPECT_FALSE(balanced.empty());
    EXPECT_EQ(balanced, std::vector<std::string>(balanced.size(), "DA"));
    reconciliation->close();

    // Against the archive the closing procedure has just filled, nothing has changed.
    window.PrimerjavaArhiv1->trigger();
    TJournalWindow* comparison = OpenedWindow(window);
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison->DataSet.RecordCount(), 0);
    EXPECT_TRUE(RecordingUi.Errors.empty());
}

} // namespace
