// The grouping form's widgets driving the report: default lists, list clicks and the operator
// check box recaptioning, a title click, the result pages as tool grids titled with the form's
// title and printing through the installed service, and hiding discarding the temporary table.
#include "PrintTestSupport.h"

#include "grid/GridHooks.h"
#include "grid/ToolGrid.h"
#include "grid/print/DataSetPrintForm.h"
#include "platform/dataset/DataSource.h"
#include "platform/localdb/temp/PrivateDatabase.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QHideEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <utility>

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QString Cell(const TToolGrid* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

QString Title(const TToolGrid* grid, int column) {
    return grid->model()->headerData(column, Qt::Horizontal).toString();
}

// Puts the grids' services back as they were, so that no other case sees a recording one.
class TServicesRestored {
public:
    ~TServicesRestored() { GridServices() = FSaved; }

private:
    TGridServices FSaved = GridServices();
};

class DataSetPrintFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsurePrintApplication();
        Locale() = TLocale::Slovenian();
        list = MakeList(3);
        form.Prepare(*list);
        form.SetTitle("Seznam postavk");
        form.AutoSetup();
    }
    bool applicationReady = (EnsurePrintApplication(), true); // before the form's widgets
    std::unique_ptr<TMemDataSet> list;
    TDataSetPrintForm form;
};

TEST_F(DataSetPrintFormTest, DefaultChoiceFillsTheListsAndClicksRecaptionThem) {
    EXPECT_EQ(Items(form.lbGroup), (QStringList{"#", "NAZIV"}));
    EXPECT_EQ(Items(form.lbSum), (QStringList{"SUM ZNESEK", "SUM N"}));
    emit form.lbSum->itemClicked(form.lbSum->item(0));
    EXPECT_EQ(form.lbSum->item(0)->text(), "AVG ZNESEK");
    emit form.lbGroup->itemClicked(form.lbGroup->item(1));
    EXPECT_EQ(form.lbGroup->item(1)->text(), "××NAZIV");
    form.cbShowSumOp->setChecked(false);
    EXPECT_EQ(Items(form.lbSum), (QStringList{"ZNESEK", "N"}));
}

TEST_F(DataSetPrintFormTest, TitleClickOnTheLastColumnLeavesOnlyTheCount) {
    const int last = form.dbgTemp->columnCount() - 1;
    emit form.dbgTemp->horizontalHeader()->sectionClicked(
        form.dbgTemp->horizontalHeader()->logicalIndex(last));
    EXPECT_EQ(form.lbGroup->count(), 3);
    EXPECT_EQ(Items(form.lbSum), (QStringList{"SUM N"}));
}

TEST_F(DataSetPrintFormTest, SortButtonShowsRowsAndTheTotalRowOnItsPage) {
    form.btnSortClick();
    EXPECT_EQ(form.tabs->currentWidget(), form.tabSort);
    ASSERT_EQ(form.dbgQ->model()->rowCount(), 4);
    EXPECT_EQ(Cell(form.dbgQ, 1, 1), "Postavka 2");
    EXPECT_EQ(Cell(form.dbgQ, 3, 0).toStdString(), form.Report().TotalMarker());
    EXPECT_EQ(Title(form.dbgQ, 2), "SUM ZNESEK");
}

