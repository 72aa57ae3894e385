// zorveka-e2e: the desktop program assembled exactly as zorveka's main does it, with the message
// boxes recorded instead of shown, and the check driving it. Started by tools/demo.sh under Xvfb;
// the screenshot goes to $ZORVEKA_E2E_SCREENSHOT (default: zorveka-window.png in the working folder).
#include "UnattendedUi.h"
#include "WindowCheck.h"
#include "app/qt/Program.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    TUnattendedUi ui;
    TUnattendedLogonDialog logonDialog;
    TProgram program(CommandLine(argc, argv), ui, logonDialog);
    const char* screenshot = std::getenv("ZORVEKA_E2E_SCREENSHOT");
    TWindowCheck check(program.Form(), ui, screenshot ? screenshot : "zorveka-window.png");
    QTimer::singleShot(0, &check, [&check] { check.Start(); });
    program.Exec();
    return check.Result();
}
