#include "ObjectKit.h"
#include "PictureSets.h"

#include <array>

namespace lexiglade::artwork {

namespace {

// A garment's left and right cuff: a band across the end of each sleeve.
void Cuffs(QPainter& p, std::array<QPointF, 4> left, const QColor& fill) {
    Flat(p, Polygon({left[0], left[1], left[2], left[3]}), fill);
    Flat(p, Mirror(Polygon({left[0], left[1], left[2], left[3]})), fill);
}

void Button(QPainter& p, QPointF c, qreal r, const QColor& fill) {
    Blob(p, c, r, r, fill);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(c + QPointF(-r / 3, 0), 0.8, 0.8);
    p.drawEllipse(c + QPointF(r / 3, 0), 0.8, 0.8);
}

void Shirt(QPainter& p) {
    const QColor blue(0x8e, 0xc5, 0xe8);
    Shape(p,
          Symmetric({{75, 14}, {64, 6}, {46, 10}, {23, 58}, {35, 64}, {50, 30}, {50, 77}, {75, 77}},
                    75),
          blue);
    Cuffs(p, {QPointF(25, 53), QPointF(36, 59), QPointF(35, 64), QPointF(23, 58)},
          blue.darker(112));
    InkLine(p, {75, 15}, {75, 77}, 1.5);
    for (const qreal y : {28.0, 41.0, 54.0, 67.0}) {
        Button(p, {75, y}, 2.6, Qt::white);
    }
    Flat(p, RoundedBox(QRectF(55, 30, 13, 13), 2), blue.lighter(106));
    InkLine(p, {55, 34}, {68, 34}, 1.2);
    const QPainterPath collar = Polygon({{64, 5}, {75, 15}, {70, 21}, {58, 12}});
    Flat(p, collar, Qt::white);
    Flat(p, Mirror(collar), Qt::white);
}

void Jumper(QPainter& p) {
    const QColor red(0xd9, 0x48, 0x4f);
    const QPainterPath body = Symmetric(
        {{75, 12}, {64, 6}, {45, 10}, {21, 60}, {34, 67}, {50, 32}, {50, 76}, {75, 76}}, 75);
    Marked(p, body, red, [&] {
        QPainterPath zigzag(QPointF(40, 40));
        for (int k = 0; k < 9; ++k) {
            zigzag.lineTo(44 + 8 * k, k % 2 == 0 ? 34 : 46);
        }
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zigzag);
    });
    const QColor rib = red.darker(125);
    Stripes(p, RoundedBox(QRectF(50, 68, 50, 8), 2), 4, 1.2, rib.darker(120), true);
    Cuffs(p, {QPointF(23, 56), QPointF(35, 62), QPointF(34, 67), QPointF(21, 60)}, rib);
    QPainterPath neck(QPointF(64, 6));
    neck.quadTo(75, 20, 86, 6);
    Stroke(p, neck, 3.5, rib);
}

void Coat(QPainter& p) {
    const QColor camel(0xc9, 0x8a, 0x45);
    Shape(p,
          Symmetric({{75, 22}, {66, 4}, {50, 8}, {30, 60}, {42, 65}, {50, 36}, {44, 78}, {75, 78}},
                    75),
          camel);
    Cuffs(p, {QPointF(32, 55), QPointF(44, 60), QPointF(42, 65), QPointF(30, 60)},
          camel.darker(125));
    InkLine(p, {75, 22}, {75, 78}, 1.5);
    const QPainterPath lapel = Polygon({{66, 4}, {75, 22}, {70, 30}, {60, 12}});
    Flat(p, lapel, camel.darker(112));
    Flat(p, Mirror(lapel), camel.darker(112));
    for (const qreal y : {36.0, 50.0, 64.0}) {
        Button(p, {68, y}, 3.2, QColor(0x5a, 0x3a, 0x22));
        Button(p, {82, y}, 3.2, QColor(0x5a, 0x3a, 0x22));
    }
    const QPainterPath flap = RoundedBox(QRectF(50, 56, 13, 5), 1.5);
    Flat(p, flap, camel.darker(112));
    Flat(p, Mirror(flap), camel.darker(112));
}

void Dress(QPainter& p) {
    const QColor pink(0xf2, 0x86, 0xb4);
    Blob(p, {56, 14}, 7, 6, pink);
    Blob(p, {94, 14}, 7, 6, pink);
    QPainterPath dress(QPointF(75, 14));
    dress.quadTo(70, 14, 64, 6);
    dress.lineTo(58, 7);
    dress.cubicTo(60, 16, 58, 24, 62, 36);
    dress.cubicTo(50, 50, 36, 62, 28, 74);
    for (int k = 0; k < 6; ++k) {
        dress.quadTo(32.5 + 15.7 * k, 80, 36.8 + 15.7 * k + 3.5, 74);
    }
    dress.lineTo(122, 74);
    dress.cubicTo(114, 62, 100, 50, 88, 36);
    dress.cubicTo(92, 24, 90, 16, 92, 7);
    dress.lineTo(86, 6);
    dress.quadTo(80, 14, 75, 14);
    Marked(p, dress, pink, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf0, 0xf6));
        for (int row = 0; row < 4; ++row) {
            for (int k = -4; k <= 4; ++k) {
                p.drawEllipse(QPointF(75 + k * 11 + (row % 2) * 5.5, 46 + row * 8), 2.2, 2.2);
            }
        }
    });
    Flat(p, RoundedBox(QRectF(61, 33, 28, 6), 2), QColor(0x8e, 0x5e, 0xa2));
    Blob(p, {70, 36}, 5, 4, QColor(0x8e, 0x5e, 0xa2));
    Blob(p, {80, 36}, 5, 4, QColor(0x8e, 0x5e, 0xa2));
    Blob(p, {75, 36}, 2.5, 2.5, QColor(0x8e, 0x5e, 0xa2).lighter(120));
}

