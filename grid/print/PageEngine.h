// The page engine of list printing: the state of the one printout in progress (margins, current
// position, logical page, the page range that is drawn, fonts) and the layout of page headers,
// column headings and ruled records over any canvas. Pages outside the range are laid out but
// neither drawn nor ejected, so page numbers stay those of the whole list.
#pragma once

#include "grid/print/PrintCanvas.h"
#include "platform/dataset/DataSet.h"

#include <string>

class TPageEngine {
public:
    // Fixed when the program starts, in printer device units.
    static constexpr int LeftMargin = 20;
    static constexpr int RightMargin = 20;
    static constexpr int TopMargin = 50;
    static constexpr int BottomMargin = 200;
    static constexpr int LineSpacing = 5;
    static constexpr int AllPagesLast = 999;
    static constexpr const char* MoreMark = "> > >";

    //! Starts a printout on an open document: state reset, base font measured, header of page 1.
    void Begin(IPrintCanvas& canvas, const std::string& title, const TPrintFont& font, int firstPage = 1,
               int lastPage = AllPagesLast);
    //! Before Begin: scales the printout down so that the dataset's visible columns fit the page
    //! width (a list that fits already keeps its size).
    void FitToWidth(IPrintCanvas& canvas, const TPrintFont& font, const TDataSet& dataSet);
    //! Prints the dataset's records as a ruled list, with page breaks. Cancel in the progress
    //! window aborts the document and raises EAbort; any other error aborts it and is raised again.
    //! The dataset's position and controls are restored on every path.
    void PrintDataSet(TDataSet& dataSet, IPrintProgress& progress);
    //! Back to idle: position at the margins, title cleared, page 1.
    void End();
    bool Printing() const { return FCanvas != nullptr; }

    int PageNumber() const { return FPageNumber; }
    int X() const { return FX; }
    int Y() const { return FY; }
    int AverageCharWidth() const { return FAverageCharWidth; }
    //! Whether the current logical page lies in the range that is drawn.
    bool PageDrawn() const { return FFirstPage <= FPageNumber && FPageNumber <= FLastPage; }

    // Layout steps, public so that their arithmetic can be checked one by one.
    void PrintPageHeader();
    void PrintColumnHeadings(const TDataSet& dataSet);
    //! One record numbered n; false (nothing drawn) when it does not fit on the page.
    bool PrintRecord(const TDataSet& dataSet, int n);
    void NewPage();
    //! Draws text (" " when empty, at most 1000 characters) in the rectangle; returns the height
    //! word-broken text needs, else height.
    int DrawCell(const std::string& text, int x, int y, TAlignment alignment, bool wordBreak, int height,
                 int width);
    void DrawLine(int x1, int y1, int x2, int y2);

private:
    IPrintCanvas& Canvas() const;
    int LineHeight() const;
    int PageBottom() const;
    int PageRight() const;
    //! Width of a column starting at x, narrowed to end before the right margin.
    int ColumnWidth(const TField& field, int x) const;
    void SetFont(int size, bool bold, bool italic);
    void BreakPage(const TDataSet& dataSet);
    void PrintRecords(TDataSet& dataSet, IPrintProgress& progress);

    IPrintCanvas* FCanvas = nullptr;
    int FX = LeftMargin;
    int FY = TopMargin;
    int FPageNumber = 1;
    int FFirstPage = 1;
    int FLastPage = AllPagesLast;
    bool FHeaderPrinted = false;
    std::string FTitle;
    TPrintFont FBaseFont{"Arial CE", 8, false, false};
    int FAverageCharWidth = 0;
};
