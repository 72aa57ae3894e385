// The logon driver without a display: a scripted dialog stands in for TLogOnForm, so the attempt
// loop, ldAuto, "UserId=", the retries, the warning question and the expired password are checked.
#include "EngineFixture.h"

#include "oracle/OracleLogon.h"

#include <deque>

using namespace oracletest;

namespace {

// Answers each logon dialog with the next scripted password (Cancel when the script is used up).
class TScriptedDialog : public ILogonDialog {
public:
    std::deque<std::string> Passwords;
    int LogonShown = 0;
    int PasswordChangeShown = 0;
    std::string NewPassword;
    std::string LastTitle;

    bool ShowLogon(const TLogonDialogSetup& setup, TLogonFields& fields) override {
        ++LogonShown;
        LastTitle = setup.Texts[TLogonText::OracleLogon];
        if (Passwords.empty())
            return false;
        fields.Password = Passwords.front();
        Passwords.pop_front();
        return true;
    }
    void ShowPasswordChange(TOracleSession& session) override {
        ++PasswordChangeShown;
        if (!NewPassword.empty()) {
            EXPECT_EQ(ConfirmPasswordChange(session, NewPassword, NewPassword), "");
        }
    }
};

class LogonTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Logon.Session = &Session;
        Logon.Dialog = &Dialog;
        Session.LogonUsername = "scott";
        Session.LogonDatabase = Database;
    }
    void ExpireOrGrace(const std::string& clause) {
        TOracleSession admin;
        LogOn(admin);
        Run(admin, {"alter user scott password " + clause});
        admin.LogOff();
    }
    TOracleLogon Logon;
    TScriptedDialog Dialog;
};

} // namespace

TEST_F(LogonTest, KnownCredentialsLogOnWithoutTheDialog) {
    Session.LogonPassword = "tiger";
    EXPECT_TRUE(Logon.Execute());
    EXPECT_TRUE(Session.Connected());
    EXPECT_EQ(Dialog.LogonShown, 0);
    EXPECT_EQ(Logon.Options.count(TLogonOption::ldAuto), 0u);
}

TEST_F(LogonTest, WrongPasswordMakesOneAutomaticAndAtMostTwoDialogAttempts) {
    Session.LogonPassword = "wrong";
    Dialog.Passwords = {"bad1", "bad2", "bad3"};
    const int failedBefore = FailedLogonCount();
    EXPECT_TRUE(Logon.Execute());
    EXPECT_FALSE(Session.Connected());
    EXPECT_EQ(Dialog.LogonShown, 2);
    EXPECT_EQ(FailedLogonCount() - failedBefore, 3);
    ASSERT_EQ(RecordingUi.Messages.size(), 3u);
    EXPECT_EQ(RecordingUi.Messages[0].rfind("ORA-01017", 0), 0u);
}

TEST_F(LogonTest, SecondExecuteAlwaysShowsTheDialog) {
    Session.LogonPassword = "tiger";
    Logon.Execute();
    Session.LogOff();
    Dialog.Passwords = {"tiger"};
    EXPECT_TRUE(Logon.Execute());
    EXPECT_EQ(Dialog.LogonShown, 1);
    EXPECT_TRUE(Session.Connected());
}

TEST_F(LogonTest, CancelAtOnceMakesNoAttempt) {
    EXPECT_FALSE(Logon.Execute()); // no password: the dialog comes first, and is cancelled
    EXPECT_EQ(Dialog.LogonShown, 1);
    TOracleLogon withoutSession;
    EXPECT_FALSE(withoutSession.Execute());
}

TEST_F(LogonTest, UserIdArgumentReplacesTheCredentialsForTheAutomaticAttempt) {
    UseArguments({"OCIDLL=" + ClientLibrary(), "userid=scott/tiger@" + Database});
    Session.LogonUsername = "nobody";
    EXPECT_TRUE(Logon.Execute());
    EXPECT_TRUE(Session.Connected());
    EXPECT_EQ(Session.LogonUsername, "scott");
    EXPECT_EQ(Dialog.LogonShown, 0);
}

