// The style's own look with a focus frame a user sees at a glance: where the style marks the
// keyboard focus, a two-pixel frame in the highlight colour.
#pragma once

#include <QProxyStyle>

class TFocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

//! Gives the application the style with the plain focus frame.
void InstallFocusFrameStyle();
