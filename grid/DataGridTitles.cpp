// Title drawing of the base grid: a raised inner edge (sunken in SortColor for the sort column),
// the rectangle shrunk by one pixel and filled, the caption in the title font with its alignment,
// an end ellipsis, and word-break when titles wrap.
#include "grid/DataGrid.h"

#include "grid/FieldAlignment.h"
#include "platform/dataset/Field.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void DrawInnerEdge(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
}

QString Caption(const QFontMetrics& metrics, const QString& text, const QRect& rect, bool wrap) {
    if (!wrap)
        return metrics.elidedText(text, Qt::ElideRight, rect.width());
    // Wrapped: the lines that fit, the last one ending in an ellipsis when text is left over.
    QString shown;
    QString rest = text;
    const int lines = std::max(1, rect.height() / metrics.lineSpacing());
    for (int line = 0; line < lines && !rest.isEmpty(); ++line) {
        if (line == lines - 1 || metrics.horizontalAdvance(rest) <= rect.width()) {
            shown += (shown.isEmpty() ? "" : "\n") + metrics.elidedText(rest, Qt::ElideRight, rect.width());
            break;
        }
        int cut = rest.size();
        while (cut > 1 && metrics.horizontalAdvance(rest.left(cut)) > rect.width())
            --cut;
        const int space = rest.left(cut + 1).lastIndexOf(' ');
        if (space > 0)
            cut = space;
        shown += (shown.isEmpty() ? "" : "\n") + rest.left(cut);
        rest = rest.mid(cut).trimmed();
    }
    return shown;
}

} // namespace

TTitleHeader::TTitleHeader(TCustomDataGrid& grid) : QHeaderView(Qt::Horizontal, &grid), FGrid(grid) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

void TTitleHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const TField* field = FGrid.ColumnField(logicalIndex);
    if (!field)
        return;
    painter->save();
    const bool sortColumn = logicalIndex == FGrid.SortColumn();
    const QColor fill = sortColumn ? FGrid.SortColor() : FGrid.TitleColor();
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    QRect cell = rect.adjusted(0, 0, -1, -1);
    painter->fillRect(cell, fill);
    if (sortColumn)
        DrawInnerEdge(*painter, cell, shadow, light);
    else
        DrawInnerEdge(*painter, cell, light, shadow);
    cell.adjust(1, 1, -1, -1);
    painter->fillRect(cell, fill);
    painter->setFont(FGrid.TitleFont());
    painter->setPen(FGrid.TitleFontColor());
    const QRect textRect = cell.adjusted(2, 1, -2, -1);
    const QString text =
        Caption(QFontMetrics(FGrid.TitleFont()), QString::fromStdString(field->DisplayLabel()), textRect,
                FGrid.TitleWordwrap());
    painter->drawText(textRect, HorizontalAlignment(field->Alignment()) | Qt::AlignTop, text);
    painter->restore();
}

void TTitleHeader::mousePressEvent(QMouseEvent* event) {
    FGrid.setFocus(Qt::MouseFocusReason); // a title click enters the grid, as a cell click does
    QHeaderView::mousePressEvent(event);
}
