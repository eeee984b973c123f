#include "ObjectKit.h"
#include "PictureSets.h"

#include <array>
#include <cmath>
#include <utility>

namespace lexiglade::artwork {

namespace {

const QColor kGold{0xe9, 0xc4, 0x6a};
const QColor kString{0xd8, 0xd8, 0xe0};

// White keys from `left` across `width`, with black keys in the 2-3 pattern of a piano.
void Keyboard(QPainter& p, qreal left, qreal top, qreal width, qreal height, int whiteKeys) {
    const qreal step = width / whiteKeys;
    for (int k = 0; k < whiteKeys; ++k) {
        Flat(p, QPainterPath([&] {
                 QPainterPath key;
                 key.addRect(QRectF(left + step * k, top, step, height));
                 return key;
             }()),
             kIvory);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBlackPlastic);
    for (int k = 0; k < whiteKeys - 1; ++k) {
        if (k % 7 != 2 && k % 7 != 6) {
            p.drawRect(QRectF(left + step * (k + 0.65), top, step * 0.7, height * 0.6));
        }
    }
}

void Piano(QPainter& p) {
    const QColor wood(0x5a, 0x34, 0x22);
    FloorShadow(p, {75, 77}, 60, 3);
    for (const qreal x : {26.0, 118.0}) {
        Rounded(p, RoundedBox(QRectF(x, 50, 8, 26), 2), wood.darker(110));
    }
    Shape(p, RoundedBox(QRectF(20, 4, 110, 42), 4), wood);
    Flat(p, RoundedBox(QRectF(56, 10, 38, 22), 2), kIvory);
    for (int k = 0; k < 3; ++k) {
        DetailLine(p, {60, 15.0 + 6 * k}, {90, 15.0 + 6 * k}, 1, QColor(0x9a, 0x9a, 0xa4));
    }
    Blob(p, {68, 20}, 2.5, 2, kBlackPlastic);
    Blob(p, {80, 26}, 2.5, 2, kBlackPlastic);
    Rounded(p, RoundedBox(QRectF(14, 40, 122, 8), 2), wood.lighter(115), false);
    Keyboard(p, 18, 48, 114, 16, 16);
    Rounded(p, RoundedBox(QRectF(14, 62, 122, 6), 2), wood, false);
}

void Guitar(QPainter& p) {
    const QColor wood(0xe0, 0x9a, 0x4a);
    Turned(p, {74, 42}, -24, [&] {
        Rounded(p, RoundedBox(QRectF(0, -4.5, 64, 9), 1), kBlackPlastic.lighter(130), false);
        for (int k = 1; k < 7; ++k) {
            DetailLine(p, {8.0 * k + 2, -4.5}, {8.0 * k + 2, 4.5}, 1, kString);
        }
        Shape(p, RoundedBox(QRectF(62, -7, 18, 14), 4), QColor(0x7a, 0x4a, 0x26));
        for (const qreal x : {66.0, 74.0}) {
            Blob(p, {x, -9}, 2, 2, kString);
            Blob(p, {x, 9}, 2, 2, kString);
        }
        QPainterPath body;
        body.addEllipse(QPointF(-34, 0), 23, 23);
        body.addEllipse(QPointF(-8, 0), 17, 17);
        body.setFillRule(Qt::WindingFill);
        Merged(p, body, wood);
        Blob(p, {-12, 0}, 7, 7, kBlackPlastic);
        Flat(p, RoundedBox(QRectF(-44, -8, 5, 16), 1.5), QColor(0x7a, 0x4a, 0x26));
        for (const qreal y : {-3.0, -1.0, 1.0, 3.0}) {
            DetailLine(p, {-42, y}, {68, y}, 0.6, kString);
        }
    });
}

void Violin(QPainter& p) {
    const QColor wood(0xb5, 0x4a, 0x22);
    Turned(p, {72, 40}, -22, [&] {
        QPainterPath body;
        body.addEllipse(QPointF(-38, 0), 20, 22);
        body.addEllipse(QPointF(-6, 0), 16, 18);
        body.addRect(QRectF(-26, -12, 18, 24));
        body.setFillRule(Qt::WindingFill);
        Merged(p, body, wood);
        for (const qreal y : {-7.0, 7.0}) {
            QPainterPath hole(QPointF(-30, y));
            hole.cubicTo(-24, y + (y < 0 ? -3 : 3), -20, y, -16, y + (y < 0 ? 3 : -3));
            Detail(p, hole, 1.6);
        }
        Rounded(p, RoundedBox(QRectF(-30, -3, 60, 6), 2), kBlackPlastic, false);
        Shape(p, RoundedBox(QRectF(28, -4, 12, 8), 2), wood);
        Blob(p, {44, 0}, 5, 5, wood);
        Flat(p, RoundedBox(QRectF(-46, -6, 4, 12), 1), kBlackPlastic);
    });
    Turned(p, {78, 46}, 22, [&] {
        Rounded(p, RoundedBox(QRectF(-64, -2, 128, 4), 2), QColor(0x7a, 0x4a, 0x26), false);
        DetailLine(p, {-60, 4}, {58, 4}, 1.5, kIvory);
        Flat(p, RoundedBox(QRectF(-66, -3, 8, 10), 2), kBlackPlastic);
    });
}

void Harp(QPainter& p) {
    const QColor gold = kGold;
    for (int k = 0; k < 9; ++k) {
        const qreal x = 42 + 8 * k;
        const qreal top = 22 - 8 * std::sin(k * 0.35);
        DetailLine(p, {x, top}, {x, 70 - k * 5.2}, 1.2, QColor(0x8a, 0x8a, 0x94));
    }
    Rounded(p, Polygon({{108, 8}, {116, 6}, {120, 14}, {48, 76}, {38, 72}}), gold.darker(110));
    QPainterPath neck(QPointF(36, 18));
    neck.cubicTo(60, 4, 80, 28, 114, 8);
    Stroke(p, neck, 6, gold);
    Rounded(p, RoundedBox(QRectF(30, 10, 10, 66), 4), gold);
    Rounded(p, RoundedBox(QRectF(26, 72, 26, 6), 2), gold.darker(120), false);
}

void Accordion(QPainter& p) {
    const QColor red(0xd6, 0x35, 0x3f);
    for (int k = 0; k < 6; ++k) {
        const qreal x = 44 + 10.4 * k;
        Flat(p, Polygon({{x, 12}, {x + 5.2, 6}, {x + 5.2, 74}, {x, 68}}), kIvory);
        Flat(p, Polygon({{x + 5.2, 6}, {x + 10.4, 12}, {x + 10.4, 68}, {x + 5.2, 74}}),
             QColor(0x2a, 0x2a, 0x34));
    }
    Shape(p, RoundedBox(QRectF(14, 4, 32, 72), 4), red);
    Keyboard(p, 22, 8, 18, 64, 1);
    for (int k = 0; k < 6; ++k) {
        Flat(p, QPainterPath([&] {
                 QPainterPath key;
                 key.addRect(QRectF(22, 8 + 10.6 * k, 18, 10.6));
                 return key;
             }()),
             kIvory);
        if (k < 5) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlackPlastic);
            p.drawRect(QRectF(22, 15 + 10.6 * k, 11, 7));
        }
    }
    Shape(p, RoundedBox(QRectF(104, 4, 32, 72), 4), red);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 2; ++col) {
            Blob(p, {114.0 + 12 * col, 16.0 + 12 * row + 6 * col}, 3.2, 3.2, kIvory);
        }
    }
}

