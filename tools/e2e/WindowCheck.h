// What the end-to-end check does with the running program: waits for the start-up that the
// window's activation triggers, clicks "&Start prenosa", checks the grid, its row count and the
// closing procedure's status message; then shows the grid's tool bar, runs a grouped report over
// the rows and exports them to a dBase file through the save dialog, saving a screenshot of each
// step beside the first one, and ends the event loop.
#pragma once

#include "UnattendedUi.h"
#include "app/qt/MainWindow.h"

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <string>

class TWindowCheck : public QObject {
    Q_OBJECT
public:
    TWindowCheck(TMainWindow& window, TUnattendedUi& ui, std::string screenshot);
    //! Begins once the event loop runs.
    void Start();
    //! 0 when every check held.
    int Result() const { return FResult; }

private:
    void Poll();
    void RunAndCheck();
    bool CheckGroupedReport(int rows);
    bool CheckExport(int rows);
    bool Save(QWidget& widget, const std::string& suffix);
    void Fail(const std::string& reason);
    void Finish(int result);

    TMainWindow& FWindow;
    TUnattendedUi& FUi;
    const std::string FScreenshot;
    QTimer FTimer;
    int FPolls = 0;
    int FResult = 1;
};
