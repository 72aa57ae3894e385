// The check's steps. The click runs the whole transfer on the GUI thread, so it returns when the
// run, the preview and the closing procedure are done.
#include "WindowCheck.h"

#include "grid/Ufwgrid.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <iostream>

namespace {

constexpr int kPollMs = 100;
constexpr int kStartupPolls = 200; // 20 s for the window to become active and log on

const std::string kStatusCopied = "Status: 0\rStatusText: Kopirano: OBLIM ";

} // namespace

TWindowCheck::TWindowCheck(TForm1& window, TUnattendedUi& ui, std::string screenshot)
    : FWindow(window), FUi(ui), FScreenshot(std::move(screenshot)) {
    FTimer.setInterval(kPollMs);
    connect(&FTimer, &QTimer::timeout, this, [this] { Poll(); });
}

void TWindowCheck::Start() {
    FTimer.start();
}

void TWindowCheck::Poll() {
    if (FWindow.Terminated() || !FUi.Errors.empty())
        return Fail("the start-up did not complete");
    if (FWindow.DM().OracleSession1.Connected())
        return RunAndCheck();
    if (++FPolls >= kStartupPolls)
        Fail("the window was not activated or did not log on within 20 s");
}

void TWindowCheck::RunAndCheck() {
    FTimer.stop();
    std::cerr << "logged on: " << FWindow.lblBaza->text().toStdString() << "\n";
    QTest::mouseClick(FWindow.btnStart, Qt::LeftButton);
    if (!FUi.Errors.empty())
        return Fail("the run ended with an error");
    const std::string rows = FWindow.lblStevilo->text().toStdString();
    if (FWindow.DBGrid1->DataSource() != &FWindow.DM().DataSource1 || FWindow.DM().Q1.RecordCount() <= 0 ||
        rows != std::to_string(FWindow.DM().Q1.RecordCount()))
        return Fail("the grid does not show the day's rows (lblStevilo " + rows + ")");
    const std::string status = FUi.Messages.empty() ? std::string() : FUi.Messages.back();
    if (status.rfind(kStatusCopied + rows + ",", 0) != 0)
        return Fail("the last message is not the closing procedure's copy of " + rows + " rows");
    QTest::qWait(200); // the grid paints its rows before the grab
    if (!FWindow.grab().save(QString::fromStdString(FScreenshot)))
        return Fail("the screenshot could not be written to " + FScreenshot);
    std::cout << "e2e: " << rows << " rows; " << status.substr(0, status.find('\r')) << "; screenshot "
              << FScreenshot << "\n";
    Finish(0);
}

void TWindowCheck::Fail(const std::string& reason) {
    FTimer.stop();
    std::cerr << "e2e failed: " << reason << "\n";
    // The window as it was helps to read the failure.
    if (FWindow.grab().save(QString::fromStdString(FScreenshot)))
        std::cerr << "screenshot " << FScreenshot << "\n";
    Finish(1);
}

void TWindowCheck::Finish(int result) {
    FResult = result;
    QCoreApplication::exit(result);
}