void Skirt(QPainter& p) {
    const QColor purple(0x7b, 0x6c, 0xd9);
    QPainterPath skirt(QPointF(52, 16));
    skirt.lineTo(98, 16);
    skirt.lineTo(124, 70);
    skirt.quadTo(75, 80, 26, 70);
    skirt.closeSubpath();
    Marked(p, skirt, purple, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(purple.darker(118));
        for (int k = 0; k < 6; ++k) {
            const qreal top = 52 + 46.0 * (2 * k + 1) / 12;
            const qreal bottom = 26 + 98.0 * (2 * k + 1) / 12;
            p.drawPolygon(QPolygonF({QPointF(top, 16), QPointF(top + 46.0 / 12, 16),
                                     QPointF(bottom + 98.0 / 12, 80), QPointF(bottom, 80)}));
        }
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        QPainterPath band(QPointF(26, 63));
        band.quadTo(75, 73, 124, 63);
        p.drawPath(band);
    });
    Flat(p, RoundedBox(QRectF(50, 8, 50, 9), 2), purple.darker(135));
    Button(p, {90, 12.5}, 2.6, QColor(0xf5, 0xd0, 0x4a));
}

// The two legs of a pair of trousers or shorts, waist at `top`, legs ending at `hem`.
QPainterPath Legs(qreal top, qreal waist, qreal hemOuter, qreal hemInner, qreal crotch, qreal hem) {
    return Symmetric(
        {{75, top}, {75 - waist, top}, {75 - hemOuter, hem}, {75 - hemInner, hem}, {75, crotch}},
        75);
}

// The seams of trousers or shorts below a waistband at `top`: down the middle to the crotch, and
// a pocket opening at each hip.
QPainterPath LegSeams(qreal top, qreal waist, qreal crotch) {
    QPainterPath seams(QPointF(75, top));
    seams.lineTo(75, crotch - 2);
    for (const qreal side : {-1.0, 1.0}) {
        seams.moveTo(75 + side * (waist - 6), top);
        seams.quadTo(75 + side * (waist - 9), top + 11, 75 + side * waist, top + 14);
    }
    return seams;
}

// A hem line across each leg at `y`, from `outer` beside the middle out to the leg's side.
QPainterPath Hems(qreal y, qreal outer) {
    QPainterPath hems(QPointF(75 - outer, y));
    hems.lineTo(71, y);
    hems.moveTo(79, y);
    hems.lineTo(75 + outer, y);
    return hems;
}

