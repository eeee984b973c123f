#include "PictureKit.h"
#include "PictureSets.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kRed;
using paint::kYellow;
const QColor kChrome{0xc8, 0xcc, 0xd4};
const QColor kTyre{0x2e, 0x2e, 0x36};

// A thin tyre with spokes, as on a bicycle.
void SpokedWheel(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(kTyre, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 2, r - 2);
    p.setPen(QPen(QColor(0x8a, 0x90, 0x9a), 1));
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * std::numbers::pi / 8;
        const QPointF spoke = QPointF(std::cos(a), std::sin(a)) * (r - 4);
        p.drawLine(c - spoke, c + spoke);
    }
    Blob(p, c, 3, 3, kChrome);
}

// A rotating light on a roof: a dome of `colour` on a dark base.
void Beacon(QPainter& p, QPointF base, const QColor& colour) {
    Flat(p, RoundedBox(QRectF(base.x() - 7, base.y() - 3, 14, 4), 1.5), kTyre);
    QPainterPath dome(base + QPointF(-5, -3));
    dome.cubicTo(base + QPointF(-5, -11), base + QPointF(5, -11), base + QPointF(5, -3));
    dome.closeSubpath();
    Shape(p, dome, colour);
}

// A boxy vehicle side: body from `left` to `right` between `top` and `floor`, a sloped cab front.
QPainterPath VanBody(qreal left, qreal right, qreal top, qreal floor, qreal bonnet) {
    QPainterPath body(QPointF(left + 4, top));
    body.lineTo(right - 24, top);
    body.lineTo(right - 6, bonnet);
    body.quadTo(right, bonnet + 1, right, bonnet + 8);
    body.lineTo(right, floor - 4);
    body.quadTo(right, floor, right - 4, floor);
    body.lineTo(left + 4, floor);
    body.quadTo(left, floor, left, floor - 4);
    body.lineTo(left, top + 4);
    body.quadTo(left, top, left + 4, top);
    return body;
}

// A white `body` with a band of squares across it, `colour` and yellow, as emergency vehicles wear.
void ChequeredBody(QPainter& p, const QPainterPath& body, qreal top, qreal height,
                   const QColor& colour) {
    Marked(p, body, QColor(0xf6, 0xf8, 0xfb), [&] {
        for (int k = 0; k < 15; ++k) {
            p.fillRect(QRectF(6 + k * 10, top, 10, height), k % 2 == 0 ? colour : kYellow);
        }
    });
}

void Bicycle(QPainter& p) {
    SpokedWheel(p, {36, 56}, 22);
    SpokedWheel(p, {114, 56}, 22);
    const QPointF rear(36, 56), crank(72, 58), seat(64, 24), head(104, 24), fork(107, 34);
    QPainterPath frame(rear);
    frame.lineTo(crank);
    frame.lineTo(seat);
    frame.lineTo(rear);
    frame.moveTo(seat);
    frame.lineTo(head);
    frame.lineTo(fork);
    frame.lineTo(crank);
    frame.moveTo(head);
    frame.lineTo(114, 56);
    Stroke(p, frame, 3.5, kRed);
    Stroke(p, Polyline({head, {98, 12}, {90, 12}}), 3, kChrome);
    Flat(p, RoundLoop({{54, 16}, {72, 14}, {74, 20}, {56, 22}}), kTyre);
    InkLine(p, {64, 24}, {64, 19}, 3);
    Blob(p, crank, 6, 6, kChrome);
    InkLine(p, crank, crank + QPointF(8, 10), 3);
    Flat(p, RoundedBox(QRectF(76, 67, 10, 4), 1.5), kTyre);
}

void Motorbike(QPainter& p) {
    Wheel(p, {32, 60}, 18);
    Wheel(p, {118, 60}, 18);
    Stroke(p, Polyline({{62, 62}, {26, 56}}), 5, kChrome);
    Flat(p, RoundedBox(QRectF(56, 44, 30, 20), 4), QColor(0x6a, 0x6e, 0x78));
    Stroke(p, Polyline({{118, 60}, {106, 22}}), 3.5, kChrome);
    QPainterPath body(QPointF(26, 38));
    body.lineTo(60, 36);
    body.cubicTo(66, 24, 96, 20, 106, 30);
    body.lineTo(100, 46);
    body.lineTo(40, 48);
    body.quadTo(28, 48, 26, 38);
    Shape(p, body, kBlue);
    Flat(p, RoundedBox(QRectF(28, 30, 34, 8), 4), kTyre);
    Blob(p, {112, 32}, 5, 6, QColor(0xff, 0xe0, 0x6a));
    Stroke(p, Polyline({{106, 22}, {96, 14}}), 3, kTyre);
    Flat(p, Polygon({{98, 46}, {104, 40}, {130, 44}, {132, 50}}), kBlue.darker(115));
}

