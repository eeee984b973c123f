#include "Kit.h"
#include "ObjectKit.h"
#include "PictureSets.h"

#include <array>

namespace lexiglade::artwork {

namespace {

const QColor kPaper{0xff, 0xfb, 0xef};
const QColor kChalk{0xf4, 0xf4, 0xee};

void Book(QPainter& p) {
    const QColor cover(0xd6, 0x45, 0x4f);
    QPainterPath back(QPointF(75, 24));
    back.cubicTo(58, 16, 30, 16, 8, 22);
    back.lineTo(8, 74);
    back.cubicTo(30, 68, 58, 68, 75, 76);
    back.cubicTo(92, 68, 120, 68, 142, 74);
    back.lineTo(142, 22);
    back.cubicTo(120, 16, 92, 16, 75, 24);
    Shape(p, back, cover);
    QPainterPath page(QPointF(75, 16));
    page.cubicTo(60, 6, 34, 6, 14, 12);
    page.lineTo(14, 66);
    page.cubicTo(34, 60, 60, 60, 75, 70);
    page.closeSubpath();
    Flat(p, page, kPaper);
    Flat(p, Mirror(page), kPaper);
    for (int k = 0; k < 5; ++k) {
        const qreal y = 22 + 9 * k;
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath line(QPointF(75 + side * 8, y + 2));
            line.quadTo(75 + side * 30, y - 6, 75 + side * 54, y - 2);
            Detail(p, line, 1.4, QColor(0xa8, 0xb8, 0xcc));
        }
    }
    InkLine(p, {75, 16}, {75, 70}, 1.5);
}

void Globe(QPainter& p) {
    Rounded(p, Ellipse({75, 73}, 26, 5), paint::kWood, false);
    Rounded(p, RoundedBox(QRectF(72, 60, 6, 12), 2), paint::kWood.darker(110));
    QPainterPath ring(QPointF(96, 66));
    ring.arcTo(QRectF(38, 2, 74, 74), -45, 200);
    Stroke(p, ring, 3, QColor(0xe9, 0xc4, 0x6a));
    const QPainterPath sea = Ellipse({75, 38}, 30, 30);
    Marked(p, sea, QColor(0x4a, 0x9a, 0xe0), [&] {
        const QColor land(0x6a, 0xb0, 0x4c);
        QPainterPath west(QPointF(56, 12));
        west.cubicTo(72, 8, 76, 20, 66, 28);
        west.cubicTo(60, 34, 70, 40, 68, 50);
        west.cubicTo(66, 62, 58, 66, 58, 56);
        west.cubicTo(58, 46, 48, 40, 48, 30);
        west.cubicTo(46, 22, 50, 14, 56, 12);
        Flat(p, west, land);
        QPainterPath east(QPointF(86, 18));
        east.cubicTo(98, 14, 110, 26, 104, 36);
        east.cubicTo(100, 44, 104, 56, 94, 60);
        east.cubicTo(86, 62, 88, 48, 84, 42);
        east.cubicTo(80, 34, 78, 22, 86, 18);
        Flat(p, east, land);
    });
    Shine(p, {62, 24}, 5, 8);
}

void Backpack(QPainter& p) {
    const QColor blue(0x45, 0x7b, 0xd9);
    QPainterPath loop(QPointF(66, 12));
    loop.cubicTo(66, 0, 84, 0, 84, 12);
    Stroke(p, loop, 3, kBlackPlastic);
    for (const qreal x : {40.0, 110.0}) {
        Shape(p, RoundedBox(QRectF(x - 7, 30, 14, 36), 5), blue.darker(115));
    }
    Shape(p, RoundedBox(QRectF(42, 8, 66, 70), 20), blue);
    QPainterPath zip(QPointF(50, 22));
    zip.quadTo(75, 10, 100, 22);
    Detail(p, zip, 1.6);
    Shape(p, RoundedBox(QRectF(52, 42, 46, 30), 9), QColor(0xf4, 0x8c, 0x2a));
    InkLine(p, {56, 50}, {94, 50}, 1.6);
    Flat(p, RoundedBox(QRectF(84, 49, 5, 9), 2), QColor(0xe9, 0xc4, 0x6a));
    Flat(p, RoundedBox(QRectF(92, 17, 5, 9), 2), QColor(0xe9, 0xc4, 0x6a));
}

void Calculator(QPainter& p) {
    const QColor body(0x5a, 0x6f, 0x8c);
    Shape(p, RoundedBox(QRectF(44, 2, 62, 76), 8), body);
    Flat(p, RoundedBox(QRectF(50, 8, 50, 16), 3), QColor(0xc8, 0xe0, 0xc0));
    p.setFont(BoldFont(12));
    p.setPen(kBlackPlastic);
    p.drawText(QRectF(52, 8, 45, 16), Qt::AlignRight | Qt::AlignVCenter, "123");
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool sign = col == 3;
            Flat(p, RoundedBox(QRectF(50 + 12.8 * col, 29 + 12 * row, 10.5, 9.5), 2.5),
                 sign ? QColor(0xf4, 0x8c, 0x2a) : QColor(0xee, 0xf0, 0xf4));
        }
    }
}