void Trousers(QPainter& p) {
    const QColor denim(0x46, 0x6f, 0xb0);
    const QPainterPath legs = Legs(12, 26, 30, 4, 36, 78);
    Shape(p, legs, denim);
    Flat(p, RoundedBox(QRectF(49, 6, 52, 8), 1.5), denim.darker(115));
    for (const qreal x : {56.0, 75.0, 94.0}) {
        Flat(p, RoundedBox(QRectF(x - 2, 5, 4, 10), 1), denim.darker(108));
    }
    Button(p, {75, 10}, 2.2, QColor(0xd8, 0xb0, 0x50));
    const QColor stitch(0xf0, 0xb0, 0x50);
    Detail(p, LegSeams(14, 26, 36), 1.5, denim.darker(150));
    p.setPen(QPen(stitch, 1.2, Qt::DashLine));
    p.drawPath(Hems(73, 29));
}

void Shorts(QPainter& p) {
    const QColor khaki(0xe8, 0x9c, 0x3a);
    const QPainterPath legs = Legs(14, 36, 50, 4, 44, 66);
    Shape(p, legs, khaki);
    Flat(p, RoundedBox(QRectF(38, 8, 74, 9), 2), khaki.darker(115));
    QPainterPath cord(QPointF(75, 16));
    cord.quadTo(70, 26, 68, 30);
    cord.moveTo(75, 16);
    cord.quadTo(80, 26, 83, 29);
    Detail(p, cord, 1.8, Qt::white);
    Detail(p, LegSeams(17, 36, 44), 1.5, khaki.darker(150));
    Detail(p, Hems(60, 49), 1.5, khaki.darker(150));
}

void Apron(QPainter& p) {
    const QColor red(0xe0, 0x4a, 0x4a);
    QPainterPath loop(QPointF(62, 18));
    loop.cubicTo(60, -2, 90, -2, 88, 18);
    Stroke(p, loop, 2.5, red);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath tie(QPointF(75 + side * 26, 36));
        tie.cubicTo(QPointF(75 + side * 40, 36), QPointF(75 + side * 46, 48),
                    QPointF(75 + side * 58, 54));
        tie.moveTo(75 + side * 30, 36);
        tie.cubicTo(QPointF(75 + side * 44, 38), QPointF(75 + side * 54, 30),
                    QPointF(75 + side * 62, 34));
        Stroke(p, tie, 2.5, red);
    }
    const QPainterPath apron =
        Symmetric({{75, 16}, {60, 16}, {60, 32}, {48, 38}, {44, 78}, {75, 78}}, 75);
    Flat(p, apron, Qt::white);
    Inside(p, apron, [&] {
        p.setPen(QPen(QColor(0xe0, 0x4a, 0x4a, 110), 4, Qt::SolidLine, Qt::FlatCap));
        for (qreal x = 46; x < 106; x += 8) {
            p.drawLine(QPointF(x, 0), QPointF(x, 80));
        }
        for (qreal y = 20; y < 80; y += 8) {
            p.drawLine(QPointF(40, y), QPointF(110, y));
        }
    });
    Flat(p, RoundedBox(QRectF(58, 50, 34, 18), 3), red);
    Flat(p, RoundedBox(QRectF(84, 40, 4, 16), 2), QColor(0xd8, 0xa8, 0x6a));
    Blob(p, {86, 38}, 4.5, 6, QColor(0xd8, 0xa8, 0x6a));
    Flat(p, RoundedBox(QRectF(58, 50, 34, 5), 2), red.darker(115));
}

} // namespace

std::vector<HintPicture> GarmentPictures() {
    return {{"SHIRT.BMP", Shirt},   {"JUMPER.BMP", Jumper}, {"COAT.BMP", Coat},
            {"DRESS.BMP", Dress},   {"SKIRT.BMP", Skirt},   {"TROUSERS.BMP", Trousers},
            {"SHORTS.BMP", Shorts}, {"APRON.BMP", Apron}};
}

} // namespace lexiglade::artwork
