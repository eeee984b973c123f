#include "ObjectKit.h"
#include "PictureSets.h"

#include <QTransform>
#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

const QColor kLeather{0x9a, 0x5b, 0x30};
const QColor kSole{0x4a, 0x36, 0x2a};

QPainterPath Shifted(const QPainterPath& path, qreal dx, qreal dy = 0) {
    return QTransform::fromTranslate(dx, dy).map(path);
}

void Sock(QPainter& p, qreal dx) {
    QPainterPath sock(QPointF(30 + dx, 8));
    sock.lineTo(52 + dx, 8);
    sock.lineTo(52 + dx, 42);
    sock.cubicTo(60 + dx, 46, 72 + dx, 46, 78 + dx, 54);
    sock.quadTo(84 + dx, 64, 74 + dx, 71);
    sock.lineTo(40 + dx, 71);
    sock.quadTo(27 + dx, 70, 28 + dx, 56);
    sock.closeSubpath();
    const QColor teal(0x2a, 0xa1, 0x98);
    Marked(p, sock, teal, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf6, 0xd0, 0x4d));
        for (qreal y = 20; y < 44; y += 10) {
            p.drawRect(QRectF(20 + dx, y, 40, 4.5));
        }
        p.setBrush(QColor(0xe7, 0x6f, 0x51));
        p.drawEllipse(QPointF(30 + dx, 70), 11, 10);
        p.drawEllipse(QPointF(80 + dx, 62), 10, 12);
    });
    Stripes(p, RoundedBox(QRectF(29 + dx, 4, 24, 9), 2), 4, 1.2, teal.darker(140), true);
}

void Socks(QPainter& p) {
    Sock(p, -6);
    Sock(p, 44);
}

void ScarfEnd(QPainter& p, QPointF topLeft, QPointF topRight, QPointF bottomRight,
              QPointF bottomLeft, const QColor& wool, const QColor& band) {
    const QPainterPath end = Polygon({topLeft, topRight, bottomRight, bottomLeft});
    Flat(p, end, wool);
    Inside(p, end, [&] {
        for (const qreal t : {0.3, 0.55, 0.8}) {
            p.setPen(QPen(band, 4));
            p.drawLine(topLeft + (bottomLeft - topLeft) * t,
                       topRight + (bottomRight - topRight) * t);
        }
    });
    for (int k = 0; k <= 4; ++k) {
        const QPointF root = bottomLeft + (bottomRight - bottomLeft) * (0.1 + 0.2 * k);
        DetailLine(p, root, root + QPointF(0, 5), 1.6, wool.darker(130));
    }
}

void Scarf(QPainter& p) {
    const QColor wool(0xe6, 0x39, 0x46);
    const QColor band(0xff, 0xf6, 0xde);
    QPainterPath ring;
    ring.addEllipse(QPointF(75, 22), 40, 18);
    ring.addEllipse(QPointF(75, 17), 24, 6);
    Shape(p, ring, wool);
    Stripes(p, ring, 14, 5, band, true);
    ScarfEnd(p, {66, 30}, {84, 32}, {74, 70}, {54, 68}, wool, band);
    ScarfEnd(p, {76, 32}, {92, 30}, {108, 64}, {90, 69}, wool.darker(110), band);
    Shape(p, RoundedBox(QRectF(64, 26, 26, 12), 5), wool);
}

// One glove of a pair, fingers up, its thumb pointing to the outside.
QPainterPath Glove() {
    QPainterPath glove = RoundedBox(QRectF(30, 30, 30, 30), 8);
    const qreal tops[4] = {15, 9, 11, 17};
    for (int k = 0; k < 4; ++k) {
        glove.addPath(RoundedBox(QRectF(30 + 7.5 * k, tops[k], 7.5, 30), 3.7));
    }
    QTransform turn;
    turn.translate(32, 46);
    turn.rotate(-40);
    glove.addPath(turn.map(RoundedBox(QRectF(-4, -22, 8.5, 24), 4.2)));
    glove.setFillRule(Qt::WindingFill);
    return glove;
}

