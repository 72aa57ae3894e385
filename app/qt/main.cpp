// zorveka: the desktop program. zorveka alias user password [usercode] [OCIDLL=…] [ORACLEHOME=…]
#include "app/qt/PasswordArgument.h"
#include "app/qt/Program.h"
#include "app/qt/ProgramVersion.h"
#include "oracle/OracleLogonForm.h"
#include "platform/ui_qt/GuardedApplication.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

const char* const Help =
    "zorveka ALIAS USER PASSWORD [USERCODE] [OCIDLL=...] [ORACLEHOME=...] [UserId=...]\n"
    "\n"
    "The password on the command line can be read by every local user in the process list.\n"
    "Instead of it give:\n"
    "  -       the password is read from standard input (one line),\n"
    "  @FILE   the first line of FILE, which only its owner may read (chmod 600),\n"
    "or leave it out and set ZORVEKA_PASSWORD. A password given on the command line is\n"
    "overwritten in the process's memory as soon as it has been read.\n"
    "\n"
    "  --version  the program's version\n"
    "  --help     this text\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt wants a display.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("zorveka %s\n", ProgramVersion);
            return 0;
        }
        if (std::string_view(argv[i]) == "--help") {
            std::fputs(Help, stdout);
            return 0;
        }
    }
    TGuardedApplication application(argc, argv); // takes Qt's own options off the command line
    TQtUserInterface ui;
    std::vector<std::string> commandLine;
    try {
        commandLine = WithPassword(CommandLine(argc, argv), std::cin, std::getenv("ZORVEKA_PASSWORD"));
    } catch (const std::exception& error) {
        ui.ShowError(error.what());
        return 2;
    }
    HidePassword(argc, argv);
    TQtLogonDialog logonDialog;
    TProgram program(commandLine, ui, logonDialog);
    return program.Exec();
}
