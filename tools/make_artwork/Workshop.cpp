#include "ObjectKit.h"
#include "PictureSets.h"

#include <QTransform>

namespace lexiglade::artwork {

namespace {

const QColor kRed{0xe6, 0x39, 0x46};
const QColor kYellow{0xf6, 0xc3, 0x3b};

// The head across the end of a handle lying along x: the striking face up, the claw down.
void HammerHead(QPainter& p) {
    QPainterPath head(QPointF(28, -18));
    head.lineTo(44, -18);
    head.lineTo(44, 4);
    head.cubicTo(44, 14, 38, 20, 24, 24);
    head.cubicTo(30, 16, 30, 10, 28, 4);
    head.closeSubpath();
    Metal(p, head, paint::kSteel);
    Metal(p, RoundedBox(QRectF(25, -24, 22, 9), 2), paint::kSteel);
}

void Hammer(QPainter& p) {
    Turned(p, {72, 46}, -25, [&] {
        Rounded(p, RoundedBox(QRectF(-54, -5, 86, 10), 5), paint::kWood, false);
        Rounded(p, RoundedBox(QRectF(-56, -6.5, 30, 13), 6), kRed, false);
        HammerHead(p);
    });
}

void Screwdriver(QPainter& p) {
    Turned(p, {75, 40}, -12, [&] {
        Metal(p,
              Polygon({{-4, -4}, {58, -4}, {64, -6}, {68, -6}, {68, 6}, {64, 6}, {58, 4}, {-4, 4}}),
              paint::kSteel, false);
        QPainterPath grip(QPointF(-66, -10));
        grip.quadTo(-70, 0, -66, 10);
        grip.lineTo(-14, 12);
        grip.quadTo(-6, 10, -4, 5);
        grip.lineTo(-4, -5);
        grip.quadTo(-6, -10, -14, -12);
        grip.closeSubpath();
        Rounded(p, grip, kYellow, false);
        for (const qreal y : {-6.0, 0.0, 6.0}) {
            DetailLine(p, {-58, y}, {-22, y * 1.1}, 1.6, kYellow.darker(140));
        }
        Rounded(p, RoundedBox(QRectF(-10, -9, 8, 18), 2), kBlackPlastic, false);
    });
}

QPainterPath SpannerShape() {
    QPainterPath bar = RoundedBox(QRectF(-46, -6, 92, 12), 6);
    bar.addEllipse(QPointF(-50, 0), 15, 15);
    bar.addEllipse(QPointF(50, 0), 13, 13);
    bar.setFillRule(Qt::WindingFill);
    QPainterPath jaws;
    jaws.addRect(QRectF(-70, -6, 22, 12));
    jaws.addRect(QRectF(50, -5, 20, 10));
    return bar.simplified().subtracted(jaws);
}

void Spanner(QPainter& p) {
    Turned(p, {75, 40}, -20, [&] {
        Metal(p, SpannerShape(), paint::kSteel, false);
        Flat(p, RoundedBox(QRectF(-24, -2.5, 48, 5), 2.5), paint::kSteel.darker(112));
    });
}

// One half of the pliers: a jaw above the pivot and a gripped handle below it.
void PliersHalf(QPainter& p, qreal side) {
    const QPainterPath jaw =
        Polygon({{75, 34}, {75 - side * 12, 30}, {75 - side * 7, 14}, {75 + side * 1, 2}});
    Metal(p, jaw, paint::kSteel);
    const QPainterPath arm = Polygon(
        {{75 - side * 3, 30}, {75 + side * 6, 38}, {75 + side * 32, 72}, {75 + side * 22, 75}});
    Metal(p, arm, paint::kSteel);
    QPainterPath grip(QPointF(75 + side * 8, 46));
    grip.lineTo(75 + side * 30, 70);
    Stroke(p, grip, 9, kRed);
}

void Pliers(QPainter& p) {
    PliersHalf(p, -1);
    PliersHalf(p, 1);
    Blob(p, {75, 32}, 6, 6, paint::kSteel);
    Blob(p, {75, 32}, 2, 2, kBlackPlastic);
}

void Drill(QPainter& p) {
    const QColor orange(0xf4, 0x8c, 0x2a);
    Metal(p, Polygon({{104, 26}, {140, 28}, {140, 32}, {104, 34}}), paint::kSteel, false);
    for (qreal x = 110; x < 138; x += 6) {
        InkLine(p, {x, 27}, {x + 4, 33}, 1.2);
    }
    Metal(p, Polygon({{94, 20}, {106, 22}, {106, 38}, {94, 40}}), kBlackPlastic.lighter(140),
          false);
    Rounded(p, RoundedBox(QRectF(48, 50, 26, 16), 4), kBlackPlastic, false);
    Rounded(p, Polygon({{52, 36}, {72, 36}, {66, 58}, {52, 58}}), kBlackPlastic);
    Flat(p, RoundedBox(QRectF(68, 40, 6, 10), 2), kRed);
    Shape(p, RoundedBox(QRectF(28, 10, 70, 32), 12), orange);
    for (const qreal x : {40.0, 47.0, 54.0}) {
        DetailLine(p, {x, 18}, {x, 32}, 2, orange.darker(150));
    }
    Rounded(p, RoundedBox(QRectF(40, 62, 42, 14), 4), orange.darker(108), false);
}

void Handsaw(QPainter& p) {
    QPainterPath blade(QPointF(52, 16));
    blade.lineTo(140, 40);
    blade.lineTo(140, 50);
    for (int k = 0; k < 16; ++k) {
        const qreal x = 140 - 5.5 * (k + 1);
        blade.lineTo(x + 2.75, 54 + 2.5 - k * 0.1 + 2);
        blade.lineTo(x, 50 - k * 0.1 + 0.3 * k);
    }
    blade.lineTo(52, 58);
    blade.closeSubpath();
    Metal(p, blade, paint::kSteel, false);
    QPainterPath handle = RoundedBox(QRectF(12, 12, 46, 52), 14);
    handle.addRoundedRect(QRectF(22, 24, 24, 28), 9, 9);
    Shape(p, handle, paint::kWood);
    for (const QPointF c : {QPointF(52, 24), QPointF(52, 48)}) {
        Blob(p, c, 2.5, 2.5, paint::kSteel);
    }
}

void TapeMeasure(QPainter& p) {
    Metal(p, Polygon({{60, 54}, {140, 54}, {140, 66}, {60, 66}}), kYellow, false);
    for (int k = 0; k < 16; ++k) {
        const qreal x = 66 + 4.5 * k;
        InkLine(p, {x, 54}, {x, k % 2 == 0 ? 61.0 : 58.0}, 1.1);
    }
    Flat(p, RoundedBox(QRectF(138, 50, 5, 18), 1.5), paint::kSteel);
    Shape(p, RoundedBox(QRectF(14, 10, 60, 60), 18), kRed);
    Blob(p, {44, 40}, 17, 17, kBlackPlastic.lighter(130));
    Blob(p, {44, 40}, 6, 6, paint::kSteel);
    Rounded(p, RoundedBox(QRectF(64, 24, 10, 18), 3), kBlackPlastic, false);
}

void Nail(QPainter& p, QPointF at, qreal degrees) {
    Turned(p, at, degrees, [&] {
        Metal(p, Polygon({{-3, -24}, {3, -24}, {3, 22}, {0, 32}, {-3, 22}}), paint::kSteel);
        Metal(p, RoundedBox(QRectF(-10, -30, 20, 6), 2), paint::kSteel, false);
    });
}

void Nails(QPainter& p) {
    Nail(p, {50, 42}, -30);
    Nail(p, {100, 42}, 30);
    Nail(p, {75, 38}, 0);
}

void Toolbox(QPainter& p) {
    Turned(p, {52, 26}, -20, [&] {
        Rounded(p, RoundedBox(QRectF(-4, -6, 8, 30), 3), paint::kWood);
        Metal(p, RoundedBox(QRectF(-10, -14, 20, 10), 2), paint::kSteel, false);
    });
    Turned(p, {92, 24}, 14, [&] {
        Metal(p, RoundedBox(QRectF(-2, 0, 4, 24), 1), paint::kSteel);
        Rounded(p, RoundedBox(QRectF(-5, -14, 10, 18), 4), kYellow);
    });
    QPainterPath handle(QPointF(30, 36));
    handle.lineTo(30, 18);
    handle.lineTo(120, 18);
    handle.lineTo(120, 36);
    Stroke(p, handle, 4, paint::kSteel.darker(120));
    const QPainterPath box = Polygon({{20, 34}, {130, 34}, {124, 76}, {26, 76}});
    Shape(p, box, kRed);
    InkLine(p, {22, 46}, {128, 46}, 2);
    Flat(p, RoundedBox(QRectF(68, 42, 14, 9), 2), paint::kSteel);
}

void Torch(QPainter& p) {
    QPainterPath beam(QPointF(110, 28));
    beam.lineTo(150, 10);
    beam.lineTo(150, 70);
    beam.lineTo(110, 52);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf1, 0xb0));
    p.drawPath(beam);
    Rounded(p, RoundedBox(QRectF(10, 28, 82, 24), 6), QColor(0x45, 0x7b, 0x9d), false);
    for (const qreal x : {22.0, 30.0, 38.0}) {
        DetailLine(p, {x, 31}, {x, 49}, 1.5, QColor(0x45, 0x7b, 0x9d).darker(140));
    }
    Rounded(p, RoundedBox(QRectF(58, 22, 14, 7), 2), kBlackPlastic, false);
    Rounded(p, Polygon({{88, 28}, {106, 18}, {110, 18}, {110, 62}, {106, 62}, {88, 52}}),
            QColor(0x45, 0x7b, 0x9d), false);
    Flat(p, Ellipse({110, 40}, 5, 22), QColor(0xff, 0xf6, 0xc8));
}

} // namespace

std::vector<HintPicture> WorkshopPictures() {
    return {{"HAMMER.BMP", Hammer},        {"SCREWDRV.BMP", Screwdriver}, {"SPANNER.BMP", Spanner},
            {"PLIERS.BMP", Pliers},        {"POWDRILL.BMP", Drill},       {"HANDSAW.BMP", Handsaw},
            {"TAPEMEAS.BMP", TapeMeasure}, {"NAILS.BMP", Nails},          {"TOOLBOX.BMP", Toolbox},
            {"TORCH.BMP", Torch}};
}

} // namespace lexiglade::artwork
