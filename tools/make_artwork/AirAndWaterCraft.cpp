#include "PictureKit.h"
#include "PictureSets.h"

#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kRed;
using paint::kYellow;
const QColor kDarkWood{0xa8, 0x6a, 0x32};

// A round window with a dark rim.
void Porthole(QPainter& p, QPointF c, qreal r) {
    Flat(p, Ellipse(c, r + 2, r + 2), QColor(0x6a, 0x6e, 0x78));
    Pane(p, Ellipse(c, r, r));
}

void Aeroplane(QPainter& p) {
    Flat(p, Polygon({{66, 34}, {84, 34}, {96, 22}, {88, 22}}), QColor(0x8a, 0x96, 0xa8));
    Shape(p, Polygon({{14, 36}, {18, 6}, {30, 6}, {48, 34}}), kBlue);
    QPainterPath body(QPointF(12, 36));
    body.lineTo(120, 30);
    body.cubicTo(136, 30, 144, 38, 144, 42);
    body.cubicTo(144, 48, 136, 52, 120, 52);
    body.lineTo(46, 52);
    body.cubicTo(30, 52, 20, 46, 12, 36);
    Shape(p, body, QColor(0xf6, 0xf8, 0xfb));
    Flat(p, RoundedBox(QRectF(30, 45, 108, 3), 1.5), kBlue);
    for (int k = 0; k < 10; ++k) {
        Pane(p, Ellipse({50 + 7.5 * k, 38}, 2.3, 2.8));
    }
    Pane(p, Polygon({{128, 34}, {137, 36}, {140, 40}, {130, 40}}));
    Flat(p, Polygon({{8, 38}, {34, 36}, {36, 40}, {10, 42}}), kBlue);
    Shape(p, Polygon({{62, 48}, {92, 48}, {72, 76}, {58, 76}}), QColor(0x8a, 0x96, 0xa8));
    Shape(p, RoundedBox(QRectF(70, 56, 24, 10), 5), QColor(0xc8, 0xcc, 0xd4));
}

void Helicopter(QPainter& p) {
    const QColor body(0xe0, 0x33, 0x3a);
    Stroke(p, Polyline({{58, 72}, {112, 72}, {120, 66}}), 2.5, QColor(0x55, 0x58, 0x60));
    InkLine(p, {72, 60}, {70, 72}, 3);
    InkLine(p, {100, 60}, {102, 72}, 3);
    Shape(p, Polygon({{16, 36}, {62, 36}, {62, 48}, {16, 42}}), body.darker(110));
    Shape(p, Polygon({{10, 24}, {18, 24}, {24, 42}, {14, 42}}), body.darker(110));
    InkLine(p, {6, 28}, {22, 40}, 2.5);
    InkLine(p, {22, 28}, {6, 40}, 2.5);
    const QPainterPath cabin = Ellipse({88, 44}, 32, 19);
    Marked(p, cabin, body, [&] {
        Pane(p, RoundLoop({{96, 26}, {124, 30}, {124, 50}, {100, 50}}));
    });
    Flat(p, RoundedBox(QRectF(84, 18, 8, 9), 2), QColor(0x55, 0x58, 0x60));
    Flat(p, RoundedBox(QRectF(20, 14, 128, 5), 2.5), QColor(0x3a, 0x3e, 0x48));
}

void Rocket(QPainter& p) {
    Turned(p, {84, 34}, -28, [&] {
        Shape(p, RoundLoop({{-38, -12}, {-82, 0}, {-38, 12}}), QColor(0xff, 0x8a, 0x1e));
        Shape(p, RoundLoop({{-40, -7}, {-64, 0}, {-40, 7}}), kYellow);
        for (const qreal side : {-1.0, 1.0}) {
            Shape(p,
                  Polygon({{-18, side * 12}, {-42, side * 24}, {-48, side * 24}, {-40, side * 12}}),
                  kRed);
        }
        QPainterPath hull(QPointF(-42, -13));
        hull.lineTo(26, -13);
        hull.cubicTo(44, -13, 58, -6, 64, 0);
        hull.cubicTo(58, 6, 44, 13, 26, 13);
        hull.lineTo(-42, 13);
        hull.closeSubpath();
        Marked(p, hull, QColor(0xee, 0xf1, 0xf5),
               [&] { p.fillRect(QRectF(36, -14, 30, 28), kRed); });
        Porthole(p, {10, 0}, 6);
        Flat(p, RoundedBox(QRectF(-36, -2, 28, 4), 2), kRed);
    });
}

