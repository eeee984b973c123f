#include "PictureKit.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace lexiglade::artwork {

namespace {

// A pear-like outline, narrow at the top, `w` wide and `h` high about `c`.
QPainterPath PearShape(QPointF c, qreal w, qreal h) {
    QPainterPath shape(c + QPointF(0, -h / 2));
    shape.cubicTo(c + QPointF(0.22 * w, -h / 2), c + QPointF(0.2 * w, -0.1 * h),
                  c + QPointF(0.38 * w, 0.1 * h));
    shape.cubicTo(c + QPointF(0.56 * w, 0.32 * h), c + QPointF(0.3 * w, h / 2),
                  c + QPointF(0, h / 2));
    shape.cubicTo(c + QPointF(-0.3 * w, h / 2), c + QPointF(-0.56 * w, 0.32 * h),
                  c + QPointF(-0.38 * w, 0.1 * h));
    shape.cubicTo(c + QPointF(-0.2 * w, -0.1 * h), c + QPointF(-0.22 * w, -h / 2),
                  c + QPointF(0, -h / 2));
    return shape;
}

QPainterPath AppleShape(QPointF c, qreal w, qreal h) {
    const qreal x = w / 2;
    const qreal y = h / 2;
    QPainterPath shape(c + QPointF(0, -y * 0.7));
    shape.cubicTo(c + QPointF(x * 0.4, -y * 1.15), c + QPointF(x * 1.1, -y * 0.8),
                  c + QPointF(x, 0));
    shape.cubicTo(c + QPointF(x * 0.95, y * 0.75), c + QPointF(x * 0.45, y * 1.1),
                  c + QPointF(0, y * 0.88));
    shape.cubicTo(c + QPointF(-x * 0.45, y * 1.1), c + QPointF(-x * 0.95, y * 0.75),
                  c + QPointF(-x, 0));
    shape.cubicTo(c + QPointF(-x * 1.1, -y * 0.8), c + QPointF(-x * 0.4, -y * 1.15),
                  c + QPointF(0, -y * 0.7));
    return shape;
}

void CitrusSlice(QPainter& p, QPointF c, qreal r, const QColor& rind, const QColor& flesh) {
    Flat(p, Ellipse(c, r, r), rind);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawEllipse(c, r - 3, r - 3);
    p.setBrush(flesh);
    p.drawEllipse(c, r - 5, r - 5);
    p.setPen(QPen(QColor(0xff, 0xfb, 0xe8), 2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * std::numbers::pi / 4;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * (r - 5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawEllipse(c, 2.5, 2.5);
}

// Small marks laid out on a fixed lattice, kept where `inside` holds them.
template <typename Mark>
void Speckle(const QPainterPath& inside, QRectF area, qreal step, Mark mark) {
    int row = 0;
    for (qreal y = area.top(); y <= area.bottom(); y += step, ++row) {
        const qreal shift = (row % 2) * step / 2;
        for (qreal x = area.left() + shift; x <= area.right(); x += step) {
            if (inside.contains(QPointF(x, y))) {
                mark(QPointF(x, y));
            }
        }
    }
}

void Apple(QPainter& p) {
    Stalk(p, {75, 26}, {74, 14}, {79, 6});
    Shape(p, AppleShape({75, 44}, 62, 60), QColor(0xe0, 0x30, 0x3c));
    Shine(p, {57, 36}, 5, 9);
    Leaf(p, {78, 13}, {101, 5}, 6, kLeafGreen);
}

void Banana(QPainter& p) {
    QPainterPath fruit(QPointF(22, 26));
    fruit.cubicTo(28, 74, 102, 82, 128, 36);
    fruit.cubicTo(104, 54, 48, 56, 30, 22);
    fruit.closeSubpath();
    Shape(p, fruit, QColor(0xf7, 0xd4, 0x3a));
    QPainterPath ridge(QPointF(28, 28));
    ridge.cubicTo(38, 62, 96, 70, 124, 38);
    p.setPen(QPen(QColor(0xd9, 0xae, 0x1f), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ridge);
    Stalk(p, {125, 38}, {132, 34}, {138, 25}, QColor(0x8f, 0x7a, 0x2a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x36, 0x20));
    p.drawEllipse(QPointF(26, 24), 3.5, 3.5);
}

void Cherry(QPainter& p) {
    const QColor stem(0x6b, 0x8e, 0x23);
    Stalk(p, {55, 48}, {58, 22}, {84, 9}, stem);
    Stalk(p, {94, 52}, {88, 26}, {84, 9}, stem);
    Leaf(p, {84, 9}, {112, 16}, 7, kLeafGreen);
    for (const QPointF c : {QPointF(54, 58), QPointF(95, 62)}) {
        Blob(p, c, 16, 15, QColor(0xc8, 0x1d, 0x3a));
        Shine(p, c + QPointF(-6, -6), 3, 5);
    }
}

void Grapes(QPainter& p) {
    Stalk(p, {75, 16}, {74, 8}, {80, 3});
    Leaf(p, {78, 9}, {108, 6}, 8, kLeafGreen);
    const std::array<int, 4> counts{4, 3, 2, 1};
    for (int row = 0; row < 4; ++row) {
        const qreal y = 23 + 14.5 * row;
        const qreal first = 75 - 9 * (counts[row] - 1);
        for (int i = 0; i < counts[row]; ++i) {
            const QPointF c(first + 18 * i, y);
            Blob(p, c, 10, 10, QColor(0x7d, 0x3c, 0x98));
            Shine(p, c + QPointF(-3.5, -3.5), 2, 3);
        }
    }
}

void Lemon(QPainter& p) {
    const QColor yellow(0xf5, 0xd8, 0x1c);
    Blob(p, {17, 44}, 5, 4, yellow);
    Blob(p, {103, 38}, 5, 4, yellow);
    QPainterPath body(QPointF(20, 44));
    body.cubicTo(30, 12, 94, 6, 100, 38);
    body.cubicTo(96, 72, 30, 76, 20, 44);
    Shape(p, body, yellow);
    Shine(p, {44, 30}, 8, 4);
    CitrusSlice(p, {118, 56}, 21, yellow, QColor(0xfb, 0xe8, 0x7a));
}

void Orange(QPainter& p) {
    const QColor orange(0xf3, 0x93, 0x1b);
    const QPainterPath fruit = Ellipse({60, 45}, 32, 31);
    Shape(p, fruit, orange);
    p.setPen(Qt::NoPen);
    p.setBrush(orange.darker(125));
    Speckle(fruit, QRectF(34, 20, 52, 52), 7, [&](QPointF at) { p.drawEllipse(at, 0.9, 0.9); });
    Shine(p, {48, 32}, 6, 8);
    Leaf(p, {62, 15}, {86, 5}, 7, kLeafGreen);
    Blob(p, {60, 15}, 3, 2, QColor(0x4d, 0x7a, 0x2a));
    CitrusSlice(p, {118, 57}, 20, orange, QColor(0xf9, 0xb2, 0x4a));
}

void Pear(QPainter& p) {
    Stalk(p, {75, 16}, {73, 9}, {72, 3});
    Shape(p, PearShape({75, 46}, 64, 62), QColor(0xb8, 0xd0, 0x4a));
    Shine(p, {64, 52}, 5, 10);
    Leaf(p, {73, 8}, {96, 4}, 6, kLeafGreen);
}

void Strawberry(QPainter& p) {
    QPainterPath berry(QPointF(75, 77));
    berry.cubicTo(46, 66, 32, 36, 48, 25);
    berry.cubicTo(58, 18, 70, 22, 75, 24);
    berry.cubicTo(80, 22, 92, 18, 102, 25);
    berry.cubicTo(118, 36, 104, 66, 75, 77);
    Shape(p, berry, QColor(0xe0, 0x2b, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf8, 0xe1, 0x6c));
    Speckle(berry, QRectF(44, 32, 62, 40), 9, [&](QPointF at) { p.drawEllipse(at, 1.4, 2.2); });
    Stalk(p, {75, 20}, {74, 12}, {78, 5}, QColor(0x4d, 0x7a, 0x2a));
    for (const QPointF tip :
         {QPointF(50, 22), QPointF(60, 13), QPointF(90, 13), QPointF(100, 22), QPointF(75, 30)}) {
        Leaf(p, {75, 22}, tip, 5, kLeafGreen);
    }
}

void Watermelon(QPainter& p) {
    const QPointF c(75, 14);
    const auto half = [&](qreal r) {
        QPainterPath path(c + QPointF(-r, 0));
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, 180);
        path.closeSubpath();
        return path;
    };
    Flat(p, half(62), QColor(0x3a, 0x8f, 0x3a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0xf2, 0xc4));
    p.drawPath(half(56));
    p.setBrush(QColor(0xf0, 0x48, 0x4e));
    p.drawPath(half(52));
    p.setBrush(QColor(0x2a, 0x1a, 0x1a));
    for (int k = 0; k < 9; ++k) {
        const qreal a = std::numbers::pi * (0.12 + 0.095 * k);
        const qreal r = (k % 2 == 0) ? 38 : 24;
        p.save();
        p.translate(c + QPointF(std::cos(a), std::sin(a)) * r);
        p.rotate(a * 180 / std::numbers::pi);
        p.drawEllipse(QPointF(0, 0), 3.5, 2);
        p.restore();
    }
    p.setPen(QPen(kOutline, 2));
    p.drawLine(c + QPointF(-62, 0), c + QPointF(62, 0));
}

void Kiwi(QPainter& p) {
    const QColor skin(0x8d, 0x6e, 0x3f);
    const QPainterPath whole = Ellipse({44, 42}, 32, 25);
    Shape(p, whole, skin);
    p.setPen(QPen(skin.darker(140), 1));
    Speckle(whole, QRectF(16, 20, 56, 44), 6,
            [&](QPointF at) { p.drawLine(at, at + QPointF(1.5, 1.5)); });
    const QPointF c(108, 46);
    Flat(p, Ellipse(c, 28, 28), skin);
    Blob(p, c, 24, 24, QColor(0x8c, 0xc6, 0x3f));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf1, 0xc8));
    p.drawEllipse(c, 8, 6);
    p.setBrush(QColor(0x1c, 0x1c, 0x1c));
    for (int k = 0; k < 16; ++k) {
        const qreal a = k * std::numbers::pi / 8;
        p.drawEllipse(c + QPointF(std::cos(a) * 12.5, std::sin(a) * 11), 1.3, 1.3);
    }
}

void Plum(QPainter& p) {
    const QColor skin(0x6a, 0x2c, 0x70);
    Stalk(p, {58, 20}, {58, 12}, {63, 6});
    Blob(p, {58, 47}, 31, 29, skin);
    QPainterPath crease(QPointF(58, 20));
    crease.cubicTo(44, 34, 44, 58, 52, 75);
    p.setPen(QPen(skin.darker(150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crease);
    Shine(p, {72, 36}, 6, 9);
    Leaf(p, {62, 10}, {86, 5}, 6, kLeafGreen);
    const QPointF c(116, 52);
    Flat(p, Ellipse(c, 24, 24), skin);
    Blob(p, c, 20, 20, QColor(0xf6, 0xb9, 0x3b));
    Blob(p, c, 7, 10, QColor(0x8b, 0x45, 0x13));
}

void Peach(QPainter& p) {
    const QPainterPath fruit = AppleShape({75, 46}, 66, 60);
    QLinearGradient blush(QPointF(45, 20), QPointF(108, 74));
    blush.setColorAt(0, QColor(0xff, 0xd0, 0x8f));
    blush.setColorAt(1, QColor(0xef, 0x62, 0x55));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(blush);
    p.drawPath(fruit);
    QPainterPath crease(QPointF(75, 26));
    crease.cubicTo(66, 40, 66, 60, 72, 74);
    p.setPen(QPen(QColor(0xd0, 0x50, 0x45), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crease);
    Shine(p, {58, 38}, 5, 8);
    Stalk(p, {75, 26}, {75, 18}, {77, 12});
    Leaf(p, {77, 13}, {102, 5}, 7, kLeafGreen);
    Leaf(p, {75, 13}, {54, 3}, 6, kLeafGreen.darker(110));
}

void Coconut(QPainter& p) {
    const QColor shell(0x7b, 0x50, 0x30);
    const QPainterPath whole = Ellipse({46, 44}, 31, 30);
    Shape(p, whole, shell);
    p.setPen(QPen(shell.darker(150), 1));
    Speckle(whole, QRectF(18, 18, 56, 54), 6,
            [&](QPointF at) { p.drawLine(at, at + QPointF(2.5, -1)); });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x24, 0x14));
    for (const QPointF eye : {QPointF(39, 30), QPointF(53, 30), QPointF(46, 41)}) {
        p.drawEllipse(eye, 3.5, 4.5);
    }
    const QPointF c(112, 50);
    Flat(p, Ellipse(c, 27, 24), shell);
    Flat(p, Ellipse(c, 22, 19), QColor(0xfd, 0xfb, 0xf3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9, 0xe1, 0xcc));
    p.drawEllipse(c + QPointF(1, 1), 15, 12);
}

void AvocadoHalf(QPainter& p, QPointF c, bool stone) {
    Flat(p, PearShape(c, 50, 68), QColor(0x3d, 0x6b, 0x22));
    const QPainterPath flesh = PearShape(c + QPointF(0, 1.5), 42, 60);
    QLinearGradient tone(c + QPointF(0, -30), c + QPointF(0, 30));
    tone.setColorAt(0, QColor(0xb4, 0xd4, 0x5a));
    tone.setColorAt(1, QColor(0xf0, 0xef, 0xa8));
    p.setPen(Qt::NoPen);
    p.setBrush(tone);
    p.drawPath(flesh);
    const QPointF pit = c + QPointF(0, 10);
    if (stone) {
        Blob(p, pit, 12, 13, QColor(0x8a, 0x5a, 0x2b));
        Shine(p, pit + QPointF(-4, -5), 3, 4);
    } else {
        Flat(p, Ellipse(pit, 12, 13), QColor(0xe2, 0xe0, 0x94));
    }
}

void Avocado(QPainter& p) {
    AvocadoHalf(p, {48, 42}, true);
    AvocadoHalf(p, {104, 42}, false);
}

void Raspberry(QPainter& p) {
    const std::array<int, 6> counts{6, 5, 4, 3, 2, 1};
    for (int row = 0; row < 6; ++row) {
        const qreal y = 25 + 9 * row;
        const qreal first = 75 - 5.5 * (counts[row] - 1);
        for (int i = 0; i < counts[row]; ++i) {
            const QPointF c(first + 11 * i, y);
            Blob(p, c, 6.5, 6.5, QColor(0xd6, 0x20, 0x4b));
            Shine(p, c + QPointF(-2, -2.5), 1.5, 1.8);
        }
    }
    Stalk(p, {75, 18}, {74, 10}, {78, 3}, QColor(0x4d, 0x7a, 0x2a));
    for (const QPointF tip :
         {QPointF(50, 19), QPointF(62, 11), QPointF(88, 11), QPointF(100, 19)}) {
        Leaf(p, {75, 20}, tip, 4, kLeafGreen);
    }
}

const std::vector<HintPicture> kFruit{
    HintPicture{"APPLE.BMP", Apple},         HintPicture{"BANANA.BMP", Banana},
    HintPicture{"CHERRY.BMP", Cherry},       HintPicture{"GRAPES.BMP", Grapes},
    HintPicture{"LEMON.BMP", Lemon},         HintPicture{"ORANGE.BMP", Orange},
    HintPicture{"PEAR.BMP", Pear},           HintPicture{"STRAWBRY.BMP", Strawberry},
    HintPicture{"WATERMEL.BMP", Watermelon}, HintPicture{"KIWI.BMP", Kiwi},
    HintPicture{"PLUM.BMP", Plum},           HintPicture{"PEACH.BMP", Peach},
    HintPicture{"COCONUT.BMP", Coconut},     HintPicture{"AVOCADO.BMP", Avocado},
    HintPicture{"RASPBRY.BMP", Raspberry},
};

} // namespace

std::vector<HintPicture> FruitPictures() {
    return kFruit;
}

} // namespace lexiglade::artwork