TEST_F(LogonTest, CaptionReplacesTheDialogTitle) {
    Logon.Caption = "ZORVEKA";
    Logon.Execute();
    EXPECT_EQ(Dialog.LastTitle, "ZORVEKA");
    LogonTexts()[TLogonText::OracleLogon] = "Oracle Logon";
}

TEST_F(LogonTest, PasswordInGraceAsksWhetherToChangeIt) {
    ExpireOrGrace("grace");
    Session.LogonPassword = "tiger";
    RecordingUi.Answers = {true};
    Dialog.NewPassword = "lion";
    EXPECT_TRUE(Logon.Execute());
    EXPECT_TRUE(Session.Connected());
    ASSERT_EQ(RecordingUi.Questions.size(), 1u);
    EXPECT_EQ(RecordingUi.Questions[0],
              Session.LogonWarning() + "\r\nDo you wish to change your password now?");
    EXPECT_EQ(Session.LogonWarning().rfind("ORA-28002", 0), 0u);
    EXPECT_EQ(Dialog.PasswordChangeShown, 1);
    EXPECT_EQ(Session.LogonPassword, "lion");
}

TEST_F(LogonTest, ExpiredPasswordOpensThePasswordChangeWhichLogsOn) {
    ExpireOrGrace("expire");
    Session.LogonPassword = "tiger";
    Dialog.NewPassword = "lion";
    EXPECT_TRUE(Logon.Execute());
    EXPECT_EQ(Dialog.PasswordChangeShown, 1);
    EXPECT_TRUE(Session.Connected());
    EXPECT_EQ(Session.LogonPassword, "lion");
}

TEST_F(LogonTest, ExpiredPasswordShowsTheChangeDialogAloneAndItsFailuresWhateverTheyAre) {
    ExpireOrGrace("expire");
    Session.LogonPassword = "tiger";
    EXPECT_TRUE(Logon.Execute()); // the change is cancelled
    EXPECT_EQ(Dialog.PasswordChangeShown, 1);
    EXPECT_TRUE(RecordingUi.Messages.empty());
    Session.Pooling = TSessionPooling::spInternal; // the logon after the change refuses, not the server
    EXPECT_EQ(ConfirmPasswordChange(Session, "lion", "lion"), "Session pooling is not supported");
}

TEST(PasswordChangeTest, MismatchedVerificationIsRefusedBeforeTheServer) {
    TOracleSession session;
    EXPECT_EQ(ConfirmPasswordChange(session, "Lion", "tiger"), "Verification failed");
    EXPECT_EQ(ConfirmPasswordChange(session, "Lion", "LION"), "Verification failed"); // Caps Lock slip
}

TEST(LogonHistoryTest, AddingReplacesTheSameCaptionKeepsFixedEntriesAndTheSize) {
    THistoryItems history;
    history.Items = {{"a", "", "", "", true}};
    history.Add({"scott", "tiger", "prod", "", false}, 2, false);
    history.Add({"scott", "tiger", "prod", "", false}, 2, true);
    ASSERT_EQ(history.Items.size(), 2u);
    EXPECT_EQ(history.Items[0].Caption(), "SCOTT@PROD");
    EXPECT_EQ(history.Items[0].Password, "tiger");
    history.Add({"sys", "", "", "SYSDBA", false}, 2, false);
    ASSERT_EQ(history.Items.size(), 2u);
    EXPECT_EQ(history.Items[0].Caption(), "SYS AS SYSDBA");
    EXPECT_EQ(history.Items[1].Caption(), "A");
}

TEST(LogonHistoryTest, HistoryRoundTripsThroughItsIniFile) {
    const std::string file = NewTestFolder("History") + "/logon.ini";
    THistoryItems saved;
    saved.Items = {{"scott", "", "prod", "", false}, {"a", "p", "", "SYSOPER", true}};
    saved.Save(file, "Logon");
    THistoryItems loaded;
    loaded.Load(file, "Logon");
    ASSERT_EQ(loaded.Items.size(), 2u);
    EXPECT_EQ(loaded.Items[1].Caption(), "A AS SYSOPER");
    EXPECT_TRUE(loaded.Items[1].Fixed);
}
