#pragma once
// Shapes shared by the hint pictures: outlined fills, leaves, eyes, shine.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <initializer_list>
#include <vector>

namespace lexiglade::artwork {

inline const QColor kOutline{0x3b, 0x2f, 0x2f};
inline const QColor kLeafGreen{0x5a, 0xa8, 0x45};
inline const QColor kStem{0x7a, 0x4a, 0x26};

// Bright colours shared by the made things in the pictures: toys, vehicles, sports kit.
namespace paint {
inline const QColor kRed{0xe0, 0x33, 0x3a};
inline const QColor kBlue{0x3d, 0x8b, 0xe0};
inline const QColor kYellow{0xff, 0xc8, 0x2a};
inline const QColor kGreen{0x4c, 0xb0, 0x4a};
inline const QColor kPurple{0x8e, 0x5e, 0xc2};
inline const QColor kSteel{0xb8, 0xc0, 0xcc};
inline const QColor kSkin{0xf8, 0xd2, 0xb0};
inline const QColor kWood{0xc0, 0x84, 0x48};
inline const QColor kWater{0x7c, 0xc0, 0xf0};
inline const QColor kIce{0xd8, 0xee, 0xfa};
} // namespace paint

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
// A stalk curving from `from` towards `bend` and ending at `to`.
void Stalk(QPainter& p, QPointF from, QPointF bend, QPointF to, const QColor& fill = kStem);
// A curved mouth line from `from` through the pull of `dip` to `to`.
void Mouth(QPainter& p, QPointF from, QPointF dip, QPointF to);
// A plain dark line of `width`, round-capped: seams, strings, spokes.
void InkLine(QPainter& p, QPointF from, QPointF to, qreal width = 2);
QPainterPath RoundedBox(const QRectF& box, qreal radius);
QPainterPath Polygon(std::initializer_list<QPointF> corners);
// An open path through `points`, for Stroke.
QPainterPath Polyline(std::initializer_list<QPointF> points);
// `path` reflected about the picture's upright centre line.
QPainterPath Mirror(const QPainterPath& path);
// A smooth closed outline that rounds off the corners of the polygon through `corners`.
QPainterPath RoundLoop(const std::vector<QPointF>& corners);
// Fills `shape` as Shape does, runs `marks` clipped to it (stripes, panels, seams), then outlines
// it again over the marks' edges.
template <typename Marks>
void Marked(QPainter& p, const QPainterPath& shape, const QColor& fill, Marks marks) {
    Shape(p, shape, fill);
    p.save();
    p.setClipPath(shape);
    marks();
    p.restore();
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}
// Gentle waves filling the picture below `level`, crests `swell` high.
void Waves(QPainter& p, qreal level, const QColor& fill, qreal swell = 5);
// Runs `draw` with the origin moved to `at` and the axes turned by `degrees`.
template <typename Draw> void Turned(QPainter& p, QPointF at, qreal degrees, Draw draw) {
    p.save();
    p.translate(at);
    p.rotate(degrees);
    draw();
    p.restore();
}
// A light blue glass pane with a glint: windows, portholes, visors.
void Pane(QPainter& p, const QPainterPath& shape);
// A dark tyre round a hub.
void Wheel(QPainter& p, QPointF centre, qreal radius, const QColor& hub = QColor(0xc8, 0xcc, 0xd4));

} // namespace lexiglade::artwork
