#include "PictureKit.h"
#include "PictureSets.h"

#include <QLinearGradient>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace lexiglade::artwork {

namespace {

const QColor kDarkLeaf{0x3f, 0x8a, 0x3a};

// Points round an ellipse, each pushed out by its factor: a lumpy outline for RoundLoop.
std::vector<QPointF> Lumps(QPointF c, qreal rx, qreal ry, std::initializer_list<qreal> push) {
    std::vector<QPointF> points;
    const qreal step = 2 * std::numbers::pi / static_cast<qreal>(push.size());
    qreal a = -std::numbers::pi / 2;
    for (const qreal factor : push) {
        points.push_back(c + QPointF(std::cos(a) * rx, std::sin(a) * ry) * factor);
        a += step;
    }
    return points;
}

void Carrot(QPainter& p) {
    for (const QPointF tip : {QPointF(6, 4), QPointF(24, 2), QPointF(4, 24), QPointF(38, 6)}) {
        Leaf(p, {36, 26}, tip, 5, kLeafGreen);
    }
    Turned(p, {38, 28}, 22, [&] {
        QPainterPath root(QPointF(0, -14));
        root.cubicTo(50, -12, 90, -5, 112, 0);
        root.cubicTo(90, 5, 50, 12, 0, 14);
        root.cubicTo(-8, 14, -8, -14, 0, -14);
        Shape(p, root, QColor(0xf2, 0x8a, 0x1e));
        p.setPen(QPen(QColor(0xc8, 0x62, 0x10), 1.5, Qt::SolidLine, Qt::RoundCap));
        for (const qreal x : {18.0, 36.0, 54.0, 72.0}) {
            const qreal half = 12 - x * 0.1;
            p.drawLine(QPointF(x, -half), QPointF(x + 2, -half * 0.3));
            p.drawLine(QPointF(x + 9, half), QPointF(x + 11, half * 0.4));
        }
    });
}

void Potato(QPainter& p) {
    const QColor skin(0xcd, 0x9b, 0x5c);
    const auto eyes = [&](std::initializer_list<QPointF> at) {
        p.setPen(QPen(skin.darker(170), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF e : at) {
            p.drawLine(e, e + QPointF(3, 1));
        }
    };
    Shape(p, RoundLoop(Lumps({112, 52}, 28, 20, {1.0, 1.1, 0.95, 1.05, 1.0, 1.1, 0.95, 1.05})),
          skin.darker(108));
    eyes({QPointF(104, 44), QPointF(120, 56), QPointF(108, 62)});
    Shape(p, RoundLoop(Lumps({58, 40}, 42, 28, {1.05, 0.95, 1.1, 1.0, 1.05, 0.9, 1.1, 1.0})), skin);
    eyes({QPointF(40, 30), QPointF(62, 24), QPointF(78, 44), QPointF(46, 52), QPointF(64, 58)});
    Shine(p, {40, 24}, 7, 4);
}

void Tomato(QPainter& p) {
    const QPainterPath fruit =
        RoundLoop(Lumps({75, 46}, 42, 33, {0.9, 1.05, 1.0, 1.05, 1.0, 1.05, 1.0, 1.05}));
    Shape(p, fruit, QColor(0xe2, 0x33, 0x2a));
    Shine(p, {56, 34}, 8, 6);
    for (const QPointF tip :
         {QPointF(50, 16), QPointF(60, 28), QPointF(90, 28), QPointF(100, 16), QPointF(75, 24)}) {
        Leaf(p, {75, 17}, tip, 4.5, kLeafGreen);
    }
    Stalk(p, {75, 18}, {74, 10}, {80, 4}, kDarkLeaf);
}

// An onion-like bulb about the upright line at `x`, `half` wide each side: roots, a pointed top
// and curved veins that meet `lean` of the way back towards the middle at the bottom.
void Bulb(QPainter& p, qreal x, qreal half, const QColor& skin, const QColor& veins, qreal lean) {
    p.setPen(QPen(QColor(0xa0, 0x88, 0x62), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const qreal dx : {-7.0, -2.5, 2.5, 7.0}) {
        p.drawLine(QPointF(x + dx * 0.45, 73), QPointF(x + dx, 79));
    }
    QPainterPath bulb(QPointF(x, 4));
    bulb.cubicTo(x + 5, 19, x + half, 23, x + half - 1, 48);
    bulb.cubicTo(x + half - 3, 69, x + 11, 75, x, 75);
    bulb.cubicTo(x - 11, 75, x - half + 3, 69, x - half + 1, 48);
    bulb.cubicTo(x - half, 23, x - 5, 19, x, 4);
    Shape(p, bulb, skin);
    p.setPen(QPen(veins, 1.4));
    p.setBrush(Qt::NoBrush);
    for (const qreal bow : {-0.66, -0.26, 0.26, 0.66}) {
        QPainterPath line(QPointF(x, 17));
        line.quadTo(x + bow * half * 1.6, 47, x + bow * half * lean, 73);
        p.drawPath(line);
    }
}

void Onion(QPainter& p) {
    const QColor skin(0xd9, 0x93, 0x3b);
    Bulb(p, 56, 32, skin, skin.darker(135), 0);
    const QPointF c(118, 52);
    Flat(p, Ellipse(c, 25, 24), skin);
    p.setPen(QPen(QColor(0xd8, 0xc8, 0xe0), 1.6));
    p.setBrush(QColor(0xfb, 0xf4, 0xf8));
    for (const qreal r : {21.0, 16.0, 11.0, 6.0}) {
        p.drawEllipse(c, r, r * 0.96);
    }
}

void Peas(QPainter& p) {
    Stalk(p, {128, 30}, {140, 20}, {134, 10}, kDarkLeaf);
    QPainterPath pod(QPointF(10, 52));
    pod.cubicTo(40, 74, 110, 70, 132, 30);
    pod.cubicTo(110, 46, 40, 44, 10, 52);
    Shape(p, pod, QColor(0x5c, 0xae, 0x3c));
    QPainterPath open(QPointF(16, 50));
    open.cubicTo(40, 30, 104, 18, 128, 30);
    open.cubicTo(104, 52, 40, 60, 16, 50);
    Flat(p, open, QColor(0x3f, 0x80, 0x2c));
    for (int k = 0; k < 6; ++k) {
        const QPointF c(32 + 16.5 * k, 46 - 2.2 * k - (k > 2 ? (k - 2) * 1.5 : 0));
        Blob(p, c, 8.5, 8.5, QColor(0x8e, 0xd0, 0x4a));
        Shine(p, c + QPointF(-3, -3), 2, 2.5);
    }
}

void Sweetcorn(QPainter& p) {
    Turned(p, {82, 40}, -18, [&] {
        for (const auto& tip : {QPointF(-74, -14), QPointF(-64, 18), QPointF(-80, 2)}) {
            Leaf(p, {-30, 0}, tip, 9, tip.y() > 0 ? kDarkLeaf : kLeafGreen);
        }
        const QPainterPath cob = RoundedBox(QRectF(-40, -17, 98, 34), 16);
        Marked(p, cob, QColor(0xf7, 0xcf, 0x3a), [&] {
            p.setPen(QPen(QColor(0xd6, 0xa0, 0x1c), 1));
            p.setBrush(QColor(0xfb, 0xdc, 0x55));
            for (int row = 0; row < 5; ++row) {
                for (int col = 0; col < 14; ++col) {
                    const qreal x = -38 + 7 * col + (row % 2) * 3.5;
                    p.drawRoundedRect(QRectF(x, -17 + 7 * row, 6.5, 6.5), 2.5, 2.5);
                }
            }
        });
    });
}

void Broccoli(QPainter& p) {
    const QColor stalk(0x9c, 0xcc, 0x6a);
    Shape(p, Polygon({{66, 46}, {84, 46}, {90, 77}, {60, 77}}), stalk);
    Stalk(p, {70, 60}, {60, 52}, {50, 44}, stalk);
    Stalk(p, {80, 60}, {90, 52}, {100, 44}, stalk);
    const QColor head(0x3a, 0x85, 0x35);
    for (const QPointF c : {QPointF(46, 36), QPointF(104, 36), QPointF(58, 22), QPointF(92, 22),
                            QPointF(75, 14), QPointF(75, 36), QPointF(60, 42), QPointF(90, 42)}) {
        Blob(p, c, 17, 15, head);
        p.setPen(Qt::NoPen);
        p.setBrush(head.darker(125));
        for (const QPointF d : {QPointF(-6, -3), QPointF(4, -6), QPointF(6, 4), QPointF(-3, 6)}) {
            p.drawEllipse(c + d, 2.2, 2.2);
        }
    }
}

void Cauliflower(QPainter& p) {
    const QColor curd(0xf5, 0xe9, 0xc0);
    for (const auto& [base, tip] : {std::pair{QPointF(70, 76), QPointF(8, 30)},
                                    std::pair{QPointF(80, 76), QPointF(142, 30)}}) {
        Leaf(p, base, tip, 17, kDarkLeaf);
    }
    const std::vector<QPointF> florets{{60, 14}, {75, 11},  {90, 14}, {46, 24},  {104, 24},
                                       {38, 38}, {112, 38}, {40, 52}, {110, 52}, {75, 40}};
    QPainterPath head = Ellipse({75, 38}, 36, 24);
    for (const QPointF c : florets) {
        head = head.united(Ellipse(c, 12, 11));
    }
    Marked(p, head, curd, [&] {
        p.setPen(QPen(QColor(0xd2, 0xbe, 0x86), 1.2));
        p.setBrush(Qt::NoBrush);
        for (int row = 0; row < 6; ++row) {
            for (int k = 0; k < 10; ++k) {
                p.drawEllipse(QPointF(30 + 9.5 * k + (row % 2) * 4.75, 8 + 8.5 * row), 4.5, 4);
            }
        }
    });
    for (const auto& [base, tip] :
         {std::pair{QPointF(66, 79), QPointF(18, 44)}, std::pair{QPointF(84, 79), QPointF(132, 44)},
          std::pair{QPointF(70, 79), QPointF(52, 54)},
          std::pair{QPointF(80, 79), QPointF(98, 54)}}) {
        Leaf(p, base, tip, 13, kLeafGreen);
    }
}

void Cabbage(QPainter& p) {
    const QColor inner(0xa9, 0xd8, 0x72);
    const QColor outer(0x5f, 0xa8, 0x45);
    Blob(p, {75, 42}, 40, 36, inner);
    QPainterPath leftLeaf(QPointF(75, 78));
    leftLeaf.cubicTo(30, 80, 26, 30, 50, 12);
    leftLeaf.cubicTo(46, 34, 56, 62, 75, 78);
    QPainterPath rightLeaf = Mirror(leftLeaf);
    Shape(p, leftLeaf, outer);
    Shape(p, rightLeaf, outer);
    p.setPen(QPen(QColor(0xe4, 0xf4, 0xc6), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal bow : {-28.0, -12.0, 12.0, 28.0}) {
        QPainterPath vein(QPointF(75, 76));
        vein.quadTo(75 + bow * 0.4, 40, 75 + bow, 14 + std::abs(bow) * 0.3);
        p.drawPath(vein);
    }
}

void Pumpkin(QPainter& p) {
    const QColor orange(0xf0, 0x8a, 0x22);
    Blob(p, {40, 48}, 22, 28, orange.darker(108));
    Blob(p, {110, 48}, 22, 28, orange.darker(108));
    Blob(p, {56, 48}, 22, 30, orange);
    Blob(p, {94, 48}, 22, 30, orange);
    Blob(p, {75, 48}, 20, 31, orange.lighter(106));
    Shape(p, Polygon({{70, 20}, {80, 20}, {84, 6}, {76, 4}}), QColor(0x6f, 0x8a, 0x3a));
    Leaf(p, {82, 16}, {114, 8}, 9, kLeafGreen);
    p.setPen(QPen(kDarkLeaf, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath curl(QPointF(68, 16));
    curl.cubicTo(56, 4, 44, 16, 52, 20);
    p.drawPath(curl);
}

void Pepper(QPainter& p) {
    QPainterPath body(QPointF(75, 18));
    body.cubicTo(96, 10, 118, 14, 116, 40);
    body.cubicTo(115, 62, 110, 76, 98, 76);
    body.cubicTo(90, 76, 86, 70, 75, 72);
    body.cubicTo(64, 70, 60, 76, 52, 76);
    body.cubicTo(40, 76, 35, 62, 34, 40);
    body.cubicTo(32, 14, 54, 10, 75, 18);
    Shape(p, body, QColor(0xdc, 0x26, 0x2a));
    p.setPen(QPen(QColor(0xa8, 0x18, 0x1c), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath crease(QPointF(75, 24));
    crease.quadTo(70, 50, 75, 70);
    p.drawPath(crease);
    Shine(p, {50, 34}, 5, 10);
    Flat(p, Ellipse({75, 18}, 15, 5), kDarkLeaf);
    Shape(p, Polygon({{71, 16}, {79, 16}, {82, 4}, {74, 3}}), QColor(0x4d, 0x8a, 0x2e));
}

void Cucumber(QPainter& p) {
    const QColor skin(0x3a, 0x7d, 0x2e);
    QPainterPath body(QPointF(12, 44));
    body.cubicTo(10, 28, 40, 28, 70, 26);
    body.cubicTo(96, 24, 116, 18, 120, 28);
    body.cubicTo(124, 40, 100, 48, 70, 50);
    body.cubicTo(40, 52, 14, 60, 12, 44);
    Shape(p, body, skin);
    p.setPen(Qt::NoPen);
    p.setBrush(skin.lighter(150));
    for (int k = 0; k < 9; ++k) {
        p.drawEllipse(QPointF(24 + 11 * k, 38 - k * 0.9 + (k % 2) * 5), 1.4, 1.4);
    }
    const QPointF c(124, 58);
    Flat(p, Ellipse(c, 20, 19), skin);
    Blob(p, c, 16, 15, QColor(0xc9, 0xe8, 0x8c));
    p.setBrush(QColor(0xf4, 0xf6, 0xd8));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * std::numbers::pi / 3;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 7, 2, 3);
    }
}

void OneMushroom(QPainter& p, QPointF top, qreal size) {
    const qreal w = 40 * size;
    const QColor cream(0xf3, 0xe9, 0xd2);
    QPainterPath stem(top + QPointF(-10 * size, 28 * size));
    stem.lineTo(top + QPointF(10 * size, 28 * size));
    stem.cubicTo(top + QPointF(12 * size, 50 * size), top + QPointF(18 * size, 64 * size),
                 top + QPointF(0, 66 * size));
    stem.cubicTo(top + QPointF(-18 * size, 64 * size), top + QPointF(-12 * size, 50 * size),
                 top + QPointF(-10 * size, 28 * size));
    Shape(p, stem, cream);
    Flat(p, Ellipse(top + QPointF(0, 30 * size), w * 0.85, 7 * size), QColor(0xd9, 0xc4, 0xa2));
    QPainterPath cap(top + QPointF(-w, 30 * size));
    cap.cubicTo(top + QPointF(-w, -2 * size), top + QPointF(w, -2 * size),
                top + QPointF(w, 30 * size));
    cap.quadTo(top + QPointF(0, 22 * size), top + QPointF(-w, 30 * size));
    Shape(p, cap, QColor(0xb9, 0x80, 0x52));
    Shine(p, top + QPointF(-w * 0.45, 10 * size), 7 * size, 4 * size);
}

void Mushroom(QPainter& p) {
    OneMushroom(p, {118, 26}, 0.72);
    OneMushroom(p, {62, 6}, 1.08);
}

void Garlic(QPainter& p) {
    const QColor white(0xf5, 0xef, 0xe4);
    const QColor purple(0xb8, 0x8c, 0xb6);
    Bulb(p, 58, 36, white, purple, 0.3);
    QPainterPath clove(QPointF(128, 30));
    clove.cubicTo(140, 44, 138, 70, 122, 72);
    clove.cubicTo(106, 72, 104, 58, 112, 48);
    clove.cubicTo(118, 42, 124, 38, 128, 30);
    Shape(p, clove, white);
    p.setPen(QPen(purple, 1.5));
    p.drawLine(QPointF(126, 40), QPointF(124, 66));
}

void Aubergine(QPainter& p) {
    QPainterPath body(QPointF(46, 30));
    body.cubicTo(70, 14, 100, 18, 128, 36);
    body.cubicTo(148, 50, 136, 78, 108, 72);
    body.cubicTo(86, 68, 70, 52, 46, 46);
    body.closeSubpath();
    Shape(p, body, QColor(0x5e, 0x2a, 0x72));
    Shine(p, {100, 34}, 14, 4);
    for (const QPointF tip : {QPointF(66, 18), QPointF(70, 52), QPointF(74, 36)}) {
        Leaf(p, {40, 37}, tip, 6, kLeafGreen);
    }
    Shape(p, Ellipse({42, 37}, 9, 11), kLeafGreen.darker(112));
    Stalk(p, {34, 36}, {24, 30}, {14, 34}, QColor(0x6f, 0x8a, 0x3a));
}

void OneRadish(QPainter& p, QPointF c, qreal r) {
    QPainterPath tail(c + QPointF(-3, r * 0.7));
    tail.quadTo(c + QPointF(0, r * 1.3), c + QPointF(4, r * 1.85));
    Stroke(p, tail, 1.5, Qt::white);
    Blob(p, c, r, r * 0.92, QColor(0xd8, 0x2e, 0x5c));
    QLinearGradient tip(c + QPointF(0, r * 0.3), c + QPointF(0, r));
    tip.setColorAt(0, QColor(255, 255, 255, 0));
    tip.setColorAt(1, QColor(255, 255, 255, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(tip);
    p.drawEllipse(c, r - 1, r * 0.92 - 1);
    Shine(p, c + QPointF(-r * 0.45, -r * 0.35), r * 0.18, r * 0.28);
}

void Radish(QPainter& p) {
    for (const auto& [base, tip] :
         {std::pair{QPointF(58, 30), QPointF(22, 6)}, std::pair{QPointF(60, 28), QPointF(52, 2)},
          std::pair{QPointF(62, 28), QPointF(82, 4)}, std::pair{QPointF(96, 34), QPointF(100, 3)},
          std::pair{QPointF(98, 34), QPointF(130, 8)}}) {
        const QPointF leafBase = base * 0.6 + tip * 0.4;
        Stalk(p, base, (base + leafBase) / 2, leafBase, kDarkLeaf);
        Leaf(p, leafBase, tip, 10, kLeafGreen);
    }
    OneRadish(p, {98, 46}, 16);
    OneRadish(p, {58, 42}, 18);
}

} // namespace

std::vector<HintPicture> VegetablePictures() {
    return {{"CARROT.BMP", Carrot},      {"POTATO.BMP", Potato},
            {"TOMATO.BMP", Tomato},      {"ONION.BMP", Onion},
            {"PEAS.BMP", Peas},          {"SWEETCRN.BMP", Sweetcorn},
            {"BROCCOLI.BMP", Broccoli},  {"CAULIFLR.BMP", Cauliflower},
            {"CABBAGE.BMP", Cabbage},    {"PUMPKIN.BMP", Pumpkin},
            {"PEPPER.BMP", Pepper},      {"CUCUMBER.BMP", Cucumber},
            {"MUSHROOM.BMP", Mushroom},  {"GARLIC.BMP", Garlic},
            {"AUBERGIN.BMP", Aubergine}, {"RADISH.BMP", Radish}};
}

} // namespace lexiglade::artwork
