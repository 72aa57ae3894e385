// The one application object the widget tests of the chart share, on the offscreen platform
// unless the environment names another.
#pragma once

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: torn down among the exit handlers it would outlive Qt's own statics.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
