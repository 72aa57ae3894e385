// The page engine's layout on a canvas with fixed metrics (characters 10 wide, lines 20 high,
// page 1000 × 1000, so 24 records per page): headings, narrowed and dropped columns, the "#"
// numbering, page breaks and ranges, Cancel and a page too small for one line.
#include "PrintTestSupport.h"

#include "grid/print/PageEngine.h"
#include "platform/settings/Exceptions.h"
#include "platform/settings/Locale.h"

#include <gtest/gtest.h>

namespace {

class PageEngineTest : public ::testing::Test {
protected:
    void SetUp() override { Locale() = TLocale::Slovenian(); }

    void Print(TDataSet& dataSet, int first = 1, int last = TPageEngine::AllPagesLast) {
        engine.Begin(canvas, "Seznam", TPrintFont{"Arial CE", 8, true, false}, first, last);
        engine.PrintDataSet(dataSet, progress);
        engine.End();
    }

    static bool EndsWith(const std::string& text, const std::string& tail) {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    TFakeCanvas canvas;
    TFakeProgress progress;
    TPageEngine engine;
};

TEST_F(PageEngineTest, EmptyDataSetPrintsHeaderTitleAndHeadingsOnly) {
    const auto list = MakeList(0);
    Print(*list);
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_TRUE(EndsWith(texts[0], ", Stran 1")) << texts[0];
    EXPECT_EQ(texts[0][0], ' ');
    EXPECT_TRUE(canvas.Cells[0].Font.Italic);
    EXPECT_EQ(texts[1], "Seznam");
    EXPECT_EQ(canvas.Cells[1].Font.Size, 12) << "the title is 1.5 times the base size";
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()),
              (std::vector<std::string>{"#", "NAZIV", "ZNESEK"}));
    EXPECT_EQ(canvas.Sheets, 1);
}

TEST_F(PageEngineTest, HeaderIsRightAlignedBeforeTheRightMarginAndTitleSpansThePage) {
    const auto list = MakeList(0);
    Print(*list);
    const auto& stamp = canvas.Cells[0];
    EXPECT_EQ(stamp.Rect.Left + stamp.Rect.Width, 1000 - TPageEngine::RightMargin);
    EXPECT_EQ(stamp.Rect.Width, 10 * static_cast<int>(stamp.Text.size()));
    EXPECT_EQ(stamp.Rect.Top, TPageEngine::TopMargin);
    const auto& title = canvas.Cells[1];
    EXPECT_EQ(title.Rect.Top, 50 + 20 + 5);
    EXPECT_EQ(title.Rect.Width, 1000 - 40);
}

TEST_F(PageEngineTest, HashFieldNumbersTheRecordsDownTheList) {
    const auto list = MakeList(3);
    Print(*list);
    std::vector<std::string> numbers;
    for (const auto& cell : canvas.Cells)
        if (cell.Rect.Left == TPageEngine::LeftMargin + 1 && cell.Font.Bold)
            numbers.push_back(cell.Text);
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_NE(canvas.Find("4,50"), nullptr) << "other fields print their display text";
}

TEST_F(PageEngineTest, ColumnsAreNarrowedBeforeTheRightMarginAndLaterOnesDropped) {
    canvas.Width = 170; // right edge 150: "#" 20..52, NAZIV from 53 narrowed to 96, ZNESEK dropped
    const auto list = MakeList(1);
    Print(*list);
    ASSERT_NE(canvas.Find("NAZIV"), nullptr);
    EXPECT_EQ(canvas.Find("NAZIV")->Rect.Width, 150 - 53 - 1);
    EXPECT_EQ(canvas.Find("Postavka 1")->Rect.Width, 96);
    EXPECT_EQ(canvas.Find("ZNESEK"), nullptr);
    EXPECT_EQ(canvas.Find("1,50"), nullptr);
}

