// Opening the referent file: which editor the environment chooses, that the file name reaches it
// as one argument whatever it contains, and that the menu item asks for zorveka.ini.
#include "WindowFixture.h"

#include "app/qt/EditorCommand.h"
#include "app/qt/TextEditorDialog.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace windowtest;

namespace {

TEnvironment Environment(std::map<std::string, std::string> values) {
    return [values](const std::string& name) {
        const auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    };
}

//! Runs a command without a shell of our own, the way the launcher hands it over.
int RunCommand(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WEXITSTATUS(status);
}

TEST(EditorCommandTest, VisualWinsThenEditorInATerminalThenTheDesktopOpener) {
    const std::string file = "/data/zorveka.ini";
    EXPECT_EQ(EditorCommand(file, Environment({{"VISUAL", "gvim -f"}, {"EDITOR", "nano"}})),
              (std::vector<std::string>{"sh", "-c", "gvim -f \"$1\"", "sh", file}));
    EXPECT_EQ(EditorCommand(file, Environment({{"EDITOR", "nano"}})),
              (std::vector<std::string>{"x-terminal-emulator", "-e", "sh", "-c", "nano \"$1\"", "sh", file}));
    EXPECT_EQ(EditorCommand(file, Environment({{"VISUAL", ""}})),
              (std::vector<std::string>{"xdg-open", file}));
}

TEST(EditorCommandTest, AFileNameIsNeverReadByTheShell) {
    const std::filesystem::path folder =
        std::filesystem::path(ZORVEKA_TEST_OUTPUT_DIR) / ("editor-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string seen = (folder / "seen").string();
    const std::string strange = (folder / "it's a $(touch pwned) `x` \"name\".ini").string();
    // The "editor" writes the argument it received into a file.
    const auto command = EditorCommand(strange, Environment({{"VISUAL", "printf %s >'" + seen + "'"}}));
    ASSERT_EQ(RunCommand(command), 0);
    std::ifstream file(seen);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), strange);
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned"));
    std::filesystem::remove_all(folder);
}

class ReferentMenuTest : public WindowTest {};

TEST_F(ReferentMenuTest, TheMenuItemOpensZorvekaIniOfTheProgramDirectory) {
    setenv("VISUAL", "myeditor --wait", 1);
    TMainWindow& window = Window();
    EXPECT_EQ(window.Nastavitve1->title(), "Nastavitve");
    EXPECT_EQ(window.ReferentVIni1->text(), "ReferentVIniDatoteki");
    window.ReferentVIni1->trigger();
    unsetenv("VISUAL");
    ASSERT_EQ(Launcher.Commands.size(), 1u);
    EXPECT_EQ(Launcher.Commands[0],
              (std::vector<std::string>{"sh", "-c", "myeditor --wait \"$1\"", "sh", Folder + "zorveka.ini"}));
}

// No editor could be started: the user is told which file it is and may edit it in the program.
TEST_F(ReferentMenuTest, WithoutAnEditorTheBuiltInOneOpensTheFileAndSavesIt) {
    std::ofstream(Folder + "zorveka.ini") << "[REFERENT]\nU1=Ana\n";
    TMainWindow& window = Window();
    Launcher.Starts = false;
    for (const bool yes : {false, true}) {
        RecordingUi.Answers = {yes};
        window.ReferentVIni1->trigger();
        EXPECT_EQ(window.findChild<TTextEditorDialog*>() != nullptr, yes);
    }
    ASSERT_FALSE(RecordingUi.Questions.empty());
    EXPECT_NE(RecordingUi.Questions.back().find(Folder + "zorveka.ini"), std::string::npos);
    TTextEditorDialog* editor = window.findChild<TTextEditorDialog*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text->toPlainText(), "[REFERENT]\nU1=Ana\n");
    editor->Text->setPlainText("[REFERENT]\nU1=Bor\n");
    editor->Save();
    std::ifstream saved(Folder + "zorveka.ini");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "[REFERENT]\nU1=Bor\n");
}

} // namespace
