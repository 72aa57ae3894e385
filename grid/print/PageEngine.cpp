// Page layout of a ruled list: header, title, headings, records, page breaks. All positions are
// in the canvas's device units; column widths follow the fields' display widths in average
// characters of the bold base font.
#include "grid/print/PageEngine.h"

#include "platform/dataset/DataSetGuards.h"
#include "platform/settings/DateText.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/TextUtils.h"
#include "platform/ui/UiGuards.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace {

constexpr int MaxCellText = 1000;
constexpr const char* WidthSample = "ABCDEFGHIJKLMNOPRSTUWZXY"; // 24 letters
constexpr const char* HeightSample = "p^{}[]yq$";

// Hides the print window on every path out of a printout.
class THideProgress {
public:
    explicit THideProgress(IPrintProgress& progress) : FProgress(progress) {}
    ~THideProgress() { FProgress.HideProgress(); }
    THideProgress(const THideProgress&) = delete;
    THideProgress& operator=(const THideProgress&) = delete;

private:
    IPrintProgress& FProgress;
};

int CountRecords(TDataSet& dataSet) {
    int count = 0;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        ++count;
    return count;
}

} // namespace

IPrintCanvas& TPageEngine::Canvas() const {
    assert(FCanvas && "no printout in progress");
    return *FCanvas;
}

void TPageEngine::Begin(IPrintCanvas& canvas, const std::string& title, const TPrintFont& font, int firstPage,
                        int lastPage) {
    FCanvas = &canvas;
    FFirstPage = firstPage;
    FLastPage = lastPage;
    FPageNumber = 1;
    FX = LeftMargin;
    FY = TopMargin;
    FBaseFont = font;
    FTitle = title;
    FHeaderPrinted = false;
    SetFont(font.Size, true, font.Italic);
    FAverageCharWidth = Canvas().TextWidth(WidthSample) / 24;
    Canvas().SetFont(FBaseFont);
    PrintPageHeader();
}

void TPageEngine::FitToWidth(IPrintCanvas& canvas, const TPrintFont& font, const TDataSet& dataSet) {
    canvas.SetScale(1.0);
    canvas.SetFont(TPrintFont{font.Name, font.Size, true, font.Italic});
    const int average = canvas.TextWidth(WidthSample) / 24;
    int needed = LeftMargin + RightMargin + 1;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        if (dataSet.Fields(i).Visible())
            needed += average * dataSet.Fields(i).DisplayWidth() + 3;
    // A little room for the font's rounding at the smaller size, so the last column is not lost.
    constexpr double Slack = 1.02;
    if (needed > canvas.PageWidth())
        canvas.SetScale(canvas.PageWidth() / (needed * Slack));
}

void TPageEngine::End() {
    FCanvas = nullptr;
    FX = LeftMargin;
    FY = TopMargin;
    FTitle.clear();
    FPageNumber = 1;
}

void TPageEngine::SetFont(int size, bool bold, bool italic) {
    Canvas().SetFont(TPrintFont{FBaseFont.Name, size, bold, italic});
}

int TPageEngine::LineHeight() const {
    return Canvas().TextHeight(HeightSample);
}

int TPageEngine::PageBottom() const {
    return Canvas().PageHeight() - BottomMargin;
}

int TPageEngine::PageRight() const {
    return Canvas().PageWidth() - RightMargin;
}

int TPageEngine::ColumnWidth(const TField& field, int x) const {
    const int width = FAverageCharWidth * field.DisplayWidth();
    if (x + width + 1 <= PageRight())
        return width;
    // A narrowed number would show only its last digits, which reads as another number.
    return IsNumericType(field.DataType()) ? 0 : PageRight() - x - 1;
}

int TPageEngine::DrawCell(const std::string& text, int x, int y, TAlignment alignment, bool wordBreak,
                          int height, int width) {
    const std::string shown = text.empty() ? " " : FirstCharacters(text, MaxCellText);
    if (wordBreak)
        height = Canvas().WrappedHeight(shown, width);
    if (PageDrawn())
        Canvas().DrawText(shown, TPrintRect{x, y, width, height}, alignment, wordBreak);
    return height;
}

void TPageEngine::DrawLine(int x1, int y1, int x2, int y2) {
    if (PageDrawn())
        Canvas().DrawLine(x1, y1, x2, y2);
}

