// The focus frame drawn over the style's own.
#include "platform/ui_qt/FocusFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

void TFocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void InstallFocusFrameStyle() {
    QApplication::setStyle(new TFocusFrameStyle);
}
