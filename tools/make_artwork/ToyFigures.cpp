#include "PictureKit.h"
#include "PictureSets.h"

#include <cmath>
#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kRed;
using paint::kSkin;
using paint::kSteel;
using paint::kWood;
using paint::kYellow;

void Cheeks(QPainter& p, QPointF left, QPointF right, qreal r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8f, 0xa3, 150));
    p.drawEllipse(left, r, r * 0.65);
    p.drawEllipse(right, r, r * 0.65);
}

void Dot(QPainter& p, QPointF c, qreal r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(c, r, r);
}

void Teddy(QPainter& p) {
    const QColor fur(0xb5, 0x7a, 0x44);
    const QColor pale(0xe8, 0xc4, 0x96);
    for (const qreal side : {-1.0, 1.0}) {
        Blob(p, {75 + side * 24, 52}, 8, 13, fur);
        Blob(p, {75 + side * 16, 70}, 11, 9, fur);
        Blob(p, {75 + side * 17, 72}, 6, 5, pale);
        Blob(p, {75 + side * 16, 9}, 8, 8, fur);
        Blob(p, {75 + side * 16, 9}, 4, 4, pale);
    }
    Blob(p, {75, 56}, 19, 20, fur);
    Blob(p, {75, 58}, 11, 12, pale);
    Blob(p, {75, 25}, 19, 17, fur);
    Blob(p, {75, 31}, 9, 7, pale);
    Blob(p, {75, 28}, 3.5, 2.5, kOutline);
    Mouth(p, {71, 34}, {75, 38}, {79, 34});
    Dot(p, {68, 21}, 2.4);
    Dot(p, {82, 21}, 2.4);
    Flat(p, Polygon({{75, 42}, {64, 37}, {64, 47}}).united(Polygon({{75, 42}, {86, 37}, {86, 47}})),
         kRed);
    Blob(p, {75, 42}, 3, 3, kRed.darker(115));
}

