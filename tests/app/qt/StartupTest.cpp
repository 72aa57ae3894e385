// The window's start-up and end: the usage text with too few arguments, the logon and its
// connection text, a start-up that runs once, an unknown alias, a logon that raises, and Izhod's
// empty ZORVEKA.conf.
#include "WindowFixture.h"

#include "app/qt/RadioGroup.h"
#include "grid/ToolGrid.h"
#include "oracle/OracleLogon.h"
#include "platform/settings/Exceptions.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace windowtest;

namespace {

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

std::string FileText(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

//! A logon dialog that fails the way an error outside the logon attempts would.
class TFailingLogonDialog : public ILogonDialog {
public:
    bool ShowLogon(const TLogonDialogSetup&, TLogonFields&) override { throw Exception("dialog broke"); }
    void ShowPasswordChange(TOracleSession&) override {}
};

// The user types the right password into the logon dialog.
class TTypingLogonDialog : public ILogonDialog {
public:
    bool ShowLogon(const TLogonDialogSetup&, TLogonFields& fields) override {
        fields.Password = "demo";
        return true;
    }
    void ShowPasswordChange(TOracleSession&) override {}
};

class StartupTest : public WindowTest {};

TEST_F(StartupTest, ComponentsStartWithTheirDesignTexts) {
    TMainWindow& window = Window();
    EXPECT_EQ(window.windowTitle(), "ZORVEKA");
    EXPECT_EQ(Text(window.Label4), "DAN");
    EXPECT_EQ(window.btnPredogled->text(), "&Predogled");
    EXPECT_EQ(window.btnStart->text(), "&Start prenosa");
    EXPECT_EQ(Text(window.lblStevilo), "-----------");
    EXPECT_EQ(Text(window.lblStevec), "--------");
    EXPECT_EQ(Text(window.lblBaza), "--------");
    EXPECT_EQ(Text(window.Label1), "verzija 4.3.0.13 avgust 2023");
    EXPECT_EQ(window.btnIzhod->text(), "Izhod");
    EXPECT_EQ(window.RiskType(), 1);
    EXPECT_TRUE(window.lblKorak->isHidden());
    EXPECT_TRUE(window.lblSporocilo->isHidden());
    EXPECT_TRUE(window.pnlObliam->isHidden());
    for (TToolGrid* grid : {window.DBGrid1, window.DbGrid2}) {
        EXPECT_FALSE(HasButton(grid->gridButtons(), TGridButton::gbZoom));
        EXPECT_EQ(grid->gridButtons() | ButtonBit(TGridButton::gbZoom), AllGridButtons);
        EXPECT_TRUE(grid->ShowHorzScrollBar());
    }
    EXPECT_EQ(window.DBGrid1->DataSource(), &window.DM().DataSource1);
    EXPECT_EQ(window.DbGrid2->DataSource(), &window.DM().dsObliam);
}

TEST_F(StartupTest, TwoArgumentsShowOnlyTheUsageAndEnd) {
    CreateEmptyDatabase();
    TMainWindow& window = Window({"DEMO", "demo", "OCIDLL=ignored", "--option"});
    window.AppActivate();
    EXPECT_EQ(RecordingUi.Messages, std::vector<std::string>{"ZORVEKA  alias user password "});
    EXPECT_TRUE(RecordingUi.Errors.empty());
    EXPECT_TRUE(window.Terminated());
    EXPECT_EQ(Terminations, 1);
    EXPECT_FALSE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(Text(window.lblBaza), "--------");
}

TEST_F(StartupTest, ThreeArgumentsLogOnAndShowTheConnection) {
    CreateEmptyDatabase();
    TMainWindow& window = Window({"DEMO", "demo", "demo"});
    window.eDan->setDate(QDate(2001, 1, 1));
    window.AppActivate();
    EXPECT_TRUE(RecordingUi.Messages.empty());
    EXPECT_TRUE(RecordingUi.Errors.empty());
    EXPECT_FALSE(window.Terminated());
    EXPECT_TRUE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(Text(window.lblBaza), "DEMO (" + Database + ") / demo");
    EXPECT_EQ(window.eDan->date(), QDate::currentDate());
    EXPECT_EQ(window.Context().AppDir, Folder);
    EXPECT_EQ(window.Context().Arguments, (std::vector<std::string>{"DEMO", "demo", "demo"}));
}

TEST_F(StartupTest, AFourthArgumentIsTheUserCode) {
    CreateEmptyDatabase();
    TMainWindow& window = Window({"DEMO", "demo", "demo", "U123"});
    window.AppActivate();
    EXPECT_TRUE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(window.Context().Arguments.size(), 4u);
    EXPECT_EQ(window.Context().Arguments[3], "U123");
}

TEST_F(StartupTest, ASecondActivationDoesNothing) {
    CreateEmptyDatabase();
    TMainWindow& tooFew = Window({"DEMO"});
    tooFew.AppActivate();
    tooFew.AppActivate();
    EXPECT_EQ(RecordingUi.Messages.size(), 1u);
    EXPECT_EQ(Terminations, 1);

    TMainWindow& window = Window();
    window.AppActivate();
    std::filesystem::remove(Folder + "aliases.ini"); // a repeated start-up would fail on it
    window.lblBaza->setText("unchanged");
    window.AppActivate();
    EXPECT_TRUE(RecordingUi.Errors.empty());
    EXPECT_EQ(Text(window.lblBaza), "unchanged");
}

TEST_F(StartupTest, AnUnknownAliasGoesToTheErrorDisplayAndTheWindowStays) {
    CreateEmptyDatabase();
    TMainWindow& window = Window({"NOPE", "demo", "demo"});
    window.AppActivate();
    ASSERT_EQ(RecordingUi.Errors.size(), 1u);
    EXPECT_NE(RecordingUi.Errors[0].find("NOPE"), std::string::npos);
    EXPECT_FALSE(window.Terminated());
    EXPECT_FALSE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(Text(window.lblBaza), "--------");
}

TEST_F(StartupTest, ARefusedLogonLeavesTheWindowUnconnectedAndSaysSo) {
    CreateEmptyDatabase();
    TMainWindow& window = Window({"DEMO", "demo", "wrong"});
    window.AppActivate();
    EXPECT_FALSE(RecordingUi.Messages.empty()); // the logon showed the server's refusal
    EXPECT_TRUE(RecordingUi.Errors.empty());
    EXPECT_FALSE(window.Terminated());
    EXPECT_FALSE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(Text(window.lblBaza), "--------");

    // "Prijava" logs on again through the logon dialog.
    TTypingLogonDialog typing;
    ILogonDialog* previous = SetDefaultLogonDialog(&typing);
    window.Prijava1->trigger();
    SetDefaultLogonDialog(previous);
    EXPECT_TRUE(window.DM().OracleSession1.Connected());
    EXPECT_EQ(Text(window.lblBaza), "DEMO (" + Database + ") / demo");
}

TEST_F(StartupTest, ALogonThatRaisesEndsTheProgramWithItsMessage) {
    CreateEmptyDatabase();
    TFailingLogonDialog dialog;
    ILogonDialog* previous = SetDefaultLogonDialog(&dialog);
    TMainWindow& window = Window({"DEMO", "demo", "wrong"});
    window.AppActivate();
    SetDefaultLogonDialog(previous);
    ASSERT_FALSE(RecordingUi.Messages.empty());
    EXPECT_EQ(RecordingUi.Messages.back(), "Prijava v " + Database + " ni uspela!");
    EXPECT_TRUE(window.Terminated());
    EXPECT_EQ(Text(window.lblBaza), "--------");
}

TEST_F(StartupTest, IzhodLeavesAnEmptyConfFileWhateverItHeld) {
    CreateEmptyDatabase();
    const std::string conf = Folder + "ZORVEKA.conf";
    std::ofstream(conf) << "left over\n";
    TMainWindow& window = Window();
    window.AppActivate();
    window.btnIzhod->click();
    EXPECT_TRUE(std::filesystem::exists(conf));
    EXPECT_EQ(FileText(conf), "");
    EXPECT_TRUE(window.Terminated());

    std::filesystem::remove(conf);
    window.btnIzhodClick();
    EXPECT_TRUE(std::filesystem::exists(conf));
    EXPECT_EQ(FileText(conf), "");
}

} // namespace
