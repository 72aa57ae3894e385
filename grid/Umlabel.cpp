// The caption label and its name counter.
#include "grid/Umlabel.h"

namespace {
int labelCounter = 0;
}

TMemLabel::TMemLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QString("MemLabel%1").arg(++labelCounter));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    QFont labelFont("Arial");
    labelFont.setPointSize(8);
    setFont(labelFont);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Active, QPalette::WindowText));
    setPalette(colours);
    adjustSize();
}

int TMemLabel::Created() {
    return labelCounter;
}
