// Choosing the editor. "$1" stands for the file inside the shell line; the name itself is handed
// over as the positional argument after the script's own name.
#include "app/qt/EditorCommand.h"

#include <cstdlib>

namespace {

std::vector<std::string> ThroughShell(const std::string& editor, const std::string& fileName) {
    return {"sh", "-c", editor + " \"$1\"", "sh", fileName};
}

} // namespace

std::vector<std::string> EditorCommand(const std::string& fileName, const TEnvironment& environment) {
    if (const std::string visual = environment("VISUAL"); !visual.empty())
        return ThroughShell(visual, fileName);
    if (const std::string editor = environment("EDITOR"); !editor.empty()) {
        // A terminal editor needs a terminal of its own: the program may have been started from none.
        std::vector<std::string> command{"x-terminal-emulator", "-e"};
        for (std::string& part : ThroughShell(editor, fileName))
            command.push_back(std::move(part));
        return command;
    }
    return {"xdg-open", fileName};
}

std::string ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}
