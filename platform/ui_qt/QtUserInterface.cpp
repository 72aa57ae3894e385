// Qt message boxes, questions, event pumping and the wait cursor behind the ui interfaces.
#include "platform/ui_qt/QtUserInterface.h"

#include "platform/ui_qt/Progress.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString Shown(const std::string& text) {
    return QString::fromStdString(DisplayLineBreaks(text));
}

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

} // namespace

void TQtUserInterface::ShowMessage(const std::string& text) {
    QMessageBox::information(DialogParent(), QApplication::applicationName(), Shown(text));
}

void TQtUserInterface::ShowError(const std::string& text) {
    QMessageBox::critical(DialogParent(), QApplication::applicationName(), Shown(text));
}

bool TQtUserInterface::AskYesNo(const std::string& question) {
    return QMessageBox::question(DialogParent(), QApplication::applicationName(), Shown(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TQtUserInterface::ProcessMessages() {
    QApplication::processEvents();
}

void TQtUserInterface::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TQtUserInterface::EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}

IProgress& TQtUserInterface::Progress() {
    return TfProgress::Instance();
}
