// The process-wide printout: the printer (portrait), its canvas while a document is open, the
// print window, and the page engine's state between BeginPrint and EndPrint.
#include "grid/print/ListPrint.h"

#include "grid/print/PrinterCanvas.h"
#include "platform/settings/Exceptions.h"

#include <QCoreApplication>
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

QPrinter& DefaultPrinter() {
    auto& printer = Printout().DefaultPrinter;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *printer;
}

std::string DocumentTitle() {
    return QCoreApplication::applicationFilePath().toStdString() + " : ";
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

bool BeginPrint(const std::string& title, const QFont& font) {
    QPrinter& printer = DefaultPrinter();
    int first = 1, last = TPageEngine::AllPagesLast;
    if (!PrintMessageWindow().RunPrinterDialog(printer, first, last))
        return false;
    BeginPrintOn(printer, title, font, first, last);
    return true;
}

void BeginPrintOn(QPrinter& printer, const std::string& title, const QFont& font, int firstPage,
                  int lastPage) {
    if (Printout().Engine.Printing())
        throw Exception("A printout is already in progress");
    PrintMessageWindow();
    auto canvas = std::make_unique<TPrinterCanvas>(printer);
    canvas->BeginDocument(DocumentTitle());
    Printout().Canvas = std::move(canvas);
    try {
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
    if (!BeginPrint(title, font))
        return;
    if (started)
        started();
    PrintDataSet(title, dataSet);
    EndPrint();
}
