#include "PictureKit.h"

#include <QLineF>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

namespace lexiglade::artwork {

void Shape(QPainter& p, const QPainterPath& shape, const QColor& fill) {
    const QRectF box = shape.boundingRect();
    const QPointF light = box.topLeft() + QPointF(box.width() * 0.35, box.height() * 0.3);
    QRadialGradient shade(light, std::max(box.width(), box.height()) * 0.85);
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill.darker(118));
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(shape);
}

void Blob(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& fill) {
    Shape(p, Ellipse(centre, rx, ry), fill);
}

void Flat(QPainter& p, const QPainterPath& shape, const QColor& fill) {
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

void Leaf(QPainter& p, QPointF base, QPointF tip, qreal width, const QColor& fill) {
    const QLineF axis(base, tip);
    const QPointF mid = (base + tip) / 2;
    const QLineF normal = axis.normalVector().unitVector();
    const QPointF side(normal.dx() * width, normal.dy() * width);
    QPainterPath leaf(base);
    leaf.quadTo(mid + side, tip);
    leaf.quadTo(mid - side, base);
    Flat(p, leaf, fill);
    p.setPen(QPen(fill.darker(150), 1.2));
    p.drawLine(base, mid + (tip - mid) * 0.7);
}

void Eye(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1c, 0x1c, 0x24));
    p.drawEllipse(centre + QPointF(radius * 0.15, radius * 0.1), radius * 0.55, radius * 0.55);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(-radius * 0.05, -radius * 0.2), radius * 0.2, radius * 0.2);
}

void Shine(QPainter& p, QPointF centre, qreal rx, qreal ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(centre, rx, ry);
}

void Stroke(QPainter& p, const QPainterPath& line, qreal width, const QColor& fill) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
}

QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Stalk(QPainter& p, QPointF from, QPointF bend, QPointF to, const QColor& fill) {
    QPainterPath stalk(from);
    stalk.quadTo(bend, to);
    Stroke(p, stalk, 2.5, fill);
}

void Mouth(QPainter& p, QPointF from, QPointF dip, QPointF to) {
    QPainterPath mouth(from);
    mouth.quadTo(dip, to);
    p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void InkLine(QPainter& p, QPointF from, QPointF to, qreal width) {
    p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

QPainterPath RoundedBox(const QRectF& box, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath Polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

QPainterPath Mirror(const QPainterPath& path) {
    QTransform flip;
    flip.translate(150, 0);
    flip.scale(-1, 1);
    return flip.map(path);
}

QPainterPath RoundLoop(const std::vector<QPointF>& corners) {
    const std::size_t n = corners.size();
    QPainterPath loop((corners[n - 1] + corners[0]) / 2);
    for (std::size_t k = 0; k < n; ++k) {
        loop.quadTo(corners[k], (corners[k] + corners[(k + 1) % n]) / 2);
    }
    loop.closeSubpath();
    return loop;
}

void Waves(QPainter& p, qreal level, const QColor& fill, qreal swell) {
    QPainterPath water(QPointF(0, level));
    for (int k = 0; k < 6; ++k) {
        water.quadTo(12.5 + 25 * k, level - swell, 25 + 25 * k, level);
    }
    water.lineTo(150, 80);
    water.lineTo(0, 80);
    water.closeSubpath();
    Flat(p, water, fill);
}

void Pane(QPainter& p, const QPainterPath& shape) {
    Flat(p, shape, QColor(0xbf, 0xe3, 0xf7));
    const QRectF box = shape.boundingRect();
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max<qreal>(2, box.width() * 0.12)));
    p.drawLine(box.topLeft() + QPointF(box.width() * 0.55, 0),
               box.topLeft() + QPointF(box.width() * 0.15, box.height()));
    p.restore();
}

void Wheel(QPainter& p, QPointF centre, qreal radius, const QColor& hub) {
    Flat(p, Ellipse(centre, radius, radius), QColor(0x2e, 0x2e, 0x36));
    Blob(p, centre, radius * 0.5, radius * 0.5, hub);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x55, 0x58, 0x60));
    p.drawEllipse(centre, radius * 0.15, radius * 0.15);
}

} // namespace lexiglade::artwork
