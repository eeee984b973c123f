#include "Kit.h"
#include "PictureKit.h"
#include "PictureSets.h"

#include <QLineF>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace lexiglade::artwork {

namespace {

using paint::kBlue;
using paint::kGreen;
using paint::kPurple;
using paint::kRed;
using paint::kWood;
using paint::kYellow;

// Short curved strokes beside a moving toy.
void MotionMarks(QPainter& p, QPointF c, qreal r, std::initializer_list<qreal> degrees) {
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal a : degrees) {
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((a - 15) * 16), 30 * 16);
    }
}

void Kite(QPainter& p) {
    const QPointF top(100, 3), right(130, 22), bottom(102, 58), left(70, 20), c(100, 22);
    QPainterPath tail(bottom);
    tail.cubicTo(90, 78, 60, 50, 44, 66);
    tail.cubicTo(32, 78, 16, 66, 8, 72);
    Stroke(p, tail, 1, QColor(0x8a, 0x80, 0x78));
    for (const QPointF bow : {QPointF(72, 63), QPointF(40, 70), QPointF(18, 68)}) {
        Flat(p, Polygon({bow, bow + QPointF(-6, -5), bow + QPointF(-6, 5)}), kRed);
        Flat(p, Polygon({bow, bow + QPointF(6, -5), bow + QPointF(6, 5)}), kRed);
    }
    const std::array<QColor, 4> colours{kYellow, kBlue, kYellow, kBlue};
    const std::array<QPointF, 5> corners{top, right, bottom, left, top};
    for (std::size_t k = 0; k < 4; ++k) {
        Flat(p, Polygon({c, corners[k], corners[k + 1]}), colours[k]);
    }
    InkLine(p, top, bottom, 2);
    InkLine(p, left, right, 2);
}

void YoYo(QPainter& p) {
    const QPointF c(75, 50);
    InkLine(p, {75, 10}, c, 1.5);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(75, 6), 4, 4);
    MotionMarks(p, c, 36, {150, 180, 210, 330, 0, 30});
    Blob(p, c, 27, 27, kRed);
    Flat(p, Ellipse(c, 19, 19), kRed.lighter(125));
    Blob(p, c, 6, 6, kYellow);
    Shine(p, c + QPointF(-12, -13), 5, 3);
}

void SpinningTop(QPainter& p) {
    Blob(p, {75, 76}, 26, 3, QColor(0xdd, 0xe2, 0xea));
    MotionMarks(p, {75, 44}, 50, {160, 185, 355, 20});
    Flat(p, RoundedBox(QRectF(71, 2, 8, 16), 3), kWood);
    Blob(p, {75, 3}, 5, 3.5, kRed);
    QPainterPath body(QPointF(75, 76));
    body.cubicTo(62, 62, 32, 52, 32, 40);
    body.cubicTo(32, 24, 58, 16, 75, 16);
    body.cubicTo(92, 16, 118, 24, 118, 40);
    body.cubicTo(118, 52, 88, 62, 75, 76);
    Marked(p, body, kBlue, [&] {
        for (const auto& [y, colour] :
             {std::pair{28.0, kYellow}, std::pair{42.0, kRed}, std::pair{55.0, kYellow}}) {
            p.fillRect(QRectF(30, y, 90, 6), colour);
        }
    });
    Shine(p, {52, 30}, 6, 3);
}

// A toy block with `letter` on its face: front square, top and side in perspective.
void Block(QPainter& p, QPointF corner, qreal size, const QColor& colour, const QString& letter) {
    const QPointF depth(size * 0.32, -size * 0.32);
    const QRectF face(corner, QSizeF(size, size));
    Flat(
        p,
        Polygon({face.topLeft(), face.topLeft() + depth, face.topRight() + depth, face.topRight()}),
        colour.lighter(125));
    Flat(p,
         Polygon({face.topRight(), face.topRight() + depth, face.bottomRight() + depth,
                  face.bottomRight()}),
         colour.darker(125));
    Shape(p, RoundedBox(face, 2), colour);
    p.setFont(BoldFont(size * 0.7));
    p.setPen(Qt::white);
    p.drawText(face, Qt::AlignCenter, letter);
}

void Blocks(QPainter& p) {
    Block(p, {28, 46}, 30, kRed, "A");
    Block(p, {68, 46}, 30, kBlue, "B");
    Block(p, {50, 14}, 30, kGreen, "C");
}

