#include "PictureKit.h"
#include "PictureSets.h"

#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kRed;
const QColor kWood{0xd9, 0xa8, 0x62};
const QColor kGrip{0x3a, 0x3e, 0x48};
const QColor kGrass{0x6a, 0xb0, 0x4c};
const QColor kPost{0xf6, 0xf8, 0xfb};

QPointF Toward(qreal degrees, qreal r) {
    const qreal a = degrees * std::numbers::pi / 180;
    return {std::cos(a) * r, std::sin(a) * r};
}

QPainterPath Pentagon(QPointF c, qreal r, qreal turn) {
    QPolygonF corners;
    for (int k = 0; k < 5; ++k) {
        corners << c + Toward(turn + 72 * k, r);
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

// A bat or club handle: an outlined bar from `from` to `to` with a dark grip at `from`.
void Handle(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& fill) {
    Stroke(p, Polyline({from, to}), width, fill);
    Stroke(p, Polyline({from, from + (to - from) * 0.35}), width, kGrip);
}

// A strung racket turned by `degrees` about the centre of its head of half-size `head`, with a
// handle reaching `reach` from that centre.
void Racket(QPainter& p, QPointF at, qreal degrees, QSizeF head, qreal reach, const QColor& frame) {
    Turned(p, at, degrees, [&] {
        Handle(p, {0, reach}, {0, head.height()}, head.width() * 0.25, frame);
        const QPainterPath oval = Ellipse({0, 0}, head.width(), head.height());
        p.save();
        p.setClipPath(oval);
        p.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 1));
        for (qreal x = -head.width(); x < head.width(); x += 4.4) {
            p.drawLine(QPointF(x, -head.height()), QPointF(x, head.height()));
        }
        for (qreal y = -head.height(); y < head.height(); y += 5) {
            p.drawLine(QPointF(-head.width(), y), QPointF(head.width(), y));
        }
        p.restore();
        Stroke(p, oval, head.width() * 0.16, frame);
    });
}

void Football(QPainter& p) {
    p.setPen(QPen(QColor(0xb8, 0xc0, 0xcc), 1));
    for (int k = 1; k < 6; ++k) {
        p.drawLine(QPointF(96 + k * 8, 12), QPointF(96 + k * 8, 74));
        p.drawLine(QPointF(96, 12 + k * 10), QPointF(146, 12 + k * 10));
    }
    Stroke(p, Polyline({{96, 76}, {96, 10}, {146, 10}, {146, 76}}), 3, kPost);
    Blob(p, {62, 76}, 40, 3, kGrass);
    const QPointF c(60, 44);
    const qreal r = 30;
    const QPainterPath ball = Ellipse(c, r, r);
    Marked(p, ball, Qt::white, [&] {
        p.setPen(QPen(kOutline, 1.5));
        for (int k = 0; k < 5; ++k) {
            p.drawLine(c + Toward(-90 + 72 * k, 10), c + Toward(-90 + 72 * k, 22));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x23, 0x26, 0x2e));
        p.drawPath(Pentagon(c, 10, -90));
        for (int k = 0; k < 5; ++k) {
            p.drawPath(Pentagon(c + Toward(-90 + 72 * k, 30), 10, 90 + 72 * k));
        }
    });
}

void Basketball(QPainter& p) {
    Flat(p, RoundedBox(QRectF(104, 2, 42, 30), 2), kPost);
    p.setPen(QPen(kRed, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(116, 12, 18, 14));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 1.2));
    for (int k = 0; k <= 4; ++k) {
        p.drawLine(QPointF(108 + k * 6, 34), QPointF(114 + k * 3.5, 54));
    }
    p.drawLine(QPointF(110, 42), QPointF(130, 42));
    p.drawLine(QPointF(113, 50), QPointF(127, 50));
    Flat(p, RoundedBox(QRectF(104, 30, 36, 5), 2.5), kRed);
    const QPointF c(56, 46);
    const qreal r = 31;
    const QPainterPath ball = Ellipse(c, r, r);
    Marked(p, ball, QColor(0xf0, 0x7e, 0x26), [&] {
        p.setPen(QPen(kOutline, 2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
        p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
        p.drawEllipse(c - QPointF(r * 1.05, 0), r * 0.6, r);
        p.drawEllipse(c + QPointF(r * 1.05, 0), r * 0.6, r);
    });
}

void Tennis(QPainter& p) {
    Racket(p, {60, 32}, 40, QSizeF(22, 30), 56, kRed);
    const QPointF c(120, 56);
    Blob(p, c, 15, 15, QColor(0xd4, 0xe8, 0x2a));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 24, c.y() - 12, 16, 24), -70 * 16, 140 * 16);
    p.drawArc(QRectF(c.x() + 8, c.y() - 12, 16, 24), 110 * 16, 140 * 16);
}

