// The journal in the window: after a run the status line gives its outcome, and the menu opens the
// journal (a double-click on a run its reconciliation), the run's reconciliation and the comparison
// as tool grids with their rows.
#include "WindowFixture.h"

#include "app/journal/JournalAmounts.h"
#include "app/qt/ComparisonDays.h"
#include "app/qt/JournalWindow.h"
#include "grid/ToolGrid.h"
#include "platform/dataset/MemDataSet.h"

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

// A comparison with a day that has no results would list every position as new or gone: it is
// not made, and the message names the day and the days that have results.
TEST_F(JournalWindowTest, ComparingWithADayWithoutResultsSaysSoAndNamesTheDaysThatHaveThem) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    window.btnStart->click();
    ASSERT_TRUE(RecordingUi.Errors.empty());
    const std::string risk = std::to_string(window.RiskType());
    struct Case {
        TDateTime Before, After;
        bool Archive;
        std::string Message;
    };
    const Case cases[] = {
        {DemoDay, DemoDay, true, ""},
        {DemoDay - 1, DemoDay, false,
         "Ni rezultatov dne 14.03.2024 vrste tveganja " + risk +
             ", zato primerjave ni. Dnevi z rezultati: 15.03.2024."},
        {DemoDay, DemoDay + 1, false,
         "Ni rezultatov dne 16.03.2024 vrste tveganja " + risk +
             ", zato primerjave ni. Dnevi z rezultati: 15.03.2024."},
        {DemoDay - 1, DemoDay, true,
         "V arhivu ni rezultatov dne 14.03.2024 vrste tveganja " + risk +
             ", zato primerjave ni. Dnevi z rezultati v arhivu: 15.03.2024."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            MissingComparisonDay(window.DM().OracleSession1, c.Before, c.After, window.RiskType(), c.Archive),
            c.Message);
}

// Amounts read with thousands separators and the decimals of their column; no column is narrower
// than its widest value.
TEST(JournalAmountsTest, AmountsGetSeparatorsTheirColumnsDecimalsAndRoomForTheWidest) {
    struct Case {
        std::vector<double> Values;
        std::string Widest;
    };
    const Case cases[] = {
        {{1234567.5, 2.25, -3}, "1.234.567,50"},
        {{-98765432109.0, 1}, "-98.765.432.109"},
        {{0.125, 12.5}, "12,500"},
    };
    for (const Case& c : cases) {
        TMemDataSet report("USKLADITEV");
        report.FieldDefs().Add("ZNSDOMVAL", TFieldType::ftFloat);
        report.Open();
        for (double value : c.Values) {
            report.Append();
            report.FieldByName("ZNSDOMVAL").SetAsFloat(value);
            report.Post();
        }
        ShowAmounts(report);
        std::string widest;
        for (report.First(); !report.Eof(); report.Next())
            if (report.FieldByName("ZNSDOMVAL").DisplayText().size() > widest.size())
                widest = report.FieldByName("ZNSDOMVAL").DisplayText();
        EXPECT_EQ(widest, c.Widest);
        EXPECT_EQ(report.FieldByName("ZNSDOMVAL").DisplayWidth(), static_cast<int>(c.Widest.size()));
    }
}

} // namespace
