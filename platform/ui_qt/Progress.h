// The progress window of the grid tools: a title (also its caption), a bar and a Cancel button,
// kept on top and modal while a dataset-wide loop runs. Step lets pending events run, so Cancel is heard, and
// then raises the silent abort; the loop's own guards undo what it changed.
#pragma once

#include "platform/ui/UserInterface.h"
#include "ui_Progress.h"

#include <QDialog>
#include <QElapsedTimer>

class TfProgress : public QDialog, public IProgress, private Forms::Ui::TfProgress {
    Q_OBJECT
public:
    explicit TfProgress(QWidget* parent = nullptr);

    void Start(const std::string& title, int maximum) override;
    void Step() override;
    void Stop() override { hide(); }

    //! The one window of the process, created on first use.
    static TfProgress& Instance();

    QPushButton* CancelButton() const { return btnCancel; }
    QProgressBar* Bar() const { return pbProgress; }
    QString Title() const;

private:
    static constexpr int PumpIntervalMs = 40;
    bool FCancelled = false;
    int FPosition = 0;
    QElapsedTimer FSincePump; // invalid until the first step pumps
};