void Scooter(QPainter& p) {
    Flat(p, RoundedBox(QRectF(26, 60, 84, 8), 4), QColor(0x2a, 0x9d, 0x8f));
    Wheel(p, {32, 70}, 9, QColor(0xff, 0xc0, 0x40));
    Wheel(p, {120, 70}, 9, QColor(0xff, 0xc0, 0x40));
    Stroke(p, Polyline({{120, 70}, {106, 62}, {98, 10}}), 4, kRed);
    Stroke(p, Polyline({{86, 10}, {110, 10}}), 4, kRed);
    Flat(p, RoundedBox(QRectF(80, 6, 10, 8), 3), kTyre);
    Flat(p, RoundedBox(QRectF(106, 6, 10, 8), 3), kTyre);
}

void PoliceCar(QPainter& p) {
    QPainterPath body(QPointF(10, 56));
    body.lineTo(10, 44);
    body.quadTo(12, 36, 30, 36);
    body.lineTo(44, 20);
    body.lineTo(100, 20);
    body.lineTo(116, 36);
    body.quadTo(138, 38, 140, 46);
    body.lineTo(140, 56);
    body.quadTo(140, 64, 132, 64);
    body.lineTo(18, 64);
    body.quadTo(10, 64, 10, 56);
    ChequeredBody(p, body, 44, 10, kBlue);
    Pane(p, Polygon({{34, 36}, {46, 24}, {70, 24}, {70, 36}}));
    Pane(p, Polygon({{76, 36}, {76, 24}, {98, 24}, {110, 36}}));
    Beacon(p, {64, 20}, kBlue.lighter(130));
    Beacon(p, {80, 20}, kBlue.lighter(130));
    Wheel(p, {38, 64}, 12);
    Wheel(p, {112, 64}, 12);
}

void DoubleDecker(QPainter& p) {
    Shape(p, RoundedBox(QRectF(12, 4, 128, 64), 8), kRed);
    Flat(p, RoundedBox(QRectF(12, 36, 128, 4), 1), kRed.darker(125));
    for (int k = 0; k < 5; ++k) {
        Pane(p, RoundedBox(QRectF(18 + 23.5 * k, 10, 19, 18), 3));
    }
    for (int k = 0; k < 4; ++k) {
        Pane(p, RoundedBox(QRectF(18 + 23.5 * k, 44, 19, 14), 3));
    }
    Pane(p, RoundedBox(QRectF(114, 44, 20, 22), 2));
    Wheel(p, {38, 68}, 11);
    Wheel(p, {112, 68}, 11);
}

void Lorry(QPainter& p) {
    Shape(p, RoundedBox(QRectF(6, 10, 96, 52), 3), QColor(0xee, 0xf0, 0xf3));
    p.setPen(QPen(QColor(0xc0, 0xc6, 0xce), 1.5));
    for (const qreal x : {30.0, 54.0, 78.0}) {
        p.drawLine(QPointF(x, 14), QPointF(x, 58));
    }
    Shape(p, VanBody(104, 144, 22, 64, 38), QColor(0xf4, 0x8c, 0x1e));
    Pane(p, Polygon({{112, 28}, {122, 28}, {134, 40}, {112, 40}}));
    Flat(p, RoundedBox(QRectF(98, 60, 12, 5), 2), kTyre);
    for (const qreal x : {24.0, 48.0, 124.0}) {
        Wheel(p, {x, 66}, 11);
    }
}

void Tractor(QPainter& p) {
    const QColor green(0x3f, 0x9a, 0x3e);
    Stroke(p, Polyline({{104, 40}, {104, 12}}), 4, QColor(0x55, 0x58, 0x60));
    Flat(p, Polygon({{30, 8}, {76, 8}, {76, 12}, {30, 12}}), green.darker(120));
    for (const qreal x : {34.0, 72.0}) {
        InkLine(p, {x, 12}, {x, 36}, 3.5);
    }
    Pane(p, RoundedBox(QRectF(38, 14, 30, 22), 2));
    Shape(p, Polygon({{26, 36}, {80, 36}, {80, 30}, {130, 34}, {132, 60}, {26, 60}}), green);
    Flat(p, RoundedBox(QRectF(118, 38, 14, 8), 2), QColor(0xff, 0xe0, 0x6a));
    Wheel(p, {44, 52}, 26, kYellow);
    Wheel(p, {116, 64}, 14, kYellow);
}