void Chalkboard(QPainter& p) {
    Shape(p, RoundedBox(QRectF(10, 2, 130, 66), 4), paint::kWood);
    Flat(p, QPainterPath([] {
             QPainterPath board;
             board.addRect(QRectF(17, 8, 116, 54));
             return board;
         }()),
         QColor(0x2f, 0x6b, 0x4f));
    p.setFont(BoldFont(17));
    p.setPen(kChalk);
    p.drawText(QRectF(17, 9, 116, 26), Qt::AlignCenter, "A B C");
    p.drawText(QRectF(17, 33, 116, 26), Qt::AlignCenter, "1+2=3");
    Rounded(p, RoundedBox(QRectF(6, 66, 138, 8), 3), paint::kWood.darker(110), false);
    Flat(p, RoundedBox(QRectF(30, 61, 20, 6), 3), kChalk);
    Shape(p, RoundedBox(QRectF(98, 58, 26, 9), 2), QColor(0xe9, 0xc4, 0x6a));
}

void Microscope(QPainter& p) {
    const QColor body(0xee, 0xf0, 0xf4);
    FloorShadow(p, {78, 77}, 40, 3);
    QPainterPath arm(QPointF(100, 70));
    arm.cubicTo(112, 50, 110, 26, 86, 18);
    Stroke(p, arm, 10, body);
    Rounded(p, RoundedBox(QRectF(42, 66, 76, 10), 4), kBlackPlastic, false);
    Rounded(p, RoundedBox(QRectF(44, 48, 56, 7), 2), kBlackPlastic, false);
    Flat(p, RoundedBox(QRectF(52, 45, 26, 4), 1), QColor(0x9a, 0xd0, 0xf5));
    Blob(p, {62, 61}, 5, 3, QColor(0xe9, 0xc4, 0x6a));
    Turned(p, {72, 26}, -24, [&] {
        Rounded(p, RoundedBox(QRectF(-8, -14, 16, 30), 3), body);
        Rounded(p, RoundedBox(QRectF(-5, -24, 10, 12), 2), kBlackPlastic);
        Rounded(p, RoundedBox(QRectF(-4, 15, 8, 10), 2), paint::kSteel);
        Flat(p, RoundedBox(QRectF(-9, 0, 18, 4), 1), QColor(0x45, 0x7b, 0xd9));
    });
    Blob(p, {104, 44}, 6, 6, QColor(0x45, 0x7b, 0xd9));
}

void Lunchbox(QPainter& p) {
    const QColor box(0x2a, 0x9d, 0x8f);
    Shape(p, RoundedBox(QRectF(24, 2, 102, 34), 8), box.lighter(125));
    Flat(p, RoundedBox(QRectF(66, 8, 18, 6), 3), box.darker(120));
    const QColor bread(0xf3, 0xd2, 0x9c);
    Flat(p, Polygon({{34, 48}, {62, 20}, {72, 48}}), bread.darker(115));
    Flat(p, Polygon({{36, 48}, {60, 24}, {68, 48}}), bread);
    DetailLine(p, {40, 42}, {62, 24}, 3, QColor(0x6a, 0xb0, 0x4c));
    Blob(p, {90, 36}, 13, 12, QColor(0xe0, 0x30, 0x3c));
    DetailLine(p, {90, 24}, {92, 18}, 2.5, QColor(0x7a, 0x4a, 0x26));
    Turned(p, {112, 34}, 70, [&] {
        Rounded(p, Polygon({{-14, -4}, {12, -2}, {12, 2}, {-14, 4}}), QColor(0xf4, 0x8c, 0x2a),
                false);
    });
    Shape(p, RoundedBox(QRectF(20, 40, 110, 36), 8), box);
    Flat(p, RoundedBox(QRectF(66, 44, 18, 8), 3), box.darker(120));
}

void Abacus(QPainter& p) {
    const std::array<QColor, 5> beads{QColor(0xe6, 0x39, 0x46), QColor(0xf4, 0x8c, 0x2a),
                                      QColor(0xf6, 0xc3, 0x3b), QColor(0x4f, 0xa8, 0x4a),
                                      QColor(0x45, 0x7b, 0xd9)};
    for (const qreal x : {22.0, 128.0}) {
        Rounded(p, RoundedBox(QRectF(x - 4, 4, 8, 74), 3), paint::kWood);
    }
    for (int row = 0; row < 5; ++row) {
        const qreal y = 16 + 12 * row;
        DetailLine(p, {24, y}, {126, y}, 1.6, QColor(0x8a, 0x8a, 0x94));
        const int left = 3 + (row * 2) % 5;
        for (int k = 0; k < 8; ++k) {
            const qreal x = k < left ? 33 + 9 * k : 117 - 9 * (7 - k);
            Blob(p, {x, y}, 4.6, 5, beads[row]);
        }
    }
    for (const qreal y : {6.0, 74.0}) {
        Rounded(p, RoundedBox(QRectF(14, y - 4, 122, 8), 3), paint::kWood.darker(108), false);
    }
}

} // namespace

std::vector<HintPicture> ClassroomThingPictures() {
    return {{"OPENBOOK.BMP", Book},       {"GLOBE.BMP", Globe},
            {"BACKPACK.BMP", Backpack},   {"CALCULTR.BMP", Calculator},
            {"CHALKBRD.BMP", Chalkboard}, {"MICROSCP.BMP", Microscope},
            {"LUNCHBOX.BMP", Lunchbox},   {"ABACUS.BMP", Abacus}};
}

} // namespace lexiglade::artwork
