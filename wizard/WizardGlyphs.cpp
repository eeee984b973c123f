#include "wizard/WizardGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace lexiglade {

namespace {

QPixmap Blank(int size = kGlyphSize) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawCross() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 20, 20), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
    return pixmap;
}

// An arrow across the glyph; `direction` is +1 for right, -1 for left.
QPixmap DrawArrow(int direction) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double mid = kGlyphSize / 2.0;
    const double tip = mid + direction * 8.0;
    const double neck = mid + direction * 1.0;
    const double tail = mid - direction * 7.0;
    const QPolygonF arrow({QPointF(tail, 8), QPointF(neck, 8), QPointF(neck, 3), QPointF(tip, mid),
                           QPointF(neck, 17), QPointF(neck, 12), QPointF(tail, 12)});
    p.setPen(QPen(QColor(20, 100, 30), 1));
    p.setBrush(QColor(60, 180, 70));
    p.drawPolygon(arrow);
    return pixmap;
}

QPixmap DrawNewFolder() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.setBrush(QColor(252, 210, 90));
    p.drawRoundedRect(QRectF(1.5, 6.5, 14, 10), 1.5, 1.5);
    p.drawRoundedRect(QRectF(1.5, 4.5, 6, 3), 1, 1);
    p.setPen(QPen(QColor(20, 100, 30), 2));
    p.drawLine(QPointF(16, 1), QPointF(16, 9));
    p.drawLine(QPointF(12, 5), QPointF(20, 5));
    return pixmap;
}

QIcon DrawIcon() {
    QPixmap pixmap = Blank(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 80, 120), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 2, 22, 28));
    p.setPen(QPen(QColor(200, 40, 40), 2.5));
    p.drawLine(QPointF(8, 10), QPointF(22, 10));
    p.setPen(QPen(QColor(40, 120, 200), 1.5));
    for (int y = 16; y <= 26; y += 5) {
        p.drawLine(QPointF(8, y), QPointF(22, y));
    }
    return QIcon(pixmap);
}

} // namespace

const QPixmap& CancelGlyph() {
    static const QPixmap kGlyph = DrawCross();
    return kGlyph;
}

const QPixmap& GoBackGlyph() {
    static const QPixmap kGlyph = DrawArrow(-1);
    return kGlyph;
}

const QPixmap& NextGlyph() {
    static const QPixmap kGlyph = DrawArrow(1);
    return kGlyph;
}

const QPixmap& NewFolderGlyph() {
    static const QPixmap kGlyph = DrawNewFolder();
    return kGlyph;
}

const QIcon& WizardIcon() {
    static const QIcon kIcon = DrawIcon();
    return kIcon;
}

} // namespace lexiglade
