// The one application object the widget tests of the chart share.
#pragma once

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
