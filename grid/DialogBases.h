// The form bases of the grid library's windows: TRefocusingDialog re-enters its active control when
// the window is activated, TGridWindow detaches the shared tool buttons before its children go, and
// TGridDialog gives its native window back whenever it is hidden.
#pragma once

#include <QDialog>

class TRefocusingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TRefocusingDialog(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
};

class TGridWindow : public TRefocusingDialog {
    Q_OBJECT
public:
    using TRefocusingDialog::TRefocusingDialog;
    ~TGridWindow() override;
};

class TGridDialog : public TGridWindow {
    Q_OBJECT
public:
    using TGridWindow::TGridWindow;

protected:
    void hideEvent(QHideEvent* event) override;
};
