#include "ObjectKit.h"
#include "PictureSets.h"

#include <QLineF>
#include <cmath>
#include <numbers>

namespace lexiglade::artwork {

namespace {

const QColor kFurnitureWood{0xb5, 0x74, 0x3c};

void Lamp(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf1, 0xb0));
    p.drawEllipse(QPointF(75, 44), 44, 14);
    FloorShadow(p, {75, 76}, 30, 3);
    Rounded(p, RoundedBox(QRectF(71, 38, 8, 30), 3), QColor(0xe9, 0xc4, 0x6a));
    Rounded(p, Ellipse({75, 70}, 22, 6), QColor(0xe9, 0xc4, 0x6a).darker(110), false);
    const QPainterPath shade = Polygon({{56, 4}, {94, 4}, {110, 42}, {40, 42}});
    Shape(p, shade, QColor(0xf6, 0xa8, 0x3a));
    Flat(p, Polygon({{41.5, 35}, {108.5, 35}, {110, 42}, {40, 42}}), QColor(0xe7, 0x6f, 0x51));
}

void AlarmClock(QPainter& p) {
    const QColor red(0xe6, 0x39, 0x46);
    for (const qreal side : {-1.0, 1.0}) {
        InkLine(p, {75 + side * 18, 62}, {75 + side * 26, 76}, 4);
        Turned(p, {75 + side * 22, 14}, side * 35, [&] {
            QPainterPath bell(QPointF(-12, 5));
            bell.cubicTo(-12, -12, 12, -12, 12, 5);
            bell.closeSubpath();
            Shape(p, bell, QColor(0xe9, 0xc4, 0x6a));
        });
    }
    InkLine(p, {75, 4}, {75, 12}, 3);
    Blob(p, {75, 42}, 30, 30, red);
    Blob(p, {75, 42}, 23, 23, Qt::white);
    for (int k = 0; k < 12; ++k) {
        const qreal a = k * std::numbers::pi / 6;
        const QPointF dir(std::cos(a), std::sin(a));
        InkLine(p, QPointF(75, 42) + dir * 19, QPointF(75, 42) + dir * (k % 3 == 0 ? 14 : 17),
                k % 3 == 0 ? 2.2 : 1.4);
    }
    InkLine(p, {75, 42}, {64, 36}, 2.6);
    InkLine(p, {75, 42}, {86, 30}, 2);
    Blob(p, {75, 42}, 2.5, 2.5, kBlackPlastic);
}

void Chair(QPainter& p) {
    FloorShadow(p, {75, 77}, 38, 3);
    for (const qreal x : {52.0, 96.0}) {
        Rounded(p, RoundedBox(QRectF(x - 3.5, 4, 7, 72), 3), kFurnitureWood);
    }
    for (const qreal y : {10.0, 22.0}) {
        Rounded(p, RoundedBox(QRectF(48, y, 52, 7), 3), kFurnitureWood.lighter(108), false);
    }
    for (const qreal x : {44.0, 104.0}) {
        Rounded(p, RoundedBox(QRectF(x - 3.5, 46, 7, 30), 3), kFurnitureWood.darker(108));
    }
    Rounded(p, RoundedBox(QRectF(36, 40, 76, 10), 3), kFurnitureWood, false);
    Shape(p, RoundedBox(QRectF(42, 33, 64, 9), 4.5), QColor(0xe6, 0x39, 0x46));
}

void Sofa(QPainter& p) {
    const QColor teal(0x2a, 0x9d, 0x8f);
    FloorShadow(p, {75, 77}, 66, 3);
    for (const qreal x : {24.0, 122.0}) {
        Flat(p, RoundedBox(QRectF(x - 2, 68, 6, 9), 1.5), kFurnitureWood.darker(120));
    }
    Shape(p, RoundedBox(QRectF(22, 12, 106, 36), 10), teal);
    Shape(p, RoundedBox(QRectF(18, 44, 114, 26), 6), teal.darker(110));
    for (const qreal x : {30.0, 76.0}) {
        Shape(p, RoundedBox(QRectF(x, 38, 46, 14), 6), teal.lighter(110));
    }
    for (const qreal x : {6.0, 122.0}) {
        Shape(p, RoundedBox(QRectF(x, 28, 22, 44), 10), teal);
    }
    Shape(p, RoundedBox(QRectF(36, 18, 22, 18), 6), QColor(0xf6, 0xc3, 0x3b));
}

