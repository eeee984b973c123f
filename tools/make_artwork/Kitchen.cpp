#include "ObjectKit.h"
#include "PictureSets.h"

#include <utility>

namespace lexiglade::artwork {

namespace {

// Three soft puffs of steam rising from `base`.
void Steam(QPainter& p, QPointF base) {
    QPainterPath curl(base);
    curl.cubicTo(base + QPointF(-6, -5), base + QPointF(6, -9), base + QPointF(0, -14));
    curl.cubicTo(base + QPointF(-6, -18), base + QPointF(4, -22), base + QPointF(0, -26));
    p.setPen(QPen(QColor(0xb4, 0xc8, 0xd8), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
}

void Kettle(QPainter& p) {
    const QColor red(0xe0, 0x45, 0x3a);
    Steam(p, {20, 30});
    const QPainterPath spout = Polygon({{48, 44}, {23, 32}, {18, 36}, {44, 62}});
    Shape(p, spout, red.darker(108));
    QPainterPath handle(QPointF(54, 30));
    handle.cubicTo(54, 2, 96, 2, 96, 30);
    Stroke(p, handle, 5, kBlackPlastic);
    QPainterPath body(QPointF(60, 26));
    body.lineTo(90, 26);
    body.cubicTo(104, 30, 114, 58, 112, 72);
    body.lineTo(38, 72);
    body.cubicTo(36, 58, 46, 30, 60, 26);
    Shape(p, body, red);
    Shine(p, {58, 46}, 4, 12);
    Flat(p, Ellipse({75, 26}, 16, 4), red.darker(115));
    Blob(p, {75, 20}, 5, 4, kBlackPlastic);
    Rounded(p, RoundedBox(QRectF(35, 70, 80, 7), 3), kBlackPlastic, false);
}

void Teapot(QPainter& p) {
    const QColor blue(0x4f, 0x8f, 0xd8);
    QPainterPath spout(QPointF(50, 56));
    spout.cubicTo(36, 54, 32, 40, 18, 26);
    spout.lineTo(24, 22);
    spout.cubicTo(36, 32, 40, 40, 52, 40);
    Shape(p, spout, blue);
    QPainterPath handle(QPointF(100, 32));
    handle.cubicTo(126, 26, 130, 58, 102, 62);
    Stroke(p, handle, 6, blue.darker(110));
    const QPainterPath body = Ellipse({75, 50}, 32, 26);
    Marked(p, body, blue, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xfb, 0xef));
        for (const QPointF c : {QPointF(62, 44), QPointF(86, 44), QPointF(74, 60), QPointF(52, 62),
                                QPointF(98, 60)}) {
            for (int k = 0; k < 5; ++k) {
                Turned(p, c, k * 72, [&] { p.drawEllipse(QPointF(0, -3.5), 2, 3); });
            }
        }
        p.setBrush(QColor(0xf6, 0xd0, 0x4d));
        for (const QPointF c : {QPointF(62, 44), QPointF(86, 44), QPointF(74, 60), QPointF(52, 62),
                                QPointF(98, 60)}) {
            p.drawEllipse(c, 1.8, 1.8);
        }
    });
    QPainterPath lid(QPointF(56, 28));
    lid.cubicTo(58, 14, 92, 14, 94, 28);
    lid.closeSubpath();
    Shape(p, lid, blue.darker(110));
    Blob(p, {75, 14}, 5, 4.5, blue.darker(110));
}

void Toaster(QPainter& p) {
    const QColor toast(0xe8, 0xb0, 0x5c);
    for (const qreal x : {44.0, 78.0}) {
        QPainterPath slice = RoundedBox(QRectF(x, 6, 28, 34), 8);
        Flat(p, slice, toast.darker(130));
        Flat(p, RoundedBox(QRectF(x + 3, 9, 22, 31), 6), toast);
    }
    const QPainterPath body = RoundedBox(QRectF(28, 26, 94, 48), 12);
    Metal(p, body, paint::kSteel);
    for (const qreal x : {44.0, 78.0}) {
        Flat(p, RoundedBox(QRectF(x - 2, 26, 32, 5), 2.5), kBlackPlastic);
    }
    Flat(p, RoundedBox(QRectF(112, 40, 16, 6), 2), kBlackPlastic);
    Blob(p, {50, 58}, 4, 4, QColor(0xe6, 0x39, 0x46));
    Rounded(p, RoundedBox(QRectF(34, 72, 16, 5), 2), kBlackPlastic, false);
    Rounded(p, RoundedBox(QRectF(100, 72, 16, 5), 2), kBlackPlastic, false);
}

void Fridge(QPainter& p) {
    FloorShadow(p, {75, 77}, 44, 3);
    const QColor white(0xee, 0xf4, 0xfa);
    Rounded(p, RoundedBox(QRectF(44, 2, 62, 74), 6), white);
    InkLine(p, {44, 26}, {106, 26}, 2);
    for (const auto& [top, bottom] : {std::pair{9.0, 21.0}, std::pair{32.0, 58.0}}) {
        Rounded(p, RoundedBox(QRectF(50, top, 5, bottom - top), 2.5), paint::kSteel);
    }
    Blob(p, {90, 12}, 5, 5, QColor(0xe6, 0x39, 0x46));
    Blob(p, {74, 38}, 5, 5, QColor(0xf6, 0xc3, 0x3b));
    Blob(p, {96, 62}, 5, 5, QColor(0x6a, 0xb0, 0x4c));
    Flat(p, RoundedBox(QRectF(68, 44, 26, 20), 1), Qt::white);
    DetailLine(p, {72, 60}, {80, 50}, 1.6, QColor(0x45, 0x7b, 0x9d));
    DetailLine(p, {80, 50}, {90, 60}, 1.6, QColor(0x45, 0x7b, 0x9d));
    Blob(p, {86, 49}, 2.5, 2.5, QColor(0xf6, 0xc3, 0x3b));
    Flat(p, RoundedBox(QRectF(48, 74, 8, 4), 1), kBlackPlastic);
    Flat(p, RoundedBox(QRectF(94, 74, 8, 4), 1), kBlackPlastic);
}

void Saucepan(QPainter& p) {
    Steam(p, {46, 28});
    Steam(p, {70, 28});
    Rounded(p, RoundedBox(QRectF(86, 32, 56, 9), 4.5), kBlackPlastic, false);
    QPainterPath pot(QPointF(18, 32));
    pot.lineTo(98, 32);
    pot.lineTo(96, 66);
    pot.quadTo(96, 76, 86, 76);
    pot.lineTo(30, 76);
    pot.quadTo(20, 76, 20, 66);
    pot.closeSubpath();
    Metal(p, pot, paint::kSteel);
    Flat(p, Ellipse({58, 32}, 41, 7), paint::kSteel.darker(110));
    Flat(p, Ellipse({58, 33}, 36, 5), QColor(0xf0, 0x8a, 0x3a));
}

void Spoon(QPainter& p) {
    Turned(p, {75, 40}, -16, [&] {
        QPainterPath handle(QPointF(-24, -2));
        handle.cubicTo(0, -3, 40, -7, 62, -6);
        handle.quadTo(72, 0, 62, 6);
        handle.cubicTo(40, 7, 0, 3, -24, 2);
        handle.closeSubpath();
        Metal(p, handle, paint::kSteel, false);
        QPainterPath bowl(QPointF(-20, 0));
        bowl.cubicTo(-24, -17, -62, -19, -66, 0);
        bowl.cubicTo(-62, 19, -24, 17, -20, 0);
        Shape(p, bowl, paint::kSteel);
        Shine(p, {-50, -6}, 8, 3.5);
    });
}

void Iron(QPainter& p) {
    const QColor teal(0x3a, 0xb0, 0xb8);
    QPainterPath cord(QPointF(126, 52));
    cord.cubicTo(140, 52, 138, 72, 146, 76);
    Detail(p, cord, 3, kBlackPlastic);
    QPainterPath handle(QPointF(110, 38));
    handle.cubicTo(112, 14, 104, 12, 66, 14);
    handle.quadTo(56, 16, 56, 30);
    Stroke(p, handle, 7, teal.darker(115));
    QPainterPath body(QPointF(16, 66));
    body.cubicTo(30, 42, 70, 30, 126, 32);
    body.lineTo(128, 66);
    body.closeSubpath();
    Shape(p, body, teal);
    Metal(p, Polygon({{12, 66}, {130, 66}, {130, 73}, {18, 73}}), paint::kSteel, false);
    Blob(p, {92, 50}, 8, 8, Qt::white);
    InkLine(p, {92, 50}, {92, 44}, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x45, 0x7b, 0x9d));
    for (const qreal x : {40.0, 60.0, 80.0, 100.0}) {
        p.drawEllipse(QPointF(x, 69.5), 1.5, 1.5);
    }
}

} // namespace

std::vector<HintPicture> KitchenPictures() {
    return {{"KETTLE.BMP", Kettle}, {"TEAPOT.BMP", Teapot},     {"TOASTER.BMP", Toaster},
            {"FRIDGE.BMP", Fridge}, {"SAUCEPAN.BMP", Saucepan}, {"SPOON.BMP", Spoon},
            {"IRON.BMP", Iron}};
}

} // namespace lexiglade::artwork
