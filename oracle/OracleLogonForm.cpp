// The logon form's layout, its setup from TLogonDialogSetup and its two uses (logon, password change).
#include "oracle/OracleLogonForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// One labelled row in its own panel, so that a row can be removed with its label.
QWidget* Row(QLabel* label, QWidget* editor, QWidget* extra = nullptr) {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    label->setMinimumWidth(90);
    layout->addWidget(label);
    layout->addWidget(editor, 1);
    if (extra)
        layout->addWidget(extra);
    return panel;
}

} // namespace

TLogOnForm::TLogOnForm(QWidget* parent) : QDialog(parent) {
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    UsernameEdit = new QLineEdit;
    UsernameEdit->setObjectName("UsernameEdit");
    PasswordEdit = new QLineEdit;
    PasswordEdit->setObjectName("PasswordEdit");
    PasswordEdit->setEchoMode(QLineEdit::Password);
    DatabaseEdit = new QLineEdit;
    DatabaseEdit->setObjectName("DatabaseEdit");
    AliasList = new QComboBox;
    AliasList->setObjectName("AliasList");
    AliasList->setEditable(true);
    AliasList->hide();
    ConnectAsList = new QComboBox;
    ConnectAsList->setObjectName("ConnectAsList");
    ConnectAsList->addItems({"Normal", "SYSDBA", "SYSOPER"});
    HistoryBtn = new QToolButton;
    HistoryBtn->setObjectName("HistoryBtn");
    HistoryBtn->setText("...");
    HistoryBtn->hide();
    Label1 = new QLabel;
    Label2 = new QLabel;
    Label3 = new QLabel;
    Label4 = new QLabel;
    LogonImage = new QLabel;
    LogonImage->setObjectName("LogonImage");
    LogonImage->hide();

    auto* databaseEditors = new QWidget;
    auto* databaseLayout = new QHBoxLayout(databaseEditors);
    databaseLayout->setContentsMargins(0, 0, 0, 0);
    databaseLayout->addWidget(DatabaseEdit);
    databaseLayout->addWidget(AliasList);
    DBPanel = Row(Label3, databaseEditors);
    DBPanel->setObjectName("DBPanel");
    CAPanel = Row(Label4, ConnectAsList);
    CAPanel->setObjectName("CAPanel");

    auto* group = new QWidget;
    group->setObjectName("GroupBox");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(Row(Label1, UsernameEdit, HistoryBtn));
    groupLayout->addWidget(Row(Label2, PasswordEdit));
    groupLayout->addWidget(DBPanel);
    groupLayout->addWidget(CAPanel);

    OKBtn = new QPushButton;
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton;
    CancelBtn->setObjectName("CancelBtn");
    auto* buttons = new QWidget;
    buttons->setObjectName("ButtonPanel");
    auto* buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->addStretch();
    buttonLayout->addWidget(OKBtn);
    buttonLayout->addWidget(CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TLogOnForm::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TLogOnForm::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(group);
    right->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(LogonImage);
    layout->addLayout(right);
    // 358 x 215 client pixels at 120 dpi.
    resize(286, 172);
    ApplyLook(LogonDialogLook());

    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &TLogOnForm::accept);
}

void TLogOnForm::ApplySetup(const TLogonDialogSetup& setup, const TLogonFields& fields) {
    const auto& texts = setup.Texts;
    setWindowTitle(Q(texts[TLogonText::OracleLogon]));
    OKBtn->setText(Q(texts[TLogonText::OK]));
    CancelBtn->setText(Q(texts[TLogonText::Cancel]));
    Label1->setText(Q(texts[TLogonText::Username]));
    Label2->setText(Q(texts[TLogonText::Password]));
    Label3->setText(Q(texts[TLogonText::Database]));
    Label4->setText(Q(texts[TLogonText::ConnectAs]));
    UsernameEdit->setText(Q(fields.Username));
    PasswordEdit->setText(Q(fields.Password));
    FUseAliasList = setup.DatabaseList;
    DatabaseEdit->setVisible(!FUseAliasList);
    AliasList->setVisible(FUseAliasList);
    AliasList->clear();
    for (const std::string& name : setup.DatabaseNames)
        AliasList->addItem(Q(name));
    AliasList->setMaxVisibleItems(setup.AliasDropDownCount);
    AliasList->setCurrentText(Q(fields.Database));
    DatabaseEdit->setText(Q(fields.Database));
    ConnectAsList->setCurrentIndex(static_cast<int>(fields.ConnectAs));
    DBPanel->setVisible(setup.ShowDatabase);
    CAPanel->setVisible(setup.ShowConnectAs);
    HistoryBtn->setVisible(setup.ShowHistory);
    HistoryBtn->setEnabled(!setup.History.empty());
    HistoryBtn->setToolTip(Q(texts[TLogonText::LogonHistory]));
    if (setup.ShowHistory) {
        auto* menu = new QMenu(HistoryBtn);
        menu->setObjectName("HistoryPopup");
        for (const THistoryItem& item : setup.History) {
            if (item.Username == "-") {
                menu->addSeparator();
                continue;
            }
            const bool withPassword = setup.HistoryWithPassword;
            connect(menu->addAction(Q(item.Caption())), &QAction::triggered, this,
                    [this, item, withPassword] { FillFromHistory(item, withPassword); });
        }
        HistoryBtn->setMenu(menu);
        HistoryBtn->setPopupMode(QToolButton::InstantPopup);
    }
    if (setup.PasswordOnly) {
        HistoryBtn->setEnabled(false);
        for (QWidget* widget : {static_cast<QWidget*>(DBPanel), static_cast<QWidget*>(CAPanel)})
            widget->setEnabled(false);
        UsernameEdit->setEnabled(fields.Username.empty());
    }
    if (!setup.Picture.empty()) {
        LogonImage->setPixmap(QPixmap(Q(setup.Picture)));
        LogonImage->setVisible(!LogonImage->pixmap().isNull());
    }
    adjustSize();
}