void Ambulance(QPainter& p) {
    const QPainterPath body = VanBody(8, 142, 14, 66, 34);
    ChequeredBody(p, body, 46, 8, paint::kGreen);
    Pane(p, Polygon({{112, 20}, {118, 20}, {134, 34}, {112, 34}}));
    const QPointF cross(60, 30);
    Flat(p,
         RoundedBox(QRectF(cross.x() - 12, cross.y() - 4, 24, 8), 1)
             .united(RoundedBox(QRectF(cross.x() - 4, cross.y() - 12, 8, 24), 1)),
         kRed);
    Beacon(p, {40, 14}, kBlue.lighter(130));
    Beacon(p, {90, 14}, kBlue.lighter(130));
    Wheel(p, {34, 66}, 11);
    Wheel(p, {118, 66}, 11);
}

void FireEngine(QPainter& p) {
    Shape(p, VanBody(6, 144, 24, 64, 36), kRed);
    Pane(p, Polygon({{112, 28}, {124, 28}, {134, 38}, {112, 38}}));
    Flat(p, RoundedBox(QRectF(14, 32, 84, 22), 2), kRed.darker(115));
    for (const qreal x : {16.0, 44.0, 72.0}) {
        Flat(p, RoundedBox(QRectF(x, 34, 24, 18), 2), QColor(0xd6, 0xd9, 0xde));
    }
    Blob(p, {28, 43}, 7, 7, QColor(0xff, 0xd0, 0x2a));
    Flat(p, Polygon({{10, 14}, {112, 8}, {112, 12}, {10, 18}}), kChrome);
    Flat(p, Polygon({{10, 20}, {112, 14}, {112, 18}, {10, 24}}), kChrome);
    p.setPen(QPen(kOutline, 1.5));
    for (int k = 0; k < 10; ++k) {
        const qreal x = 16 + k * 10;
        p.drawLine(QPointF(x, 17 - k * 0.6), QPointF(x, 22 - k * 0.6));
    }
    InkLine(p, {100, 24}, {104, 12}, 2.5);
    Beacon(p, {124, 24}, kBlue.lighter(130));
    for (const qreal x : {30.0, 62.0, 122.0}) {
        Wheel(p, {x, 66}, 11);
    }
}

void Train(QPainter& p) {
    const QColor green(0x2e, 0x8b, 0x57);
    for (const auto& [c, r] : {std::pair{QPointF(106, 8), 6.0}, std::pair{QPointF(94, 6), 5.0},
                               std::pair{QPointF(82, 8), 4.0}}) {
        Blob(p, c, r * 1.4, r, QColor(0xe4, 0xe8, 0xee));
    }
    Flat(p, RoundedBox(QRectF(104, 12, 12, 18), 2), kTyre);
    Shape(p, RoundedBox(QRectF(46, 28, 84, 30), 12), green);
    Flat(p, RoundedBox(QRectF(126, 30, 8, 26), 4), kTyre);
    Flat(p, Polygon({{130, 58}, {146, 72}, {126, 72}}), kRed);
    Shape(p, RoundedBox(QRectF(12, 12, 40, 48), 3), kRed);
    Flat(p, RoundedBox(QRectF(8, 8, 48, 7), 2), kTyre);
    Pane(p, RoundedBox(QRectF(20, 20, 22, 16), 2));
    Flat(p, RoundedBox(QRectF(10, 58, 124, 6), 2), kTyre);
    for (const auto& [x, r] : {std::pair{28.0, 11.0}, std::pair{66.0, 11.0}, std::pair{96.0, 11.0},
                               std::pair{122.0, 8.0}}) {
        Wheel(p, {x, 68}, r, kRed);
    }
    InkLine(p, {28, 68}, {96, 68}, 3);
}

} // namespace

std::vector<HintPicture> RoadVehiclePictures() {
    return {{"BICYCLE.BMP", Bicycle},    {"MOTORBKE.BMP", Motorbike}, {"SCOOTER.BMP", Scooter},
            {"POLICCAR.BMP", PoliceCar}, {"BUS.BMP", DoubleDecker},   {"LORRY.BMP", Lorry},
            {"TRACTOR.BMP", Tractor},    {"AMBULNCE.BMP", Ambulance}, {"FIREENGN.BMP", FireEngine},
            {"TRAIN.BMP", Train}};
}

} // namespace lexiglade::artwork
