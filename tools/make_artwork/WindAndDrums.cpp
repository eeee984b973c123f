#include "ObjectKit.h"
#include "PictureSets.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

const QColor kBrass{0xe9, 0xb8, 0x3a};
const QColor kSilver{0xc4, 0xcc, 0xd6};
const QColor kPaleWood{0xe8, 0xc0, 0x88};

// A brass tube of changing width: discs along a cubic curve, shaded as one piece.
void Tube(QPainter& p, QPointF from, QPointF c1, QPointF c2, QPointF to, qreal r0, qreal r1,
          const QColor& fill) {
    QPainterPath spine(from);
    spine.cubicTo(c1, c2, to);
    QPainterPath tube;
    tube.setFillRule(Qt::WindingFill);
    for (int k = 0; k <= 60; ++k) {
        const qreal t = k / 60.0;
        tube.addEllipse(spine.pointAtPercent(t), r0 + (r1 - r0) * t, r0 + (r1 - r0) * t);
    }
    Merged(p, tube, fill);
}

void SoundMarks(QPainter& p, QPointF at, qreal degrees) {
    Turned(p, at, degrees, [&] {
        for (const qreal r : {6.0, 12.0}) {
            QPainterPath arc;
            arc.arcMoveTo(QRectF(-r, -r, 2 * r, 2 * r), -35);
            arc.arcTo(QRectF(-r, -r, 2 * r, 2 * r), -35, 70);
            Detail(p, arc, 2, QColor(0x8a, 0x9a, 0xb4));
        }
    });
}

void Drum(QPainter& p) {
    const QColor red(0xd6, 0x35, 0x3f);
    QPainterPath shell(QPointF(32, 30));
    shell.lineTo(32, 64);
    shell.cubicTo(32, 80, 118, 80, 118, 64);
    shell.lineTo(118, 30);
    shell.closeSubpath();
    Rounded(p, shell, red);
    Inside(p, shell, [&] {
        QPainterPath cords(QPointF(32, 34));
        for (int k = 0; k < 8; ++k) {
            cords.lineTo(38 + 11 * k, k % 2 == 0 ? 64 : 34);
        }
        Detail(p, cords, 2, kIvory);
    });
    Rounded(p, RoundedBox(QRectF(30, 60, 90, 7), 3.5), kBrass, false);
    Flat(p, Ellipse({75, 30}, 43, 12), kBrass);
    Flat(p, Ellipse({75, 30}, 38, 9), kIvory);
    for (const auto& [from, to] : {std::pair{QPointF(22, 4), QPointF(84, 26)},
                                   std::pair{QPointF(128, 4), QPointF(66, 26)}}) {
        QPainterPath stick(from);
        stick.lineTo(to);
        Stroke(p, stick, 3.5, kPaleWood);
        Blob(p, to, 3, 3, kPaleWood);
    }
}

void Trumpet(QPainter& p) {
    QPainterPath loop = RoundedBox(QRectF(38, 38, 66, 22), 11);
    Detail(p, loop, 9, kBlackPlastic);
    Detail(p, loop, 5, kBrass);
    Tube(p, {16, 38}, {40, 38}, {80, 38}, {104, 36}, 3.5, 4.5, kBrass);
    Tube(p, {100, 36}, {112, 36}, {124, 32}, {128, 26}, 4.5, 7, kBrass);
    Metal(p, Ellipse({134, 34}, 8, 22), kBrass.darker(108), false);
    Flat(p, Ellipse({135, 34}, 4, 16), kBrass.darker(140));
    for (const qreal x : {56.0, 68.0, 80.0}) {
        Metal(p, RoundedBox(QRectF(x - 4.5, 22, 9, 30), 2), kBrass);
        Metal(p, RoundedBox(QRectF(x - 5.5, 14, 11, 8), 3), kSilver, false);
    }
    Metal(p, Polygon({{6, 32}, {16, 35}, {16, 41}, {6, 44}}), kSilver);
}

