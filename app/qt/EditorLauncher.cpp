// The detached start of the editor. The desktop opener hands the file on and ends at once; its
// exit status says whether anything could open it, so it is waited for a moment.
#include "app/qt/EditorLauncher.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cassert>

namespace {

class TDetachedEditorLauncher : public IEditorLauncher {
public:
    bool Start(const std::vector<std::string>& command) override {
        assert(!command.empty());
        const QString program = QString::fromStdString(command.front());
        QStringList arguments;
        for (size_t i = 1; i < command.size(); ++i)
            arguments << QString::fromStdString(command[i]);
        if (QStandardPaths::findExecutable(program).isEmpty())
            return false;
        if (program != "xdg-open")
            return QProcess::startDetached(program, arguments);
        // Owned by the application while it runs: a QProcess going away would end it.
        auto* opener = new QProcess(QCoreApplication::instance());
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        opener->start(program, arguments);
        if (!opener->waitForStarted())
            return false;
        // Still running after the wait: it found something and is busy with it.
        if (!opener->waitForFinished(OpenerWaitMs))
            return true;
        return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    }

private:
    static constexpr int OpenerWaitMs = 3000;
};

} // namespace

IEditorLauncher& DetachedEditorLauncher() {
    static TDetachedEditorLauncher launcher;
    return launcher;
}
