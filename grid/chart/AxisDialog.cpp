// The axis dialog of the chart; see AxisDialog.h.
#include "grid/chart/AxisDialog.h"

#include "platform/settings/Exceptions.h"
#include "platform/ui/UserInterface.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

QStringList Texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

TAxisDialog::TAxisDialog(QWidget* parent)
    : TGridWindow(parent), FcbX(new QComboBox), FlbY(new QListWidget), FcbG(new QComboBox),
      FbtnClear(new QPushButton("Počisti")), FBitBtn1(nullptr) {
    setWindowTitle("Osi grafa");
    FlbY->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    FBitBtn1 = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &TAxisDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TAxisDialog::reject);
    connect(FbtnClear, &QPushButton::clicked, this, [this] { FcbG->setCurrentIndex(-1); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("x - os "), 0, 0);
    layout->addWidget(FcbX, 0, 1, 1, 2);
    layout->addWidget(new QLabel("y - os "), 1, 0, Qt::AlignTop);
    layout->addWidget(FlbY, 1, 1, 1, 2);
    layout->addWidget(new QLabel("Grupiranje"), 2, 0);
    layout->addWidget(FcbG, 2, 1);
    layout->addWidget(FbtnClear, 2, 2);
    layout->addWidget(buttons, 3, 0, 1, 3);
}

bool TAxisDialog::Execute(const TDataSet& dataSet, std::string& x, std::vector<std::string>& yList,
                          std::string& g) {
    Fill(dataSet);
    Preselect(x, yList, g);
    if (exec() != QDialog::Accepted)
        return false;
    x = FLists.Categories.Names[FcbX->currentIndex()];
    yList = SelectedY();
    const int group = FcbG->currentIndex();
    g = group >= 0 ? FLists.Categories.Names[group] : std::string();
    return true;
}

void TAxisDialog::accept() {
    try {
        CheckAxisChoice(FcbX->currentIndex(), static_cast<int>(SelectedY().size()));
    } catch (const Exception& error) {
        Ui().ShowError(error.Message());
        return;
    }
    TGridWindow::accept();
}

void TAxisDialog::Fill(const TDataSet& dataSet) {
    FLists = AxisFieldLists(dataSet);
    FcbX->clear();
    FcbX->addItems(Texts(FLists.Categories.Labels));
    FcbG->clear();
    FcbG->addItems(Texts(FLists.Categories.Labels));
    FlbY->clear();
    FlbY->addItems(Texts(FLists.Values.Labels));
}

void TAxisDialog::Preselect(const std::string& x, const std::vector<std::string>& yList,
                            const std::string& g) {
    FcbX->setCurrentIndex(FLists.Categories.IndexOf(x));
    for (int i = 0; i < FlbY->count(); ++i) {
        const std::string& name = FLists.Values.Names[i];
        FlbY->item(i)->setSelected(std::find(yList.begin(), yList.end(), name) != yList.end());
    }
    FcbG->setCurrentIndex(FLists.Categories.IndexOf(g));
}

// In list order, whatever order the user clicked them in.
std::vector<std::string> TAxisDialog::SelectedY() const {
    std::vector<std::string> names;
    for (int i = 0; i < FlbY->count(); ++i)
        if (FlbY->item(i)->isSelected())
            names.push_back(FLists.Values.Names[i]);
    return names;
}
