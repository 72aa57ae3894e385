// The form bases.
#include "grid/DialogBases.h"

#include "grid/GridToolBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QTimer>

TRefocusingDialog::TRefocusingDialog(QWidget* parent) : QDialog(parent) {}

void TRefocusingDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    if (QWidget* active = focusWidget())
        QCoreApplication::postEvent(active, new QFocusEvent(QEvent::FocusIn, Qt::ActiveWindowFocusReason));
}

TGridWindow::~TGridWindow() {
    // Before ~QWidget deletes the children: the shared buttons must outlive this window. Only
    // those inside it: another window's grid may be showing the bar.
    GridToolBar().DetachFrom(*this);
}

void TGridDialog::hideEvent(QHideEvent* event) {
    TGridWindow::hideEvent(event);
    // Released once the hiding is over; the next show creates the window anew.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            destroy(true, true);
    });
}
