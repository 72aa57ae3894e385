// zorveka-screens: the desktop program assembled as zorveka's main does it, walked through by
// TScreenWalk. zorveka-screens FOLDER DD.MM.YYYY ALIAS USER WRONG_PASSWORD ... [--run-only]: the
// logon dialog appears after the refused automatic attempt and the walk logs on with "demo", then
// runs the given day.
#include "ScreenWalk.h"
#include "app/qt/Program.h"
#include "oracle/OracleLogonForm.h"
#include "platform/ui_qt/GuardedApplication.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <QDate>
#include <QTimer>
#include <algorithm>
#include <string>

int main(int argc, char** argv) {
    TGuardedApplication application(argc, argv);
    if (argc < 6)
        return 2;
    const QString folder = argv[1];
    const QDate day = QDate::fromString(argv[2], "dd.MM.yyyy");
    std::vector<std::string> commandLine{argv[0]};
    bool runOnly = false;
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "--run-only")
            runOnly = true;
        else
            commandLine.push_back(argv[i]);
    }
    TQtUserInterface ui;
    TQtLogonDialog logonDialog;
    TProgram program(commandLine, ui, logonDialog);
    TScreenWalk walk(program.Form(), folder, day, runOnly);
    QTimer::singleShot(0, &walk, [&walk] { walk.Start(); });
    program.Exec();
    return walk.Result();
}