void Glove(QPainter& p, const QColor& wool) {
    Merged(p, Glove(), wool);
    const QPainterPath cuff = RoundedBox(QRectF(30, 56, 30, 17), 3);
    Flat(p, cuff, wool.darker(115));
    Stripes(p, cuff, 6, 2.5, Qt::white);
    for (const auto& [x, top] :
         {std::pair{37.5, 15.0}, std::pair{45.0, 13.0}, std::pair{52.5, 17.0}}) {
        InkLine(p, {x, top + 3}, {x, 36}, 1.6);
    }
}

void Gloves(QPainter& p) {
    const QColor wool(0x45, 0x7b, 0x9d);
    Glove(p, wool);
    Mirrored(p, 75, [&] { Glove(p, wool); });
}

// A sandal sole seen from above, toes at the top.
QPainterPath Sole(qreal cx) {
    QPainterPath sole(QPointF(cx, 5));
    sole.cubicTo(cx + 18, 5, cx + 17, 36, cx + 11, 50);
    sole.cubicTo(cx + 7, 62, cx + 10, 76, cx, 76);
    sole.cubicTo(cx - 11, 76, cx - 9, 60, cx - 11, 48);
    sole.cubicTo(cx - 15, 34, cx - 16, 5, cx, 5);
    return sole;
}

void Sandals(QPainter& p) {
    const QColor strap(0xd9, 0x5a, 0x3a);
    for (const qreal cx : {57.0, 93.0}) {
        const qreal lean = cx < 75 ? -1 : 1;
        Shape(p, Sole(cx), QColor(0xe8, 0xc0, 0x88));
        Rounded(p, RoundedBox(QRectF(cx - 17, 22, 34, 9), 4), strap, false);
        Rounded(p, RoundedBox(QRectF(cx - 15, 42, 30, 8), 4), strap, false);
        Flat(p, RoundedBox(QRectF(cx + lean * 14 - 3, 40.5, 6, 11), 1.5), QColor(0xe9, 0xc4, 0x6a));
    }
}

// A lace-up boot in side view, toe to the right.
void Boot(QPainter& p, qreal dx) {
    const QPainterPath boot =
        Shifted(Polygon({{26, 8}, {50, 8}, {54, 40}, {70, 48}, {80, 56}, {80, 66}, {24, 66}}), dx);
    Shape(p, boot, kLeather);
    Flat(p, Shifted(RoundedBox(QRectF(22, 64, 60, 8), 3), dx), kSole);
    Flat(p, Shifted(RoundedBox(QRectF(24, 5, 28, 7), 3), dx), kLeather.darker(120));
    QPainterPath laces;
    for (int k = 0; k < 5; ++k) {
        const qreal y = 16 + 7 * k;
        laces.moveTo(44 + dx + 2 * k, y);
        laces.lineTo(52 + dx + 3.2 * k, y + 7);
        laces.moveTo(52 + dx + 2.5 * k, y);
        laces.lineTo(44 + dx + 3 * k, y + 7);
    }
    Detail(p, laces, 1.6, QColor(0xff, 0xf6, 0xde));
    QPainterPath seam(QPointF(24 + dx, 54));
    seam.lineTo(62 + dx, 54);
    seam.quadTo(74 + dx, 54, 80 + dx, 60);
    Detail(p, seam, 1.3, kLeather.darker(150));
}

void Boots(QPainter& p) {
    Boot(p, 48);
    Boot(p, -6);
}

