#include "PictureKit.h"
#include "PictureSets.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

// An ellipse turned by `degrees` about its centre.
void TurnedBlob(QPainter& p, QPointF c, qreal rx, qreal ry, qreal degrees, const QColor& fill) {
    p.save();
    p.translate(c);
    p.rotate(degrees);
    Blob(p, {0, 0}, rx, ry, fill);
    p.restore();
}

void Duck(QPainter& p) {
    const QColor yellow(0xff, 0xd2, 0x3f);
    QPainterPath body(QPointF(54, 50));
    body.cubicTo(54, 74, 112, 78, 124, 56);
    body.cubicTo(130, 46, 128, 36, 124, 34);
    body.cubicTo(114, 44, 100, 44, 90, 42);
    body.cubicTo(74, 40, 56, 38, 54, 50);
    Shape(p, body, yellow);
    QPainterPath wing(QPointF(78, 50));
    wing.cubicTo(90, 42, 110, 46, 114, 54);
    wing.cubicTo(100, 64, 84, 62, 78, 50);
    Flat(p, wing, yellow.darker(112));
    QPainterPath beak(QPointF(44, 28));
    beak.cubicTo(34, 24, 24, 30, 27, 35);
    beak.cubicTo(32, 40, 40, 38, 46, 36);
    Flat(p, beak, QColor(0xf7, 0x8c, 0x1e));
    Blob(p, {57, 28}, 16, 15, yellow);
    Eye(p, {53, 24}, 4.5);
    Waves(p, 68, QColor(0x9a, 0xd0, 0xf5), 6);
}

void Frog(QPainter& p) {
    const QColor green(0x6c, 0xbf, 0x3c);
    Blob(p, {75, 58}, 40, 20, green);
    Blob(p, {75, 63}, 22, 11, QColor(0xc8, 0xe8, 0x9a));
    for (const qreal x : {44.0, 106.0}) {
        Blob(p, {x, 73}, 11, 5, green.darker(110));
    }
    Blob(p, {75, 40}, 36, 21, green);
    Blob(p, {56, 21}, 12, 12, green);
    Blob(p, {94, 21}, 12, 12, green);
    Eye(p, {56, 20}, 8);
    Eye(p, {94, 20}, 8);
    Mouth(p, {54, 44}, {75, 58}, {96, 44});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8f, 0xa3, 150));
    p.drawEllipse(QPointF(50, 47), 5, 3);
    p.drawEllipse(QPointF(100, 47), 5, 3);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(70, 35), 1.3, 1.3);
    p.drawEllipse(QPointF(80, 35), 1.3, 1.3);
}

void Snail(QPainter& p) {
    QPainterPath body(QPointF(134, 72));
    body.cubicTo(110, 77, 50, 77, 34, 71);
    body.cubicTo(24, 67, 22, 51, 30, 45);
    body.cubicTo(38, 39, 46, 47, 46, 56);
    body.lineTo(50, 63);
    body.cubicTo(80, 65, 110, 62, 134, 72);
    const QColor skin(0xd7, 0xc9, 0x8a);
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(31, 46), QPointF(24, 20));
    p.drawLine(QPointF(40, 45), QPointF(41, 18));
    Shape(p, body, skin);
    Eye(p, {24, 19}, 4.5);
    Eye(p, {41, 17}, 4.5);
    Mouth(p, {27, 58}, {32, 63}, {38, 59});
    const QPointF c(90, 42);
    Blob(p, c, 27, 27, QColor(0xd9, 0x8a, 0x3a));
    QPainterPath spiral(c);
    for (int k = 1; k <= 60; ++k) {
        const qreal t = k * 0.18;
        const qreal r = 2.3 * t;
        spiral.lineTo(c + QPointF(std::cos(t), std::sin(t)) * r);
    }
    p.setPen(QPen(QColor(0x8a, 0x4a, 0x1a), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
}

void Snake(QPainter& p) {
    QPainterPath body(QPointF(16, 60));
    body.cubicTo(32, 30, 52, 30, 60, 50);
    body.cubicTo(68, 70, 88, 70, 96, 50);
    body.cubicTo(102, 34, 110, 32, 118, 38);
    const QColor green(0x58, 0xb9, 0x47);
    Stroke(p, body, 13, green);
    QPen dots(green.darker(140), 5, Qt::DotLine, Qt::RoundCap);
    dots.setDashPattern({0.01, 2.6});
    p.setPen(dots);
    p.drawPath(body);
    p.setPen(QPen(QColor(0xe0, 0x30, 0x3c), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(134, 42), QPointF(144, 42));
    p.drawLine(QPointF(144, 42), QPointF(148, 38));
    p.drawLine(QPointF(144, 42), QPointF(148, 46));
    Blob(p, {124, 39}, 13, 9.5, green);
    Eye(p, {120, 34}, 3.5);
    Eye(p, {129, 34}, 3.5);
}

void Rabbit(QPainter& p) {
    const QColor fur(0xe6, 0xe2, 0xdc);
    const QColor pink(0xf4, 0xa6, 0xb8);
    for (const auto& [x, tilt] : {std::pair{52.0, -8.0}, std::pair{64.0, 14.0}}) {
        TurnedBlob(p, {x, 16}, 6.5, 17, tilt, fur);
        p.save();
        p.translate(x, 16);
        p.rotate(tilt);
        p.setPen(Qt::NoPen);
        p.setBrush(pink);
        p.drawEllipse(QPointF(0, 1), 3, 12);
        p.restore();
    }
    Blob(p, {120, 56}, 9, 9, Qt::white);
    Blob(p, {90, 55}, 32, 21, fur);
    Blob(p, {98, 73}, 20, 5, fur);
    Blob(p, {62, 71}, 8, 5, fur);
    Blob(p, {56, 41}, 19, 16, fur);
    Eye(p, {50, 37}, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(pink);
    p.drawEllipse(QPointF(39, 44), 3, 2.5);
    p.setPen(QPen(kOutline, 1));
    for (const qreal dy : {-3.0, 0.0, 3.0}) {
        p.drawLine(QPointF(40, 46), QPointF(26, 46 + dy * 1.6));
    }
}

void Elephant(QPainter& p) {
    const QColor grey(0x9a, 0xa4, 0xb0);
    for (const qreal x : {70.0, 86.0, 106.0, 120.0}) {
        Flat(
            p,
            [x] {
                QPainterPath leg;
                leg.addRoundedRect(QRectF(x - 7, 50, 14, 27), 4, 4);
                return leg;
            }(),
            grey.darker(108));
    }
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 40), QPointF(136, 56));
    Blob(p, {96, 42}, 36, 22, grey);
    QPainterPath trunk(QPointF(42, 44));
    trunk.cubicTo(30, 52, 32, 66, 22, 70);
    Stroke(p, trunk, 9, grey);
    Blob(p, {50, 34}, 19, 18, grey);
    Blob(p, {66, 34}, 13, 17, grey.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xb8, 0xc4));
    p.drawEllipse(QPointF(67, 35), 7, 10);
    QPainterPath tusk(QPointF(40, 48));
    tusk.quadTo(36, 56, 28, 55);
    Stroke(p, tusk, 3, Qt::white);
    Eye(p, {45, 28}, 3.5);
}

