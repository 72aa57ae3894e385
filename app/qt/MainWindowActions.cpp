// The user's actions on the main window: the run, the preview, the repayment-plan detail and the
// referent file. One action runs at a time: the run lets window messages through, and a second
// run started inside the first would write the same day's rows twice.
#include "app/qt/MainWindow.h"

#include "app/Preview.h"
#include "app/ReferentFile.h"
#include "app/TransferRun.h"
#include "app/qt/BusyControls.h"
#include "app/qt/EditorCommand.h"
#include "app/qt/RadioGroup.h"
#include "app/qt/TextEditorDialog.h"
#include "grid/ToolGrid.h"
#include "platform/localdb/export/ExportSettings.h"
#include "platform/settings/ConfigPaths.h"
#include "platform/settings/DateTime.h"
#include "platform/ui/UserInterface.h"

#include <QAction>
#include <QDateEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

void TMainWindow::Connect() {
    connect(btnStart, &QPushButton::clicked, this, [this] { btnStartClick(); });
    connect(btnPredogled, &QPushButton::clicked, this, [this] { btnPredogledClick(); });
    connect(btnIzhod, &QPushButton::clicked, this, [this] { btnIzhodClick(); });
    connect(ReferentVIni1, &QAction::triggered, this, [this] { ReferentVIni1Click(); });
    connect(Prijava1, &QAction::triggered, this, [this] { Prijava1Click(); });
    connect(DnevnikPrenosov1, &QAction::triggered, this, [this] { DnevnikPrenosov1Click(); });
    connect(Usklajevanje1, &QAction::triggered, this, [this] { Usklajevanje1Click(); });
    connect(PrimerjavaDni1, &QAction::triggered, this, [this] { PrimerjavaDni1Click(); });
    connect(PrimerjavaArhiv1, &QAction::triggered, this, [this] { PrimerjavaArhiv1Click(); });
    connect(PreveriPodatke1, &QAction::triggered, this, [this] { PreveriPodatke1Click(); });
    DBGrid1->OnDblClick = [this] { DBGrid1DblClick(); };
    DBGrid1->OnEnter = [this] { DBGrid1DblClick(); };
    DbGrid2->OnDblClick = [this] { DbGrid2DblClick(); };
    // Escape asks a run in progress to stop at its next progress point; it then undoes all it wrote.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { FContext.CancelRequested = FBusy; });
}

int TMainWindow::RiskType() const {
    return rgRiskType->ItemIndex();
}

void TMainWindow::TakeControls() {
    const QDate day = eDan->date();
    FContext.ReportDay = EncodeDate(day.year(), day.month(), day.day());
    FOutput.RiskType = RiskType();
}

void TMainWindow::RunExclusive(const std::function<void()>& action,
                               const std::vector<QWidget*>& alsoDisabled) {
    if (FBusy)
        return;
    RunGuarded([&] {
        std::vector<QWidget*> controls{btnStart, btnPredogled, eDan, rgRiskType};
        controls.insert(controls.end(), alsoDisabled.begin(), alsoDisabled.end());
        const TBusyControls busy(controls, FBusy);
        TakeControls();
        FRunTime.start();
        action();
    });
    pbPrenos->hide();
    btnPreklici->hide();
    if (FExitAfterRun) {
        FExitAfterRun = false;
        btnIzhodClick();
    }
}

void TMainWindow::btnStartClick() {
    if (!FBusy && CheckedInsteadOfRun())
        return;
    // The grids' tool buttons stay off too: an export or a copy of the rows the run is replacing
    // would read a half-written day.
    RunExclusive(
        [this] {
            try {
                StartPrenosa(FContext, FOutput);
            } catch (...) {
                ShowLastRunOutcome();
                throw;
            }
            ShowLastRunOutcome();
            ExportSettings().Subject = ReportSubject(FContext.ReportDay, FOutput.RiskType);
        },
        {Panel1, pnlObliam});
}

void TMainWindow::btnPredogledClick() {
    RunExclusive([this] {
        Predogled(FContext, RiskType());
        ExportSettings().Subject = ReportSubject(FContext.ReportDay, RiskType());
    });
}

void TMainWindow::DBGrid1DblClick() {
    RunExclusive([this] {
        Ui().ProcessMessages();
        const int id = IzbranaPozicija(FDM);
        if (id <= 0) {
            pnlObliam->hide();
            return;
        }
        pnlObliam->show();
        if (!BeriObliam(FContext, RiskType(), id))
            pnlObliam->hide(); // a position without a plan shows nothing
    });
}

void TMainWindow::DbGrid2DblClick() {
    if (!FBusy)
        pnlObliam->hide();
}

void TMainWindow::ReferentVIni1Click() {
    RunGuarded([this] {
        const std::string file = ReferentFileName(AppDir(), FContext.ProgramName);
        if (FEditor.Start(EditorCommand(file, ProcessEnvironment)))
            return;
        // Without $VISUAL, $EDITOR and a working desktop opener nothing would appear at all.
        if (Ui().AskYesNo(
                "Za datoteko " + file +
                " ni urejevalnika ($VISUAL, $EDITOR ali namizja). Jo odprem v vgrajenem urejevalniku?"))
            (new TTextEditorDialog(this, file))->show();
    });
}
