// Painting the list on a QPrinter. Text is clipped to its cell, as Qt does unless told otherwise.
#include "grid/print/PrinterCanvas.h"

#include "grid/FieldAlignment.h"
#include "platform/settings/Exceptions.h"

#include <QFile>
#include <QPrinter>
#include <climits>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QFont QtFontOf(const TPrintFont& font) {
    QFont qfont(QString::fromStdString(font.Name), font.Size, font.Bold ? QFont::Bold : QFont::Normal,
                font.Italic);
    return qfont;
}

TPrintFont PrintFontOf(const QFont& font) {
    return TPrintFont{font.family().toStdString(), font.pointSize() > 0 ? font.pointSize() : 8, font.bold(),
                      font.italic()};
}

TPrinterCanvas::TPrinterCanvas(QPrinter& printer) : FPrinter(printer) {}

TPrinterCanvas::~TPrinterCanvas() {
    if (FPainter.isActive())
        FPainter.end();
}

void TPrinterCanvas::BeginDocument(const std::string& documentName) {
    FPrinter.setDocName(Text(documentName));
    if (!FPainter.begin(&FPrinter))
        throw Exception("The printer could not start the document");
}

void TPrinterCanvas::EndDocument() {
    if (FPainter.isActive() && !FPainter.end())
        throw Exception("The printer could not finish the document");
}

int TPrinterCanvas::PageWidth() const {
    return FPrinter.width();
}

int TPrinterCanvas::PageHeight() const {
    return FPrinter.height();
}

void TPrinterCanvas::SetFont(const TPrintFont& font) {
    FPainter.setFont(QtFontOf(font));
}

int TPrinterCanvas::TextWidth(const std::string& text) const {
    return FPainter.fontMetrics().horizontalAdvance(Text(text));
}

int TPrinterCanvas::TextHeight(const std::string&) const {
    // The font's line height, which holds every sample text's ascenders and descenders.
    return FPainter.fontMetrics().height();
}

int TPrinterCanvas::WrappedHeight(const std::string& text, int width) const {
    return FPainter.fontMetrics()
        .boundingRect(QRect(0, 0, width, INT_MAX / 2), Qt::TextWordWrap, Text(text))
        .height();
}

void TPrinterCanvas::DrawText(const std::string& text, const TPrintRect& rect, TAlignment alignment,
                              bool wordBreak) {
    const int flags = int(HorizontalAlignment(alignment) | Qt::AlignTop) |
                      (wordBreak ? Qt::TextWordWrap : Qt::TextSingleLine);
    FPainter.drawText(QRect(rect.Left, rect.Top, rect.Width, rect.Height), flags, Text(text));
}

void TPrinterCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    FPainter.drawLine(x1, y1, x2, y2);
}

void TPrinterCanvas::NewSheet() {
    FPrinter.newPage();
}

void TPrinterCanvas::Abort() {
    const bool aborted = FPrinter.abort();
    if (FPainter.isActive())
        FPainter.end();
    // The file printer cannot abort; what it wrote is no document, so it goes.
    if (!aborted && !FPrinter.outputFileName().isEmpty())
        QFile::remove(FPrinter.outputFileName());
}
