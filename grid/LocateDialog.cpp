// The locate dialog's controls and searches.
#include "grid/LocateDialog.h"

#include "grid/LocateSearch.h"
#include "grid/ToolGrid.h"
#include "platform/dataset/DataSet.h"
#include "platform/settings/Exceptions.h"
#include "platform/ui/UiGuards.h"

namespace {
// The platform's text for a value its mask does not accept.
const std::string MaskErrorText = "Neveljavna vrednost. S tipko Esc spremembe opustite.";
} // namespace

TLocateDialog::TLocateDialog(QWidget* parent) : TGridWindow(parent) {
    setupUi(this);
    connect(cbFields, &QComboBox::currentIndexChanged, this, [this] { cbFieldsChange(); });
    connect(meValue, &QLineEdit::textChanged, this, [this] {
        btnFindFirst->setEnabled(true);
        btnFindNext->setEnabled(true);
    });
    connect(btnFindFirst, &QPushButton::clicked, this, [this] { btnFindFirstClick(); });
    connect(btnFindNext, &QPushButton::clicked, this, [this] { btnFindNextClick(); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TLocateDialog& TLocateDialog::Instance() {
    static TLocateDialog* instance = new TLocateDialog();
    return *instance;
}

void TLocateDialog::Prepare(TDataSource* dataSource) {
    if (dataSource == FDataSource)
        return;
    FDataSource = dataSource;
    meValue->hide();
    const QSignalBlocker blocker(cbFields);
    cbFields->clear();
    if (dataSource && dataSource->DataSet())
        for (const int i : LocateFieldIndexes(*dataSource->DataSet())) {
            const TField& field = dataSource->DataSet()->Fields(i);
            cbFields->addItem(QString::fromStdString(field.DisplayLabel()),
                              QString::fromStdString(field.FieldName()));
        }
    cbFields->setCurrentIndex(-1);
    cbFieldsChange();
}

bool TLocateDialog::Execute(TDataSource* dataSource) {
    Prepare(dataSource);
    return exec() == QDialog::Accepted;
}

void TLocateDialog::FindNext(TDataSource* dataSource) {
    if (dataSource == FDataSource && ChosenField())
        btnFindNextClick();
    else
        Execute(dataSource);
}

void TLocateDialog::cbFieldsChange() {
    meValue->setInputMask({});
    meValue->clear();
    const int chosen = cbFields->currentIndex();
    if (chosen < 0 || !FDataSource || !FDataSource->DataSet())
        return;
    meValue->show();
    meValue->setEnabled(true);
    cbExact->setEnabled(true);
    if (const TField* field = ChosenField())
        meValue->setInputMask(QString::fromStdString(field->EditMask()));
    btnFindFirst->setEnabled(false);
    btnFindNext->setEnabled(false);
}

// By name: the column chooser may have re-ordered the fields since the list was built.
const TField* TLocateDialog::ChosenField() const {
    TDataSet* dataSet = FDataSource ? FDataSource->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active() || cbFields->currentIndex() < 0)
        return nullptr;
    return dataSet->FindField(cbFields->currentData().toString().toStdString());
}

void TLocateDialog::Search(bool fromFirst) {
    RunGuarded([this, fromFirst] {
        TWaitCursor wait;
        const TField* field = ChosenField();
        if (!field)
            return;
        if (!meValue->inputMask().isEmpty() && !meValue->hasAcceptableInput())
            throw Exception(MaskErrorText);
        const std::string value = meValue->text().toStdString();
        const bool exact = cbExact->isChecked();
        if (!LocateRecord(field->DataSet(), field->Index(), value, exact, fromFirst))
            Ui().ShowMessage(LocateNotFoundText(value, exact));
    });
}
