// zorveka: the desktop program. zorveka alias user password [usercode] [OCIDLL=…] [ORACLEHOME=…]
#include "app/PasswordArgument.h"
#include "app/qt/Program.h"
#include "oracle/OracleLogonForm.h"
#include "platform/ui/ProgramVersion.h"
#include "platform/ui_qt/GuardedApplication.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <cstdlib>
#include <iostream>

namespace {

const char* const Help =
    "zorveka VZDEVEK UPORABNIK GESLO [ŠIFRA_UPORABNIKA] [OCIDLL=...] [ORACLEHOME=...] [UserId=...]\n"
    "\n"
    "Geslo v ukazni vrstici lahko vsak lokalni uporabnik prebere v seznamu procesov.\n"
    "Namesto njega podajte:\n"
    "  -          geslo se prebere s standardnega vhoda (ena vrstica),\n"
    "  @DATOTEKA  prva vrstica DATOTEKE, ki jo sme brati le njen lastnik (chmod 600),\n"
    "ali ga izpustite in nastavite ZORVEKA_PASSWORD. Geslo iz ukazne vrstice se v pomnilniku\n"
    "procesa prepiše, takoj ko je prebrano.\n"
    "\n"
    "  --version  različica programa\n"
    "  --help     to besedilo\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt wants a display.
    if (PrintedVersion(argc, argv, "zorveka") || PrintedHelp(argc, argv, Help))
        return 0;
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
