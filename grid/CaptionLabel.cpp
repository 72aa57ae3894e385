// The caption label and its name counter.
#include "grid/CaptionLabel.h"

namespace {
int labelCounter = 0;
}

TCaptionLabel::TCaptionLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QString("MemLabel%1").arg(++labelCounter));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    QFont labelFont("Arial");
    labelFont.setPointSize(8);
    setFont(labelFont);
    // Qt has no role for the title bar's text colour; the window text colour stands in for it.
    setForegroundRole(QPalette::WindowText);
    adjustSize();
}
