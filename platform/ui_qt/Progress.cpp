// The progress window: layout, the cancelled flag and the one process-wide instance.
#include "platform/ui_qt/Progress.h"

#include "platform/settings/Exceptions.h"

#include <QApplication>

TfProgress::TfProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setupUi(this);
    // Modal while it shows: nothing else in the program can start the loop again meanwhile.
    setWindowModality(Qt::ApplicationModal);
    connect(btnCancel, &QPushButton::clicked, this, [this] { FCancelled = true; });
}

void TfProgress::Start(const std::string& title, int maximum) {
    FCancelled = false;
    lblTitle->setText(QString::fromStdString(title));
    setWindowTitle(lblTitle->text());
    pbProgress->setRange(0, maximum);
    pbProgress->setValue(0);
    show();
    QApplication::processEvents();
}

void TfProgress::Step() {
    pbProgress->setValue(pbProgress->value() + 1);
    QApplication::processEvents();
    if (FCancelled)
        throw EAbort();
}

QString TfProgress::Title() const {
    return lblTitle->text();
}

TfProgress& TfProgress::Instance() {
    // Parented to nothing and never deleted before the application: it lives until exit.
    static TfProgress* instance = new TfProgress();
    return *instance;
}
