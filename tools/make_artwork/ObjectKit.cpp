#include "ObjectKit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <iterator>

namespace lexiglade::artwork {

namespace {

QLinearGradient Across(const QPainterPath& shape, bool upright) {
    const QRectF box = shape.boundingRect();
    return upright ? QLinearGradient(box.topLeft(), box.topRight())
                   : QLinearGradient(box.topLeft(), box.bottomLeft());
}

void FillOutlined(QPainter& p, const QPainterPath& shape, const QBrush& brush) {
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brush);
    p.drawPath(shape);
}

} // namespace

QPainterPath Symmetric(std::initializer_list<QPointF> leftHalf, qreal axis) {
    QPolygonF outline(QList<QPointF>{leftHalf});
    for (auto point = std::rbegin(leftHalf); point != std::rend(leftHalf); ++point) {
        outline << QPointF(2 * axis - point->x(), point->y());
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

void Rounded(QPainter& p, const QPainterPath& shape, const QColor& fill, bool upright) {
    QLinearGradient shade = Across(shape, upright);
    shade.setColorAt(0, fill.darker(112));
    shade.setColorAt(0.35, fill.lighter(115));
    shade.setColorAt(1, fill.darker(125));
    FillOutlined(p, shape, shade);
}

void Metal(QPainter& p, const QPainterPath& shape, const QColor& fill, bool upright) {
    QLinearGradient shade = Across(shape, upright);
    shade.setColorAt(0, fill.darker(115));
    shade.setColorAt(0.3, fill.lighter(140));
    shade.setColorAt(0.45, fill);
    shade.setColorAt(1, fill.darker(135));
    FillOutlined(p, shape, shade);
}

void Merged(QPainter& p, const QPainterPath& parts, const QColor& fill) {
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kOutline);
    p.drawPath(parts);
    const QRectF box = parts.boundingRect();
    const QPointF light = box.topLeft() + QPointF(box.width() * 0.35, box.height() * 0.3);
    QRadialGradient shade(light, std::max(box.width(), box.height()) * 0.85);
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill.darker(118));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(parts);
}

void Detail(QPainter& p, const QPainterPath& line, qreal width, const QColor& ink) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}

void DetailLine(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& ink) {
    QPainterPath line(from);
    line.lineTo(to);
    Detail(p, line, width, ink);
}

void Stripes(QPainter& p, const QPainterPath& shape, qreal step, qreal width, const QColor& ink,
             bool vertical) {
    const QRectF box = shape.boundingRect();
    Inside(p, shape, [&] {
        p.setPen(QPen(ink, width, Qt::SolidLine, Qt::FlatCap));
        if (vertical) {
            for (qreal x = box.left() + step / 2; x < box.right(); x += step) {
                p.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
            }
        } else {
            for (qreal y = box.top() + step / 2; y < box.bottom(); y += step) {
                p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
            }
        }
    });
}

void FloorShadow(QPainter& p, QPointF centre, qreal rx, qreal ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe4, 0xe6, 0xea));
    p.drawEllipse(centre, rx, ry);
}

} // namespace lexiglade::artwork
