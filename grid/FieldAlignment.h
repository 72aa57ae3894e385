// How a field's alignment reads as Qt's horizontal alignment; the grid's cells, its titles and the
// printed list all align a column the same way.
#pragma once

#include "platform/dataset/Field.h"

#include <Qt>

inline Qt::Alignment HorizontalAlignment(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}