void Flute(QPainter& p) {
    Turned(p, {75, 40}, -14, [&] {
        Metal(p, RoundedBox(QRectF(-68, -5, 136, 10), 4), kSilver, false);
        Flat(p, RoundedBox(QRectF(-52, -8, 12, 6), 3), kSilver.darker(110));
        Blob(p, {-46, -5}, 2.5, 1.6, kBlackPlastic);
        DetailLine(p, {-24, -7}, {60, -7}, 1.4, kSilver.darker(140));
        for (int k = 0; k < 9; ++k) {
            const qreal x = -20 + 9 * k;
            DetailLine(p, {x, -7}, {x, -3}, 1.2, kSilver.darker(140));
            Metal(p, Ellipse({x, -1}, 3.3, 3.3), kSilver.lighter(110));
        }
        InkLine(p, {-30, -5}, {-30, 5}, 1.4);
    });
}

void Recorder(QPainter& p) {
    Turned(p, {80, 40}, 36, [&] {
        QPainterPath body(QPointF(-36, -7));
        body.lineTo(26, -6);
        body.quadTo(36, -10, 40, -11);
        body.lineTo(40, 11);
        body.quadTo(36, 10, 26, 6);
        body.lineTo(-36, 7);
        body.closeSubpath();
        Rounded(p, body, kIvory, false);
        QPainterPath beak(QPointF(-36, -8));
        beak.lineTo(-60, -7);
        beak.quadTo(-64, 0, -60, 6);
        beak.lineTo(-36, 8);
        beak.closeSubpath();
        Rounded(p, beak, kIvory, false);
        Flat(p, RoundedBox(QRectF(-46, -8, 8, 5), 1), kBlackPlastic);
        for (const qreal x : {-39.0, 20.0}) {
            Rounded(p, RoundedBox(QRectF(x, -9, 6, 18), 2), QColor(0x8a, 0x5a, 0x2b), false);
        }
        for (int k = 0; k < 7; ++k) {
            Blob(p, {-28.0 + 7 * k, 0}, 2.4, 2.4, kBlackPlastic);
        }
    });
}

void Triangle(QPainter& p) {
    QPainterPath string(QPointF(75, 2));
    string.lineTo(75, 14);
    Detail(p, string, 1.6, QColor(0xe6, 0x39, 0x46));
    QPainterPath bar(QPointF(69, 22));
    bar.lineTo(42, 70);
    bar.lineTo(108, 70);
    bar.lineTo(77, 16);
    Stroke(p, bar, 4, kSilver);
    QPainterPath beater(QPointF(132, 16));
    beater.lineTo(94, 54);
    Stroke(p, beater, 2.5, kSilver.darker(110));
    Blob(p, {132, 16}, 3, 3, kBlackPlastic);
    SoundMarks(p, {40, 40}, 180);
    SoundMarks(p, {112, 40}, 0);
}

void Tambourine(QPainter& p) {
    const QColor red(0xd6, 0x35, 0x3f);
    QPainterPath frame = Ellipse({75, 40}, 36, 36);
    Shape(p, frame, red);
    Flat(p, Ellipse({75, 40}, 27, 27), kIvory);
    Shine(p, {66, 31}, 9, 6);
    for (int k = 0; k < 6; ++k) {
        const qreal a = std::numbers::pi * (k / 3.0 + 1.0 / 6);
        const QPointF c = QPointF(75, 40) + QPointF(std::cos(a), std::sin(a)) * 31.5;
        Turned(p, c, a * 180 / std::numbers::pi + 90, [&] {
            Flat(p, RoundedBox(QRectF(-8, -3.5, 16, 7), 2), kBlackPlastic);
            Metal(p, Ellipse({-3, 0}, 5, 5), kSilver);
            Metal(p, Ellipse({3, 0}, 5, 5), kSilver);
        });
    }
}

void Saxophone(QPainter& p) {
    Tube(p, {48, 4}, {56, 2}, {62, 6}, {64, 16}, 2.5, 4, kBrass);
    Tube(p, {64, 16}, {66, 38}, {60, 62}, {80, 64}, 5, 10, kBrass);
    Tube(p, {80, 64}, {100, 64}, {104, 46}, {100, 28}, 10, 13, kBrass);
    Metal(p, Ellipse({100, 18}, 17, 7), kBrass.darker(108), false);
    Flat(p, Ellipse({100, 18}, 12, 4), kBrass.darker(145));
    for (int k = 0; k < 5; ++k) {
        Metal(p, Ellipse({70.0 - k * 0.3, 24.0 + 7 * k}, 3.2, 3.2), kSilver.lighter(110));
    }
    Flat(p, RoundedBox(QRectF(38, 1, 11, 6), 2.5), kBlackPlastic);
}

