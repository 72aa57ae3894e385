// The logon driver: TOracleLogon tries the session's own credentials once, then asks through the
// logon dialog until the session is connected or the retries are spent; the password-change step
// and the logon history. The dialogs sit behind ILogonDialog, so the loop runs without a display.
#pragma once

#include "oracle/Oracle.h"

#include <array>
#include <set>
#include <string>
#include <vector>

enum class TLogonOption { ldAuto, ldDatabase, ldDatabaseList, ldLogonHistory, ldConnectAs, ldPasswordOnly };

//! Positions in the table of logon texts.
namespace TLogonText {
inline constexpr int OracleLogon = 0, ChangePassword = 1, Confirm = 2, Username = 3, Password = 4,
                     Database = 5, ConnectAs = 6, NewPassword = 7, OldPassword = 8, Verification = 9,
                     VerificationFailed = 10, ChangeNow = 11, PasswordExpired = 12, OK = 13, Cancel = 14,
                     LogonHistory = 15;
} // namespace TLogonText

//! The 16 texts shared by the dialogs; modifiable.
std::array<std::string, 16>& LogonTexts();
//! Failed logon attempts counted by every TOracleLogon of the process.
int& FailedLogonCount();
//! When set, a "UserId=" argument is not searched for.
bool& IgnoreUserIdArgument();

//! What the dialogs share beside their texts: a font (no name: the form's own) and its style, the
//! alias box's completion of what is typed, and the screen to centre on (-1: the primary one).
struct TLogonDialogLook {
    std::string FontName;
    int FontSize = 0;
    bool Bold = false, Italic = false;
    bool AutoComplete = true;
    int MonitorIndex = -1;
};
TLogonDialogLook& LogonDialogLook();

//! One remembered logon.
struct THistoryItem {
    std::string Username, Password, Database, Role;
    bool Fixed = false;
    //! "USER", then "@DATABASE" and " AS role" when present.
    std::string Caption() const;
};

//! The remembered logons, newest first, kept in an ini file under section "Logon".
class THistoryItems {
public:
    std::vector<THistoryItem> Items;
    //! Removes an entry of the same caption (a fixed one stays), drops the oldest non-fixed entries
    //! beyond size and puts the entry first; the password only when withPassword.
    void Add(THistoryItem item, int size, bool withPassword);
    void Load(const std::string& fileName, const std::string& section);
    void Save(const std::string& fileName, const std::string& section) const;
};

//! What the logon dialog shows.
struct TLogonDialogSetup {
    std::array<std::string, 16> Texts;
    bool ShowDatabase = true;
    bool DatabaseList = false;
    std::vector<std::string> DatabaseNames;
    int AliasDropDownCount = 8;
    bool ShowConnectAs = false;
    bool ShowHistory = false;
    bool PasswordOnly = false;
    std::vector<THistoryItem> History;
    bool HistoryWithPassword = false;
    std::string Picture; //!< image file shown on the left; empty: none
};

//! What the user confirmed.
struct TLogonFields {
    std::string Username, Password, Database;
    TConnectAs ConnectAs = TConnectAs::caNormal;
    bool Remember = true; //!< false when confirmed with Ctrl held
};

//! The dialogs of a logon, shown modally.
class ILogonDialog {
public:
    virtual ~ILogonDialog() = default;
    //! Shows the logon dialog filled from fields; false on Cancel.
    virtual bool ShowLogon(const TLogonDialogSetup& setup, TLogonFields& fields) = 0;
    //! Shows the password-change dialog until the password was changed or the user cancelled.
    virtual void ShowPasswordChange(TOracleSession& session) = 0;
    //! Whether someone is there to answer; where nobody is, an expired password is told as an error.
    virtual bool CanAsk() const { return true; }
};

//! The dialog used when a TOracleLogon names none: the one the program installed, else one that
//! cancels at once (console tools have no one to ask).
ILogonDialog& DefaultLogonDialog();
ILogonDialog* SetDefaultLogonDialog(ILogonDialog* dialog);

//! OK in the password-change dialog: "" when the password was changed and the session is logged
//! on; otherwise the text to show ("Verification failed" or the server's message).
std::string ConfirmPasswordChange(TOracleSession& session, const std::string& newPassword,
                                  const std::string& verification);

class TOracleLogon {
public:
    TOracleSession* Session = nullptr;
    unsigned Retries = 2;
    std::set<TLogonOption> Options{TLogonOption::ldAuto, TLogonOption::ldDatabase};
    int AliasDropDownCount = 8;
    std::string HistoryRegSection;
    std::string HistoryIniFile;
    int HistorySize = 6;
    bool HistoryWithPassword = false;
    std::string Caption;
    std::string Picture;
    ILogonDialog* Dialog = nullptr; //!< nullptr: DefaultLogonDialog()

    //! True when at least one attempt was made; the caller learns success from Connected().
    bool Execute();

private:
    bool Has(TLogonOption option) const { return Options.count(option) > 0; }
    TLogonDialogSetup Setup(const THistoryItems& history) const;
    bool AutomaticFirstAttempt();
    void Attempt(ILogonDialog& dialog, THistoryItems& history, bool remember);
    std::pair<std::string, std::string> HistoryLocation() const;
};
