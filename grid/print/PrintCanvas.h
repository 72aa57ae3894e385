// What the page engine draws on: a page of the printer in its device units, with fonts, text
// measurement, clipped text cells, lines and sheet ejection. The Qt printer supplies one; tests
// supply one with fixed metrics so the layout arithmetic is checked without a printer.
#pragma once

#include "platform/dataset/Field.h"

#include <string>

struct TPrintFont {
    std::string Name;
    int Size = 8; //!< points
    bool Bold = false;
    bool Italic = false;
};

struct TPrintRect {
    int Left, Top, Width, Height;
};

class IPrintCanvas {
public:
    virtual ~IPrintCanvas() = default;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual void SetFont(const TPrintFont& font) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
    //! The height text needs when broken into lines at word boundaries within width.
    virtual int WrappedHeight(const std::string& text, int width) const = 0;
    //! Draws text inside rect, clipped to it; on one line unless wordBreak.
    virtual void DrawText(const std::string& text, const TPrintRect& rect, TAlignment alignment,
                          bool wordBreak) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    //! Ejects the current sheet and starts the next.
    virtual void NewSheet() = 0;
    //! Discards the document being printed.
    virtual void Abort() = 0;
    //! Draws everything scale times its size from here on; the page then holds 1 / scale as
    //! many units across and down.
    virtual void SetScale(double scale) = 0;
};

//! The print window's gauges and Cancel, as the page engine sees them.
class IPrintProgress {
public:
    virtual ~IPrintProgress() = default;
    virtual void ShowProgress(int recordMax, int detailMax, int detailPosition, int recordPosition) = 0;
    //! Sets both positions; false once the user has cancelled.
    virtual bool StepProgress(int recordPosition, int detailPosition) = 0;
    virtual void HideProgress() = 0;
};
