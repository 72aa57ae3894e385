// The tool grid's operations and settings: display widths written back only while a mouse press
// is handled, zoom through its handler, the action hook and services of the print, grouping and
// export buttons, the column chooser run from the grid, the form bases, glyphs and WIN.INI.
#include "grid/ColumnChooserDialog.h"
#include "grid/DialogBases.h"
#include "grid/GridGlyphs.h"
#include "grid/GridHooks.h"
#include "grid/GridSettings.h"
#include "grid/ToolGrid.h"

#include "TestFixtures.h"

#include "platform/dataset/DataSource.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <fstream>

#include <gtest/gtest.h>

namespace {

class GridBehaviourTest : public ::testing::Test {
protected:
    QApplication& app = TestApp(); // before any widget member

    void SetUp() override {
        window.resize(400, 300);
        grid = new TToolGrid(&window);
        grid->SetDataSource(&source);
        grid->SetAlign(TAlign::alClient);
        grid->Loaded();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
    }
    void TearDown() override {
        GridActionHook() = nullptr;
        ZoomHandler() = nullptr;
        GridServices() = {};
    }

    TRecordingUi ui;
    TScopedUi scoped{ui};
    std::unique_ptr<TMemDataSet> people = PeopleDataSet({{"Ana", 1, 1}, {"Bor", 2, 2}});
    TDataSource source{people.get()};
    QWidget window;
    TToolGrid* grid = nullptr;
};

TEST_F(GridBehaviourTest, WidthChangedWhileAPressIsHandledIsWrittenBackDraggingIsNot) {
    TField& name = people->FieldByName("NAME");
    const int before = name.DisplayWidth();
    grid->setColumnWidth(0, 300); // as a border drag does: the grid's column only
    EXPECT_EQ(name.DisplayWidth(), before);
    EXPECT_EQ(grid->columnWidth(0), 300);

    const int average = QFontMetrics(grid->font()).averageCharWidth();
    grid->OnDblClick = [&] { grid->setColumnWidth(0, 10 * average); };
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(name.DisplayWidth(), (10 * average + average / 2 - 3) / average);
    ASSERT_FALSE(grid->selected().empty());
    EXPECT_TRUE(grid->selected()[0].starts_with("NAME\t" + std::to_string(name.DisplayWidth()) + "\t"));
}

TEST_F(GridBehaviourTest, ZoomHandsTheDatasetOverWithItsSourceDisabled) {
    bool sourceEnabledDuringZoom = true;
    TDataSet* zoomed = nullptr;
    ZoomHandler() = [&](TDataSource* master, TDataSet* dataSet) {
        EXPECT_EQ(master, nullptr);
        zoomed = dataSet;
        sourceEnabledDuringZoom = source.Enabled();
    };
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(zoomed, people.get());
    EXPECT_FALSE(sourceEnabledDuringZoom);
    EXPECT_TRUE(source.Enabled());
}

TEST_F(GridBehaviourTest, ButtonsNotifyTheHookAndCallTheirServices) {
    std::vector<std::string> events;
    GridActionHook() = [&](TDataSet* dataSet, void* unused, const std::string& action) {
        EXPECT_EQ(dataSet, people.get());
        EXPECT_EQ(unused, nullptr);
        events.push_back(action);
    };
    GridServices().PrintList = [&](TToolGrid&) { events.push_back("list"); };
    GridServices().PrintGroups = [&](TToolGrid&) { events.push_back("groups"); };
    GridServices().Export = [&](TToolGrid&) { events.push_back("export"); };
    grid->Print();
    grid->PrintGroups();
    grid->Export();
    grid->OnPrint = [&](TToolGrid&) { events.push_back("own print"); };
    grid->Print();
    EXPECT_EQ(events, (std::vector<std::string>{"list", "G", "groups", "E", "export", "P", "own print"}));

    people->Close();
    events.clear();
    grid->Print(); // needs an open dataset
    grid->CopyToClipboard();
    EXPECT_TRUE(events.empty());
}

TEST_F(GridBehaviourTest, ColumnChooserRunFromTheGridStoresTheVisibleFieldsInOrder) {
    EXPECT_TRUE(grid->selected().empty());
    for (int run = 0; run < 2; ++run) { // the kept dialog shows again after releasing its window
        QTimer::singleShot(0, [] {
            TColumnChooserDialog& dialog = TColumnChooserDialog::Instance();
            dialog.lbOn->setCurrentRow(0);
            dialog.btnRight->click();
            dialog.btnOk->click();
        });
        grid->ChooseColumns();
    }
    ASSERT_EQ(grid->selected().size(), 1u);
    EXPECT_TRUE(grid->selected()[0].starts_with("CODE\t"));
    ASSERT_EQ(grid->ColumnCount(), 1);
    EXPECT_EQ(grid->ColumnField(0)->FieldName(), "CODE");

    QTimer::singleShot(0, [] { TColumnChooserDialog::Instance().btnCancel->click(); });
    grid->ChooseColumns();
    EXPECT_EQ(grid->selected().size(), 1u);
}

TEST_F(GridBehaviourTest, FocusLookAndItsReturnWhenTheWindowIsActivatedAgain) {
    EXPECT_EQ(grid->TitleFontColor(), QColor(0, 0, 128));
    TRefocusingDialog form;
    auto* other = new QPushButton("x", &form);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    other->setFocus();

    TRefocusingDialog host;
    auto* hosted = new TToolGrid(&host);
    hosted->SetDataSource(&source);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    hosted->setFocus();
    hosted->SetTitleFontColor(Qt::black); // as if it had lost its look meanwhile
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QCoreApplication::processEvents();
    EXPECT_EQ(hosted->TitleFontColor(), QColor(0, 0, 128));
}

TEST_F(GridBehaviourTest, ScrollBarProperties) {
    EXPECT_TRUE(grid->ShowHorzScrollBar());
    grid->SetShowHorzScrollBar(false);
    EXPECT_EQ(grid->ScrollBars(), TScrollStyle::ssNone);
    grid->SetShowHorzScrollBar(true);
    EXPECT_EQ(grid->ScrollBars(), TScrollStyle::ssHorizontal);
    grid->SetScrollBars(TScrollStyle::ssBoth);
    grid->SetShowVertscrollBar(false);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    grid->SetScrollBars(TScrollStyle::ssBoth); // stays off whatever ScrollBars says
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    grid->SetShowVertscrollBar(true);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

// A main-window grid (horizontal bar only, as the program sets it) over more rows than it shows:
// the vertical bar appears, an 8-digit code and each title fit their column, an over-long text is
// cut at the maximum width and shows whole in a tooltip.
TEST(GridLayoutTest, RowsBeyondTheViewScrollAndColumnsFitCodesAndTitles) {
    TestApp();
    TMemDataSet positions("OBLIM");
    positions.FieldDefs().Add("ID_KOM", TFieldType::ftInteger);
    positions.FieldDefs().Add("ZNESEK", TFieldType::ftFloat);
    positions.FieldDefs().Add("OPIS", TFieldType::ftString, 254);
    positions.Open();
    positions.FieldByName("ID_KOM").SetDisplayWidth(8);
    positions.FieldByName("ZNESEK").SetDisplayWidth(4);
    positions.FieldByName("ZNESEK").SetDisplayLabel("Znesek v domači valuti");
    const std::string longText(200, 'W');
    for (int i = 0; i < 200; ++i) {
        positions.Append();
        positions.FieldByName("ID_KOM").SetAsInteger(10001234 + i);
        positions.FieldByName("OPIS").SetAsString(longText);
        positions.Post();
    }
    positions.First();
    TDataSource source(&positions);
    QWidget window;
    window.resize(500, 300);
    auto* grid = new TToolGrid(&window);
    grid->SetDataSource(&source);
    grid->SetAlign(TAlign::alClient);
    grid->SetShowHorzScrollBar(true);
    grid->Loaded();
    window.show();
    QCoreApplication::processEvents();

    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    const QFontMetrics cells(grid->font());
    const QFontMetrics titles(grid->TitleFont());
    EXPECT_GE(grid->columnWidth(0), cells.horizontalAdvance("10001234") + grid->CellMargin());
    EXPECT_GE(grid->columnWidth(0), titles.horizontalAdvance("ID_KOM") + 7);
    EXPECT_GE(grid->columnWidth(1), titles.horizontalAdvance("Znesek v domači valuti") + 7);
    EXPECT_LT(grid->columnWidth(2), cells.horizontalAdvance(QString::fromStdString(longText)));

    grid->scrollTo(grid->model()->index(0, 2), QAbstractItemView::PositionAtTop);
    const QRect cut = grid->visualRect(grid->model()->index(0, 2));
    QHelpEvent help(QEvent::ToolTip, cut.center(), grid->viewport()->mapToGlobal(cut.center()));
    QCoreApplication::sendEvent(grid->viewport(), &help);
    EXPECT_EQ(QToolTip::text().toStdString(), longText);
    QToolTip::hideText();
}

TEST(GridGlyphsTest, EveryGlyphDrawsAtOneAndTwiceTheScale) {
    TestApp();
    QList<QImage> seen;
    for (int i = 0; i <= static_cast<int>(TGlyph::Export); ++i) {
        for (qreal scale : {1.0, 2.0}) {
            const QImage image = RenderGlyph(static_cast<TGlyph>(i), scale).toImage();
            EXPECT_EQ(image.width(), qRound(16 * scale));
            int inked = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    inked += qAlpha(image.pixel(x, y)) > 0;
            EXPECT_GT(inked, image.width()) << "glyph " << i << " at " << scale;
        }
        const QImage plain = RenderGlyph(static_cast<TGlyph>(i), 1).toImage();
        EXPECT_FALSE(seen.contains(plain)) << "glyph " << i << " repeats another";
        seen << plain;
    }
}

TEST(GridSettingsTest, KestraKeysOverrideTheDefaults) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("WIN.INI").toStdString();
    std::ofstream(file) << "[KESTRA]\nFontSize=10\nTitleFontName=DejaVu Sans\nLineHeight=x\n";
    const TGridSettings settings = ReadGridSettings(file);
    EXPECT_EQ(settings.FontSize, 10);
    EXPECT_EQ(settings.FontName, "Arial CE");
    EXPECT_EQ(settings.TitleFontName, "DejaVu Sans");
    EXPECT_EQ(settings.LineHeight, 18);
    EXPECT_EQ(settings.TitleFontSize, 8);
}

} // namespace
