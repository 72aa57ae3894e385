// Drawing the eleven tool bar glyphs. Each is a few strokes and fills on a 16 x 16 grid with
// lines on half-pixel centres, so one-unit strokes land on whole device pixels at any integer scale.
#include "grid/GridGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Blue(30, 90, 180);
const QColor Green(40, 140, 60);
const QColor Red(190, 40, 40);
const QColor Yellow(235, 190, 40);

void Page(QPainter& p, const QRectF& rect) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(rect);
}

void Lines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal step, const QColor& colour) {
    p.setPen(QPen(colour, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(right, top + i * step));
}

void Lens(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal reach = radius * 0.72;
    p.drawLine(centre + QPointF(reach, reach), centre + QPointF(reach + 4, reach + 4));
}

void Printer(QPainter& p) {
    Page(p, QRectF(4.5, 1.5, 7, 5));
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    Page(p, QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(Green, 1));
    p.drawPoint(QPointF(12.5, 8.5));
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour) {
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath head;
    head.moveTo(to + d * 1.5);
    head.lineTo(to - d * 2.5 + n * 2.5);
    head.lineTo(to - d * 2.5 - n * 2.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

void DrawGlyph(QPainter& p, TGlyph glyph) {
    switch (glyph) {
    case TGlyph::Magnifier:
        Lens(p, QPointF(6.5, 6.5), 4.5);
        break;
    case TGlyph::View: // columns chosen: a table with one column highlighted
        Page(p, QRectF(1.5, 2.5, 13, 11));
        p.fillRect(QRectF(6, 3, 4, 10), QColor(200, 225, 255));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(1.5, 5.5), QPointF(14.5, 5.5));
        p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 13.5));
        p.drawLine(QPointF(10.5, 2.5), QPointF(10.5, 13.5));
        break;
    case TGlyph::Print:
        Printer(p);
        break;
    case TGlyph::PrintGroup:
        Printer(p);
        p.setPen(QPen(Red, 1.5));
        p.drawText(QRectF(9, 0, 7, 8), Qt::AlignCenter, QStringLiteral("Σ"));
        break;
    case TGlyph::Locate:
        Page(p, QRectF(1.5, 1.5, 9, 12));
        Lines(p, 3, 9, 4.5, 4, 2, QColor(150, 150, 150));
        Lens(p, QPointF(9.5, 9.5), 3);
        break;
    case TGlyph::Sort:
        Lines(p, 1, 7, 3.5, 1, 0, Ink);
        Lines(p, 1, 5, 7.5, 1, 0, Ink);
        Lines(p, 1, 3, 11.5, 1, 0, Ink);
        Arrow(p, QPointF(11.5, 2), QPointF(11.5, 11), Blue);
        break;
    case TGlyph::Refresh: {
        p.setPen(QPen(Green, 2, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(6.5, 0.5);
        head.lineTo(10.5, 3.5);
        head.lineTo(6.5, 6.5);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawPath(head);
        break;
    }
    case TGlyph::BarChart:
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
        p.fillRect(QRectF(3, 8, 3, 6), Blue);
        p.fillRect(QRectF(7, 3, 3, 11), Red);
        p.fillRect(QRectF(11, 6, 3, 8), Yellow);
        break;
    case TGlyph::TitleWordWrap:
        Lines(p, 1, 14, 3.5, 1, 0, Ink);
        Lines(p, 1, 7, 8.5, 1, 0, Ink);
        p.setPen(QPen(Blue, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 3.5, 5, 5), 270 * 16, 180 * 16);
        Arrow(p, QPointF(11.5, 8.5), QPointF(8, 8.5), Blue);
        Lines(p, 1, 10, 13.5, 1, 0, Ink);
        break;
    case TGlyph::Copy:
        Page(p, QRectF(1.5, 1.5, 8, 10));
        Lines(p, 3, 8, 4.5, 3, 2, QColor(150, 150, 150));
        Page(p, QRectF(6.5, 4.5, 8, 10));
        Lines(p, 8, 13, 7.5, 3, 2, QColor(150, 150, 150));
        break;
    case TGlyph::Export:
        Page(p, QRectF(1.5, 1.5, 9, 13));
        Lines(p, 3, 9, 4.5, 4, 2, QColor(150, 150, 150));
        Arrow(p, QPointF(6, 10.5), QPointF(13, 10.5), Green);
        break;
    }
}

} // namespace

QPixmap RenderGlyph(TGlyph glyph, qreal scale) {
    const int side = qRound(16 * scale);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        QFont font = painter.font();
        font.setPixelSize(8);
        font.setBold(true);
        painter.setFont(font);
        DrawGlyph(painter, glyph);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QIcon GridGlyph(TGlyph glyph) {
    QIcon icon;
    icon.addPixmap(RenderGlyph(glyph, 1));
    icon.addPixmap(RenderGlyph(glyph, 2));
    return icon;
}
