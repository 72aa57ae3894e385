// The detached start of the editor. A failed start is not reported, as the shell call of the
// referent menu never checked its result; the editor itself reports a missing file.
#include "app/qt/EditorLauncher.h"

#include <QProcess>
#include <QStringList>
#include <cassert>

namespace {

class TDetachedEditorLauncher : public IEditorLauncher {
public:
    void Start(const std::vector<std::string>& command) override {
        assert(!command.empty());
        QStringList arguments;
        for (size_t i = 1; i < command.size(); ++i)
            arguments << QString::fromStdString(command[i]);
        QProcess::startDetached(QString::fromStdString(command.front()), arguments);
    }
};

} // namespace

IEditorLauncher& DetachedEditorLauncher() {
    static TDetachedEditorLauncher launcher;
    return launcher;
}
