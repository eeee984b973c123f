#include "Kit.h"
#include "ObjectKit.h"
#include "PictureSets.h"

#include <array>

namespace lexiglade::artwork {

namespace {

const QColor kWoodLight{0xf3, 0xd2, 0x9c};
const QColor kGraphite{0x3a, 0x3a, 0x44};
const QColor kPink{0xf4, 0x9a, 0xb0};

// A pencil lying along x from its point at x = 0 to its eraser at x = `length`.
void PencilAlong(QPainter& p, qreal length, qreal half, const QColor& paint) {
    Flat(p, Polygon({{0, 0}, {22, -half}, {22, half}}), kWoodLight);
    Flat(p, Polygon({{0, 0}, {8, -half * 0.36}, {8, half * 0.36}}), kGraphite);
    Rounded(p, RoundedBox(QRectF(22, -half, length - 40, 2 * half), 1), paint, false);
    DetailLine(p, {24, -half / 3}, {length - 20, -half / 3}, 1.2, paint.darker(130));
    DetailLine(p, {24, half / 3}, {length - 20, half / 3}, 1.2, paint.darker(130));
    Metal(p, RoundedBox(QRectF(length - 20, -half - 0.5, 10, 2 * half + 1), 1), paint::kSteel,
          false);
    Rounded(p, RoundedBox(QRectF(length - 11, -half, 11, 2 * half), 4), kPink, false);
}

void Pencil(QPainter& p) {
    Turned(p, {12, 52}, -14, [&] { PencilAlong(p, 132, 9, QColor(0xf6, 0xc3, 0x3b)); });
}

void Ruler(QPainter& p) {
    Turned(p, {75, 40}, -10, [&] {
        Rounded(p, RoundedBox(QRectF(-68, -15, 136, 30), 3), QColor(0xf6, 0xd0, 0x4d), false);
        for (int k = 0; k <= 26; ++k) {
            const qreal x = -62 + 4.8 * k;
            InkLine(p, {x, -15}, {x, k % 2 == 0 ? -5.0 : -10.0}, 1.2);
        }
        p.setFont(BoldFont(8));
        p.setPen(kGraphite);
        for (int n = 0; n <= 6; ++n) {
            p.drawText(QRectF(-62 + 9.6 * 2 * n - 6, -3, 12, 12), Qt::AlignCenter,
                       QString::number(n));
        }
    });
}

// One half of the scissors: a finger loop and the blade on the other side of the pivot.
void ScissorHalf(QPainter& p, qreal side, const QColor& plastic) {
    const QPointF pivot(72, 40);
    const QPainterPath blade =
        Polygon({pivot + QPointF(-4, side * 5), pivot + QPointF(0, -side * 6),
                 QPointF(142, 40 - side * 20), pivot + QPointF(10, side * 4)});
    Metal(p, blade, paint::kSteel, false);
    QPainterPath loop = Ellipse({32, 40 + side * 20}, 20, 14);
    loop.addEllipse(QPointF(32, 40 + side * 20), 12, 7);
    QPainterPath arm(QPointF(48, 40 + side * 13));
    arm.lineTo(pivot);
    Stroke(p, arm, 8, plastic);
    Shape(p, loop, plastic);
}

void Scissors(QPainter& p) {
    ScissorHalf(p, -1, QColor(0xe6, 0x39, 0x46));
    ScissorHalf(p, 1, QColor(0xe6, 0x39, 0x46));
    Blob(p, {72, 40}, 3.5, 3.5, paint::kSteel);
}

void Eraser(QPainter& p) {
    const QColor blue(0x5a, 0x8f, 0xd6);
    p.setPen(Qt::NoPen);
    p.setBrush(kPink.darker(115));
    for (const QPointF c :
         {QPointF(52, 70), QPointF(58, 74), QPointF(64, 68), QPointF(70, 73), QPointF(47, 75)}) {
        p.drawEllipse(c, 2.5, 1.8);
    }
    const auto face = [&](std::array<QPointF, 4> c, const QColor& fill) {
        Flat(p, Polygon({c[0], c[1], c[2], c[3]}), fill);
    };
    face({QPointF(34, 30), QPointF(80, 30), QPointF(80, 62), QPointF(34, 62)}, kPink);
    face({QPointF(80, 30), QPointF(114, 30), QPointF(114, 62), QPointF(80, 62)}, blue);
    face({QPointF(34, 30), QPointF(50, 16), QPointF(96, 16), QPointF(80, 30)}, kPink.lighter(110));
    face({QPointF(80, 30), QPointF(96, 16), QPointF(130, 16), QPointF(114, 30)}, blue.lighter(115));
    face({QPointF(114, 30), QPointF(130, 16), QPointF(130, 48), QPointF(114, 62)},
         blue.darker(115));
}

void Crayons(QPainter& p) {
    const std::array<QColor, 5> colours{QColor(0xe6, 0x39, 0x46), QColor(0xf4, 0x8c, 0x2a),
                                        QColor(0xf6, 0xc3, 0x3b), QColor(0x4f, 0xa8, 0x4a),
                                        QColor(0x45, 0x7b, 0xd9)};
    for (int k = 0; k < 5; ++k) {
        const qreal x = 39 + 18 * k;
        const qreal top = k % 2 == 0 ? 4 : 10;
        const QColor c = colours[k];
        Rounded(p, Polygon({{x - 6, top + 14}, {x - 2, top}, {x + 2, top}, {x + 6, top + 14}}), c);
        Rounded(p, RoundedBox(QRectF(x - 8, top + 13, 16, 62 - top), 2), c);
        Flat(p, RoundedBox(QRectF(x - 8, top + 26, 16, 30), 1), c.lighter(140));
        DetailLine(p, {x - 8, top + 31}, {x + 8, top + 31}, 1.2, c.darker(130));
        DetailLine(p, {x - 8, top + 51}, {x + 8, top + 51}, 1.2, c.darker(130));
    }
}

void Sharpener(QPainter& p) {
    const QColor shaving(0xf3, 0xd2, 0x9c);
    for (const QPointF c : {QPointF(96, 68), QPointF(112, 70)}) {
        QPainterPath curl(c);
        curl.cubicTo(c + QPointF(-10, -2), c + QPointF(-8, 8), c + QPointF(2, 6));
        curl.cubicTo(c + QPointF(10, 4), c + QPointF(6, -6), c + QPointF(-2, -6));
        Stroke(p, curl, 3, shaving);
    }
    Shape(p, RoundedBox(QRectF(78, 14, 54, 48), 8), QColor(0x8e, 0x5e, 0xc8));
    Blob(p, {100, 38}, 14, 14, kGraphite);
    Blob(p, {122, 24}, 3, 3, paint::kSteel);
    Turned(p, {100, 38}, 180, [&] { PencilAlong(p, 94, 8, QColor(0x4f, 0xa8, 0x4a)); });
}

void Paintbox(QPainter& p) {
    const std::array<QColor, 8> paints{QColor(0xe6, 0x39, 0x46), QColor(0xf4, 0x8c, 0x2a),
                                       QColor(0xf6, 0xd0, 0x3b), QColor(0x4f, 0xa8, 0x4a),
                                       QColor(0x45, 0x7b, 0xd9), QColor(0x8e, 0x5e, 0xa2),
                                       QColor(0x8a, 0x5a, 0x2b), QColor(0xf4, 0x9a, 0xb0)};
    Shape(p, RoundedBox(QRectF(14, 6, 122, 52), 6), QColor(0x3a, 0x3a, 0x44));
    for (int k = 0; k < 8; ++k) {
        const QRectF pan(22 + 27.5 * (k % 4), 12 + 22 * (k / 4), 22, 17);
        Flat(p, RoundedBox(pan, 4), Qt::white);
        Blob(p, pan.center(), 8.5, 6, paints[k]);
    }
    Turned(p, {92, 68}, -6, [&] {
        Rounded(p, RoundedBox(QRectF(-40, -3, 58, 6), 3), QColor(0xc8, 0x8a, 0x4a), false);
        Metal(p, RoundedBox(QRectF(-50, -3.5, 12, 7), 1), paint::kSteel, false);
        Rounded(p, Polygon({{-50, -4}, {-50, 4}, {-62, 0}}), paints[4]);
    });
}

void Stapler(QPainter& p) {
    const QColor red(0xe6, 0x39, 0x46);
    Rounded(p, RoundedBox(QRectF(14, 58, 124, 12), 6), kGraphite, false);
    Metal(p, RoundedBox(QRectF(22, 54, 40, 6), 2), paint::kSteel, false);
    QPainterPath arm(QPointF(30, 30));
    arm.lineTo(126, 40);
    arm.quadTo(140, 42, 138, 54);
    arm.lineTo(124, 52);
    arm.lineTo(32, 44);
    arm.quadTo(22, 42, 24, 36);
    arm.quadTo(24, 30, 30, 30);
    Shape(p, arm, red);
    Shine(p, {70, 36}, 20, 2);
    Blob(p, {128, 56}, 5, 5, paint::kSteel);
}

void Paperclip(QPainter& p) {
    Turned(p, {80, 40}, -12, [&] {
        QPainterPath clip(QPointF(24, 6));
        clip.lineTo(-40, 6);
        clip.arcTo(QRectF(-46, -6, 12, 12), 270, -180);
        clip.lineTo(46, -6);
        clip.arcTo(QRectF(34, -6, 24, 24), 90, -180);
        clip.lineTo(-52, 18);
        clip.arcTo(QRectF(-70, -18, 36, 36), 270, -180);
        clip.lineTo(40, -18);
        Stroke(p, clip, 4, QColor(0x2a, 0x9d, 0x8f));
    });
}

} // namespace

std::vector<HintPicture> StationeryPictures() {
    return {{"PENCIL.BMP", Pencil},     {"RULER.BMP", Ruler},     {"SCISSORS.BMP", Scissors},
            {"ERASER.BMP", Eraser},     {"CRAYONS.BMP", Crayons}, {"SHARPENR.BMP", Sharpener},
            {"PAINTBOX.BMP", Paintbox}, {"STAPLER.BMP", Stapler}, {"PAPRCLIP.BMP", Paperclip}};
}

} // namespace lexiglade::artwork
