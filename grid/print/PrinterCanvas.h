// The page engine's canvas on a Qt printer: a painter over the printer, opened for one document and
// closed (or aborted) at its end. Its units are dots of a 300-dpi printer whatever the printer's
// resolution, so margins, gaps and rules keep their physical size; fonts keep their point size.
#pragma once

#include "grid/print/PrintCanvas.h"

#include <QPainter>

class QPrinter;

class TPrinterCanvas : public IPrintCanvas {
public:
    explicit TPrinterCanvas(QPrinter& printer);
    ~TPrinterCanvas() override;

    //! Starts the document; a printer that refuses raises Exception.
    void BeginDocument(const std::string& documentName);
    //! Finishes the document (sends the last sheet); a no-op after Abort.
    void EndDocument();
    bool Active() const { return FPainter.isActive(); }

    int PageWidth() const override;
    int PageHeight() const override;
    void SetFont(const TPrintFont& font) override;
    void SetScale(double scale) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    int WrappedHeight(const std::string& text, int width) const override;
    void DrawText(const std::string& text, const TPrintRect& rect, TAlignment alignment,
                  bool wordBreak) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void NewSheet() override;
    void Abort() override;

    //! Canvas units per inch.
    static constexpr int UnitsPerInch = 300;

private:
    int Device(int units) const;
    int Units(int device) const;

    QPrinter& FPrinter;
    QPainter FPainter;
    double FDevicePerUnit = 1.0;
    double FScale = 1.0;
};

//! The Qt font of a print font.
QFont QtFontOf(const TPrintFont& font);
//! The print font of a Qt font (its family, point size, bold and italic).
TPrintFont PrintFontOf(const QFont& font);
