// The walk's steps. A click that opens a modal dialog returns when the dialog closes, so every
// dialog is met by a handler the poll runs inside the dialog's own event loop.
#include "ScreenWalk.h"

#include "grid/GridToolBar.h"
#include "grid/ToolGrid.h"
#include "grid/chart/Graph.h"
#include "grid/print/DataSetPrintForm.h"
#include "oracle/OracleLogonForm.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <iostream>

namespace {

constexpr int kPollMs = 50;
constexpr int kStartupPolls = 600; // 30 s to log on

// Field, display width, label.
const std::vector<std::string> kPrintedColumns{"ID_VAL\t6\tID_VAL",
                                               "ZNSDOMVAL\t18\tZNSDOMVAL",
                                               "ZNSVAL\t18\tZNSVAL",
                                               "STEVILO_LOTOV\t18\tSTEVILO_LOTOV",
                                               "ID_SEQ_OBLIM\t14\tID_SEQ_OBLIM",
                                               "SM\t6\tSM",
                                               "ID_KONTO\t10\tID_KONTO",
                                               "POGODBA\t24\tPOGODBA",
                                               "DAT_ZAPADLOSTI\t16\tDAT_ZAPADLOSTI"};

// The resident memory of this process in MB.
double ResidentMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

template <typename T> std::function<bool(QWidget&)> For(std::function<void(T&)> step) {
    return [step](QWidget& widget) {
        T* dialog = qobject_cast<T*>(&widget);
        if (dialog)
            step(*dialog);
        return dialog != nullptr;
    };
}

} // namespace

TScreenWalk::TScreenWalk(TMainWindow& window, QString folder, QDate day, bool runOnly)
    : FWindow(window), FFolder(std::move(folder)), FDay(day), FRunOnly(runOnly) {
    FTimer.setInterval(kPollMs);
    connect(&FTimer, &QTimer::timeout, this, [this] { Poll(); });
}

void TScreenWalk::Start() {
    FWindow.setGeometry(QApplication::primaryScreen()->availableGeometry());
    // The refused automatic logon's message comes first, then the dialog.
    WhenModal(For<TLogOnForm>([this](TLogOnForm& form) {
        QTest::qWait(300);
        form.PasswordEdit->setText("demo");
        Shoot("01-logon");
        form.OKBtn->click();
    }));
    FTimer.start();
}

void TScreenWalk::WhenModal(THandler handler) {
    FHandlers.push_back(std::move(handler));
}

void TScreenWalk::Poll() {
    static bool polling = false;
    if (polling)
        return;
    polling = true;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        bool handled = false;
        for (auto i = FHandlers.begin(); i != FHandlers.end() && !handled; ++i) {
            if ((*i)(*modal)) {
                FHandlers.erase(i);
                handled = true;
            }
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && !handled) {
            std::cout << "message: " << box->text().toStdString() << "\n";
            box->accept();
        }
    }
    // Half a second into the run its bar has a step, a count and a time to show.
    FProgressPolls = FWindow.pbPrenos->isVisible() ? FProgressPolls + 1 : 0;
    if (FProgressPolls == 10)
        Shoot("02-run-progress");
    if (!FStarted && FWindow.DM().OracleSession1.Connected()) {
        FStarted = true;
        QTimer::singleShot(0, this, [this] { Walk(); });
    } else if (!FStarted && ++FPolls > kStartupPolls) {
        Fail("no logon within 30 s");
    }
    polling = false;
}

void TScreenWalk::Shoot(const QString& name) {
    QApplication::processEvents();
    const QImage screen = QApplication::primaryScreen()->grabWindow(0).toImage();
    const QString file = FFolder + "/" + name + ".png";
    if (!screen.convertToFormat(QImage::Format_RGB888).save(file, "PNG", 0))
        Fail("cannot write " + file.toStdString());
    std::cout << "screenshot " << file.toStdString() << "\n";
}

void TScreenWalk::Run() {
    FWindow.eDan->setDate(FDay);
    QElapsedTimer run;
    run.start();
    FWindow.btnStart->click();
    std::cout << "run: " << FWindow.lblStevilo->text().toStdString() << " rows in the grid after "
              << run.elapsed() / 1000.0 << " s; window memory " << ResidentMegabytes() << " MB\n";
}

void TScreenWalk::Print(TToolGrid& grid, const QString& shot) {
    auto started = std::make_shared<QElapsedTimer>();
    WhenModal(For<QPrintDialog>([started](QPrintDialog& dialog) {
        started->start();
        dialog.accept();
    }));
    WhenModal(For<QPrintPreviewDialog>([this, started, shot](QPrintPreviewDialog& preview) {
        std::cout << "preview " << shot.toStdString() << ": first page after " << started->elapsed() / 1000.0
                  << " s\n";
        preview.setGeometry(QApplication::primaryScreen()->availableGeometry());
        QTest::qWait(500);
        Shoot(shot);
        preview.reject();
    }));
    grid.setFocus();
    grid.ShowButtonBar();
    GridToolBar().Button(TGridButton::gbPrint).click();
}

void TScreenWalk::Walk() {
    Run();
    if (FRunOnly) {
        FResult = 0;
        return QCoreApplication::exit(0);
    }
    QHeaderView* titles = FWindow.DBGrid1->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionPosition(0) + 5, 5));
    QTest::qWait(300);
    Shoot("03-result-grid");
    // As a user would choose them in the column chooser: the amounts first, grouped by currency.
    FWindow.DBGrid1->Setselected(kPrintedColumns);
    FWindow.DBGrid1->ApplySelected();
    Print(*FWindow.DBGrid1, "04-print-preview");

    FWindow.DBGrid1->setFocus();
    FWindow.DBGrid1->ShowButtonBar();
    GridToolBar().Button(TGridButton::gbPrintGroup).click();
    TDataSetPrintForm& form = DataSetPrintForm();
    form.setGeometry(QApplication::primaryScreen()->availableGeometry().adjusted(40, 30, -40, -30));
    QHeaderView* columns = form.dbgTemp->horizontalHeader();
    QTest::mouseClick(columns->viewport(), Qt::LeftButton, {}, QPoint(columns->sectionPosition(1) + 5, 5));
    form.btnGroup->click();
    QTest::qWait(300);
    Shoot("05-grouped");
    Print(*form.dbgQG, "06-grouped-print");

    WhenModal(For<Tgraf>([this](Tgraf& chart) {
        chart.setGeometry(
            QApplication::primaryScreen()->availableGeometry()); // no window manager maximises it
        QTest::qWait(700);
        Shoot("07-chart");
        chart.reject();
    }));
    form.dbgQG->setFocus();
    form.dbgQG->ShowButtonBar();
    GridToolBar().Button(TGridButton::gbGraph).click();
    form.hide();

    WhenModal(For<QInputDialog>([](QInputDialog& dialog) {
        dialog.setTextValue("01.01.2020");
        dialog.accept();
    }));
    WhenModal(For<QMessageBox>([this](QMessageBox& box) {
        QTest::qWait(300);
        Shoot("08-comparison-empty-day");
        box.accept();
    }));
    FWindow.PrimerjavaDni1->trigger();
    FResult = 0;
    QCoreApplication::exit(0);
}

void TScreenWalk::Fail(const std::string& reason) {
    std::cerr << "screen walk failed: " << reason << "\n";
    FResult = 1;
    QCoreApplication::exit(1);
}