void Marble(QPainter& p, QPointF c, qreal r, const QColor& swirl) {
    Blob(p, c, r, r, QColor(0xe4, 0xf0, 0xf8));
    QPainterPath twist(c + QPointF(-r * 0.8, r * 0.2));
    twist.cubicTo(c + QPointF(-r * 0.2, -r * 0.9), c + QPointF(r * 0.2, r * 0.9),
                  c + QPointF(r * 0.8, -r * 0.2));
    p.setPen(QPen(swirl, r * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(twist);
    Shine(p, c + QPointF(-r * 0.4, -r * 0.45), r * 0.25, r * 0.18);
}

void Marbles(QPainter& p) {
    for (const auto& [c, r, colour] :
         {std::tuple{QPointF(40, 54), 17.0, kBlue}, std::tuple{QPointF(76, 58), 16.0, kRed},
          std::tuple{QPointF(58, 28), 15.0, kGreen}, std::tuple{QPointF(110, 54), 15.0, kYellow},
          std::tuple{QPointF(94, 26), 13.0, kPurple}, std::tuple{QPointF(132, 30), 9.0, kGreen}}) {
        Marble(p, c, r, colour);
    }
}

void SkippingRope(QPainter& p) {
    QPainterPath rope(QPointF(34, 38));
    rope.cubicTo(40, 96, 110, 96, 116, 38);
    Stroke(p, rope, 3, kRed);
    for (const auto& [c, tilt] :
         {std::pair{QPointF(30, 24), -12.0}, std::pair{QPointF(120, 24), 12.0}}) {
        Turned(p, c, tilt, [&] {
            Shape(p, RoundedBox(QRectF(-6, -18, 12, 34), 6), kWood);
            Flat(p, RoundedBox(QRectF(-6, 12, 12, 6), 2), kRed);
        });
    }
}

// One edge of a jigsaw piece from `a` to `b`; `knob` 1 bulges outwards, -1 inwards, 0 is flat.
void PieceEdge(QPainterPath& path, QPointF a, QPointF b, int knob) {
    const QPointF along = b - a;
    const QPointF out(along.y(), -along.x());
    if (knob == 0) {
        path.lineTo(b);
        return;
    }
    const QPointF from = a + along * 0.36;
    const QPointF to = a + along * 0.64;
    path.lineTo(from);
    path.cubicTo(from + out * (0.42 * knob) - along * 0.2, to + out * (0.42 * knob) + along * 0.2,
                 to);
    path.lineTo(b);
}

// A jigsaw piece whose knobs run top, right, bottom, left.
QPainterPath Piece(QPointF corner, qreal size, std::array<int, 4> knobs) {
    const std::array<QPointF, 5> at{corner, corner + QPointF(size, 0), corner + QPointF(size, size),
                                    corner + QPointF(0, size), corner};
    QPainterPath piece(corner);
    for (std::size_t k = 0; k < 4; ++k) {
        PieceEdge(piece, at[k], at[k + 1], knobs[k]);
    }
    piece.closeSubpath();
    return piece;
}

void Jigsaw(QPainter& p) {
    const qreal s = 30;
    Shape(p, Piece({24, 8}, s, {0, 1, -1, 0}), kRed);
    Shape(p, Piece({24 + s, 8}, s, {0, 0, 1, -1}), kBlue);
    Shape(p, Piece({24, 8 + s}, s, {1, -1, 0, 0}), kGreen);
    Turned(p, {118, 52}, 18, [&] { Shape(p, Piece({-s / 2, -s / 2}, s, {-1, 0, 0, 1}), kYellow); });
}

void Balloon(QPainter& p, QPointF c, const QColor& colour) {
    QPainterPath string(c + QPointF(0, 20));
    string.cubicTo(c + QPointF(6, 34), QPointF(70, 60), QPointF(75, 78));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    Flat(p, Polygon({c + QPointF(0, 17), c + QPointF(-4, 22), c + QPointF(4, 22)}), colour);
    Blob(p, c, 15, 18, colour);
    Shine(p, c + QPointF(-6, -7), 3, 5);
}

void Balloons(QPainter& p) {
    Balloon(p, {48, 26}, kRed);
    Balloon(p, {102, 24}, kBlue);
    Balloon(p, {75, 20}, kYellow);
}

void Bubble(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(QColor(0x6a, 0x9c, 0xd6), 1.6));
    p.setBrush(QColor(0xd6, 0xec, 0xfc, 160));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0xe8, 0x8a, 0xd8, 180), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r + 2, c.y() - r + 2, 2 * r - 4, 2 * r - 4), 200 * 16, 80 * 16);
    Shine(p, c + QPointF(-r * 0.4, -r * 0.4), r * 0.2, r * 0.14);
}

void Bubbles(QPainter& p) {
    Stroke(p, Polyline({{22, 78}, {44, 46}}), 3.5, QColor(0xe8, 0x6a, 0xa8));
    p.setPen(QPen(kOutline, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 34), 11, 13);
    p.setPen(QPen(QColor(0xe8, 0x6a, 0xa8), 3));
    p.drawEllipse(QPointF(50, 34), 11, 13);
    for (const auto& [c, r] : {std::pair{QPointF(86, 30), 17.0}, std::pair{QPointF(122, 20), 12.0},
                               std::pair{QPointF(120, 56), 14.0}, std::pair{QPointF(84, 66), 9.0},
                               std::pair{QPointF(140, 42), 6.0}, std::pair{QPointF(70, 8), 6.0}}) {
        Bubble(p, c, r);
    }
}

void Trampoline(QPainter& p) {
    const QColor frame(0x6a, 0x6e, 0x78);
    for (const qreal x : {24.0, 58.0, 92.0, 126.0}) {
        const qreal rim = 40 + (std::abs(x - 75) < 30 ? 10 : 2);
        Stroke(p, Polyline({{x, rim}, {x + (x < 75 ? -4 : 4), 77}}), 3, frame);
    }
    Flat(p, Ellipse({75, 36}, 64, 17), kBlue);
    Flat(p, Ellipse({75, 35}, 52, 12), QColor(0x2e, 0x2e, 0x36));
    p.setPen(QPen(QColor(0x58, 0x5c, 0x66), 1));
    for (int k = 0; k < 16; ++k) {
        const qreal a = k * std::numbers::pi / 8;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(QPointF(75, 35) + QPointF(dir.x() * 52, dir.y() * 12),
                   QPointF(75, 36) + QPointF(dir.x() * 60, dir.y() * 15.5));
    }
}

} // namespace

std::vector<HintPicture> ToyPlaythingPictures() {
    return {{"KITE.BMP", Kite},          {"YOYO.BMP", YoYo},         {"SPINTOP.BMP", SpinningTop},
            {"BLOCKS.BMP", Blocks},      {"MARBLES.BMP", Marbles},   {"SKIPROPE.BMP", SkippingRope},
            {"JIGSAW.BMP", Jigsaw},      {"BALLOONS.BMP", Balloons}, {"BUBBLES.BMP", Bubbles},
            {"TRAMPOLN.BMP", Trampoline}};
}

} // namespace lexiglade::artwork
