#pragma once
// Shapes shared by the pictures of made things (clothes, tools, instruments, home and school
// objects): symmetric outlines, cylinder and metal shading, merged silhouettes, stripes, and
// drawing clipped to a shape or mirrored for the second of a pair.
#include "PictureKit.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <initializer_list>

namespace lexiglade::artwork {

// Materials the made things share beside the kit's paints, alike in every set.
inline const QColor kBlackPlastic{0x3a, 0x3a, 0x44}; // handles, grips, black keys
inline const QColor kIvory{0xfb, 0xf7, 0xec};

// A closed outline symmetric about x = `axis`: `leftHalf` runs from the top on the axis down
// the left side, and the right side is its mirror image.
QPainterPath Symmetric(std::initializer_list<QPointF> leftHalf, qreal axis);
// Fills `shape` lit like a cylinder: a light band a third across, darker at both sides. The band
// runs down the shape when `upright`, across it otherwise.
void Rounded(QPainter& p, const QPainterPath& shape, const QColor& fill, bool upright = true);
// Polished metal: a cylinder shade with a bright band, for blades, strings and brass.
void Metal(QPainter& p, const QPainterPath& shape, const QColor& fill, bool upright = true);
// Fills overlapping parts as one shaded silhouette with a single outline round the whole;
// `parts` needs the winding fill rule.
void Merged(QPainter& p, const QPainterPath& parts, const QColor& fill);
// A dark unfilled line for seams, creases and edges.
void Detail(QPainter& p, const QPainterPath& line, qreal width = 1.5, const QColor& ink = kOutline);
void DetailLine(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& ink);
// Bands of `ink` across `shape` every `step`, `width` wide, then the outline again on top.
void Stripes(QPainter& p, const QPainterPath& shape, qreal step, qreal width, const QColor& ink,
             bool vertical = false);
// The soft grey shadow an object standing on a floor casts.
void FloorShadow(QPainter& p, QPointF centre, qreal rx, qreal ry);

// Runs `draw` clipped to `shape`, then outlines `shape` again over whatever it drew.
template <typename Draw> void Inside(QPainter& p, const QPainterPath& shape, Draw draw) {
    p.save();
    p.setClipPath(shape);
    draw();
    p.restore();
    Detail(p, shape, 2);
}

// Runs `draw` mirrored about the vertical line x = `axis`, for the second of a pair.
template <typename Draw> void Mirrored(QPainter& p, qreal axis, Draw draw) {
    p.save();
    p.translate(2 * axis, 0);
    p.scale(-1, 1);
    draw();
    p.restore();
}

} // namespace lexiglade::artwork
