// The tool grid as a widget under the offscreen platform: the bar's placement and enabled states,
// showing and hiding it across two grids, the label, the bounds of client-aligned grids, copying to
// the clipboard and its Cancel, keys, and a rendering of a grid with its bar into a PNG file.
#include "grid/CaptionLabel.h"
#include "grid/DialogBases.h"
#include "grid/GridGlyphs.h"
#include "grid/GridHooks.h"
#include "grid/GridToolBar.h"
#include "grid/ToolGrid.h"

#include "TestFixtures.h"

#include "platform/dataset/DataSource.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"
#include "platform/ui_qt/Progress.h"
#include "platform/ui_qt/QtUserInterface.h"

#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <set>

namespace {

class GridWidgetTest : public ::testing::Test {
protected:
    QApplication& app = TestApp(); // before any widget member

    void SetUp() override {
        window.resize(600, 300);
        left = new QWidget(&window);
        left->setGeometry(0, 0, 300, 300);
        right = new QWidget(&window);
        right->setGeometry(300, 0, 300, 300);
        grid1 = MakeGrid(left, "Rezultati");
        grid2 = MakeGrid(right, "Amortizacija");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    TToolGrid* MakeGrid(QWidget* parent, const std::string& title) {
        auto* grid = new TToolGrid(parent);
        grid->SetDataSource(&source);
        grid->SetAlign(TAlign::alClient);
        grid->SetlabelText(title);
        grid->Loaded();
        return grid;
    }

    void ClickTitle(TToolGrid& grid) {
        QHeaderView* header = grid.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(0) + 5, 5));
    }

    TRecordingUi ui;
    TScopedUi scoped{ui};
    std::unique_ptr<TMemDataSet> people = PeopleDataSet({{"Ana", 1.5, 7}, {"Bor \"B\"", 2, 8}});
    TDataSource source{people.get()};
    QWidget window;
    QWidget* left = nullptr;
    QWidget* right = nullptr;
    TToolGrid* grid1 = nullptr;
    TToolGrid* grid2 = nullptr;
};

TEST_F(GridWidgetTest, ATitleClickPlacesTheBarWithEnabledStatesFromGridButtons) {
    grid1->SetgridButtons(AllGridButtons & ~ButtonBit(TGridButton::gbZoom));
    ClickTitle(*grid1);
    ASSERT_TRUE(grid1->ButtonBarShown());
    TGridToolBar& bar = GridToolBar();
    int expectedLeft = 8;
    for (TGridButton kind : BarOrder) {
        const TGridToolButton& button = bar.Button(kind);
        EXPECT_EQ(button.parentWidget(), left);
        EXPECT_EQ(button.x(), expectedLeft);
        EXPECT_EQ(button.size(), QSize(18, 18));
        EXPECT_TRUE(button.objectName().startsWith("StdBtn"));
        EXPECT_EQ(button.isEnabled(), kind != TGridButton::gbZoom);
        expectedLeft += 18;
    }
    EXPECT_EQ(bar.Button(TGridButton::gbExport).x(), 188);
    EXPECT_EQ(grid1->Label()->x(), 211);
    EXPECT_EQ(grid1->Label()->text(), "Rezultati");
    EXPECT_EQ(grid1->Label()->width(), grid1->width() - 252);
    EXPECT_EQ(grid1->y(), grid1->Label()->height() + 5);
    EXPECT_EQ(grid1->height(), left->height() - grid1->y());
    EXPECT_EQ(grid1->TitleFontColor(), QColor(0, 0, 128));
    EXPECT_EQ(AllGridButtons, 2047u);
}

