#include "PictureKit.h"
#include "PictureSets.h"

#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace lexiglade::artwork {

namespace {

void Bubble(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(QColor(0x5a, 0x9f, 0xd6), 1.5));
    p.setBrush(QColor(0xdc, 0xef, 0xfc));
    p.drawEllipse(c, r, r);
}

void Fish(QPainter& p) {
    const QColor orange(0xf4, 0x87, 0x2a);
    QPainterPath tail(QPointF(102, 42));
    tail.cubicTo(116, 30, 126, 20, 136, 18);
    tail.cubicTo(128, 34, 128, 50, 136, 66);
    tail.cubicTo(126, 64, 116, 54, 102, 42);
    Shape(p, tail, orange.darker(108));
    QPainterPath fin(QPointF(56, 24));
    fin.quadTo(74, 4, 92, 26);
    Flat(p, fin, orange.darker(115));
    QPainterPath body(QPointF(22, 42));
    body.cubicTo(38, 14, 92, 12, 110, 42);
    body.cubicTo(92, 70, 38, 70, 22, 42);
    Shape(p, body, orange);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(Qt::white, 6));
    p.drawLine(QPointF(60, 14), QPointF(64, 70));
    p.drawLine(QPointF(82, 14), QPointF(86, 70));
    p.restore();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    Eye(p, {38, 37}, 5.5);
    Mouth(p, {24, 46}, {29, 49}, {33, 46});
    Bubble(p, {12, 26}, 3.5);
    Bubble(p, {9, 14}, 2.5);
    Bubble(p, {18, 7}, 2);
}

void Turtle(QPainter& p) {
    const QColor skin(0x7c, 0xc8, 0x6a);
    for (const qreal x : {46.0, 62.0, 90.0, 106.0}) {
        Blob(p, {x, 64}, 7, 10, skin);
    }
    QPainterPath tail(QPointF(30, 56));
    tail.lineTo(18, 62);
    tail.lineTo(32, 62);
    tail.closeSubpath();
    Flat(p, tail, skin);
    Blob(p, {124, 48}, 14, 10.5, skin);
    Eye(p, {128, 44}, 3.2);
    Mouth(p, {130, 52}, {133, 54}, {136, 51});
    QPainterPath shell(QPointF(28, 58));
    shell.cubicTo(32, 14, 114, 12, 120, 58);
    shell.closeSubpath();
    Shape(p, shell, QColor(0x3f, 0x8f, 0x4f));
    p.setPen(QPen(QColor(0x2d, 0x6b, 0x3a), 2));
    p.setBrush(QColor(0x7f, 0xbf, 0x6a));
    for (const QPointF c : {QPointF(74, 38), QPointF(52, 46), QPointF(96, 46)}) {
        QPolygonF hex;
        for (int k = 0; k < 6; ++k) {
            const qreal a = k * std::numbers::pi / 3;
            hex << c + QPointF(std::cos(a) * 10, std::sin(a) * 8.5);
        }
        p.drawPolygon(hex);
    }
    QPainterPath rim;
    rim.addRoundedRect(QRectF(25, 55, 98, 8), 4, 4);
    Flat(p, rim, QColor(0xc9, 0xa3, 0x4a));
}

void Penguin(QPainter& p) {
    Blob(p, {75, 77}, 52, 4, QColor(0xcf, 0xe8, 0xf7));
    for (const qreal x : {65.0, 85.0}) {
        Blob(p, {x, 74}, 9, 4, QColor(0xf7, 0x8c, 0x1e));
    }
    const QColor black(0x23, 0x26, 0x2e);
    for (const auto& [x, tilt] : {std::pair{51.0, 20.0}, std::pair{99.0, -20.0}}) {
        p.save();
        p.translate(x, 48);
        p.rotate(tilt);
        Blob(p, {0, 0}, 6, 16, black);
        p.restore();
    }
    Blob(p, {75, 42}, 26, 32, black);
    Blob(p, {75, 50}, 18, 23, Qt::white);
    Blob(p, {66, 24}, 6, 6.5, Qt::white);
    Blob(p, {84, 24}, 6, 6.5, Qt::white);
    Eye(p, {66, 25}, 4);
    Eye(p, {84, 25}, 4);
    QPainterPath beak(QPointF(69, 31));
    beak.lineTo(81, 31);
    beak.lineTo(75, 39);
    beak.closeSubpath();
    Flat(p, beak, QColor(0xf7, 0x8c, 0x1e));
}

void Whale(QPainter& p) {
    const QColor blue(0x4a, 0x8f, 0xd6);
    p.setPen(QPen(QColor(0x6c, 0xb4, 0xf0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF tip : {QPointF(40, 8), QPointF(52, 3), QPointF(64, 8)}) {
        QPainterPath jet(QPointF(52, 22));
        jet.quadTo(QPointF(52, 8), tip);
        p.drawPath(jet);
    }
    Leaf(p, {128, 30}, {112, 14}, 7, blue);
    Leaf(p, {128, 30}, {146, 16}, 7, blue);
    QPainterPath body(QPointF(14, 50));
    body.cubicTo(14, 24, 70, 16, 96, 34);
    body.cubicTo(110, 42, 118, 40, 124, 30);
    body.lineTo(134, 32);
    body.cubicTo(132, 52, 116, 66, 88, 70);
    body.cubicTo(50, 74, 14, 70, 14, 50);
    Shape(p, body, blue);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd6, 0xea, 0xfa));
    p.drawEllipse(QPointF(62, 76), 52, 12);
    p.restore();
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    Eye(p, {34, 46}, 4);
    Mouth(p, {16, 56}, {28, 62}, {42, 58});
}

