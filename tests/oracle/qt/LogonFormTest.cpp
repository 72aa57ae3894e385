// The logon form on the offscreen platform: rows shown per setup, the fields it returns, the focus
// rule and the password-change use, whose mismatch keeps the dialog open with "Verification failed".
#include "oracle/OracleLogonForm.h"

#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "test_oracle_qt";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

TLogonDialogSetup DefaultSetup() {
    TLogonDialogSetup setup;
    setup.Texts = LogonTexts();
    return setup;
}

} // namespace

TEST(LogonFormTest, TextsAndRowsFollowTheSetup) {
    App();
    TLogOnForm form;
    TLogonDialogSetup setup = DefaultSetup();
    setup.ShowDatabase = false;
    form.ApplySetup(setup, {"scott", "tiger", "prod", TConnectAs::caNormal, true});
    EXPECT_EQ(form.windowTitle(), "Oracle Logon");
    EXPECT_EQ(form.Label1->text(), "Username");
    EXPECT_EQ(form.OKBtn->text(), "OK");
    EXPECT_TRUE(form.DBPanel->isHidden());
    EXPECT_TRUE(form.CAPanel->isHidden());
    EXPECT_TRUE(form.HistoryBtn->isHidden());
    EXPECT_EQ(form.PasswordEdit->echoMode(), QLineEdit::Password);
}

TEST(LogonFormTest, FieldsComeBackFromTheEditsOrTheAliasList) {
    App();
    TLogOnForm form;
    TLogonDialogSetup setup = DefaultSetup();
    setup.ShowConnectAs = true;
    form.ApplySetup(setup, {"scott", "", "prod", TConnectAs::caNormal, true});
    form.PasswordEdit->setText("tiger");
    form.ConnectAsList->setCurrentIndex(1);
    TLogonFields fields = form.Fields();
    EXPECT_EQ(fields.Password, "tiger");
    EXPECT_EQ(fields.Database, "prod");
    EXPECT_EQ(fields.ConnectAs, TConnectAs::caSYSDBA);
    setup.DatabaseList = true;
    setup.DatabaseNames = {"DEMO", "PROD"};
    form.ApplySetup(setup, {"scott", "", "DEMO", TConnectAs::caNormal, true});
    form.AliasList->setCurrentIndex(1);
    EXPECT_EQ(form.Fields().Database, "PROD");
}

TEST(LogonFormTest, FocusGoesToAnEmptyUserNameElseToThePassword) {
    App();
    TLogOnForm empty;
    empty.ApplySetup(DefaultSetup(), {});
    empty.show();
    EXPECT_EQ(empty.focusWidget(), empty.UsernameEdit);
    TLogOnForm named;
    named.ApplySetup(DefaultSetup(), {"scott", "", "", TConnectAs::caNormal, true});
    named.show();
    EXPECT_EQ(named.focusWidget(), named.PasswordEdit);
}

TEST(LogonFormTest, HistoryButtonListsEntriesAndPasswordOnlyDisablesTheRest) {
    App();
    TLogOnForm form;
    TLogonDialogSetup setup = DefaultSetup();
    setup.ShowHistory = true;
    setup.History = {{"scott", "", "prod", "", false}};
    setup.PasswordOnly = true;
    form.ApplySetup(setup, {"scott", "", "", TConnectAs::caNormal, true});
    EXPECT_FALSE(form.HistoryBtn->isHidden());
    EXPECT_FALSE(form.HistoryBtn->isEnabled());
    EXPECT_FALSE(form.UsernameEdit->isEnabled());
    EXPECT_FALSE(form.DBPanel->isEnabled());
}

TEST(LogonFormTest, PasswordChangeWithMismatchStaysOpenWithVerificationFailed) {
    App();
    TRecordingUi ui;
    TScopedUi scope(ui);
    TOracleSession session;
    TLogOnForm form;
    form.ShowAsPasswordChange(session);
    EXPECT_EQ(form.windowTitle(), "Your password has expired");
    EXPECT_EQ(form.Label1->text(), "New password");
    EXPECT_EQ(form.Label2->text(), "Verification");
    EXPECT_EQ(form.UsernameEdit->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(form.DBPanel->isHidden());
    form.show();
    form.UsernameEdit->setText("lion");
    form.PasswordEdit->setText("tiger");
    form.accept();
    EXPECT_EQ(ui.Messages, (std::vector<std::string>{"Verification failed"}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(form.result(), QDialog::Accepted);
}

TEST(LogonFormTest, SharedFontAndCompletionSwitchApplyToEveryForm) {
    App();
    const TLogonDialogLook saved = LogonDialogLook();
    LogonDialogLook().FontName = "DejaVu Sans";
    LogonDialogLook().FontSize = 13;
    LogonDialogLook().Bold = true;
    LogonDialogLook().AutoComplete = false;
    TLogOnForm form;
    LogonDialogLook() = saved;
    EXPECT_EQ(form.font().family(), "DejaVu Sans");
    EXPECT_EQ(form.font().pointSize(), 13);
    EXPECT_TRUE(form.font().bold());
    EXPECT_EQ(form.AliasList->completer(), nullptr);
    EXPECT_NE(TLogOnForm().AliasList->completer(), nullptr);
}
