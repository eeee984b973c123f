#include "ObjectKit.h"
#include "PictureSets.h"

namespace lexiglade::artwork {

namespace {

const QColor kWater{0x5a, 0x9f, 0xd6};

void Ladder(QPainter& p) {
    FloorShadow(p, {75, 77}, 40, 3);
    for (int k = 0; k < 6; ++k) {
        const qreal y = 12 + 12 * k;
        const qreal inset = (78 - y) * 12 / 76;
        Rounded(p, RoundedBox(QRectF(50 + inset, y - 2.5, 50 - 2 * inset, 5), 2), paint::kWood,
                false);
    }
    for (const qreal side : {-1.0, 1.0}) {
        Rounded(p,
                Polygon({{75 + side * 13, 2},
                         {75 + side * 19, 2},
                         {75 + side * 31, 77},
                         {75 + side * 25, 77}}),
                paint::kWood.darker(108));
    }
}

void Paintbrush(QPainter& p) {
    const QColor paint(0x45, 0x7b, 0xd9);
    QPainterPath swoosh(QPointF(10, 66));
    swoosh.cubicTo(40, 50, 60, 74, 96, 62);
    Stroke(p, swoosh, 9, paint);
    Turned(p, {78, 44}, -35, [&] {
        Rounded(p, RoundedBox(QRectF(6, -5, 50, 10), 5), QColor(0xe6, 0x39, 0x46), false);
        Metal(p, Polygon({{-10, -9}, {8, -6}, {8, 6}, {-10, 9}}), paint::kSteel, false);
        QPainterPath bristles(QPointF(-10, -9));
        bristles.lineTo(-10, 9);
        bristles.lineTo(-32, 8);
        bristles.quadTo(-36, 0, -32, -8);
        bristles.closeSubpath();
        Marked(p, bristles, QColor(0xe9, 0xc4, 0x6a), [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(paint);
            p.drawRect(QRectF(-40, -12, 16, 24));
        });
    });
}

void Spade(QPainter& p) {
    Turned(p, {75, 40}, 33, [&] {
        Rounded(p, RoundedBox(QRectF(-40, -4, 62, 8), 4), paint::kWood, false);
        QPainterPath grip = RoundedBox(QRectF(-56, -13, 18, 26), 7);
        grip.addRoundedRect(QRectF(-52, -8, 9, 16), 3, 3);
        Shape(p, grip, QColor(0x3a, 0x3a, 0x44));
        QPainterPath blade(QPointF(20, -16));
        blade.lineTo(20, 16);
        blade.lineTo(52, 14);
        blade.quadTo(58, 0, 52, -14);
        blade.closeSubpath();
        Metal(p, blade, paint::kSteel, false);
        Metal(p, RoundedBox(QRectF(16, -6, 10, 12), 2), paint::kSteel.darker(110), false);
    });
}

void Rake(QPainter& p) {
    Turned(p, {72, 48}, -20, [&] {
        Rounded(p, RoundedBox(QRectF(-68, -4, 106, 8), 4), paint::kWood, false);
        for (int k = 0; k < 8; ++k) {
            const qreal y = -21 + 6 * k;
            Metal(p, Polygon({{42, y - 1.5}, {56, y - 1}, {56, y + 1}, {42, y + 1.5}}),
                  paint::kSteel, false);
        }
        Metal(p, RoundedBox(QRectF(36, -26, 8, 52), 2.5), paint::kSteel);
    });
}

void Wheelbarrow(QPainter& p) {
    const QColor tray(0x2a, 0x9d, 0x8f);
    for (const QPointF from : {QPointF(88, 54), QPointF(98, 52)}) {
        QPainterPath leg(from);
        leg.lineTo(from + QPointF(4, 22));
        Stroke(p, leg, 3, paint::kSteel.darker(130));
    }
    QPainterPath handles(QPointF(40, 56));
    handles.lineTo(142, 30);
    Stroke(p, handles, 4, paint::kSteel.darker(130));
    Rounded(p, RoundedBox(QRectF(128, 28, 18, 7), 3.5), QColor(0x3a, 0x3a, 0x44), false);
    Blob(p, {36, 60}, 16, 16, QColor(0x3a, 0x3a, 0x44));
    Blob(p, {36, 60}, 7, 7, paint::kSteel);
    Blob(p, {72, 26}, 26, 8, QColor(0x8a, 0x5a, 0x2b));
    const QPainterPath body = Polygon({{30, 26}, {118, 26}, {98, 56}, {52, 56}});
    Shape(p, body, tray);
    Rounded(p, RoundedBox(QRectF(26, 23, 96, 6), 3), tray.darker(115), false);
}

void WateringCan(QPainter& p) {
    const QColor green(0x4f, 0xa8, 0x4a);
    p.setPen(Qt::NoPen);
    p.setBrush(kWater);
    for (const QPointF c :
         {QPointF(12, 42), QPointF(6, 54), QPointF(16, 58), QPointF(9, 68), QPointF(20, 72)}) {
        p.drawEllipse(c, 2, 3);
    }
    const QPainterPath spout = Polygon({{60, 50}, {24, 24}, {28, 20}, {62, 38}});
    Shape(p, spout, green);
    Turned(p, {24, 23}, -35,
           [&] { Shape(p, RoundedBox(QRectF(-6, -8, 8, 16), 3), green.darker(110)); });
    QPainterPath handle(QPointF(70, 22));
    handle.cubicTo(74, 0, 130, 2, 122, 36);
    Stroke(p, handle, 6, green.darker(115));
    const QPainterPath body = RoundedBox(QRectF(56, 22, 60, 54), 12);
    Shape(p, body, green);
    Flat(p, Ellipse({86, 23}, 26, 5), green.darker(120));
    Shine(p, {68, 44}, 4, 12);
}

void Pickaxe(QPainter& p) {
    Turned(p, {75, 44}, 20, [&] {
        Rounded(p, RoundedBox(QRectF(-5, -36, 10, 72), 5), paint::kWood);
        QPainterPath head(QPointF(-60, 0));
        head.cubicTo(-30, -24, 30, -24, 60, 0);
        head.cubicTo(30, -14, -30, -14, -60, 0);
        Metal(p, head, paint::kSteel, false);
        Metal(p, RoundedBox(QRectF(-8, -22, 16, 14), 3), paint::kSteel.darker(110));
    });
}

} // namespace

std::vector<HintPicture> GardenToolPictures() {
    return {{"LADDER.BMP", Ladder},  {"PAINTBRS.BMP", Paintbrush},  {"GARDSPAD.BMP", Spade},
            {"RAKE.BMP", Rake},      {"WHEELBAR.BMP", Wheelbarrow}, {"WATERCAN.BMP", WateringCan},
            {"PICKAXE.BMP", Pickaxe}};
}

} // namespace lexiglade::artwork