void TLogOnForm::FillFromHistory(const THistoryItem& item, bool withPassword) {
    UsernameEdit->setText(Q(item.Username));
    DatabaseEdit->setText(Q(item.Database));
    AliasList->setCurrentText(Q(item.Database));
    ConnectAsList->setCurrentIndex(static_cast<int>(ConnectAsFromText(item.Role)));
    if (withPassword || item.Fixed)
        PasswordEdit->setText(Q(item.Password));
    const bool ctrlHeld = QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
    if (!UsernameEdit->text().isEmpty() && !PasswordEdit->text().isEmpty() && !ctrlHeld)
        accept();
}

TLogonFields TLogOnForm::Fields() const {
    TLogonFields fields;
    fields.Username = UsernameEdit->text().toStdString();
    fields.Password = PasswordEdit->text().toStdString();
    fields.Database = (FUseAliasList ? AliasList->currentText() : DatabaseEdit->text()).toStdString();
    fields.ConnectAs = static_cast<TConnectAs>(std::max(0, ConnectAsList->currentIndex()));
    fields.Remember = FRemember;
    return fields;
}

void TLogOnForm::ShowAsPasswordChange(TOracleSession& session) {
    const auto& texts = LogonTexts();
    FPasswordSession = &session;
    setWindowTitle(Q(texts[TLogonText::PasswordExpired]));
    OKBtn->setText(Q(texts[TLogonText::OK]));
    CancelBtn->setText(Q(texts[TLogonText::Cancel]));
    Label1->setText(Q(texts[TLogonText::NewPassword]));
    Label2->setText(Q(texts[TLogonText::Verification]));
    UsernameEdit->clear();
    PasswordEdit->clear();
    UsernameEdit->setEnabled(true);
    UsernameEdit->setEchoMode(QLineEdit::Password);
    HistoryBtn->hide();
    DBPanel->hide();
    CAPanel->hide();
    adjustSize();
}

void TLogOnForm::accept() {
    FRemember = !(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    if (FPasswordSession) {
        const std::string problem = ConfirmPasswordChange(
            *FPasswordSession, UsernameEdit->text().toStdString(), PasswordEdit->text().toStdString());
        if (!problem.empty()) {
            ShowOracleMessage(problem);
            return; // the dialog stays
        }
    }
    QDialog::accept();
}

void TLogOnForm::ApplyLook(const TLogonDialogLook& look) {
    if (!look.FontName.empty()) {
        QFont shared(Q(look.FontName), look.FontSize > 0 ? look.FontSize : font().pointSize());
        shared.setBold(look.Bold);
        shared.setItalic(look.Italic);
        setFont(shared);
    }
    if (!look.AutoComplete)
        AliasList->setCompleter(nullptr);
}

void TLogOnForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const int monitor = LogonDialogLook().MonitorIndex;
    QScreen* screen =
        monitor >= 0 && monitor < screens.size() ? screens[monitor] : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
    if (UsernameEdit->isEnabled() && UsernameEdit->text().isEmpty())
        UsernameEdit->setFocus();
    else
        PasswordEdit->setFocus();
}

bool TQtLogonDialog::ShowLogon(const TLogonDialogSetup& setup, TLogonFields& fields) {
    TLogOnForm form(QApplication::activeWindow());
    form.ApplySetup(setup, fields);
    if (form.exec() != QDialog::Accepted)
        return false;
    fields = form.Fields();
    return true;
}

void TQtLogonDialog::ShowPasswordChange(TOracleSession& session) {
    TLogOnForm form(QApplication::activeWindow());
    form.ShowAsPasswordChange(session);
    form.exec();
}