TEST_F(PageEngineTest, NumberColumnThatDoesNotFitWholeIsLeftOutRatherThanCut) {
    canvas.Width = 230; // right edge 210: ZNESEK from 156 would be cut to its last digits
    const auto list = MakeList(1);
    Print(*list);
    EXPECT_NE(canvas.Find("Postavka 1"), nullptr);
    EXPECT_EQ(canvas.Find("ZNESEK"), nullptr);
    EXPECT_EQ(canvas.Find("1,50"), nullptr);
}

TEST_F(PageEngineTest, WrappedHeadingMakesTheHeadingRowTallerButRecordsStayOneLine) {
    const auto list = MakeList(1);
    list->FieldByName("NAZIV").SetDisplayLabel("Naziv dolge postavke"); // three lines in 100 units
    Print(*list);
    EXPECT_EQ(canvas.Find("Naziv dolge postavke")->Rect.Height, 60);
    const auto* record = canvas.Find("Postavka 1");
    // The row holds the three lines below the heading's top offset, so the record starts under them.
    const int headingRow = TPageEngine::LineSpacing / 2 + 1 + 60 + TPageEngine::LineSpacing / 2 + 1;
    EXPECT_EQ(record->Rect.Top, 100 + headingRow + 1 + TPageEngine::LineSpacing / 2 + 1);
    EXPECT_EQ(record->Rect.Height, 20);
}

TEST_F(PageEngineTest, PageBreakMarksTheContinuationAndRepeatsHeaderAndHeadings) {
    const auto list = MakeList(30);
    Print(*list);
    EXPECT_EQ(canvas.Sheets, 2);
    const auto* more = canvas.Find(TPageEngine::MoreMark);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->Sheet, 1);
    EXPECT_EQ(canvas.Find("Postavka 24")->Sheet, 1);
    EXPECT_EQ(canvas.Find("Postavka 25")->Sheet, 2);
    int headings = 0;
    for (const auto& cell : canvas.Cells)
        headings += cell.Text == "NAZIV";
    EXPECT_EQ(headings, 2);
}

TEST_F(PageEngineTest, PagesOutsideTheRangeAreLaidOutButNeitherDrawnNorEjected) {
    const auto list = MakeList(100); // five pages of 24, 24, 24, 24, 4
    Print(*list, 2, 3);
    EXPECT_EQ(canvas.Sheets, 2);
    EXPECT_TRUE(EndsWith(canvas.Cells.front().Text, ", Stran 2")) << canvas.Cells.front().Text;
    EXPECT_EQ(canvas.Find("Postavka 24"), nullptr);
    EXPECT_EQ(canvas.Find("Postavka 25")->Sheet, 1);
    EXPECT_EQ(canvas.Find("Postavka 72")->Sheet, 2);
    EXPECT_EQ(canvas.Find("Postavka 73"), nullptr);
    EXPECT_EQ(canvas.Find("25")->Sheet, 1) << "numbering counts the records of skipped pages";
}

TEST_F(PageEngineTest, CancelAbortsTheDocumentAndRestoresTheDataSet) {
    const auto list = MakeList(10);
    list->SetRecNo(5);
    progress.CancelAtStep = 3;
    engine.Begin(canvas, "Seznam", TPrintFont{"Arial CE", 8, true, false});
    EXPECT_THROW(engine.PrintDataSet(*list, progress), EAbort);
    EXPECT_TRUE(canvas.Aborted);
    EXPECT_FALSE(progress.Shown);
    EXPECT_EQ(list->RecNo(), 5);
    EXPECT_FALSE(list->ControlsDisabled());
    EXPECT_EQ(canvas.Find("Postavka 4"), nullptr);
}

TEST_F(PageEngineTest, PageWithoutRoomForOneLineFailsInsteadOfBreakingForEver) {
    canvas.Height = 300; // bottom limit 100, reached by header and title
    const auto list = MakeList(2);
    engine.Begin(canvas, "Seznam", TPrintFont{"Arial CE", 8, true, false});
    EXPECT_THROW(engine.PrintDataSet(*list, progress), Exception);
    EXPECT_TRUE(canvas.Aborted);
    EXPECT_EQ(canvas.Sheets, 1);
}

} // namespace
