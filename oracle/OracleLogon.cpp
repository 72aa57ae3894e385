// TOracleLogon.Execute: the attempt loop (one automatic attempt while ldAuto lasts, then the dialog
// up to Retries), the logon warning and the expired password, and the password-change step.
#include "oracle/OracleLogon.h"

#include "platform/settings/ConfigPaths.h"
#include "platform/settings/TextUtils.h"

#include <exception>
#include <optional>

namespace {

class TCancellingDialog : public ILogonDialog {
public:
    bool ShowLogon(const TLogonDialogSetup&, TLogonFields&) override { return false; }
    void ShowPasswordChange(TOracleSession&) override {}
    bool CanAsk() const override { return false; }
};

ILogonDialog* installedDialog = nullptr;

// The first argument containing "UserId=" (any case) from its eighth character on.
std::optional<std::string> UserIdArgument() {
    for (const std::string& argument : OracleCommandLine()) {
        if (UpperCase(argument).find("USERID=") != std::string::npos)
            return argument.size() > 7 ? argument.substr(7) : std::string();
    }
    return std::nullopt;
}

} // namespace

TLogonDialogLook& LogonDialogLook() {
    static TLogonDialogLook look;
    return look;
}

std::array<std::string, 16>& LogonTexts() {
    static std::array<std::string, 16> texts{"Oracle Logon",
                                             "Change password",
                                             "Confirm",
                                             "Username",
                                             "Password",
                                             "Database",
                                             "Connect as",
                                             "New password",
                                             "Old password",
                                             "Verification",
                                             "Verification failed",
                                             "Do you wish to change your password now?",
                                             "Your password has expired",
                                             "OK",
                                             "Cancel",
                                             "Logon history"};
    return texts;
}

int& FailedLogonCount() {
    static int count = 0;
    return count;
}

bool& IgnoreUserIdArgument() {
    static bool ignore = false;
    return ignore;
}

ILogonDialog& DefaultLogonDialog() {
    static TCancellingDialog cancelling;
    return installedDialog ? *installedDialog : cancelling;
}

ILogonDialog* SetDefaultLogonDialog(ILogonDialog* dialog) {
    ILogonDialog* previous = installedDialog;
    installedDialog = dialog;
    return previous;
}

std::string ConfirmPasswordChange(TOracleSession& session, const std::string& newPassword,
                                  const std::string& verification) {
    if (newPassword != verification) // passwords are case-sensitive
        return LogonTexts()[TLogonText::VerificationFailed];
    try {
        session.ChangePassword(newPassword);
        if (!session.Connected())
            session.LogOn();
    } catch (const std::exception& error) {
        return error.what(); // the dialog shows it and stays, whatever failed
    }
    return {};
}

std::pair<std::string, std::string> TOracleLogon::HistoryLocation() const {
    if (!HistoryRegSection.empty())
        return {UserConfigDir() + "oracle.ini", HistoryRegSection + "/Logon"};
    return {HistoryIniFile, "Logon"};
}

TLogonDialogSetup TOracleLogon::Setup(const THistoryItems& history) const {
    TLogonDialogSetup setup;
    setup.Texts = LogonTexts();
    setup.ShowDatabase = Has(TLogonOption::ldDatabase);
    setup.DatabaseList = Has(TLogonOption::ldDatabaseList);
    if (setup.DatabaseList)
        setup.DatabaseNames = NetServiceNames();
    setup.AliasDropDownCount = AliasDropDownCount;
    setup.ShowConnectAs = Has(TLogonOption::ldConnectAs) && Session->Preferences.UseOCI7() == false &&
                          (!OracleClientLoaded() || Oci().OCI8);
    setup.ShowHistory = Has(TLogonOption::ldLogonHistory);
    setup.PasswordOnly = Has(TLogonOption::ldPasswordOnly);
    setup.History = history.Items;
    setup.HistoryWithPassword = HistoryWithPassword;
    setup.Picture = Picture;
    return setup;
}

// Consumes ldAuto for good; the first attempt is automatic with a "UserId=" argument or when the
// session already has a user name and a password.
bool TOracleLogon::AutomaticFirstAttempt() {
    if (Options.erase(TLogonOption::ldAuto) == 0)
        return false;
    if (!IgnoreUserIdArgument()) {
        if (const std::optional<std::string> userId = UserIdArgument()) {
            Session->LogonUsername = *userId;
            Session->LogonPassword.clear();
            Session->LogonDatabase.clear();
            return true;
        }
    }
    return !Session->LogonUsername.empty() && !Session->LogonPassword.empty();
}

void TOracleLogon::Attempt(ILogonDialog& dialog, THistoryItems& history, bool remember) {
    try {
        Session->LogOn();
        if (!Session->LogonWarning().empty() &&
            AskOracleQuestion(Session->LogonWarning() + "\r\n" + LogonTexts()[TLogonText::ChangeNow]))
            dialog.ShowPasswordChange(*Session);
        if (Has(TLogonOption::ldLogonHistory) && remember) {
            const char* const roles[] = {"", "SYSDBA", "SYSOPER"};
            history.Add({Session->LogonUsername, Session->LogonPassword, Session->LogonDatabase,
                         roles[static_cast<int>(Session->ConnectAs)], false},
                        HistorySize, HistoryWithPassword);
        }
    } catch (const EOracleError& error) {
        // The change dialog says that the password expired; it shows its own failures.
        if (error.ErrorCode() == 28001 && Oci().OCI8 && dialog.CanAsk())
            dialog.ShowPasswordChange(*Session);
        else
            ShowOracleMessage(error.what());
    } catch (const std::exception& error) {
        ShowOracleMessage(error.what());
    }
    if (!Session->Connected())
        ++FailedLogonCount();
}

bool TOracleLogon::Execute() {
    if (!Session)
        return false;
    THistoryItems history;
    const auto [historyFile, historySection] = HistoryLocation();
    if (Has(TLogonOption::ldLogonHistory))
        history.Load(historyFile, historySection);
    if (!Caption.empty())
        LogonTexts()[TLogonText::OracleLogon] = Caption;
    ILogonDialog& dialog = Dialog ? *Dialog : DefaultLogonDialog();
    unsigned attempts = 0;
    bool confirmed = false;
    do {
        const bool automatic = attempts == 0 && AutomaticFirstAttempt();
        TLogonFields fields{Session->LogonUsername, Session->LogonPassword, Session->LogonDatabase,
                            Session->ConnectAs, true};
        if (!automatic) {
            confirmed = dialog.ShowLogon(Setup(history), fields);
            if (!confirmed)
                break;
            Session->LogonUsername = fields.Username;
            Session->LogonPassword = fields.Password;
            Session->LogonDatabase = fields.Database;
            Session->ConnectAs = Has(TLogonOption::ldConnectAs) ? fields.ConnectAs : TConnectAs::caNormal;
        }
        confirmed = true;
        ++attempts;
        Attempt(dialog, history, fields.Remember);
    } while (!Session->Connected() && confirmed && Retries >= attempts);
    if (Has(TLogonOption::ldLogonHistory))
        history.Save(historyFile, historySection);
    return attempts > 0;
}
