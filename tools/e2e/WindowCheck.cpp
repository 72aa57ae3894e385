// The check's steps. The click runs the whole transfer on the GUI thread, so it returns when the
// run, the preview and the closing procedure are done.
#include "WindowCheck.h"

#include "grid/GridToolBar.h"
#include "grid/ToolGrid.h"
#include "grid/print/DataSetPrintForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <set>

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

// The screenshot file of a later step: "zorveka-window.png" gives "zorveka-window-<suffix>.png".
std::string StepFile(const std::string& first, const std::string& suffix) {
    const size_t dot = first.rfind('.');
    return first.substr(0, dot) + "-" + suffix + (dot == std::string::npos ? "" : first.substr(dot));
}

// The record count and the field names of a dBase file, read from its header.
struct TDBaseHeader {
    int Records = -1;
    std::vector<std::string> Names;
};

TDBaseHeader ReadDBaseHeader(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char head[32] = {};
    TDBaseHeader header;
    if (!in.read(reinterpret_cast<char*>(head), sizeof head))
        return header;
    header.Records = head[4] | head[5] << 8 | head[6] << 16 | head[7] << 24;
    char field[32];
    while (in.read(field, 1) && field[0] != '\r' && in.read(field + 1, 31))
        header.Names.emplace_back(field, strnlen(field, 11));
    return header;
}

} // namespace

TWindowCheck::TWindowCheck(TMainWindow& window, TUnattendedUi& ui, std::string screenshot)
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
    // A title click shows the tool bar over the grid.
    QHeaderView* titles = FWindow.DBGrid1->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionPosition(0) + 5, 5));
    QTest::qWait(200); // the grid paints its rows before the grab
    if (!FWindow.DBGrid1->ButtonBarShown() || !Save(FWindow, ""))
        return Fail("the tool bar did not show or the screenshot could not be written to " + FScreenshot);
    std::cout << "e2e: " << rows << " rows; " << status.substr(0, status.find('\r')) << "; screenshot "
              << FScreenshot << "\n";
    const int count = FWindow.DM().Q1.RecordCount();
    if (!CheckGroupedReport(count) || !CheckExport(count))
        return;
    Finish(0);
}

bool TWindowCheck::Save(QWidget& widget, const std::string& suffix) {
    const std::string file = suffix.empty() ? FScreenshot : StepFile(FScreenshot, suffix);
    return widget.grab().save(QString::fromStdString(file));
}

// The print-group button, then "Grupiranje": the grand total counts every row once.
bool TWindowCheck::CheckGroupedReport(int rows) {
    QTest::mouseClick(&GridToolBar().Button(TGridButton::gbPrintGroup), Qt::LeftButton);
    TDataSetPrintForm& form = DataSetPrintForm();
    if (!form.isVisible())
        return Fail("the grouping form did not open"), false;
    QTest::qWait(200);
    Save(form, "grouping");
    QTest::mouseClick(form.btnGroup, Qt::LeftButton);
    QTest::mouseClick(form.btnGroup, Qt::LeftButton); // a second click reuses the one copy
    TDataSet& grouped = form.Report().Grouped();
    if (!FUi.Errors.empty() || !grouped.Active() || form.tabs->currentWidget() != form.tabGroup)
        return Fail("the group query did not show its result"), false;
    int total = 0;
    for (grouped.First(); !grouped.Eof(); grouped.Next())
        total = std::max(total, grouped.FieldByName("N").AsInteger());
    if (total != rows || form.Report().Temp().RecordCount() != rows)
        return Fail("the grand total counts " + std::to_string(total) + " rows, not " + std::to_string(rows)),
               false;
    QTest::qWait(200);
    Save(form, "grouped");
    std::cout << "e2e: grouped report over " << total << " rows; screenshot "
              << StepFile(FScreenshot, "grouped") << "\n";
    form.hide();
    return true;
}

// The export button with a file name typed without suffix: the dBase file gets it, every row and
// field names unique within its ten characters.
bool TWindowCheck::CheckExport(int rows) {
    const std::string base = StepFile(FScreenshot, "export");
    const std::string file = base.substr(0, base.rfind('.')) + ".dbf";
    bool dialogShown = false;
    QTimer::singleShot(300, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogShown = true;
        // Typed by the user: the name without its suffix.
        const std::string typed = file.substr(0, file.size() - 4);
        dialog->setDirectory(QString::fromStdString(typed.substr(0, typed.rfind('/'))));
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(QString::fromStdString(typed.substr(typed.rfind('/') + 1)));
        Save(*dialog, "save-dialog");
        static_cast<QDialog*>(dialog)->accept(); // public as a dialog's
        if (dialog->isVisible()) {
            dialogShown = false; // it did not take the name; the check fails instead of waiting
            dialog->reject();
        }
    });
    // Should the dialog not have been found, it is closed later rather than waited for.
    QTimer::singleShot(15000, this, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->close();
    });
    FWindow.DBGrid1->setFocus();
    FWindow.DBGrid1->ShowButtonBar();
    QTest::mouseClick(&GridToolBar().Button(TGridButton::gbExport), Qt::LeftButton);
    const TDBaseHeader header = ReadDBaseHeader(file);
    const std::set<std::string> names(header.Names.begin(), header.Names.end());
    if (!dialogShown || header.Records != rows || header.Names.empty() || names.size() != header.Names.size())
        return Fail("the export wrote " + std::to_string(header.Records) + " rows with " +
                    std::to_string(names.size()) + " distinct of " + std::to_string(header.Names.size()) +
                    " field names to " + file),
               false;
    std::cout << "e2e: exported " << header.Records << " rows, " << names.size() << " fields to " << file
              << "\n";
    return true;
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
