#include "PictureKit.h"
#include "PictureSets.h"

#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kIce;
using paint::kRed;
using paint::kSkin;
using paint::kSteel;
using paint::kWater;
using paint::kYellow;

void Swimming(QPainter& p) {
    Stroke(p, Polyline({{80, 50}, {64, 18}, {42, 28}}), 5, kSkin);
    Blob(p, {40, 30}, 5, 4, kSkin);
    Blob(p, {88, 44}, 13, 12, kSkin);
    QPainterPath cap(QPointF(75, 44));
    cap.cubicTo(75, 26, 101, 26, 101, 44);
    cap.closeSubpath();
    Flat(p, cap, kRed);
    Flat(p, RoundedBox(QRectF(76, 42, 26, 4), 2), QColor(0x23, 0x26, 0x2e));
    Pane(p, Ellipse({98, 44}, 5, 4));
    Waves(p, 52, kWater);
    for (const QPointF drop :
         {QPointF(26, 34), QPointF(30, 44), QPointF(46, 40), QPointF(112, 48)}) {
        Blob(p, drop, 2.5, 2.5, kWater);
    }
    for (int k = 0; k < 10; ++k) {
        Blob(p, {8 + k * 15.0, 72}, 6, 4, k % 2 == 0 ? kRed : Qt::white);
    }
}

void Skiing(QPainter& p) {
    const QColor jacket(0xe0, 0x33, 0x3a);
    Flat(p, Polygon({{0, 40}, {150, 80}, {0, 80}}), kIce);
    for (const QPointF puff : {QPointF(20, 40), QPointF(12, 34), QPointF(26, 32)}) {
        Blob(p, puff, 5, 4, Qt::white);
    }
    Turned(p, {80, 58}, 15, [&] {
        Stroke(p, Polyline({{10, -34}, {-40, -4}}), 1.8, kSteel);
        Stroke(p, Polyline({{-6, 0}, {8, -14}, {-4, -24}}), 6, QColor(0x2a, 0x4a, 0xb0));
        Stroke(p, Polyline({{4, 0}, {14, -12}, {2, -22}}), 6, QColor(0x2a, 0x4a, 0xb0));
        Stroke(p, Polyline({{-2, -24}, {10, -42}}), 11, jacket);
        Stroke(p, Polyline({{10, -40}, {22, -30}, {28, -34}}), 4, jacket);
        Stroke(p, Polyline({{26, -34}, {-24, -2}}), 1.8, kSteel);
        Blob(p, {16, -50}, 8, 8, kSkin);
        QPainterPath helmet(QPointF(8, -50));
        helmet.cubicTo(8, -62, 26, -62, 25, -50);
        helmet.closeSubpath();
        Flat(p, helmet, kYellow);
        Pane(p, RoundedBox(QRectF(16, -52, 10, 5), 2));
        QPainterPath ski(QPointF(-40, 2));
        ski.lineTo(40, 2);
        ski.quadTo(50, 1, 50, -6);
        ski.quadTo(44, -2, 40, -2);
        ski.lineTo(-40, -2);
        ski.closeSubpath();
        Shape(p, ski, kYellow);
    });
}

void HockeyStick(QPainter& p, bool mirrored) {
    QPainterPath stick(QPointF(26, 4));
    stick.lineTo(92, 64);
    stick.quadTo(96, 68, 104, 68);
    stick.lineTo(120, 68);
    Stroke(p, mirrored ? Mirror(stick) : stick, 5, mirrored ? kBlue : kRed);
    Stroke(p, mirrored ? Mirror(Polyline({{26, 4}, {36, 13}})) : Polyline({{26, 4}, {36, 13}}), 5,
           QColor(0x23, 0x26, 0x2e));
}

void IceHockey(QPainter& p) {
    Blob(p, {75, 70}, 72, 9, kIce);
    HockeyStick(p, false);
    HockeyStick(p, true);
    Flat(p, Ellipse({75, 72}, 13, 4), QColor(0x23, 0x26, 0x2e));
    Flat(p, RoundedBox(QRectF(62, 64, 26, 8), 0), QColor(0x23, 0x26, 0x2e));
    Flat(p, Ellipse({75, 64}, 13, 4), QColor(0x3a, 0x3e, 0x48));
}

void Boxing(QPainter& p) {
    QPainterPath glove = RoundLoop({{28, 10}, {70, 6}, {74, 40}, {64, 58}, {36, 58}, {18, 40}});
    glove = glove.united(Ellipse({22, 40}, 9, 12));
    const QPainterPath cuff = RoundedBox(QRectF(34, 54, 30, 22), 4);
    for (const bool right : {false, true}) {
        Shape(p, right ? Mirror(cuff) : cuff, Qt::white);
        Shape(p, right ? Mirror(glove) : glove, kRed);
        p.setPen(QPen(kRed.darker(140), 1.6));
        p.setBrush(Qt::NoBrush);
        const qreal x = right ? 150 - 30 : 30;
        p.drawArc(QRectF(x - 6, 30, 12, 22), right ? -90 * 16 : 90 * 16, 180 * 16);
        Shine(p, {right ? 150 - 44.0 : 44.0, 18}, 8, 4);
    }
}

