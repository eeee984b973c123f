#include "PictureKit.h"

#include <QLineF>
#include <QRadialGradient>

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

} // namespace lexiglade::artwork
