// The form bases of the grid library's windows: TTranslatable re-enters its active control when
// the window is activated, TWForm detaches the shared tool buttons before its children go, and
// TDialog gives its native window back whenever it is hidden.
#pragma once

#include <QDialog>

class TTranslatable : public QDialog {
    Q_OBJECT
public:
    explicit TTranslatable(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
};

class TWForm : public TTranslatable {
    Q_OBJECT
public:
    using TTranslatable::TTranslatable;
    ~TWForm() override;
};

class TDialog : public TWForm {
    Q_OBJECT
public:
    using TWForm::TWForm;

protected:
    void hideEvent(QHideEvent* event) override;
};
