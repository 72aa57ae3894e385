// zorveka: the desktop program. zorveka alias user password [usercode] [OCIDLL=…] [ORACLEHOME=…]
#include "app/qt/Program.h"
#include "app/qt/ProgramVersion.h"
#include "oracle/OracleLogonForm.h"
#include "platform/ui_qt/GuardedApplication.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    // Answered before Qt wants a display.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--version") {
            std::printf("zorveka %s\n", ProgramVersion);
            return 0;
        }
    TGuardedApplication application(argc, argv); // takes Qt's own options off the command line
    TQtUserInterface ui;
    TQtLogonDialog logonDialog;
    TProgram program(CommandLine(argc, argv), ui, logonDialog);
    return program.Exec();
}