TEST_F(GridWidgetTest, TheBarFollowsTitleClicksAcrossTwoGrids) {
    ClickTitle(*grid1);
    ASSERT_TRUE(grid1->ButtonBarShown());
    ClickTitle(*grid1);
    EXPECT_FALSE(grid1->ButtonBarShown());
    EXPECT_EQ(GridToolBar().Button(TGridButton::gbLocate).parentWidget(), nullptr);
    EXPECT_EQ(grid1->geometry(), QRect(0, 0, 300, 300));

    ClickTitle(*grid1);
    ClickTitle(*grid2); // entering the other grid hides the bar, its title shows it there
    EXPECT_FALSE(grid1->ButtonBarShown());
    EXPECT_TRUE(grid2->ButtonBarShown());
    EXPECT_EQ(GridToolBar().Button(TGridButton::gbLocate).parentWidget(), right);
    EXPECT_EQ(grid1->geometry(), QRect(0, 0, 300, 300));

    delete grid2; // a grid going away hides the bar first
    grid2 = nullptr;
    EXPECT_EQ(GridToolBar().Button(TGridButton::gbLocate).parentWidget(), nullptr);
}

TEST_F(GridWidgetTest, LabelStaysHiddenWithLaNoneAndFollowsTheGridOtherwise) {
    auto* hidden = new TToolGrid(left);
    hidden->SetlabelAlign(TLabelAlign::laNone);
    hidden->show();
    EXPECT_FALSE(hidden->Label()->isVisible());
    EXPECT_TRUE(grid1->Label()->isVisible());
    EXPECT_TRUE(grid1->Label()->objectName().startsWith("MemLabel"));
    EXPECT_TRUE(grid1->Label()->font().bold());
    grid1->hide();
    EXPECT_FALSE(grid1->Label()->isVisible());
}

TEST_F(GridWidgetTest, SelectedSurvivesAnUnknownFieldAndColumnsFollowIt) {
    grid1->Setselected({"CODE\t5\tKoda", "NOSUCH\t3\tX", "NAME\t20\tIme"});
    grid1->ApplySelected();
    ASSERT_EQ(grid1->ColumnCount(), 2);
    EXPECT_EQ(grid1->ColumnField(0)->FieldName(), "CODE");
    EXPECT_EQ(grid1->ColumnField(1)->FieldName(), "NAME");
    grid1->StoreSelected();
    ASSERT_EQ(grid1->selected().size(), 2u);
    EXPECT_TRUE(grid1->selected()[0].starts_with("CODE\t"));
}

TEST_F(GridWidgetTest, CopyPutsTheTextOnTheClipboardAndCancelLeavesItUnchanged) {
    TQtUserInterface qtUi;
    TScopedUi withProgress(qtUi);
    std::vector<std::string> actions;
    GridActionHook() = [&](TDataSet*, void*, const std::string& action) { actions.push_back(action); };
    grid1->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "Rezultati\r\nNAME\tAMOUNT\tCODE\t\r\n\"Ana\"\t1,5\t7\t\r\n\"Bor \"\"B\"\"\"\t2\t8\t\r\n");
    EXPECT_EQ(actions, (std::vector<std::string>{"E"}));

    QGuiApplication::clipboard()->setText("before");
    QTimer::singleShot(0, [] { TfProgress::Instance().CancelButton()->click(); });
    RunGuarded([&] { grid1->CopyToClipboard(); });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_FALSE(TfProgress::Instance().isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(people->ControlsDisabled());
    EXPECT_EQ(actions.size(), 1u);
    GridActionHook() = nullptr;
}

