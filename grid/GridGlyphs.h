// The project's own glyphs of the grid tool bar, drawn as vector shapes on a 16-unit square so
// they stay crisp at 18 x 18 buttons and at twice the scale.
#pragma once

#include <QIcon>

enum class TGlyph {
    Magnifier,
    View,
    Print,
    PrintGroup,
    Locate,
    Sort,
    Refresh,
    BarChart,
    TitleWordWrap,
    Copy,
    Export,
};

//! The glyph with pixmaps at scale 1 and 2.
QIcon GridGlyph(TGlyph glyph);
//! The glyph rendered at a device pixel ratio (16 x 16 logical pixels).
QPixmap RenderGlyph(TGlyph glyph, qreal scale);