void Bathtub(QPainter& p) {
    const QColor foam(0xdc, 0xef, 0xfc);
    for (const qreal x : {32.0, 118.0}) {
        Flat(p, Polygon({{x - 6, 66}, {x + 6, 66}, {x + 4, 77}, {x - 8, 77}}),
             QColor(0xe9, 0xc4, 0x6a));
    }
    QPainterPath tap(QPointF(118, 34));
    tap.lineTo(118, 16);
    tap.quadTo(118, 10, 112, 10);
    tap.lineTo(104, 10);
    Stroke(p, tap, 4, paint::kSteel);
    p.setPen(QPen(kBlackPlastic, 1.5));
    p.setBrush(foam);
    for (const auto& c : {QPointF(38, 30), QPointF(50, 24), QPointF(64, 28), QPointF(78, 22),
                          QPointF(92, 27), QPointF(104, 30), QPointF(58, 16), QPointF(86, 14)}) {
        p.drawEllipse(c, 8, 8);
    }
    Blob(p, {72, 6}, 3, 3, foam);
    Blob(p, {100, 14}, 2.5, 2.5, foam);
    QPainterPath tub(QPointF(14, 34));
    tub.lineTo(136, 34);
    tub.cubicTo(134, 58, 120, 68, 104, 68);
    tub.lineTo(46, 68);
    tub.cubicTo(30, 68, 16, 58, 14, 34);
    Shape(p, tub, Qt::white);
    Rounded(p, RoundedBox(QRectF(10, 31, 130, 7), 3.5), QColor(0xf4, 0xf4, 0xf8), false);
}

void Broom(QPainter& p) {
    const QColor straw(0xe9, 0xc4, 0x6a);
    Turned(p, {84, 34}, -28, [&] {
        Rounded(p, RoundedBox(QRectF(-8, -4, 70, 8), 4), kFurnitureWood, false);
        QPainterPath bristles(QPointF(-6, -7));
        bristles.lineTo(-6, 7);
        bristles.lineTo(-50, 18);
        bristles.quadTo(-55, 0, -50, -18);
        bristles.closeSubpath();
        Shape(p, bristles, straw);
        for (int k = -4; k <= 4; ++k) {
            DetailLine(p, {-12, k * 1.4}, {-50, k * 3.8}, 1.1, straw.darker(140));
        }
        Flat(p, RoundedBox(QRectF(-16, -9, 8, 18), 2), QColor(0xe6, 0x39, 0x46));
    });
}

void Bucket(QPainter& p) {
    const QColor blue(0x45, 0x8f, 0xd0);
    QPainterPath handle(QPointF(42, 28));
    handle.cubicTo(44, -6, 106, -6, 108, 28);
    Detail(p, handle, 3, kBlackPlastic);
    QPainterPath pail(QPointF(40, 26));
    pail.lineTo(110, 26);
    pail.lineTo(100, 74);
    pail.quadTo(75, 80, 50, 74);
    pail.closeSubpath();
    Rounded(p, pail, blue);
    for (const qreal y : {40.0, 58.0}) {
        QPainterPath rib(QPointF(40 + (y - 26) * 10 / 48 + 1, y));
        rib.quadTo(75, y + 5, 110 - (y - 26) * 10 / 48 - 1, y);
        Detail(p, rib, 1.5, blue.darker(140));
    }
    Flat(p, Ellipse({75, 26}, 35, 7), blue.darker(120));
    Flat(p, Ellipse({75, 27}, 30, 4.5), QColor(0x9a, 0xd0, 0xf5));
    Blob(p, {42, 28}, 3, 3, kBlackPlastic);
    Blob(p, {108, 28}, 3, 3, kBlackPlastic);
}