// A soft slipper in side view with a fluffy trim round its opening, toe to the right.
void Slipper(QPainter& p, qreal dx, qreal dy) {
    QPainterPath upper(QPointF(14 + dx, 62 + dy));
    upper.lineTo(14 + dx, 50 + dy);
    upper.quadTo(30 + dx, 48 + dy, 44 + dx, 40 + dy);
    upper.cubicTo(58 + dx, 32 + dy, 72 + dx, 40 + dy, 72 + dx, 56 + dy);
    upper.lineTo(72 + dx, 62 + dy);
    upper.closeSubpath();
    Shape(p, upper, QColor(0xc0, 0x6c, 0xc8));
    Flat(p, RoundedBox(QRectF(11 + dx, 60 + dy, 63, 7), 3.5), QColor(0x8e, 0x5e, 0xa2).darker(130));
    p.setPen(QPen(QColor(0xd8, 0xd2, 0xe6), 1.2));
    p.setBrush(Qt::white);
    for (int k = 0; k < 6; ++k) {
        p.drawEllipse(QPointF(16 + 5.6 * k + dx, 49 - 1.8 * k + dy), 4, 4);
    }
    Blob(p, {52 + dx, 36 + dy}, 7, 7, Qt::white);
}

void Slippers(QPainter& p) {
    Slipper(p, 56, -6);
    Slipper(p, 4, 4);
}

void Belt(QPainter& p) {
    QPainterPath strap;
    const auto wave = [](qreal x) {
        return 38 + 7 * std::sin((x - 30) / 100 * 2 * std::numbers::pi);
    };
    strap.moveTo(30, wave(30) - 8);
    for (qreal x = 34; x <= 126; x += 4) {
        strap.lineTo(x, wave(x) - 8);
    }
    strap.lineTo(136, wave(130));
    for (qreal x = 126; x >= 30; x -= 4) {
        strap.lineTo(x, wave(x) + 8);
    }
    strap.closeSubpath();
    Shape(p, strap, kLeather);
    QPainterPath stitch;
    for (const qreal side : {-5.0, 5.0}) {
        stitch.moveTo(32, wave(32) + side);
        for (qreal x = 36; x <= 124; x += 4) {
            stitch.lineTo(x, wave(x) + side);
        }
    }
    p.setPen(QPen(QColor(0xf0, 0xc8, 0x8a), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stitch);
    p.setPen(Qt::NoPen);
    p.setBrush(kSole);
    for (const qreal x : {100.0, 108.0, 116.0}) {
        p.drawEllipse(QPointF(x, wave(x)), 1.8, 2.2);
    }
    QPainterPath buckle = RoundedBox(QRectF(12, 20, 26, 36), 6);
    buckle.addRoundedRect(QRectF(18, 26, 14, 24), 3, 3);
    Metal(p, buckle, QColor(0xe9, 0xc4, 0x6a));
    Flat(p, RoundedBox(QRectF(17, 36, 22, 4), 2), QColor(0xe9, 0xc4, 0x6a).darker(110));
}

void Necktie(QPainter& p) {
    const QColor navy(0x2f, 0x4f, 0x9a);
    const QPainterPath blade = Symmetric({{75, 14}, {68, 16}, {57, 62}, {75, 78}}, 75);
    Marked(p, blade, navy, [&] {
        p.setPen(QPen(QColor(0xf4, 0xc8, 0x4a), 3.5));
        for (qreal y = 4; y < 100; y += 11) {
            p.drawLine(QPointF(55, y), QPointF(95, y + 20));
        }
    });
    Shape(p, Symmetric({{75, 4}, {66, 4}, {69, 17}, {75, 17}}, 75), navy.darker(110));
}

} // namespace

std::vector<HintPicture> AccessoryPictures() {
    return {{"SOCKS.BMP", Socks},     {"SCARF.BMP", Scarf},    {"WOOLGLOV.BMP", Gloves},
            {"SANDALS.BMP", Sandals}, {"LACEBOOT.BMP", Boots}, {"SLIPPERS.BMP", Slippers},
            {"BELT.BMP", Belt},       {"NECKTIE.BMP", Necktie}};
}

} // namespace lexiglade::artwork
