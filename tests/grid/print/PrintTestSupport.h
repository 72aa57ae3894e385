// What the print tests share: a canvas with fixed metrics that records what is drawn, a progress
// window that cancels on request, list datasets, and the Qt application with its fonts pinned.
#pragma once

#include "grid/print/PrintCanvas.h"
#include "platform/dataset/MemDataSet.h"

#include <memory>
#include <string>
#include <vector>

// Every character 10 units wide, every line 20 high; the page 1000 × 1000.
class TFakeCanvas : public IPrintCanvas {
public:
    struct TCell {
        std::string Text;
        TPrintRect Rect;
        TPrintFont Font;
        int Sheet;
    };
    std::vector<TCell> Cells;
    int Lines = 0;
    int Sheets = 1;
    bool Aborted = false;
    int Width = 1000, Height = 1000;

    int PageWidth() const override { return Width; }
    int PageHeight() const override { return Height; }
    void SetFont(const TPrintFont& font) override { FFont = font; }
    int TextWidth(const std::string& text) const override { return 10 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 20; }
    int WrappedHeight(const std::string& text, int width) const override;
    void DrawText(const std::string& text, const TPrintRect& rect, TAlignment, bool) override {
        Cells.push_back({text, rect, FFont, Sheets});
    }
    void DrawLine(int, int, int, int) override { ++Lines; }
    void NewSheet() override { ++Sheets; }
    void Abort() override { Aborted = true; }
    //! Kept only: the page engine's arithmetic stays in the fixed metrics.
    void SetScale(double scale) override { Scale = scale; }
    double Scale = 1.0;

    //! The texts drawn in order.
    std::vector<std::string> Texts() const;
    const TCell* Find(const std::string& text) const;

private:
    TPrintFont FFont;
};

class TFakeProgress : public IPrintProgress {
public:
    int CancelAtStep = 0; // 0 = never
    int Steps = 0;
    bool Shown = false;
    void ShowProgress(int, int, int, int) override { Shown = true; }
    bool StepProgress(int, int) override { return ++Steps != CancelAtStep; }
    void HideProgress() override { Shown = false; }
};

// Fields "#" (width 3), NAZIV string (width 10), ZNESEK float (width 8, "#,##0.00"); rows numbered
// from 1 with names "Postavka <i>" and amounts i × 1.5.
std::unique_ptr<TMemDataSet> MakeList(int rows);

// Points fontconfig at a generated configuration that maps "Arial CE" and "Arial" to Liberation
// Sans, then creates the one QApplication of the test process (offscreen unless told otherwise).
void EnsurePrintApplication();
