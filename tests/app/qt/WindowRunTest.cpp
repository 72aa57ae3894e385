// Runs, previews and the repayment-plan detail started from the window over a small demo database:
// the grid and its row count, the day and risk type taken from the controls by the run and the
// preview, a day without data, the detail panel opened and closed by double-clicks, and the
// controls locked while a run lasts.
#include "WindowFixture.h"

#include "app/qt/RadioGroup.h"
#include "grid/ToolGrid.h"

#include <QDateEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>

using namespace windowtest;

namespace {

const std::string kDemoDayText = "15.03.2024";

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

int CountOf(const std::vector<std::string>& messages, const std::string& prefix) {
    return static_cast<int>(std::count_if(messages.begin(), messages.end(), [&](const std::string& message) {
        return message.rfind(prefix, 0) == 0;
    }));
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts)
        all += text + "\n";
    return all;
}

class WindowRunTest : public WindowTest {
protected:
    std::string RowsOf(const std::string& table, int otLik) {
        return QueryValue("SELECT COUNT(*) FROM " + table + " WHERE DAT_STANJA = TO_DATE('" + kDemoDayText +
                          "', 'DD.MM.YYYY') AND OT_LIK = " + std::to_string(otLik));
    }
    //! The grid row of the main grid's dataset whose ID_SEQ_OBLIM is id; -1 when none.
    int RowOfPosition(TMainWindow& window, int id) {
        TOracleDataSet& q1 = window.DM().Q1;
        q1.First();
        for (int row = 0; !q1.Eof(); ++row, q1.Next())
            if (q1.FieldByName("ID_SEQ_OBLIM").AsInteger() == id)
                return row;
        return -1;
    }
    void DoubleClickRow(TToolGrid& grid, int row) {
        const QModelIndex index = grid.model()->index(row, 0);
        grid.scrollTo(index);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    }
    bool AnyRunControlEnabled(TMainWindow& window) {
        return window.btnStart->isEnabled() || window.btnPredogled->isEnabled() || window.eDan->isEnabled() ||
               window.rgRiskType->isEnabled();
    }
};

TEST_F(WindowRunTest, ARunFillsTheGridWithTheChosenDayAndRiskType) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    window.rgRiskType->SetItemIndex(2);
    window.btnStart->click();
    ASSERT_TRUE(RecordingUi.Errors.empty()) << Joined(RecordingUi.Errors);
    EXPECT_EQ(window.DBGrid1->DataSource(), &window.DM().DataSource1);
    const int rows = window.DM().Q1.RecordCount();
    EXPECT_GT(rows, 0);
    EXPECT_EQ(Text(window.lblStevilo), std::to_string(rows));
    EXPECT_EQ(RowsOf("OBLIM", 2), std::to_string(rows));
    EXPECT_EQ(RowsOf("OBLIM", 1), "0");
    EXPECT_NE(Text(window.lblStevec), "--------");
    EXPECT_TRUE(window.lblSporocilo->isHidden());
    // The closing procedure reported the copy of the day's rows.
    EXPECT_EQ(CountOf(RecordingUi.Messages, "Status: 0\rStatusText: Kopirano: OBLIM " + std::to_string(rows)),
              1)
        << Joined(RecordingUi.Messages);
}

TEST_F(WindowRunTest, ThePreviewShowsTheRowsOfTheChosenDayAndRiskType) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    window.btnStartClick();
    const std::string rows = Text(window.lblStevilo);
    window.rgRiskType->SetItemIndex(0);
    window.btnPredogled->click();
    EXPECT_EQ(Text(window.lblStevilo), "0");
    window.rgRiskType->SetItemIndex(1);
    window.eDan->setDate(QDate(2024, 3, 14));
    window.btnPredogled->click();
    EXPECT_EQ(Text(window.lblStevilo), "0");
    window.eDan->setDate(QDate(2024, 3, 15));
    window.btnPredogled->click();
    EXPECT_EQ(Text(window.lblStevilo), rows);
    EXPECT_EQ(window.DBGrid1->DataSource(), &window.DM().DataSource1);
    EXPECT_TRUE(RecordingUi.Errors.empty()) << Joined(RecordingUi.Errors);
}

TEST_F(WindowRunTest, ADayWithoutDataSaysSoAndPreviewsNothing) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(EncodeDate(2001, 2, 1));
    window.btnStartClick();
    EXPECT_EQ(CountOf(RecordingUi.Messages, "Za izbrani dan 01.02.2001 ni podatkov!"), 1)
        << Joined(RecordingUi.Messages);
    EXPECT_EQ(Text(window.lblStevilo), "0");
    EXPECT_TRUE(RecordingUi.Errors.empty()) << Joined(RecordingUi.Errors);
}

