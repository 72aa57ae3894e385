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
    FPosition = 0;
    show();
    QApplication::processEvents();
    FSincePump.invalidate();
}

void TfProgress::Step() {
    ++FPosition;
    // Pumping the events costs more than a row of most loops; a few times a second keeps the bar
    // moving and Cancel heard.
    if (!FCancelled && FSincePump.isValid() && FSincePump.elapsed() < PumpIntervalMs)
        return;
    pbProgress->setValue(FPosition);
    QApplication::processEvents();
    FSincePump.start();
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
