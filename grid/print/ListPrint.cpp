// The process-wide printout: the printer (portrait unless the user chose otherwise), its canvas
// while a document is open, the print window, and the page engine's state between BeginPrintOn
// and EndPrint.
#include "grid/print/ListPrint.h"

#include "grid/print/PrinterCanvas.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UserInterface.h"
#include "platform/ui_qt/UserSettings.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

namespace {

struct TPrintout {
    TPageEngine Engine;
    std::unique_ptr<QPrinter> DefaultPrinter;
    std::unique_ptr<TPrinterCanvas> Canvas;
    std::unique_ptr<TPrintMessageWindow> Window;

    // The application object is gone by the time statics are destroyed, and Qt objects must not
    // outlive it; the end of the process frees what is left.
    ~TPrintout() {
        (void)Window.release();
        (void)Canvas.release();
        (void)DefaultPrinter.release();
    }
};

TPrintout& Printout() {
    static TPrintout printout;
    return printout;
}

const char* const LandscapeKey = "tiskanje/lezece";
const char* const FitKey = "tiskanje/prilagodi_sirini";

QPrinter& DefaultPrinter() {
    auto& printer = Printout().DefaultPrinter;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const bool landscape = UserSettings().value(LandscapeKey, false).toBool();
        printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    return *printer;
}

void Remember(const QPrinter& printer, const TPrintChoice& choice) {
    UserSettings().setValue(LandscapeKey, printer.pageLayout().orientation() == QPageLayout::Landscape);
    UserSettings().setValue(FitKey, choice.FitToWidth);
}

std::string DocumentTitle() {
    return QApplication::applicationFilePath().toStdString() + " : ";
}

// Ends the document and the engine's printout; the canvas goes whatever happens.
void FinishDocument() {
    auto canvas = std::move(Printout().Canvas);
    Printout().Engine.End();
    if (canvas)
        canvas->EndDocument();
}

} // namespace

TPageEngine& PrintEngine() {
    return Printout().Engine;
}

TPrintMessageWindow& PrintMessageWindow() {
    auto& window = Printout().Window;
    if (!window)
        window = std::make_unique<TPrintMessageWindow>();
    return *window;
}

void BeginPrintOn(QPrinter& printer, const std::string& title, const QFont& font, int firstPage, int lastPage,
                  const TDataSet* fitTo) {
    if (Printout().Engine.Printing())
        throw Exception("Tiskanje že poteka");
    PrintMessageWindow();
    auto canvas = std::make_unique<TPrinterCanvas>(printer);
    canvas->BeginDocument(DocumentTitle());
    Printout().Canvas = std::move(canvas);
    try {
        if (fitTo)
            Printout().Engine.FitToWidth(*Printout().Canvas, PrintFontOf(font), *fitTo);
        Printout().Engine.Begin(*Printout().Canvas, title, PrintFontOf(font), firstPage, lastPage);
    } catch (...) {
        Printout().Canvas->Abort();
        FinishDocument();
        throw;
    }
}

void PrintDataSet(const std::string& /*title*/, TDataSet& dataSet) {
    if (!Printout().Engine.Printing())
        return;
    try {
        Printout().Engine.PrintDataSet(dataSet, PrintMessageWindow());
    } catch (...) {
        FinishDocument(); // the engine has aborted the document
        throw;
    }
}

void EndPrint() {
    Printout().Window.reset();
    FinishDocument();
}

void PrintGrid(const std::string& title, const QFont& font, TDataSet& dataSet,
               const std::function<void()>& started) {
    QPrinter& printer = DefaultPrinter();
    TPrintChoice choice;
    choice.FitToWidth = UserSettings().value(FitKey, false).toBool();
    if (!PrintMessageWindow().RunPrinterDialog(printer, choice))
        return;
    Remember(printer, choice);
    if (started)
        started();
    // Every page the preview shows and every sheet it prints is laid out by the same engine.
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    preview.setWindowTitle(QString::fromUtf8("Predogled tiskanja"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
        try {
            BeginPrintOn(*target, title, font, choice.FirstPage, choice.LastPage,
                         choice.FitToWidth ? &dataSet : nullptr);
            PrintDataSet(title, dataSet);
            EndPrint();
        } catch (const EAbort&) {
        } catch (const std::exception& error) {
            Ui().ShowError(error.what());
        }
    });
    preview.exec();
    Remember(printer, choice); // the preview may have turned the page
}