TEST_F(GridWidgetTest, KeysZoomRefuseDeletionAndRespectGridButtons) {
    int zooms = 0;
    grid1->OnZoom = [&](TToolGrid&) { ++zooms; };
    grid1->setFocus();
    QTest::keyClick(grid1, Qt::Key_Return);
    EXPECT_EQ(zooms, 1);
    QTest::keyClick(grid1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(ui.Errors.empty());
    QTest::keyClick(grid1, Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(ui.Errors, (std::vector<std::string>{TToolGrid::DeleteRefusedText}));
    EXPECT_EQ(people->RecordCount(), 2);

    grid1->SetgridButtons(AllGridButtons & ~ButtonBit(TGridButton::gbZoom));
    QTest::keyClick(grid1, Qt::Key_Return);
    EXPECT_EQ(zooms, 1);

    // A button's key does what the button does, and nothing while the button is greyed.
    QGuiApplication::clipboard()->setText("before");
    grid1->SetgridButtons(AllGridButtons & ~ButtonBit(TGridButton::gbCopyToClip));
    QTest::keyClick(grid1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    grid1->SetgridButtons(AllGridButtons);
    QTest::keyClick(grid1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Rezultati"));
}

TEST_F(GridWidgetTest, DestroyingAWindowWithTheBarShownKeepsTheButtons) {
    auto* form = new TGridWindow();
    auto* grid = new TToolGrid(form);
    grid->SetDataSource(&source);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    grid->setFocus();
    grid->ShowButtonBar();
    EXPECT_EQ(GridToolBar().Button(TGridButton::gbSort).parentWidget(), form);
    delete form;
    TGridToolButton& sort = GridToolBar().Button(TGridButton::gbSort);
    EXPECT_EQ(sort.parentWidget(), nullptr);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ClickTitle(*grid1);
    EXPECT_EQ(sort.parentWidget(), left);
}

TEST_F(GridWidgetTest, GridOfAnotherWindowTakingTheBarLeavesNoEmptyStrip) {
    QWidget other;
    other.resize(300, 300);
    auto* grid = new TToolGrid(&other);
    grid->SetDataSource(&source);
    grid->SetAlign(TAlign::alClient);
    ClickTitle(*grid1);
    ASSERT_TRUE(grid1->ButtonBarShown());
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ClickTitle(*grid);
    EXPECT_TRUE(grid->ButtonBarShown());
    EXPECT_FALSE(grid1->ButtonBarShown());
    EXPECT_EQ(grid1->geometry(), QRect(0, 0, 300, 300));
}

// On the main window's navy the buttons keep a light face, so every glyph reads; each says in
// Slovenian what it does.
TEST_F(GridWidgetTest, ButtonsHaveSlovenianTooltipsAndReadOnNavy) {
    QPalette navy = left->palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    left->setPalette(navy); // as the main window colours its client area
    left->setAutoFillBackground(true);
    ClickTitle(*grid1);
    std::set<QString> hints;
    for (TGridButton kind : BarOrder) {
        TGridToolButton& button = GridToolBar().Button(kind);
        EXPECT_FALSE(button.toolTip().isEmpty());
        hints.insert(button.toolTip());
        if (kind == TGridButton::gbZoom)
            continue;
        const QImage face = button.grab().toImage();
        EXPECT_GT(qGray(face.pixel(1, 1)), 200) << button.toolTip().toStdString();
        int ink = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                ink += qGray(face.pixel(x, y)) < 100 ? 1 : 0;
        EXPECT_GT(ink, 5) << button.toolTip().toStdString();
    }
    EXPECT_EQ(hints.size(), static_cast<size_t>(GridButtonCount));
    EXPECT_EQ(GridToolBar().Button(TGridButton::gbSort).toolTip(), "Sortiranje (Ctrl+Shift+S)");
}

TEST_F(GridWidgetTest, RendersWithTheBarIntoAPngForReview) {
    grid1->SetTitleWordwrap(true);
    EXPECT_EQ(grid1->horizontalHeader()->height(), 45);
    ClickTitle(*grid1);
    QDir().mkpath(ZORVEKA_TEST_OUTPUT_DIR);
    const QString file = QString(ZORVEKA_TEST_OUTPUT_DIR) + "/grid_with_toolbar.png";
    const QPixmap shot = window.grab();
    ASSERT_TRUE(shot.save(file));
    // The glyphs at twice the scale, as a high-density screen shows them.
    QImage strip(GridButtonCount * 36, 36, QImage::Format_ARGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int i = 0; i < GridButtonCount; ++i)
        painter.drawPixmap(i * 36 + 2, 2, RenderGlyph(static_cast<TGlyph>(i), 2));
    painter.end();
    ASSERT_TRUE(strip.save(QString(ZORVEKA_TEST_OUTPUT_DIR) + "/grid_glyphs_2x.png"));
    EXPECT_GT(QImage(file).width(), 0);
}

} // namespace