void Skating(QPainter& p) {
    Blob(p, {75, 76}, 70, 4, kIce);
    Stroke(p, Polyline({{30, 64}, {118, 64}}), 3, kSteel);
    QPainterPath blade(QPointF(118, 64));
    blade.quadTo(132, 64, 128, 54);
    Stroke(p, blade, 3, kSteel);
    for (const qreal x : {48.0, 104.0}) {
        Flat(p, RoundedBox(QRectF(x - 4, 52, 8, 12), 1), kSteel);
    }
    QPainterPath boot(QPointF(44, 4));
    boot.lineTo(76, 4);
    boot.lineTo(78, 30);
    boot.cubicTo(96, 32, 122, 36, 122, 46);
    boot.lineTo(122, 52);
    boot.lineTo(34, 52);
    boot.lineTo(34, 40);
    boot.cubicTo(34, 28, 42, 20, 44, 4);
    Shape(p, boot, QColor(0xf6, 0xf4, 0xf0));
    Flat(p, RoundedBox(QRectF(32, 48, 92, 6), 2), QColor(0x9a, 0x6a, 0x48));
    p.setPen(QPen(kRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        const qreal y = 10 + k * 7;
        const qreal x = 70 + k * 5;
        p.drawLine(QPointF(x - 6, y), QPointF(x + 6, y + 5));
        p.drawLine(QPointF(x + 6, y), QPointF(x - 6, y + 5));
    }
}

void Archery(QPainter& p) {
    const QPointF c(100, 38);
    for (const auto& [from, to] : {std::pair{QPointF(86, 50), QPointF(76, 78)},
                                   std::pair{QPointF(114, 50), QPointF(124, 78)}}) {
        Stroke(p, Polyline({from, to}), 4, QColor(0xa8, 0x6a, 0x32));
    }
    const std::pair<qreal, QColor> rings[] = {
        {36, Qt::white}, {29, QColor(0x23, 0x26, 0x2e)}, {22, kBlue}, {15, kRed}, {8, kYellow}};
    for (const auto& [r, colour] : rings) {
        Flat(p, Ellipse(c, r, r), colour);
    }
    Stroke(p, Polyline({{14, 70}, c + QPointF(-4, 2)}), 2.5, QColor(0xa8, 0x6a, 0x32));
    for (const qreal side : {-1.0, 1.0}) {
        Flat(p, Polygon({{14, 70}, {26, 64}, {24 + side * 2, 64 + side * 8}, {10, 74 + side * 6}}),
             kRed);
    }
}

void Surfing(QPainter& p) {
    const QColor sea(0x3a, 0x8f, 0xd8);
    QPainterPath wave(QPointF(0, 80));
    wave.lineTo(0, 60);
    wave.cubicTo(40, 56, 80, 40, 100, 14);
    wave.cubicTo(112, 0, 140, 2, 146, 18);
    wave.cubicTo(134, 10, 120, 18, 124, 30);
    wave.cubicTo(128, 44, 150, 46, 150, 46);
    wave.lineTo(150, 80);
    wave.closeSubpath();
    Shape(p, wave, sea);
    Stroke(p, Polyline({{102, 14}, {116, 4}, {134, 4}, {146, 16}}), 3, Qt::white);
    Turned(p, {66, 44}, -30, [&] {
        const QPainterPath board = RoundedBox(QRectF(-44, -8, 88, 16), 8);
        Marked(p, board, kYellow, [&] { p.fillRect(QRectF(-44, -2, 88, 4), kRed); });
    });
}

void Weightlifting(QPainter& p) {
    Stroke(p, Polyline({{6, 42}, {144, 42}}), 5, kSteel);
    const QPainterPath big = RoundedBox(QRectF(18, 8, 14, 68), 4);
    const QPainterPath small = RoundedBox(QRectF(34, 18, 10, 48), 3);
    const QPainterPath collar = RoundedBox(QRectF(46, 34, 6, 16), 2);
    for (const bool right : {false, true}) {
        Shape(p, right ? Mirror(big) : big, kRed);
        Shape(p, right ? Mirror(small) : small, kBlue);
        Flat(p, right ? Mirror(collar) : collar, kSteel);
    }
    p.setPen(QPen(kOutline, 1.5));
    for (qreal x = 62; x <= 88; x += 4) {
        p.drawLine(QPointF(x, 40), QPointF(x + 2, 44));
    }
}

} // namespace

std::vector<HintPicture> SportsGearPictures() {
    return {{"SWIMMING.BMP", Swimming}, {"SKIING.BMP", Skiing},        {"ICEHOCKY.BMP", IceHockey},
            {"BOXING.BMP", Boxing},     {"SKATING.BMP", Skating},      {"ARCHERY.BMP", Archery},
            {"SURFING.BMP", Surfing},   {"WEIGHTS.BMP", Weightlifting}};
}

} // namespace lexiglade::artwork
