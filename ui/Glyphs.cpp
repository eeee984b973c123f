#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lexiglade {

namespace {

QIcon DrawFolder() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.setBrush(QColor(240, 190, 70));
    QPainterPath tab;
    tab.addRoundedRect(QRectF(1.5, 2.5, 6, 4), 1, 1);
    p.drawPath(tab);
    p.setBrush(QColor(252, 210, 90));
    p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9.5), 1.5, 1.5);
    return QIcon(pixmap);
}

QIcon DrawPage() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(10, 1.5);
    sheet.lineTo(13.5, 5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(60, 80, 120), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(40, 120, 200), 1));
    for (int y = 6; y <= 12; y += 2) {
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    }
    return QIcon(pixmap);
}

} // namespace

const QIcon& FolderGlyph() {
    static const QIcon kIcon = DrawFolder();
    return kIcon;
}

const QIcon& PageGlyph() {
    static const QIcon kIcon = DrawPage();
    return kIcon;
}

} // namespace lexiglade