void Sailboat(QPainter& p) {
    InkLine(p, {74, 6}, {74, 54}, 3.5);
    Flat(p, Polygon({{74, 4}, {88, 8}, {74, 12}}), kRed);
    Shape(p, Polygon({{79, 12}, {124, 50}, {79, 50}}), QColor(0xf8, 0xf8, 0xf4));
    Shape(p, Polygon({{70, 16}, {70, 50}, {36, 50}}), QColor(0xff, 0xe0, 0x8a));
    Shape(p, Polygon({{18, 52}, {134, 52}, {118, 70}, {34, 70}}), kBlue);
    Flat(p, RoundedBox(QRectF(24, 56, 104, 3), 1.5), Qt::white);
    Waves(p, 66, paint::kWater);
}

void Submarine(QPainter& p) {
    for (const auto& [c, r] : {std::pair{QPointF(124, 22), 4.0}, std::pair{QPointF(132, 12), 3.0},
                               std::pair{QPointF(120, 6), 2.5}}) {
        p.setPen(QPen(kBlue, 1.5));
        p.setBrush(QColor(0xdc, 0xef, 0xfc));
        p.drawEllipse(c, r, r);
    }
    Shape(p, Polygon({{4, 38}, {14, 44}, {14, 60}, {4, 66}}), QColor(0x55, 0x58, 0x60));
    Stroke(p, Polyline({{84, 22}, {84, 6}, {96, 6}}), 3, QColor(0x55, 0x58, 0x60));
    Shape(p, RoundedBox(QRectF(62, 18, 30, 22), 6), kYellow.darker(108));
    Shape(p, RoundedBox(QRectF(12, 32, 128, 38), 19), kYellow);
    for (const qreal x : {44.0, 72.0, 100.0}) {
        Porthole(p, {x, 50}, 6);
    }
    Shape(p, Polygon({{20, 34}, {30, 24}, {40, 24}, {38, 34}}), kYellow.darker(108));
}

void HotAirBalloon(QPainter& p) {
    for (const QPointF c : {QPointF(22, 24), QPointF(128, 40)}) {
        p.setPen(QPen(QColor(0xc8, 0xd6, 0xe4), 2));
        p.setBrush(QColor(0xf2, 0xf6, 0xfb));
        p.drawEllipse(c, 16, 6);
    }
    InkLine(p, {66, 56}, {68, 64}, 1.5);
    InkLine(p, {84, 56}, {82, 64}, 1.5);
    Shape(p, RoundedBox(QRectF(65, 63, 20, 14), 2), kDarkWood);
    p.setPen(QPen(kDarkWood.darker(140), 1));
    p.drawLine(QPointF(66, 68), QPointF(84, 68));
    p.drawLine(QPointF(66, 72), QPointF(84, 72));
    QPainterPath envelope(QPointF(66, 57));
    envelope.cubicTo(42, 42, 44, 2, 75, 2);
    envelope.cubicTo(106, 2, 108, 42, 84, 57);
    envelope.closeSubpath();
    Marked(p, envelope, kRed, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(75, 30), 20, 44);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(75, 30), 8, 44);
    });
    Shine(p, {58, 18}, 4, 7);
}

void Canoe(QPainter& p) {
    QPainterPath hull(QPointF(4, 36));
    hull.quadTo(24, 62, 56, 62);
    hull.lineTo(94, 62);
    hull.quadTo(126, 62, 146, 36);
    hull.quadTo(75, 50, 4, 36);
    Shape(p, hull, QColor(0xf2, 0x6b, 0x2a));
    Flat(p, Polygon({{50, 46}, {100, 46}, {100, 49}, {50, 49}}), kDarkWood.darker(115));
    Flat(p, Polygon({{20, 47}, {130, 47}, {128, 50}, {22, 50}}), QColor(0xff, 0xe0, 0x8a));
    Waves(p, 60, paint::kWater);
    Stroke(p, Polyline({{44, 6}, {100, 66}}), 3.5, kDarkWood);
    Turned(p, {104, 70}, 47, [&] { Shape(p, Ellipse({0, 0}, 12, 5), kDarkWood); });
}

} // namespace

std::vector<HintPicture> AirAndWaterCraftPictures() {
    return {{"AEROPLNE.BMP", Aeroplane}, {"HELICOPT.BMP", Helicopter},
            {"ROCKET.BMP", Rocket},      {"SAILBOAT.BMP", Sailboat},
            {"SUBMARIN.BMP", Submarine}, {"HOTAIR.BMP", HotAirBalloon},
            {"CANOE.BMP", Canoe}};
}

} // namespace lexiglade::artwork
