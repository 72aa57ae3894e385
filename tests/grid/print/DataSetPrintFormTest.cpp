// The grouping form's widgets driving the report: default lists, list clicks and the operator
// check box recaptioning, a title click, the sort button filling its page, and hiding discarding
// the temporary table.
#include "PrintTestSupport.h"

#include "grid/print/uDsPrint.h"
#include "platform/localdb/temp/PrivateDatabase.h"
#include "platform/settings/Locale.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

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
    TfDataSetPrint form;
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
    ASSERT_EQ(form.dbgQ->rowCount(), 4);
    EXPECT_EQ(form.dbgQ->item(3, 0)->text().toStdString(), form.Report().TotalMarker());
    EXPECT_EQ(form.dbgQ->horizontalHeaderItem(2)->text(), "SUM ZNESEK");
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

} // namespace