// A round ball with a stitched seam across it, as used in cricket and baseball.
void SeamBall(QPainter& p, QPointF c, qreal r, const QColor& leather, const QColor& thread) {
    Blob(p, c, r, r, leather);
    p.setPen(QPen(thread, 1.6, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 1.7, c.y() - r, r * 1.4, r * 2), -55 * 16, 110 * 16);
    p.drawArc(QRectF(c.x() + r * 0.3, c.y() - r, r * 1.4, r * 2), 125 * 16, 110 * 16);
}

void Cricket(QPainter& p) {
    for (const qreal x : {106.0, 118.0, 130.0}) {
        Flat(p, RoundedBox(QRectF(x - 2.5, 14, 5, 62), 2), QColor(0xf2, 0xd8, 0xa8));
    }
    Flat(p, RoundedBox(QRectF(102, 10, 16, 4), 2), QColor(0xf2, 0xd8, 0xa8));
    Flat(p, RoundedBox(QRectF(118, 10, 16, 4), 2), QColor(0xf2, 0xd8, 0xa8));
    Turned(p, {44, 40}, -35, [&] {
        Handle(p, {0, -38}, {0, -14}, 5, kWood);
        Shape(p, RoundedBox(QRectF(-9, -16, 18, 56), 6), kWood);
    });
    SeamBall(p, {82, 62}, 11, kRed, Qt::white);
}

void Golf(QPainter& p) {
    Blob(p, {84, 70}, 64, 9, kGrass);
    Blob(p, {110, 70}, 9, 3, QColor(0x2e, 0x3a, 0x2a));
    InkLine(p, {110, 70}, {110, 4}, 2.5);
    Flat(p, Polygon({{111, 4}, {140, 12}, {111, 22}}), kRed);
    Flat(p, Polygon({{48, 66}, {52, 66}, {51, 76}, {49, 76}}), Qt::white);
    Blob(p, {50, 60}, 7, 7, Qt::white);
    p.setPen(QPen(QColor(0xc8, 0xcc, 0xd4), 1));
    p.drawPoint(QPointF(48, 58));
    p.drawPoint(QPointF(52, 61));
    Stroke(p, Polyline({{12, 4}, {30, 66}}), 2.5, QColor(0x9a, 0xa4, 0xb0));
    Stroke(p, Polyline({{12, 4}, {16, 18}}), 3, kGrip);
    Shape(p, RoundLoop({{26, 62}, {40, 64}, {40, 72}, {24, 72}}), QColor(0x9a, 0xa4, 0xb0));
}

void Baseball(QPainter& p) {
    Turned(p, {62, 40}, -30, [&] {
        QPainterPath bat(QPointF(-3, -42));
        bat.lineTo(3, -42);
        bat.cubicTo(4, -10, 10, 10, 10, 36);
        bat.quadTo(0, 42, -10, 36);
        bat.cubicTo(-10, 10, -4, -10, -3, -42);
        Shape(p, bat, kWood);
        Flat(p, Ellipse({0, -43}, 5, 2.5), kWood.darker(110));
        Stroke(p, Polyline({{0, -38}, {0, -24}}), 4, kGrip);
    });
    SeamBall(p, {116, 48}, 20, Qt::white, kRed);
}

