// The main window's life: the start-up on the first activation of the application (command line,
// alias, logon) and the end through Izhod, which leaves an empty ZORVEKA.conf behind.
#include "app/qt/MainWindow.h"

#include "app/ReferentFile.h"
#include "app/Startup.h"
#include "grid/ToolGrid.h"
#include "platform/localdb/export/ExportSettings.h"
#include "platform/settings/ConfigPaths.h"
#include "platform/ui/UserInterface.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <filesystem>
#include <fstream>

namespace {

const std::string kUsage = "ZORVEKA  alias user password ";

//! Replaces the file by an empty one; a file that cannot be written is no reason to stay.
void RecreateEmpty(const std::string& fileName) {
    std::error_code ignored;
    std::filesystem::remove(fileName, ignored);
    std::ofstream file(fileName, std::ios::trunc);
}

} // namespace

void TMainWindow::FormCreate() {
    OnTerminate = [this] {
        close();
        QCoreApplication::exit(0);
    };
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            AppActivate();
    });
    Connect();
}

void TMainWindow::AppActivate() {
    RunGuarded([this] { Startup(); });
}

void TMainWindow::Startup() {
    if (!PrvaAktivacija)
        return;
    PrvaAktivacija = false;
    pnlObliam->hide();
    FContext.Arguments = PositionalArguments(FCommandLine);
    if (FContext.Arguments.size() < 3) {
        Ui().ShowMessage(kUsage);
        Ui().ProcessMessages();
        Terminate();
        return;
    }
    Ui().ProcessMessages();
    eDan->setDate(QDate::currentDate());
    FContext.AppDir = AppDir();
    ReadExportSettings(ReferentFileName(FContext.AppDir, FContext.ProgramName));
    Ui().ProcessMessages();
    FContext.DatabaseName = "orc1";
    FContext.AliasName = FContext.Arguments[0];
    FContext.UserName = FContext.Arguments[1];
    FContext.UserPassword = FContext.Arguments[2];
    // An unknown alias is not a failed logon: it goes to the error display and the window stays.
    FContext.DatabaseName = ResolveAlias(TAliasConfiguration(), FContext.AliasName);
    try {
        // A logon refused inside the logon dialog raises nothing: the window then works unconnected,
        // and lblBaza keeps saying so rather than naming a connection that does not exist.
        setWindowTitle(QString::fromStdString(FContext.ProgramName));
        ShowConnection(PrijavaVBazo(FContext));
    } catch (const std::exception&) {
        Ui().ShowMessage("Prijava v " + FContext.DatabaseName + " ni uspela!");
        Terminate();
        Ui().ProcessMessages();
        return;
    }
    Ui().ProcessMessages();
}

void TMainWindow::ShowConnection(bool connected) {
    lblBaza->setText(connected ? QString::fromStdString(FContext.AliasName + " (" + FContext.DatabaseName +
                                                        ") / " + FContext.UserName)
                               : QString("--------"));
}

void TMainWindow::Prijava1Click() {
    // A logon cancelled at start leaves the window unconnected; this is the way back.
    if (FContext.DatabaseName.empty())
        return;
    RunExclusive([this] {
        if (FDM.OracleSession1.Connected())
            FDM.OracleSession1.LogOff();
        ShowConnection(PrijavaVBazo(FContext));
    });
}

void TMainWindow::btnIzhodClick() {
    if (FBusy) {
        AskToCancelAndExit();
        return;
    }
    RecreateEmpty(FContext.AppDir + FContext.ProgramName + ".conf");
    Terminate();
}

void TMainWindow::AskToCancelAndExit() {
    // The run stops at its next step and undoes what it wrote; the window closes once it has.
    if (FExitAfterRun || !Ui().AskYesNo("Prenos še teče. Ga želite preklicati in končati program?"))
        return;
    FContext.CancelRequested = true;
    FExitAfterRun = true;
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    if (!FBusy) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    AskToCancelAndExit();
}

void TMainWindow::Terminate() {
    FTerminated = true;
    if (OnTerminate)
        OnTerminate();
}
