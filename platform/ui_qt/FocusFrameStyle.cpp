// The focus frame drawn over the style's own.
#include "platform/ui_qt/FocusFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace {

void DrawFocusFrame(const QRect& rect, const QPalette& palette, QPainter* painter) {
    painter->save();
    painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

void TFocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (element == PE_FrameFocusRect)
        DrawFocusFrame(option->rect, option->palette, painter);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TFocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // The base style marks a focused push button only by a faint outline, and only after a Tab.
    if (element == CE_PushButton && (option->state & State_HasFocus))
        DrawFocusFrame(option->rect.adjusted(1, 1, -1, -1), option->palette, painter);
}

void InstallFocusFrameStyle() {
    QApplication::setStyle(new TFocusFrameStyle);
}