// A brass tube of even width along `line`.
void Pipe(QPainter& p, const QPainterPath& line, qreal width) {
    Detail(p, line, width + 3, kBlackPlastic);
    Detail(p, line, width, kBrass);
}

void Trombone(QPainter& p) {
    QPainterPath slide(QPointF(100, 46));
    slide.lineTo(18, 46);
    slide.arcTo(QRectF(10, 46, 16, 14), 90, 180);
    slide.lineTo(106, 60);
    Pipe(p, slide, 4);
    QPainterPath back(QPointF(36, 22));
    back.lineTo(120, 22);
    back.arcTo(QRectF(112, 22, 16, 16), 90, -180);
    back.lineTo(100, 38);
    back.lineTo(100, 46);
    Pipe(p, back, 4);
    for (const qreal x : {56.0, 92.0}) {
        DetailLine(p, {x, 24}, {x, 44}, 2.5, kBrass.darker(120));
    }
    Tube(p, {40, 22}, {34, 22}, {28, 22}, {24, 22}, 3.5, 9, kBrass);
    Metal(p, Ellipse({20, 22}, 6, 17), kBrass.darker(108), false);
    Flat(p, Ellipse({19, 22}, 3, 12), kBrass.darker(145));
    Rounded(p, RoundedBox(QRectF(84, 44, 5, 20), 2), kBrass.darker(110));
    Metal(p, Polygon({{106, 57}, {120, 54}, {120, 66}, {106, 63}}), kSilver, false);
}

void Maraca(QPainter& p, QPointF grip, qreal degrees, const QColor& shell, const QColor& band) {
    Turned(p, grip, degrees, [&] {
        Rounded(p, RoundedBox(QRectF(-4, -40, 8, 40), 3), kPaleWood);
        const QPainterPath head = Ellipse({0, -50}, 17, 22);
        Marked(p, head, shell, [&] {
            QPainterPath zigzag(QPointF(-20, -50));
            for (int k = 0; k < 8; ++k) {
                zigzag.lineTo(-15 + 5 * k, k % 2 == 0 ? -55 : -45);
            }
            Detail(p, zigzag, 3, band);
        });
        Shine(p, {-7, -60}, 3, 6);
    });
}

void Maracas(QPainter& p) {
    Maraca(p, {66, 78}, -32, QColor(0xe6, 0x39, 0x46), QColor(0xf6, 0xd0, 0x3b));
    Maraca(p, {84, 78}, 32, QColor(0x45, 0x7b, 0xd9), QColor(0x6a, 0xd0, 0x4c));
}

void Cymbal(QPainter& p, QPointF c, qreal degrees) {
    Turned(p, c, degrees, [&] {
        Metal(p, Ellipse({0, 0}, 10, 34), kBrass);
        Metal(p, Ellipse({-2, 0}, 4, 9), kBrass.darker(110));
        for (const qreal r : {16.0, 26.0}) {
            QPainterPath ring;
            ring.addEllipse(QPointF(0, 0), r * 0.3, r);
            Detail(p, ring, 1, kBrass.darker(135));
        }
    });
}

void Cymbals(QPainter& p) {
    QPainterPath straps(QPointF(38, 30));
    straps.quadTo(28, 40, 38, 50);
    straps.moveTo(112, 30);
    straps.quadTo(122, 40, 112, 50);
    Detail(p, straps, 4, QColor(0x8a, 0x5a, 0x2b));
    Cymbal(p, {50, 40}, 10);
    Mirrored(p, 75, [&] { Cymbal(p, {50, 40}, 10); });
    SoundMarks(p, {75, 14}, -90);
    SoundMarks(p, {75, 66}, 90);
}

} // namespace

std::vector<HintPicture> WindAndDrumPictures() {
    return {{"SIDEDRUM.BMP", Drum},      {"TRUMPET.BMP", Trumpet},   {"FLUTE.BMP", Flute},
            {"RECORDER.BMP", Recorder},  {"TRIANGLE.BMP", Triangle}, {"TAMBOURN.BMP", Tambourine},
            {"SAXOPHON.BMP", Saxophone}, {"TROMBONE.BMP", Trombone}, {"MARACAS.BMP", Maracas},
            {"CYMBALS.BMP", Cymbals}};
}

} // namespace lexiglade::artwork
