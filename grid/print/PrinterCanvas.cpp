// Painting the list on a QPrinter. Text is clipped to its cell, as Qt does unless told otherwise.
#include "grid/print/PrinterCanvas.h"

#include "grid/FieldAlignment.h"
#include "platform/settings/Exceptions.h"

#include <QFile>
#include <QPen>
#include <QPrinter>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Text keeps this many units from its cell's sides: the engine's three-unit gap between columns
// alone lets a right-aligned number touch the next column's text, and a reader joins the two.
constexpr int TextInset = 2;

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

TPrinterCanvas::TPrinterCanvas(QPrinter& printer)
    : FPrinter(printer), FDevicePerUnit(static_cast<double>(printer.resolution()) / UnitsPerInch) {}

int TPrinterCanvas::Device(int units) const {
    return static_cast<int>(std::lround(units * FDevicePerUnit * FScale));
}

int TPrinterCanvas::Units(int device) const {
    return static_cast<int>(std::lround(device / (FDevicePerUnit * FScale)));
}

void TPrinterCanvas::SetScale(double scale) {
    FScale = scale;
    if (FPainter.isActive())
        FPainter.setPen(QPen(Qt::black, FDevicePerUnit * FScale));
}

TPrinterCanvas::~TPrinterCanvas() {
    if (FPainter.isActive())
        FPainter.end();
}

void TPrinterCanvas::BeginDocument(const std::string& documentName) {
    FPrinter.setDocName(Text(documentName));
    FDevicePerUnit = static_cast<double>(FPrinter.resolution()) / UnitsPerInch;
    if (!FPainter.begin(&FPrinter))
        throw Exception("Tiskalnik ni mogel začeti dokumenta");
    FPainter.setPen(QPen(Qt::black, FDevicePerUnit)); // rules one unit wide
}

void TPrinterCanvas::EndDocument() {
    if (FPainter.isActive() && !FPainter.end())
        throw Exception("Tiskalnik ni mogel dokončati dokumenta");
}

int TPrinterCanvas::PageWidth() const {
    return Units(FPrinter.width());
}

int TPrinterCanvas::PageHeight() const {
    return Units(FPrinter.height());
}

void TPrinterCanvas::SetFont(const TPrintFont& font) {
    QFont scaled = QtFontOf(font);
    scaled.setPointSizeF(font.Size * FScale);
    FPainter.setFont(scaled);
}

int TPrinterCanvas::TextWidth(const std::string& text) const {
    return Units(FPainter.fontMetrics().horizontalAdvance(Text(text)));
}

int TPrinterCanvas::TextHeight(const std::string&) const {
    // The font's line height, which holds every sample text's ascenders and descenders.
    return Units(FPainter.fontMetrics().height());
}

int TPrinterCanvas::WrappedHeight(const std::string& text, int width) const {
    const int inset = std::min(TextInset, std::max(width - 1, 0) / 2);
    return Units(
        FPainter.fontMetrics()
            .boundingRect(QRect(0, 0, Device(width - 2 * inset), INT_MAX / 2), Qt::TextWordWrap, Text(text))
            .height());
}

void TPrinterCanvas::DrawText(const std::string& text, const TPrintRect& rect, TAlignment alignment,
                              bool wordBreak) {
    const int flags = int(HorizontalAlignment(alignment) | Qt::AlignTop) |
                      (wordBreak ? Qt::TextWordWrap : Qt::TextSingleLine);
    const int inset = std::min(TextInset, std::max(rect.Width - 1, 0) / 2);
    FPainter.drawText(QRect(Device(rect.Left + inset), Device(rect.Top), Device(rect.Width - 2 * inset),
                            Device(rect.Height)),
                      flags, Text(text));
}

void TPrinterCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    FPainter.drawLine(Device(x1), Device(y1), Device(x2), Device(y2));
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
