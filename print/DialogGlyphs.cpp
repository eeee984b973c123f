#include "print/DialogGlyphs.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace lexiglade {

namespace {

constexpr int kGlyphSize = 16;

QIcon DrawGlyph(const QColor& colour, const std::function<void(QPainter&)>& strokes) {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    strokes(painter);
    return QIcon(pixmap);
}

} // namespace

const QIcon& PrintOkGlyph() {
    static const QIcon kGlyph = DrawGlyph(QColor(0, 128, 0), [](QPainter& painter) {
        const QPointF tick[] = {{2.5, 8.5}, {6.0, 12.5}, {13.5, 3.5}};
        painter.drawPolyline(tick, 3);
    });
    return kGlyph;
}

const QIcon& PrintCancelGlyph() {
    static const QIcon kGlyph = DrawGlyph(QColor(192, 0, 0), [](QPainter& painter) {
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
    return kGlyph;
}

} // namespace lexiglade