void Rugby(QPainter& p) {
    Stroke(p, Polyline({{98, 4}, {98, 78}}), 3, kPost);
    Stroke(p, Polyline({{138, 4}, {138, 78}}), 3, kPost);
    Stroke(p, Polyline({{98, 48}, {138, 48}}), 3, kPost);
    Turned(p, {58, 42}, -25, [&] {
        QPainterPath ball(QPointF(-42, 0));
        ball.cubicTo(-30, -30, 30, -30, 42, 0);
        ball.cubicTo(30, 30, -30, 30, -42, 0);
        Marked(p, ball, QColor(0xf4, 0xf0, 0xe6), [&] {
            p.fillRect(QRectF(-30, -30, 8, 60), kRed);
            p.fillRect(QRectF(22, -30, 8, 60), kRed);
            QPainterPath seam(QPointF(-42, 0));
            seam.cubicTo(-20, -12, 20, -12, 42, 0);
            p.setPen(QPen(kOutline, 1.5));
            p.drawPath(seam);
        });
    });
}

void BowlingPin(QPainter& p, QPointF base, qreal h) {
    const qreal w = h * 0.3;
    QPainterPath pin(base + QPointF(-w * 0.45, 0));
    pin.cubicTo(base + QPointF(-w * 0.9, -h * 0.35), base + QPointF(-w * 0.2, -h * 0.55),
                base + QPointF(-w * 0.25, -h * 0.7));
    pin.cubicTo(base + QPointF(-w * 0.5, -h * 0.9), base + QPointF(-w * 0.3, -h),
                base + QPointF(0, -h));
    pin.cubicTo(base + QPointF(w * 0.3, -h), base + QPointF(w * 0.5, -h * 0.9),
                base + QPointF(w * 0.25, -h * 0.7));
    pin.cubicTo(base + QPointF(w * 0.2, -h * 0.55), base + QPointF(w * 0.9, -h * 0.35),
                base + QPointF(w * 0.45, 0));
    pin.closeSubpath();
    Marked(p, pin, Qt::white, [&] {
        p.fillRect(QRectF(base.x() - w, base.y() - h * 0.72, 2 * w, h * 0.05), kRed);
        p.fillRect(QRectF(base.x() - w, base.y() - h * 0.64, 2 * w, h * 0.05), kRed);
    });
}

void Bowling(QPainter& p) {
    BowlingPin(p, {96, 62}, 54);
    BowlingPin(p, {130, 62}, 54);
    BowlingPin(p, {113, 78}, 60);
    const QPointF c(46, 52);
    Blob(p, c, 26, 26, QColor(0x2a, 0x4a, 0xb0));
    for (const QPointF hole : {QPointF(38, 40), QPointF(48, 38), QPointF(44, 50)}) {
        Flat(p, Ellipse(hole, 3.5, 3.5), QColor(0x14, 0x20, 0x50));
    }
    Shine(p, {56, 62}, 6, 4);
}

void Badminton(QPainter& p) {
    Racket(p, {48, 34}, -40, QSizeF(18, 24), 74, kBlue);
    Turned(p, {112, 40}, 30, [&] {
        QPainterPath skirt(QPointF(-8, 10));
        skirt.lineTo(-20, -30);
        skirt.quadTo(0, -36, 20, -30);
        skirt.lineTo(8, 10);
        skirt.closeSubpath();
        Shape(p, skirt, Qt::white);
        p.setPen(QPen(QColor(0xb8, 0xc0, 0xcc), 1.2));
        for (const qreal x : {-12.0, -4.0, 4.0, 12.0}) {
            p.drawLine(QPointF(x * 0.4, 8), QPointF(x, -31));
        }
        Flat(p, RoundedBox(QRectF(-10, 6, 20, 4), 2), kRed);
        QPainterPath cork(QPointF(-9, 10));
        cork.cubicTo(-9, 26, 9, 26, 9, 10);
        cork.closeSubpath();
        Shape(p, cork, QColor(0xf2, 0xe2, 0xc4));
    });
}

} // namespace

std::vector<HintPicture> BallSportPictures() {
    return {{"FOOTBALL.BMP", Football}, {"BASKETBL.BMP", Basketball}, {"TENNIS.BMP", Tennis},
            {"CRICKET.BMP", Cricket},   {"GOLF.BMP", Golf},           {"BASEBALL.BMP", Baseball},
            {"RUGBY.BMP", Rugby},       {"BOWLING.BMP", Bowling},     {"BADMINTN.BMP", Badminton}};
}

} // namespace lexiglade::artwork