void Toothbrush(QPainter& p) {
    const QColor handle(0x3a, 0x9a, 0xd9);
    QPainterPath stick(QPointF(10, 58));
    stick.cubicTo(40, 60, 70, 50, 100, 50);
    stick.lineTo(140, 50);
    stick.quadTo(144, 50, 144, 54);
    stick.quadTo(144, 58, 140, 58);
    stick.lineTo(100, 58);
    stick.cubicTo(70, 60, 40, 70, 12, 68);
    stick.quadTo(4, 64, 10, 58);
    Rounded(p, stick, handle, false);
    Flat(p, RoundedBox(QRectF(30, 59, 30, 4), 2), Qt::white);
    p.setPen(QPen(kBlackPlastic, 1.5));
    for (int k = 0; k < 7; ++k) {
        const QRectF tuft(100 + 5.5 * k, 32, 4.5, 18);
        p.setBrush(k % 2 == 0 ? Qt::white : QColor(0xa8, 0xd8, 0xf0));
        p.drawRoundedRect(tuft, 1.5, 1.5);
    }
    QPainterPath paste(QPointF(98, 32));
    paste.cubicTo(104, 20, 112, 30, 118, 22);
    paste.cubicTo(124, 16, 132, 28, 140, 20);
    Stroke(p, paste, 7, Qt::white);
    Detail(p, paste, 2.5, QColor(0x4a, 0xc0, 0xa8));
}

void Television(QPainter& p) {
    for (const qreal side : {-1.0, 1.0}) {
        InkLine(p, {75, 14}, {75 + side * 22, 2}, 2.2);
        Blob(p, {75 + side * 22, 2.5}, 2.5, 2.5, kBlackPlastic);
    }
    Blob(p, {75, 14}, 6, 4, kBlackPlastic);
    for (const qreal x : {42.0, 108.0}) {
        InkLine(p, {x, 70}, {x + (x < 75 ? -4 : 4), 78}, 3.5);
    }
    Shape(p, RoundedBox(QRectF(26, 14, 98, 58), 8), kFurnitureWood);
    const QPainterPath screen = RoundedBox(QRectF(32, 20, 70, 46), 8);
    Flat(p, screen, QColor(0x8e, 0xd0, 0xf5));
    Inside(p, screen, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6a, 0xb0, 0x4c));
        p.drawEllipse(QPointF(52, 72), 40, 20);
        p.setBrush(QColor(0x4f, 0x98, 0x3c));
        p.drawEllipse(QPointF(94, 74), 30, 18);
        Blob(p, {86, 33}, 6, 6, QColor(0xff, 0xd2, 0x3f));
    });
    Blob(p, {113, 32}, 5, 5, QColor(0xe9, 0xc4, 0x6a));
    Blob(p, {113, 48}, 5, 5, QColor(0xe9, 0xc4, 0x6a));
}

void Candle(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf1, 0xb0));
    p.drawEllipse(QPointF(75, 14), 18, 16);
    QPainterPath loop(QPointF(104, 66));
    loop.cubicTo(122, 60, 124, 76, 108, 74);
    Stroke(p, loop, 3, QColor(0xe9, 0xc4, 0x6a));
    Rounded(p, Ellipse({75, 70}, 34, 7), QColor(0xe9, 0xc4, 0x6a), false);
    QPainterPath wax(QPointF(64, 24));
    wax.lineTo(86, 24);
    wax.lineTo(86, 68);
    wax.lineTo(64, 68);
    wax.closeSubpath();
    Rounded(p, wax, QColor(0xe6, 0x39, 0x46));
    QPainterPath drip(QPointF(64, 24));
    drip.lineTo(86, 24);
    drip.lineTo(86, 30);
    drip.quadTo(83, 40, 80, 30);
    drip.quadTo(74, 28, 70, 32);
    drip.quadTo(66, 42, 64, 32);
    drip.closeSubpath();
    Flat(p, drip, QColor(0xe6, 0x39, 0x46).lighter(118));
    InkLine(p, {75, 24}, {75, 19}, 1.8);
    QPainterPath flame(QPointF(75, 2));
    flame.cubicTo(82, 10, 84, 20, 75, 21);
    flame.cubicTo(66, 20, 68, 10, 75, 2);
    Shape(p, flame, QColor(0xf7, 0xa8, 0x1e));
    Blob(p, {75, 16}, 3, 4.5, QColor(0xff, 0xf1, 0x80));
}

} // namespace

std::vector<HintPicture> HomePictures() {
    return {{"LAMP.BMP", Lamp},       {"ALARMCLK.BMP", AlarmClock}, {"CHAIR.BMP", Chair},
            {"SOFA.BMP", Sofa},       {"BATHTUB.BMP", Bathtub},     {"BROOM.BMP", Broom},
            {"WATRBUCK.BMP", Bucket}, {"TOOTHBRS.BMP", Toothbrush}, {"TELEVISN.BMP", Television},
            {"CANDLE.BMP", Candle}};
}

} // namespace lexiglade::artwork
