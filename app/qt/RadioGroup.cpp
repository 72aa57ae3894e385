// The radio group: one button per item, stacked, numbered by position.
#include "app/qt/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QStringList& items, QWidget* parent)
    : QGroupBox(parent), FButtons(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        FButtons->addButton(button, i);
        layout->addWidget(button);
    }
}

int TRadioGroup::ItemIndex() const {
    return FButtons->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = FButtons->button(index))
        button->setChecked(true);
}
