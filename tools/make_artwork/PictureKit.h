#pragma once
// Shapes shared by the hint pictures: outlined fills, leaves, eyes, shine.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace lexiglade::artwork {

inline const QColor kOutline{0x3b, 0x2f, 0x2f};

// Fills `shape` with a soft top-left-lit radial shade of `fill` and outlines it.
void Shape(QPainter& p, const QPainterPath& shape, const QColor& fill);
void Blob(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& fill);
// A plain outlined fill without shading.
void Flat(QPainter& p, const QPainterPath& shape, const QColor& fill);
// Almond leaf from `base` to `tip` with a midrib.
void Leaf(QPainter& p, QPointF base, QPointF tip, qreal width, const QColor& fill);
// A round cartoon eye: white, pupil, glint.
void Eye(QPainter& p, QPointF centre, qreal radius);
// A white gloss spot.
void Shine(QPainter& p, QPointF centre, qreal rx, qreal ry);
// An outlined stroke of `width` in `fill`, round-capped.
void Stroke(QPainter& p, const QPainterPath& line, qreal width, const QColor& fill);
QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry);

} // namespace lexiglade::artwork