TEST_F(WindowRunTest, ADoubleClickOpensThePlanAndClosesWithoutOne) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    window.show();
    window.btnStartClick();
    ASSERT_TRUE(RecordingUi.Errors.empty()) << Joined(RecordingUi.Errors);
    const std::string day = "TO_DATE('" + kDemoDayText + "', 'DD.MM.YYYY')";
    const int planned = std::stoi(
        QueryValue("SELECT MIN(ID_SEQ_OBLIM) FROM OBLIAM WHERE OT_LIK = 1 AND DAT_STANJA = " + day));
    const int plain = std::stoi(QueryValue(
        "SELECT MIN(ID_SEQ_OBLIM) FROM OBLIM WHERE OT_LIK = 1 AND DAT_STANJA = " + day +
        " AND ID_SEQ_OBLIM NOT IN (SELECT ID_SEQ_OBLIM FROM OBLIAM WHERE OT_LIK = 1 AND DAT_STANJA = " + day +
        ")"));

    DoubleClickRow(*window.DBGrid1, RowOfPosition(window, planned));
    EXPECT_FALSE(window.pnlObliam->isHidden());
    EXPECT_EQ(window.DM().Qobliam1.RecordCount(),
              std::stoi(QueryValue("SELECT COUNT(*) FROM OBLIAM WHERE OT_LIK = 1 AND DAT_STANJA = " + day +
                                   " AND ID_SEQ_OBLIM = " + std::to_string(planned))));
    DoubleClickRow(*window.DbGrid2, 0);
    EXPECT_TRUE(window.pnlObliam->isHidden());

    DoubleClickRow(*window.DBGrid1, RowOfPosition(window, plain));
    EXPECT_TRUE(window.pnlObliam->isHidden());
    EXPECT_EQ(window.DM().Qobliam1.RecordCount(), 0);
    EXPECT_TRUE(RecordingUi.Errors.empty()) << Joined(RecordingUi.Errors);
}

TEST_F(WindowRunTest, TheControlsAreLockedWhileARunLastsAndNoSecondRunStartsInside) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    int probes = 0, unlocked = 0;
    RecordingUi.OnProcessMessages = [&] {
        ++probes;
        unlocked += AnyRunControlEnabled(window) ? 1 : 0;
        if (probes == 1) {
            window.btnStartClick();
            window.btnPredogledClick();
            window.DBGrid1DblClick(); // would hide the panel: the source rows have no position id
            window.DbGrid2DblClick();
        }
    };
    window.pnlObliam->show();
    window.btnStartClick();
    RecordingUi.OnProcessMessages = nullptr;
    EXPECT_GT(probes, 1);
    EXPECT_EQ(unlocked, 0);
    EXPECT_EQ(CountOf(RecordingUi.Messages, "Status: "), 1) << Joined(RecordingUi.Messages);
    EXPECT_FALSE(window.pnlObliam->isHidden());
    EXPECT_TRUE(window.btnStart->isEnabled() && window.btnPredogled->isEnabled() &&
                window.eDan->isEnabled() && window.rgRiskType->isEnabled());
}

TEST_F(WindowRunTest, AFailingRunReachesTheErrorDisplayAndUnlocksTheControls) {
    CreateDemoDatabase();
    RunSql({"DROP TABLE OBLIAM"});
    TMainWindow& window = StartedWindow(DemoDay);
    window.btnStartClick();
    ASSERT_EQ(RecordingUi.Errors.size(), 1u) << Joined(RecordingUi.Messages);
    EXPECT_EQ(CountOf(RecordingUi.Messages, "Status: "), 0);
    EXPECT_EQ(window.DBGrid1->DataSource(), &window.DM().dsNull);
    EXPECT_TRUE(window.btnStart->isEnabled() && window.btnPredogled->isEnabled() &&
                window.eDan->isEnabled() && window.rgRiskType->isEnabled());
}

// Izhod while a run lasts asks first: Da cancels the run (nothing written, the journal says
// so) and then ends the program; Ne lets the run complete and the window stay.
TEST_F(WindowRunTest, IzhodDuringARunAsksAndDaCancelsItBeforeTheWindowCloses) {
    struct Case {
        bool Da;
        int Terminations;
        bool RowsWritten;
        const char* Outcome;
    };
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    for (const Case& c : {Case{true, 1, false, "preklican"}, Case{false, 0, true, "zaključen"}}) {
        SCOPED_TRACE(c.Da);
        Terminations = 0;
        RecordingUi.Answers = {c.Da};
        int probes = 0;
        RecordingUi.OnProcessMessages = [&] {
            if (++probes == 1)
                window.btnIzhod->click();
        };
        window.btnStartClick();
        RecordingUi.OnProcessMessages = nullptr;
        EXPECT_EQ(Terminations, c.Terminations);
        EXPECT_EQ(RowsOf("OBLIM", window.RiskType()) != "0", c.RowsWritten);
        EXPECT_EQ(QueryValue("SELECT IZID FROM OBLI_DNEVNIK WHERE ID = (SELECT MAX(ID) FROM OBLI_DNEVNIK)"),
                  c.Outcome);
    }
}

// The progress strip shows the running step with its time; its "Prekliči" cancels like Escape.
TEST_F(WindowRunTest, PrekliciBesideTheRunsProgressCancelsIt) {
    CreateDemoDatabase();
    TMainWindow& window = StartedWindow(DemoDay);
    std::string shown;
    RecordingUi.OnProcessMessages = [&] {
        if (shown.empty() && !window.pbPrenos->isHidden() && !window.btnPreklici->isHidden()) {
            shown = window.pbPrenos->text().toStdString(); // what the bar draws, not only its format
            window.btnPreklici->click();
        }
    };
    window.btnStartClick();
    RecordingUi.OnProcessMessages = nullptr;
    EXPECT_NE(shown.find(" 0:0"), std::string::npos) << shown;
    EXPECT_EQ(RowsOf("OBLIM", window.RiskType()), "0");
    EXPECT_EQ(QueryValue("SELECT IZID FROM OBLI_DNEVNIK WHERE ID = (SELECT MAX(ID) FROM OBLI_DNEVNIK)"),
              "preklican");
    EXPECT_TRUE(window.pbPrenos->isHidden() && window.btnPreklici->isHidden());
}

} // namespace