void Doll(QPainter& p) {
    const QColor hair(0xe8, 0x8a, 0x2a);
    for (const qreal side : {-1.0, 1.0}) {
        Stroke(p, Polyline({{75 + side * 14, 42}, {75 + side * 24, 56}}), 4, kSkin);
        Stroke(p, Polyline({{75 + side * 7, 62}, {75 + side * 8, 74}}), 4, kSkin);
        Flat(p, RoundedBox(QRectF(75 + side * 8 - 5, 72, 10, 6), 3), kRed);
        Blob(p, {75 + side * 19, 24}, 6, 10, hair);
        Flat(p, Ellipse({75 + side * 15, 16}, 3, 3), kBlue);
    }
    Shape(p, Polygon({{66, 36}, {84, 36}, {98, 64}, {52, 64}}), QColor(0xe8, 0x6a, 0xa8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const qreal x : {62.0, 70.0, 78.0, 86.0}) {
        p.drawEllipse(QPointF(x, 58), 2, 2);
    }
    Blob(p, {75, 22}, 15, 15, hair);
    Blob(p, {75, 24}, 12, 12, kSkin);
    Flat(p, RoundLoop({{62, 20}, {64, 8}, {86, 8}, {88, 20}, {75, 14}}), hair);
    Dot(p, {70, 24}, 2);
    Dot(p, {80, 24}, 2);
    Cheeks(p, {66, 29}, {84, 29}, 3);
    Mouth(p, {71, 30}, {75, 34}, {79, 30});
}

void Robot(QPainter& p) {
    const QColor steel(0x9a, 0xb4, 0xcc);
    InkLine(p, {75, 4}, {75, 12}, 2);
    Blob(p, {75, 4}, 3.5, 3.5, kRed);
    for (const qreal side : {-1.0, 1.0}) {
        Stroke(p, Polyline({{75 + side * 20, 42}, {75 + side * 32, 52}, {75 + side * 34, 62}}), 4,
               kSteel);
        Blob(p, {75 + side * 34, 64}, 4, 4, kRed);
        Flat(p, RoundedBox(QRectF(75 + side * 9 - 5, 62, 10, 12), 2), kSteel);
        Flat(p, RoundedBox(QRectF(75 + side * 9 - 7, 72, 14, 6), 2), QColor(0x55, 0x58, 0x60));
        Blob(p, {75 + side * 21, 22}, 3, 5, kRed);
    }
    Shape(p, RoundedBox(QRectF(55, 36, 40, 28), 4), steel);
    Shape(p, RoundedBox(QRectF(58, 11, 34, 22), 5), steel);
    Flat(p, RoundedBox(QRectF(68, 32, 14, 5), 1), kSteel);
    for (const qreal x : {67.0, 83.0}) {
        Flat(p, Ellipse({x, 20}, 5, 5), kYellow);
        Dot(p, {x, 20}, 2);
    }
    Flat(p, RoundedBox(QRectF(66, 26, 18, 4), 1), Qt::white);
    Blob(p, {66, 46}, 4.5, 4.5, kYellow);
    Blob(p, {78, 46}, 4.5, 4.5, kBlue);
    Flat(p, RoundedBox(QRectF(62, 54, 26, 5), 2), kRed);
}

void Puppet(QPainter& p) {
    Flat(p, RoundedBox(QRectF(46, 4, 58, 5), 2), kWood);
    Flat(p, RoundedBox(QRectF(72, 1, 6, 16), 2), kWood);
    p.setPen(QPen(QColor(0x8a, 0x80, 0x78), 0.9));
    for (const auto& [from, to] :
         {std::pair{QPointF(48, 7), QPointF(54, 46)}, std::pair{QPointF(102, 7), QPointF(96, 46)},
          std::pair{QPointF(75, 16), QPointF(75, 24)}, std::pair{QPointF(60, 8), QPointF(68, 74)},
          std::pair{QPointF(90, 8), QPointF(82, 74)}}) {
        p.drawLine(from, to);
    }
    for (const qreal side : {-1.0, 1.0}) {
        Stroke(p, Polyline({{75 + side * 10, 42}, {75 + side * 21, 46}}), 4, kWood.lighter(115));
        Blob(p, {75 + side * 21, 46}, 3, 3, kSkin);
        Stroke(p, Polyline({{75 + side * 5, 60}, {75 + side * 7, 72}}), 4, kBlue);
        Flat(p, RoundedBox(QRectF(75 + side * 7 - 5, 71, 10, 6), 2.5), kOutline);
    }
    Shape(p, RoundedBox(QRectF(63, 38, 24, 24), 5), kRed);
    Flat(p, RoundedBox(QRectF(63, 52, 24, 4), 1), kYellow);
    Blob(p, {75, 30}, 10, 10, kSkin);
    Flat(p, Polygon({{64, 24}, {75, 4}, {86, 24}}), kYellow);
    Dot(p, {71, 30}, 1.6);
    Dot(p, {79, 30}, 1.6);
    Cheeks(p, {68, 34}, {82, 34}, 2.2);
}

void JackInTheBox(QPainter& p) {
    const QColor box(0x3d, 0x8b, 0xe0);
    Stroke(p, Polyline({{48, 62}, {34, 62}, {34, 72}}), 3, QColor(0x9a, 0xa4, 0xb0));
    Blob(p, {34, 74}, 3.5, 3.5, kRed);
    Flat(p, Polygon({{48, 50}, {100, 50}, {124, 30}, {72, 30}}), box.darker(120));
    Shape(p, RoundedBox(QRectF(48, 50, 52, 28), 2), box);
    p.setPen(QPen(kYellow, 3));
    p.drawLine(QPointF(54, 56), QPointF(94, 72));
    p.drawLine(QPointF(94, 56), QPointF(54, 72));
    QPainterPath spring(QPointF(74, 50));
    for (int k = 0; k < 3; ++k) {
        spring.quadTo(84, 48 - k * 5, 74, 45 - k * 5);
        spring.quadTo(64, 42 - k * 5, 74, 40 - k * 5);
    }
    Stroke(p, spring, 2.5, kSteel);
    for (const qreal side : {-1.0, 1.0}) {
        Blob(p, {74 + side * 15, 22}, 7, 7, QColor(0xf4, 0x8c, 0x1e));
    }
    Shape(p, Polygon({{62, 16}, {74, 2}, {86, 16}}), kRed);
    Blob(p, {74, 3}, 3, 3, kYellow);
    Blob(p, {74, 23}, 12, 11, Qt::white);
    Blob(p, {74, 25}, 3.5, 3.5, kRed);
    Dot(p, {69, 20}, 1.8);
    Dot(p, {79, 20}, 1.8);
    Mouth(p, {68, 28}, {74, 34}, {80, 28});
    Flat(p, RoundLoop({{58, 36}, {74, 32}, {90, 36}, {74, 40}}), kYellow);
}

void RockingHorse(QPainter& p) {
    const QColor coat(0xf4, 0xf0, 0xe8);
    const QColor mane(0xa0, 0x58, 0x2a);
    QPainterPath rocker(QPointF(14, 62));
    rocker.quadTo(75, 86, 136, 62);
    Stroke(p, rocker, 5, kRed);
    for (const auto& [top, foot] :
         {std::pair{QPointF(50, 46), QPointF(38, 70)}, std::pair{QPointF(58, 46), QPointF(56, 73)},
          std::pair{QPointF(94, 46), QPointF(96, 73)},
          std::pair{QPointF(100, 46), QPointF(114, 70)}}) {
        Stroke(p, Polyline({top, foot}), 4.5, coat.darker(106));
    }
    Stroke(p, Polyline({{46, 36}, {34, 30}, {28, 44}}), 4, mane);
    Blob(p, {75, 40}, 30, 11, coat);
    Shape(p, Polygon({{92, 36}, {104, 10}, {116, 12}, {108, 40}}), coat);
    Shape(p, RoundLoop({{102, 6}, {130, 12}, {130, 22}, {108, 22}}), coat);
    Flat(p, RoundLoop({{100, 6}, {96, 14}, {92, 30}, {104, 18}, {106, 8}}), mane);
    Flat(p, Polygon({{104, 4}, {106, -2}, {110, 5}}), coat);
    Dot(p, {114, 12}, 1.8);
    Flat(p, RoundedBox(QRectF(66, 28, 18, 12), 4), kRed);
    InkLine(p, {76, 40}, {76, 50}, 1.5);
}

} // namespace

std::vector<HintPicture> ToyFigurePictures() {
    return {{"TEDDY.BMP", Teddy},          {"DOLL.BMP", Doll},
            {"ROBOT.BMP", Robot},          {"PUPPET.BMP", Puppet},
            {"JACKBOX.BMP", JackInTheBox}, {"ROCKHRSE.BMP", RockingHorse}};
}

} // namespace lexiglade::artwork
