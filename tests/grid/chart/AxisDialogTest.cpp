// The axis dialog: which fields it offers where, what it preselects, what OK and Cancel return,
// and an incomplete choice that is refused while the dialog stays open.
#include "grid/chart/AxisDialog.h"

#include "TestApp.h"

#include "platform/dataset/MemDataSet.h"
#include "platform/ui/RecordingUi.h"
#include "platform/ui/UiGuards.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class AxisDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::pair<const char*, TFieldType>> fields{
            {"NAME", TFieldType::ftString},    {"CODE", TFieldType::ftFixedChar},
            {"MEMO", TFieldType::ftMemo},      {"SMALL", TFieldType::ftSmallint},
            {"COUNT", TFieldType::ftInteger},  {"RATE", TFieldType::ftFloat},
            {"PRICE", TFieldType::ftCurrency}, {"DAY", TFieldType::ftDate},
            {"HOUR", TFieldType::ftTime},      {"STAMP", TFieldType::ftDateTime},
            {"HIDDEN", TFieldType::ftFloat},   {"AMOUNT", TFieldType::ftFloat},
            {"SECRET", TFieldType::ftInteger},
        };
        for (const auto& [name, type] : fields)
            DataSet.FieldDefs().Add(name, type,
                                    type == TFieldType::ftString || type == TFieldType::ftFixedChar ? 10 : 0);
        DataSet.Open();
        for (int i = 0; i < DataSet.FieldCount(); ++i)
            DataSet.Fields(i).SetDisplayLabel("L_" + DataSet.Fields(i).FieldName());
        DataSet.FieldByName("HIDDEN").SetVisible(false);
        DataSet.FieldByName("SECRET").SetVisible(false);
    }

    //! Runs Execute while act works the shown dialog.
    bool Run(const std::function<void()>& act) {
        QTimer::singleShot(0, &Dialog, act);
        return Dialog.Execute(DataSet, X, Y, G);
    }

    QApplication& App = TestApp(); // before the dialog
    TRecordingUi RecordingUi;
    TScopedUi ScopedUi{RecordingUi};
    TMemDataSet DataSet;
    TAxisDialog Dialog;
    std::string X = "COUNT";
    std::vector<std::string> Y{"AMOUNT", "PRICE"};
    std::string G = "NOSUCH";
};

TEST_F(AxisDialogTest, OffersTextsIntegersAndDatesForXAndGroupsAndFloatsForYInFieldOrder) {
    Run([this] {
        EXPECT_EQ(Dialog.windowTitle(), "Osi grafa");
        const QStringList categories{"L_NAME", "L_CODE", "L_SMALL", "L_COUNT", "L_DAY", "L_STAMP"};
        EXPECT_EQ(Items(Dialog.cbX()), categories);
        EXPECT_EQ(Items(Dialog.cbG()), categories);
        EXPECT_EQ(Items(Dialog.lbY()), (QStringList{"L_RATE", "L_AMOUNT"}));
        Dialog.reject();
    });
}

TEST_F(AxisDialogTest, PreselectsTheCurrentChoiceAndLeavesAnUnknownGroupUnselected) {
    const bool accepted = Run([this] {
        EXPECT_EQ(Dialog.cbX()->currentText(), "L_COUNT");
        EXPECT_FALSE(Dialog.lbY()->item(0)->isSelected());
        EXPECT_TRUE(Dialog.lbY()->item(1)->isSelected());
        EXPECT_EQ(Dialog.cbG()->currentIndex(), -1);
        Dialog.reject();
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(X, "COUNT");
    EXPECT_EQ(Y, (std::vector<std::string>{"AMOUNT", "PRICE"}));
    EXPECT_EQ(G, "NOSUCH");
}

TEST_F(AxisDialogTest, OkReturnsTheFieldNamesWithTheValuesInListOrder) {
    const bool accepted = Run([this] {
        Dialog.cbX()->setCurrentIndex(4);
        Dialog.lbY()->item(0)->setSelected(true);
        Dialog.cbG()->setCurrentIndex(0);
        Dialog.BitBtn1()->click();
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(X, "DAY");
    EXPECT_EQ(Y, (std::vector<std::string>{"RATE", "AMOUNT"}));
    EXPECT_EQ(G, "NAME");
}

TEST_F(AxisDialogTest, ClearingTheGroupReturnsNoGroup) {
    G = "SMALL";
    EXPECT_TRUE(Run([this] {
        EXPECT_EQ(Dialog.cbG()->currentText(), "L_SMALL");
        Dialog.btnClear()->click();
        Dialog.BitBtn1()->click();
    }));
    EXPECT_EQ(G, "");
}

TEST_F(AxisDialogTest, OkWithoutXOrYIsRefusedAndTheDialogStaysOpen) {
    const bool accepted = Run([this] {
        Dialog.cbX()->setCurrentIndex(-1);
        Dialog.BitBtn1()->click();
        EXPECT_TRUE(Dialog.isVisible());
        Dialog.cbX()->setCurrentIndex(0);
        Dialog.lbY()->clearSelection();
        Dialog.BitBtn1()->click();
        EXPECT_TRUE(Dialog.isVisible());
        Dialog.lbY()->item(0)->setSelected(true);
        Dialog.BitBtn1()->click();
    });
    EXPECT_EQ(RecordingUi.Errors, (std::vector<std::string>{"Missing X or Y", "Missing X or Y"}));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(X, "NAME");
    EXPECT_EQ(Y, (std::vector<std::string>{"RATE"}));
}

} // namespace