TEST_F(DataSetPrintFormTest, ResultPagesAreToolGridsWithTheReportButtons) {
    const TGridButtons expected = ButtonBit(TGridButton::gbLocate) | ButtonBit(TGridButton::gbPrint) |
                                  ButtonBit(TGridButton::gbGraph) | ButtonBit(TGridButton::gbTitleWordWrap) |
                                  ButtonBit(TGridButton::gbCopyToClip);
    for (const TToolGrid* grid : {form.dbgQ, form.dbgQG}) {
        EXPECT_EQ(grid->gridButtons(), expected);
        EXPECT_TRUE(grid->tabKeyNavigation());
        EXPECT_TRUE(grid->ShowHorzScrollBar());
        EXPECT_NE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    EXPECT_EQ(form.dbgQ->parentWidget(), form.tabSort);
    EXPECT_EQ(form.dbgQG->parentWidget(), form.tabGroup);
    EXPECT_FALSE(form.dbgQ->verticalHeader()->isVisibleTo(form.dbgQ));
    EXPECT_TRUE(form.dbgQG->verticalHeader()->isVisibleTo(form.dbgQG));
}

TEST_F(DataSetPrintFormTest, GroupButtonShowsSubtotalsAndTheGrandTotalInItsGrid) {
    form.btnGroupClick();
    EXPECT_EQ(form.tabs->currentWidget(), form.tabGroup);
    EXPECT_EQ(form.dbgQG->DataSource()->DataSet(), &form.Report().Grouped());
    // "#" is empty in every row: three NAZIV rows, their one "#" subtotal, the grand total.
    const QString marker = QString::fromStdString(form.Report().TotalMarker());
    ASSERT_EQ(form.dbgQG->model()->rowCount(), 5);
    EXPECT_EQ(Cell(form.dbgQG, 0, 1), "Postavka 1");
    EXPECT_EQ(Cell(form.dbgQG, 3, 1), marker);
    EXPECT_EQ(Cell(form.dbgQG, 4, 0), marker);
    EXPECT_EQ(Cell(form.dbgQG, 4, 2), "9,00");
    EXPECT_EQ(Cell(form.dbgQG, 4, 3), "3");
}

TEST_F(DataSetPrintFormTest, GroupColumnsOfTheGroupResultStandApartFromTheSums) {
    form.resize(700, 400);
    form.show();
    const QColor caption = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    // Row 1: the current row 0 is drawn selected whatever its column.
    auto background = [this](int column) {
        const QImage image = form.dbgQG->viewport()->grab().toImage();
        const QRect cell = form.dbgQG->visualRect(form.dbgQG->model()->index(1, column));
        return image.pixelColor(cell.left() + 2, cell.bottom() - 1);
    };
    form.btnGroupClick();
    EXPECT_EQ(background(0), caption);
    EXPECT_EQ(background(1), caption);
    EXPECT_NE(background(2), caption);

    // Only "#" groups now; the column after it holds a sum and is drawn as one.
    form.Report().Settings().TitleClick(form.Report().Temp(), 1);
    form.btnGroupClick();
    EXPECT_EQ(background(0), caption);
    EXPECT_NE(background(1), caption);
}

TEST_F(DataSetPrintFormTest, ResultGridsCarryTheTitleAndPrintUnderIt) {
    EXPECT_EQ(form.dbgQ->labelText(), "Seznam postavk");
    form.title->setPlainText("Prva vrstica\nDruga vrstica");
    EXPECT_EQ(form.dbgQG->labelText(), "Prva vrstica\nDruga vrstica");

    TServicesRestored restored;
    std::vector<std::pair<std::string, TDataSet*>> printed;
    GridServices().PrintList = [&printed](TToolGrid& grid) {
        printed.emplace_back(grid.labelText(), grid.DataSource()->DataSet());
    };
    form.dbgQ->Print(); // nothing to print before the query ran
    EXPECT_TRUE(printed.empty());
    form.btnSortClick();
    form.dbgQ->Print();
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].first, "Prva vrstica\nDruga vrstica");
    EXPECT_EQ(printed[0].second, &form.Report().Sorted());
}

TEST_F(DataSetPrintFormTest, QueryErrorsFromTheButtonsAreShownNotThrown) {
    TRecordingUi ui;
    TScopedUi scopedUi(ui);
    form.Report().Settings().AddGroup(form.Report().Temp().FieldByName("ZNESEK"), true);
    form.Report().Settings().AddSum(form.Report().Temp().FieldByName("ZNESEK"), 1); // ZNESEK twice
    form.btnGroup->click();
    EXPECT_EQ(ui.Errors, (std::vector<std::string>{"Duplicate column name ZNESEK"}));
    EXPECT_EQ(ui.WaitCursorDepth, 0);
}

TEST_F(DataSetPrintFormTest, HidingTheFormDeletesTheTemporaryTable) {
    form.show();
    const std::string table = form.Report().Temp().TableName();
    form.hide();
    EXPECT_FALSE(TTable(PrivateDatabase(), table).Exists());
}

TEST_F(DataSetPrintFormTest, MinimisingKeepsTheReportAndItsSettingsWork) {
    form.show();
    form.btnGroupClick();
    const std::string table = form.Report().Temp().TableName();
    form.setWindowState(Qt::WindowMinimized);
    QHideEvent minimised;
    QApplication::sendEvent(&form, &minimised);
    EXPECT_TRUE(TTable(PrivateDatabase(), table).Exists());
    EXPECT_TRUE(form.Report().Grouped().Active());
    form.setWindowState(Qt::WindowNoState);
    const QStringList before = Items(form.lbGroup);
    emit form.lbGroup->itemClicked(form.lbGroup->item(0));
    EXPECT_NE(Items(form.lbGroup), before) << "the subtotal mark toggles";
    form.btnGroupClick();
    EXPECT_EQ(form.dbgQG->model()->rowCount(), 4) << "without the NAZIV subtotal";
}

} // namespace

// The user clicks a report button again while the copy to the local table lets messages through.
class TClickingProgress : public IProgress {
public:
    std::vector<QPushButton*> Buttons;
    void Start(const std::string&, int) override {}
    void Step() override {
        for (QPushButton* button : std::exchange(Buttons, {}))
            button->click();
    }
    void Stop() override {}
};

class TClickDuringCopy : public TRecordingUi {
public:
    TClickingProgress Clicks;
    ::IProgress& Progress() override { return Clicks; }
};

TEST_F(DataSetPrintFormTest, ASecondClickDuringTheCopyCopiesNothingTwice) {
    for (const bool group : {true, false}) {
        form.Prepare(*list);
        form.AutoSetup();
        TClickDuringCopy ui;
        TScopedUi scopedUi(ui);
        ui.Clicks.Buttons = {form.btnGroup, form.btnSort};
        (group ? form.btnGroup : form.btnSort)->click();
        EXPECT_EQ(form.Report().Temp().RecordCount(), 3) << (group ? "Grupiranje" : "Sortiranje");
        EXPECT_TRUE(form.btnGroup->isEnabled());
        EXPECT_TRUE(form.Report().Copied());
    }
}
