// zorveka: the desktop program. zorveka alias user password [usercode] [OCIDLL=…] [ORACLEHOME=…]
#include "app/qt/Program.h"
#include "oracle/OracleLogonForm.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv); // takes Qt's own options off the command line
    TQtUserInterface ui;
    TQtLogonDialog logonDialog;
    TProgram program(CommandLine(argc, argv), ui, logonDialog);
    return program.Exec();
}