void Xylophone(QPainter& p) {
    const std::array<QColor, 7> colours{QColor(0xe6, 0x39, 0x46), QColor(0xf4, 0x8c, 0x2a),
                                        QColor(0xf6, 0xd0, 0x3b), QColor(0x4f, 0xa8, 0x4a),
                                        QColor(0x2a, 0x9d, 0x8f), QColor(0x45, 0x7b, 0xd9),
                                        QColor(0x8e, 0x5e, 0xa2)};
    Rounded(p, Polygon({{14, 22}, {136, 30}, {136, 36}, {14, 30}}), QColor(0xc8, 0x8a, 0x4a),
            false);
    Rounded(p, Polygon({{14, 64}, {136, 56}, {136, 62}, {14, 70}}), QColor(0xc8, 0x8a, 0x4a),
            false);
    for (int k = 0; k < 7; ++k) {
        const qreal x = 20 + 16.5 * k;
        const qreal inset = k * 2.4;
        Shape(p, RoundedBox(QRectF(x, 14 + inset, 13, 62 - 2 * inset), 3), colours[k]);
        Blob(p, {x + 6.5, 26 + inset * 0.8}, 1.6, 1.6, kString);
        Blob(p, {x + 6.5, 64 - inset * 0.8}, 1.6, 1.6, kString);
    }
    for (const auto& [from, to] : {std::pair{QPointF(60, 78), QPointF(96, 8)},
                                   std::pair{QPointF(120, 78), QPointF(112, 10)}}) {
        QPainterPath stick(from);
        stick.lineTo(to);
        Stroke(p, stick, 3, QColor(0xe8, 0xc0, 0x88));
        Blob(p, to, 6, 6, QColor(0xe6, 0x39, 0x46));
    }
}

} // namespace

std::vector<HintPicture> KeyAndStringPictures() {
    return {{"UPRPIANO.BMP", Piano}, {"ACGUITAR.BMP", Guitar},   {"VIOLIN.BMP", Violin},
            {"HARP.BMP", Harp},      {"ACCORDN.BMP", Accordion}, {"XYLOPHON.BMP", Xylophone}};
}

} // namespace lexiglade::artwork
