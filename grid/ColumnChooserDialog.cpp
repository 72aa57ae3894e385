// The column chooser's window over its state.
#include "grid/ColumnChooserDialog.h"

#include "grid/ToolGrid.h"
#include "platform/dataset/Field.h"
#include "platform/ui/UiGuards.h"

#include <QTimer>

namespace {
constexpr int FirstRepeatMs = 500;
constexpr int NextRepeatMs = 100;

void Fill(QListWidget& list, const std::vector<TColumnEntry>& entries, int selected) {
    const QSignalBlocker blocker(&list);
    list.clear();
    for (const TColumnEntry& entry : entries)
        list.addItem(QString::fromStdString(entry.Caption));
    list.setCurrentRow(selected);
}
} // namespace

TColumnChooserDialog::TColumnChooserDialog(QWidget* parent) : TGridDialog(parent) {
    setupUi(this);
    tmrBtn = new QTimer(this);

    connect(btnUp, &QPushButton::pressed, this, [this] { StartRepeat(&TColumnChooser::MoveUp); });
    connect(btnDown, &QPushButton::pressed, this, [this] { StartRepeat(&TColumnChooser::MoveDown); });
    connect(btnUp, &QPushButton::released, this, [this] { StopRepeat(); });
    connect(btnDown, &QPushButton::released, this, [this] { StopRepeat(); });
    connect(tmrBtn, &QTimer::timeout, this, [this] {
        tmrBtn->setInterval(NextRepeatMs);
        if (FRepeated)
            Act(FRepeated);
    });
    connect(btnRight, &QPushButton::clicked, this, [this] { Act(&TColumnChooser::HideSelected); });
    connect(btnAllRight, &QPushButton::clicked, this, [this] { Act(&TColumnChooser::HideAll); });
    connect(btnLeft, &QPushButton::clicked, this, [this] { Act(&TColumnChooser::ShowSelected); });
    connect(btnAllLeft, &QPushButton::clicked, this, [this] { Act(&TColumnChooser::ShowAll); });
    connect(btnDisplayLabel, &QPushButton::clicked, this, [this] { btnDisplayLabelClick(); });
    connect(lbOn, &QListWidget::currentRowChanged, this, [this](int row) {
        FChooser.SelectOn(row);
        UpdateControls();
    });
    connect(lbOff, &QListWidget::currentRowChanged, this, [this](int row) { FChooser.SelectOff(row); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TColumnChooserDialog& TColumnChooserDialog::Instance() {
    static TColumnChooserDialog* instance = new TColumnChooserDialog();
    return *instance;
}

void TColumnChooserDialog::Prepare(const std::vector<TColumnEntry>& on,
                                   const std::vector<TColumnEntry>& off) {
    TWaitCursor wait;
    FChooser.Fill(on, off);
    ShowLists();
}

bool TColumnChooserDialog::Execute(std::vector<TColumnEntry>& on, std::vector<TColumnEntry>& off) {
    Prepare(on, off);
    if (exec() != QDialog::Accepted)
        return false;
    on = FChooser.On();
    off = FChooser.Off();
    return true;
}

void TColumnChooserDialog::Act(void (TColumnChooser::*move)()) {
    (FChooser.*move)();
    ShowLists();
}

void TColumnChooserDialog::StartRepeat(void (TColumnChooser::*move)()) {
    FRepeated = move;
    Act(move);
    tmrBtn->start(FirstRepeatMs);
}

void TColumnChooserDialog::StopRepeat() {
    tmrBtn->stop();
    FRepeated = nullptr;
    UpdateControls();
}

void TColumnChooserDialog::btnDisplayLabelClick() {
    RunGuarded([this] {
        // The names change even when the width then fails to convert; the lists show what holds.
        struct TShowAfter {
            TColumnChooserDialog& dialog;
            ~TShowAfter() { dialog.ShowLists(); }
        } showAfter{*this};
        FChooser.ApplyDisplayLabel(edDisplayLabel->text().toStdString(),
                                   edDisplayWidth->text().toStdString());
    });
}

void TColumnChooserDialog::ShowLists() {
    Fill(*lbOn, FChooser.On(), FChooser.OnIndex());
    Fill(*lbOff, FChooser.Off(), FChooser.OffIndex());
    UpdateControls();
}

void TColumnChooserDialog::UpdateControls() {
    const int selected = FChooser.OnIndex();
    const bool hasSelection = selected >= 0 && selected < static_cast<int>(FChooser.On().size());
    edDisplayLabel->setEnabled(hasSelection);
    edDisplayWidth->setEnabled(hasSelection);
    if (hasSelection) {
        const TColumnEntry& entry = FChooser.On()[static_cast<size_t>(selected)];
        edDisplayLabel->setText(QString::fromStdString(entry.Caption));
        if (entry.Field)
            edDisplayWidth->setText(QString::number(entry.Field->DisplayWidth()));
    }
    const bool anyOn = !FChooser.On().empty();
    const bool anyOff = !FChooser.Off().empty();
    for (QPushButton* button : {btnUp, btnDown, btnRight, btnAllRight})
        button->setEnabled(anyOn);
    btnLeft->setEnabled(anyOff);
    btnAllLeft->setEnabled(anyOff);
}
