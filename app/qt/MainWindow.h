// The main window: the day, the risk type and the run's buttons above the result grid, the
// repayment-plan detail below it and the status area. It starts the program up on the first
// activation and turns clicks into calls of app_core (run, preview, start-up), showing the run's
// labels; the work itself is not done here.
#pragma once

#include "app/DataModule.h"
#include "app/OblimRow.h"
#include "app/RunContext.h"
#include "app/journal/JournalStatements.h"
#include "app/qt/EditorLauncher.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class TToolGrid;
class TRadioGroup;

class TMainWindow : public QMainWindow, public IRunLabels {
    Q_OBJECT
public:
    //! commandLine is the whole command line, the program first. The editor launcher opens the
    //! referent file.
    explicit TMainWindow(std::vector<std::string> commandLine,
                         IEditorLauncher& editor = DetachedEditorLauncher());
    ~TMainWindow() override;

    // The components, named as on the form, top to bottom.
    QWidget* Panel3;
    QLabel* Label4;
    QDateEdit* eDan;
    QPushButton* btnPredogled;
    QPushButton* btnStart;
    QLabel* lblStevilo;
    TRadioGroup* rgRiskType;
    QLabel* lblStevec;
    QLabel* lblKorak;
    QWidget* Panel1;
    TToolGrid* DBGrid1;
    QWidget* pnlObliam;
    TToolGrid* DbGrid2;
    QWidget* Panel2;
    QWidget* pnlLogo;
    QLabel* lblBaza;
    QLabel* Label1;
    QLabel* lblSporocilo;
    QPushButton* btnIzhod;
    QProgressBar* pbPrenos;   //!< the running step and its time
    QPushButton* btnPreklici; //!< cancels the run, as Escape does
    QMenu* Nastavitve1;
    QAction* ReferentVIni1;
    QAction* Prijava1;
    QMenu* Dnevnik1;
    QAction* DnevnikPrenosov1;
    QAction* Usklajevanje1;
    QAction* PrimerjavaDni1;
    QAction* PrimerjavaArhiv1;
    QMenu* Podatki1;
    QAction* PreveriPodatke1;

    // Event handlers. Each runs as a user action: an exception ending it goes to the error display.
    void FormCreate();
    void AppActivate();
    void btnIzhodClick();
    void btnStartClick();
    void btnPredogledClick();
    void DBGrid1DblClick();
    void DbGrid2DblClick();
    void ReferentVIni1Click();
    //! Logs on (again) with the start-up's alias and user; the logon dialog asks what is missing.
    void Prijava1Click();
    // The journal's tool grids (MainWindowJournal.cpp): the runs of the last 30 days, the reconciliation
    // of the last run (or of the day's last completed one), the chosen day's results against an
    // earlier day's or against the archive.
    void DnevnikPrenosov1Click();
    void Usklajevanje1Click();
    void PrimerjavaDni1Click();
    void PrimerjavaArhiv1Click();
    //! The data-quality check of the chosen day (MainWindowCheck.cpp): its report, its outcome kept.
    void PreveriPodatke1Click();
    //! The status line: the outcome of the last run of this window, from its journal row.
    void ShowLastRunOutcome();

    //! Size and place within the screen's available area.
    void FitToScreen();
    //! The item index of rgRiskType: the OT_LIK of the rows shown and written.
    int RiskType() const;
    //! Whether the start-up or Izhod ended the application.
    bool Terminated() const { return FTerminated; }
    //! Called when the application ends (default: closes the event loop).
    std::function<void()> OnTerminate;

    TDataModule& DM() { return FDM; }
    TRunContext& Context() { return FContext; }

    // The run's labels.
    void ShowSporocilo(const std::string& text) override;
    void HideSporocilo() override;
    void SetStevec(const std::string& text) override;
    void SetStevilo(const std::string& text) override;
    void SetKorak(const std::string& step) override;
    void SetGridSource(TDataSource& source) override;

protected:
    //! Closing the window while an action runs is Izhod's question.
    void closeEvent(QCloseEvent* event) override;

private:
    //! While an action runs: asks whether to cancel it; Da cancels it and ends the program after it.
    void AskToCancelAndExit();
    void CreateRunPanel();
    void CreateRunProgress();
    void ShowRunProgress(const std::string& step);
    //! Whether a progress text is drawn now or left for a later count.
    bool DrawsNow(const std::string& text);
    void CreateGrids();
    void CreateStatusPanel();
    void CreateMenu();
    void Connect();
    //! The run's day and risk type from eDan and rgRiskType.
    void TakeControls();
    //! Runs action with the run's controls (and alsoDisabled) disabled, errors to the error display.
    void RunExclusive(const std::function<void()>& action, const std::vector<QWidget*>& alsoDisabled = {});
    void Startup();
    //! lblBaza: alias (database) / user while connected, dashes otherwise.
    void ShowConnection(bool connected);
    void Terminate();
    void OpenJournalWindow(const std::string& title, const TJournalStatement& statement);
    //! When the last check of the day found a stopper and the user wants it again: the check, true.
    bool CheckedInsteadOfRun();
    //! Tells the user when the earlier day or the report day has no results; true then.
    bool ComparedDaysMissing(TDateTime earlier, bool archive);

    std::vector<std::string> FCommandLine;
    IEditorLauncher& FEditor;
    TDataModule FDM;
    TRunContext FContext{FDM};
    TRowOutput FOutput;
    bool PrvaAktivacija = true;
    bool FTerminated = false;
    bool FBusy = false; // an action runs; the grids' double-clicks wait for it
    bool FExitAfterRun = false;
    QElapsedTimer FRunTime;
    QElapsedTimer FCountDrawn; //!< since a row count was last drawn; restarted by every drawn count
    bool FLastWasCount = false;
};
