// The screenshot walk of the desktop program under Xvfb: logon, a run with its progress bar, the
// result grid, its print preview, the grouped report and its printout, the chart and a comparison
// with a day without results, each saved as a screen-sized PNG in a folder. Along the way it
// prints the window's memory after the run and the seconds to the first page of the preview.
#pragma once

#include "app/qt/MainWindow.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class TScreenWalk : public QObject {
    Q_OBJECT
public:
    TScreenWalk(TMainWindow& window, QString folder, QDate day, bool runOnly);
    void Start();
    int Result() const { return FResult; }

private:
    using THandler = std::function<bool(QWidget&)>;
    void Poll();
    void Walk();
    void Run();
    void Print(TToolGrid& grid, const QString& shot);
    void Shoot(const QString& name);
    void WhenModal(THandler handler);
    void Fail(const std::string& reason);

    TMainWindow& FWindow;
    const QString FFolder;
    const QDate FDay;
    const bool FRunOnly;
    QTimer FTimer;
    std::vector<THandler> FHandlers;
    bool FStarted = false;
    int FProgressPolls = 0;
    int FPolls = 0;
    int FResult = 1;
};