void TPageEngine::PrintPageHeader() {
    if (FHeaderPrinted)
        return;
    SetFont(FBaseFont.Size, false, true);
    const TDateTime now = Now();
    const std::string stamp =
        " " + FormatShortDate(now) + " " + FormatLongTime(now) + ", Stran " + std::to_string(FPageNumber);
    const int width = FAverageCharWidth * static_cast<int>(CharacterCount(stamp));
    FY += DrawCell(stamp, PageRight() - width, FY, TAlignment::taRightJustify, false, LineHeight(), width) +
          LineSpacing;

    SetFont(FBaseFont.Size * 3 / 2, true, false);
    FY += DrawCell(FTitle, LeftMargin, FY, TAlignment::taLeftJustify, true, LineHeight(),
                   Canvas().PageWidth() - LeftMargin - RightMargin) +
          LineSpacing;
    FX = LeftMargin;
    FHeaderPrinted = true;
    Canvas().SetFont(FBaseFont);
}

void TPageEngine::PrintColumnHeadings(const TDataSet& dataSet) {
    FX = LeftMargin;
    SetFont(FBaseFont.Size, false, true);
    int height = LineHeight() + LineSpacing + 1;
    if (FY + 2 * height > PageBottom())
        return;
    std::vector<int> rules;
    for (int i = 0; i < dataSet.FieldCount() && FX < PageRight(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (!field.Visible())
            continue;
        const int width = ColumnWidth(field, FX);
        if (width <= 0)
            break;
        // The text starts below the top rule; the row grows by that offset so it ends above the bottom one.
        const int textHeight = DrawCell(field.DisplayLabel(), FX + 1, FY + LineSpacing / 2 + 1,
                                        field.Alignment(), true, height, width);
        height = std::max(height, textHeight + LineSpacing + 1);
        rules.push_back(FX + width + 2);
        FX += width + 3;
    }
    for (int x : rules)
        DrawLine(x, FY, x, FY + height);
    DrawLine(LeftMargin, FY, FX, FY);
    DrawLine(LeftMargin, FY, LeftMargin, FY + height);
    DrawLine(LeftMargin, FY + height, FX, FY + height);
    FY += height + 1;
}

bool TPageEngine::PrintRecord(const TDataSet& dataSet, int n) {
    SetFont(FBaseFont.Size, true, false);
    const int bottom = FY + LineHeight() + LineSpacing + 1;
    if (bottom > PageBottom())
        return false;
    FX = LeftMargin;
    for (int i = 0; i < dataSet.FieldCount() && FX < PageRight(); ++i) {
        const TField& field = dataSet.Fields(i);
        if (!field.Visible())
            continue;
        const int width = ColumnWidth(field, FX);
        if (width <= 0)
            break;
        const std::string text = field.FieldName() == "#" ? std::to_string(n) : field.DisplayText();
        DrawCell(text, FX + 1, FY + LineSpacing / 2 + 1, field.Alignment(), false, LineHeight(), width);
        DrawLine(FX + width + 2, FY, FX + width + 2, bottom);
        FX += width + 3;
    }
    DrawLine(LeftMargin, FY, LeftMargin, bottom);
    DrawLine(LeftMargin, bottom, FX, bottom);
    FX = LeftMargin;
    FY = bottom + 1;
    return true;
}

void TPageEngine::NewPage() {
    if (FFirstPage <= FPageNumber && FPageNumber < FLastPage)
        Canvas().NewSheet();
    ++FPageNumber;
    FHeaderPrinted = false;
    FX = LeftMargin;
    FY = TopMargin;
}

void TPageEngine::BreakPage(const TDataSet& dataSet) {
    DrawCell(MoreMark, LeftMargin, FY, TAlignment::taRightJustify, false, LineHeight(),
             PageRight() - LeftMargin);
    FY += LineHeight() + LineSpacing;
    NewPage();
    PrintPageHeader();
    Canvas().SetFont(FBaseFont);
    PrintColumnHeadings(dataSet);
}

void TPageEngine::PrintDataSet(TDataSet& dataSet, IPrintProgress& progress) {
    TWaitCursor cursor;
    TDataSetPositionGuard position(dataSet);
    TDisableControlsGuard controls(dataSet);
    THideProgress hide(progress);
    progress.ShowProgress(CountRecords(dataSet), 0, 0, 0);
    try {
        PrintRecords(dataSet, progress);
    } catch (...) {
        Canvas().Abort();
        throw;
    }
}

void TPageEngine::PrintRecords(TDataSet& dataSet, IPrintProgress& progress) {
    PrintPageHeader();
    PrintColumnHeadings(dataSet);
    int n = 1;
    bool pageHasRecords = false;
    for (dataSet.First(); !dataSet.Eof();) {
        if (PrintRecord(dataSet, n)) {
            dataSet.Next();
            ++n;
            pageHasRecords = true;
        } else if (pageHasRecords) {
            BreakPage(dataSet);
            pageHasRecords = false;
        } else {
            // A fresh page without room for one line would break pages for ever.
            throw Exception("Na strani ni prostora niti za eno vrstico seznama");
        }
        if (!progress.StepProgress(n, 0))
            throw EAbort();
    }
}
