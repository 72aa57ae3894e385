// The desktop program's application object: an exception that would leave a slot or an event
// handler (and end the program there) is shown as the error message instead; a silent abort
// shows nothing. Every event the program handles passes through here, so this is the one guard.
#pragma once

#include <QApplication>
#include <functional>

class TGuardedApplication : public QApplication {
public:
    TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

//! Runs deliver; an exception from it goes to the error display (EAbort silently). False after one.
bool DeliverGuarded(const std::function<bool()>& deliver);
