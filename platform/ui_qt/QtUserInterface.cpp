// Qt message boxes, questions, event pumping and the wait cursor behind the ui interfaces.
#include "platform/ui_qt/QtUserInterface.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui_qt/Progress.h"

#include <QApplication>
#include <exception>
#include <optional>

namespace {

QString Shown(const std::string& text) {
    return QString::fromStdString(DisplayLineBreaks(text));
}

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// The text of the exception being handled now; none outside a handler and for a Cancel.
std::optional<std::string> HandledErrorText() {
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return std::nullopt;
    try {
        std::rethrow_exception(current);
    } catch (const EAbort&) {
        return std::nullopt;
    } catch (const std::exception& error) {
        return std::string(error.what());
    } catch (...) {
        return std::string();
    }
}

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(DialogParent());
    PrepareMessageBox(box, icon, text);
    box.exec();
}

} // namespace

void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const std::string& text) {
    const std::optional<std::string> error = HandledErrorText();
    box.setWindowTitle(QApplication::applicationName());
    box.setText(Shown(text));
    box.setIcon(error ? QMessageBox::Critical : icon);
    if (error && !error->empty() && *error != text)
        box.setDetailedText(Shown(*error));
}

void TQtUserInterface::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::Information, text);
}

void TQtUserInterface::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
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