void Giraffe(QPainter& p) {
    const QColor coat(0xf2, 0xc1, 0x4e);
    const QColor spot(0xa0, 0x61, 0x2b);
    for (const qreal x : {84.0, 92.0, 110.0, 118.0}) {
        p.setPen(QPen(kOutline, 6.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 48), QPointF(x, 76));
        p.setPen(QPen(coat, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 48), QPointF(x, 76));
    }
    p.setPen(QPen(kOutline, 2));
    p.drawLine(QPointF(126, 40), QPointF(134, 58));
    QPainterPath neck(QPointF(78, 46));
    neck.lineTo(42, 18);
    neck.lineTo(52, 10);
    neck.lineTo(94, 38);
    neck.closeSubpath();
    const QPainterPath animal = neck.united(Ellipse({102, 42}, 27, 13));
    Flat(p, animal, coat);
    p.save();
    p.setClipPath(animal);
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    for (const QPointF at : {QPointF(88, 38), QPointF(100, 47), QPointF(112, 37), QPointF(122, 45),
                             QPointF(74, 33), QPointF(62, 24), QPointF(54, 18), QPointF(95, 33)}) {
        p.drawRoundedRect(QRectF(at - QPointF(4, 3), QSizeF(8, 6)), 2.5, 2.5);
    }
    p.restore();
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 9), QPointF(45, 2));
    p.drawLine(QPointF(52, 8), QPointF(53, 1));
    TurnedBlob(p, {42, 13}, 13, 7.5, -20, coat);
    Blob(p, {31, 17}, 5, 4, QColor(0xd9, 0x9a, 0x5a));
    Eye(p, {44, 10}, 2.8);
}

void Lion(QPainter& p) {
    const QColor mane(0xc8, 0x69, 0x1c);
    const QColor face(0xf6, 0xc4, 0x53);
    const QPointF c(75, 41);
    for (int k = 0; k < 14; ++k) {
        const qreal a = k * 2 * std::numbers::pi / 14;
        Blob(p, c + QPointF(std::cos(a) * 26, std::sin(a) * 26), 11, 11, mane);
    }
    Blob(p, c, 30, 30, mane);
    Blob(p, {57, 22}, 7, 7, face);
    Blob(p, {93, 22}, 7, 7, face);
    Blob(p, c + QPointF(0, 2), 23, 22, face);
    Blob(p, {69, 52}, 8, 6, QColor(0xff, 0xf2, 0xc8));
    Blob(p, {81, 52}, 8, 6, QColor(0xff, 0xf2, 0xc8));
    Flat(
        p,
        [] {
            QPainterPath nose(QPointF(70, 45));
            nose.lineTo(80, 45);
            nose.lineTo(75, 50);
            nose.closeSubpath();
            return nose;
        }(),
        QColor(0x6b, 0x3a, 0x1e));
    Eye(p, {66, 37}, 4.2);
    Eye(p, {84, 37}, 4.2);
    Mouth(p, {70, 57}, {75, 61}, {80, 57});
}

} // namespace

std::vector<HintPicture> LandAnimalPictures() {
    return {{"DUCK.BMP", Duck},       {"FROG.BMP", Frog},     {"SNAIL.BMP", Snail},
            {"SNAKE.BMP", Snake},     {"RABBIT.BMP", Rabbit}, {"ELEPHANT.BMP", Elephant},
            {"GIRAFFE.BMP", Giraffe}, {"LION.BMP", Lion}};
}

} // namespace lexiglade::artwork
