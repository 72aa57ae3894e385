// "Preveri podatke" over the window's demo day: the report in its own window, and before a run of a
// day whose last check found a stopper the question whether to check again instead; a day whose last
// check found none runs without it.
#include "WindowFixture.h"

#include "app/qt/CheckMemory.h"

#include <QAction>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace windowtest;

namespace {

std::string ReportShown(TMainWindow& window) {
    auto* dialog = window.findChild<QDialog*>("PreverjanjePodatkov");
    const std::string text = dialog ? dialog->findChild<QPlainTextEdit*>()->toPlainText().toStdString() : "";
    delete dialog;
    return text;
}

} // namespace

TEST_F(WindowTest, CheckShowsItsReportAndIsOfferedBeforeARunItWouldStop) {
    CreateDemoDatabase();
    RunSql({"UPDATE SFVP SET FIXOBR = 1234567 WHERE SFGLVENT = '%'"});
    TMainWindow& window = StartedWindow(DemoDay);
    window.PreveriPodatke1->trigger();
    EXPECT_NE(ReportShown(window).find("Preveliko število\tOBLIMD1.REAL_OBRM"), std::string::npos);
    EXPECT_TRUE(LastCheckStops(DemoDay));

    RecordingUi.Answers = {true};
    window.btnStart->click();
    ASSERT_EQ(RecordingUi.Questions.size(), 1u);
    EXPECT_EQ(RecordingUi.Questions[0],
              "Zadnje preverjanje podatkov za 15.03.2024 je našlo napake, ki ustavijo "
              "prenos. Podatke preverim znova namesto prenosa?");
    EXPECT_FALSE(ReportShown(window).empty());
    EXPECT_EQ(QueryValue("SELECT COUNT(*) FROM OBLIM"), "0");

    RunSql({"UPDATE SFVP SET FIXOBR = 1 WHERE FIXOBR = 1234567"});
    window.PreveriPodatke1->trigger();
    EXPECT_FALSE(LastCheckStops(DemoDay));
    window.btnStart->click();
    EXPECT_EQ(RecordingUi.Questions.size(), 1u);
    EXPECT_NE(QueryValue("SELECT COUNT(*) FROM OBLIM"), "0");
}
