// A titled frame of radio buttons whose choice is one item index, -1 for none: the form of the
// risk-type choice, whose index is the stored OT_LIK.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);

private:
    QButtonGroup* FButtons;
};
