// TLogOnForm: the Qt logon dialog, re-used as the password-change dialog, and TQtLogonDialog, the
// ILogonDialog the desktop program installs so that TOracleLogon shows it. The form only collects;
// the logon and the password change are the core's (OracleLogon.h).
#pragma once

#include "oracle/OracleLogon.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

class TLogOnForm : public QDialog {
    Q_OBJECT
public:
    explicit TLogOnForm(QWidget* parent = nullptr);

    //! Shows the controls the setup asks for and fills them from fields.
    void ApplySetup(const TLogonDialogSetup& setup, const TLogonFields& fields);
    //! What the user entered; Remember is false when confirmed with Ctrl held.
    TLogonFields Fields() const;
    //! Turns the form into the password-change dialog for session: OK changes the password and
    //! stays open with a message while that fails.
    void ShowAsPasswordChange(TOracleSession& session);

    QLineEdit* UsernameEdit;
    QLineEdit* PasswordEdit;
    QLineEdit* DatabaseEdit;
    QComboBox* AliasList;
    QComboBox* ConnectAsList;
    QToolButton* HistoryBtn;
    QLabel *Label1, *Label2, *Label3, *Label4, *LogonImage;
    QWidget *DBPanel, *CAPanel;
    QPushButton *OKBtn, *CancelBtn;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillFromHistory(const THistoryItem& item, bool withPassword);
    void ApplyLook(const TLogonDialogLook& look);

    TOracleSession* FPasswordSession = nullptr; // set while the form changes a password
    bool FUseAliasList = false;
    bool FRemember = true;
};

//! ILogonDialog through TLogOnForm.
class TQtLogonDialog : public ILogonDialog {
public:
    bool ShowLogon(const TLogonDialogSetup& setup, TLogonFields& fields) override;
    void ShowPasswordChange(TOracleSession& session) override;
};