void Octopus(QPainter& p) {
    const QColor purple(0xb0, 0x5a, 0xc8);
    const QPointF arms[6][4] = {
        {{54, 46}, {44, 60}, {30, 58}, {22, 66}},   {{62, 52}, {58, 66}, {46, 70}, {42, 73}},
        {{70, 54}, {70, 66}, {62, 70}, {63, 73}},   {{80, 54}, {80, 66}, {88, 70}, {87, 73}},
        {{88, 52}, {92, 66}, {104, 70}, {108, 73}}, {{96, 46}, {106, 60}, {120, 58}, {128, 66}},
    };
    for (const auto& arm : arms) {
        QPainterPath line(arm[0]);
        line.cubicTo(arm[1], arm[2], arm[3]);
        Stroke(p, line, 8, purple);
    }
    Blob(p, {75, 32}, 30, 26, purple);
    Shine(p, {64, 16}, 7, 4);
    Eye(p, {64, 34}, 6.5);
    Eye(p, {86, 34}, 6.5);
    Mouth(p, {69, 46}, {75, 51}, {81, 46});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x9f, 0xc8, 160));
    p.drawEllipse(QPointF(55, 43), 4.5, 3);
    p.drawEllipse(QPointF(95, 43), 4.5, 3);
}

void Butterfly(QPainter& p) {
    QPainterPath upper(QPointF(73, 38));
    upper.cubicTo(58, 6, 20, 2, 22, 26);
    upper.cubicTo(24, 42, 50, 46, 73, 42);
    QPainterPath lower(QPointF(73, 46));
    lower.cubicTo(50, 44, 30, 62, 42, 73);
    lower.cubicTo(54, 80, 70, 64, 73, 50);
    for (const bool right : {false, true}) {
        Shape(p, right ? Mirror(upper) : upper, QColor(0xff, 0x8c, 0x42));
        Shape(p, right ? Mirror(lower) : lower, QColor(0xff, 0xc0, 0x4d));
        const qreal side = right ? -1 : 1;
        Blob(p, {75 - side * 33, 24}, 8, 7, QColor(0x8e, 0x5e, 0xa2));
        Blob(p, {75 - side * 22, 62}, 5, 5, QColor(0x45, 0x7b, 0x9d));
    }
    p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath feelers(QPointF(73, 24));
    feelers.quadTo(70, 10, 62, 5);
    feelers.moveTo(77, 24);
    feelers.quadTo(80, 10, 88, 5);
    p.drawPath(feelers);
    Blob(p, {62, 5}, 2.2, 2.2, kOutline);
    Blob(p, {88, 5}, 2.2, 2.2, kOutline);
    Blob(p, {75, 45}, 4.5, 22, QColor(0x3b, 0x2f, 0x4a));
}

void Ladybird(QPainter& p) {
    Leaf(p, {8, 66}, {144, 26}, 24, QColor(0x6a, 0xb0, 0x4c));
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {34.0, 46.0, 58.0}) {
        p.drawLine(QPointF(52, y - 2), QPointF(98, y + 2));
        p.drawLine(QPointF(52, y + 2), QPointF(98, y - 2));
    }
    QPainterPath feelers(QPointF(71, 16));
    feelers.quadTo(68, 8, 62, 4);
    feelers.moveTo(79, 16);
    feelers.quadTo(82, 8, 88, 4);
    p.setBrush(Qt::NoBrush);
    p.drawPath(feelers);
    Blob(p, {75, 22}, 10, 9, QColor(0x23, 0x26, 0x2e));
    Blob(p, {70, 19}, 2, 2, Qt::white);
    Blob(p, {80, 19}, 2, 2, Qt::white);
    Blob(p, {75, 47}, 24, 25, QColor(0xe2, 0x3b, 0x2e));
    p.setPen(QPen(kOutline, 2));
    p.drawLine(QPointF(75, 23), QPointF(75, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x23, 0x26, 0x2e));
    for (const auto& [dx, y, r] :
         {std::tuple{11.0, 37.0, 5.0}, std::tuple{15.0, 53.0, 4.5}, std::tuple{8.0, 64.0, 3.5}}) {
        p.drawEllipse(QPointF(75 - dx, y), r, r);
        p.drawEllipse(QPointF(75 + dx, y), r, r);
    }
    Shine(p, {63, 34}, 3, 5);
}

} // namespace

std::vector<HintPicture> WaterAndWingPictures() {
    return {{"FISH.BMP", Fish},        {"TURTLE.BMP", Turtle},   {"PENGUIN.BMP", Penguin},
            {"WHALE.BMP", Whale},      {"OCTOPUS.BMP", Octopus}, {"BUTTERFL.BMP", Butterfly},
            {"LADYBIRD.BMP", Ladybird}};
}

} // namespace lexiglade::artwork
