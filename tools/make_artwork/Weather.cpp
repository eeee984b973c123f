#include "Kit.h"
#include "PictureKit.h"
#include "PictureSets.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace lexiglade::artwork {

namespace {

const QColor kWhiteCloud{0xf2, 0xf6, 0xfb};
const QColor kRainCloud{0xa9, 0xb3, 0xc2};
const QColor kStormCloud{0x6b, 0x73, 0x82};
const QColor kRainBlue{0x4a, 0x9b, 0xe8};
const QColor kSunYellow{0xff, 0xd0, 0x2a};
const QColor kIceBlue{0xcf, 0xea, 0xfa};

// A fluffy cloud `w` wide and `h` high, its box centred on `c`.
QPainterPath CloudShape(QPointF c, qreal w, qreal h) {
    const QRectF box(c.x() - w / 2, c.y() - h / 2, w, h);
    QPainterPath cloud =
        RoundedBox(QRectF(box.left(), box.bottom() - h * 0.5, w, h * 0.5), h * 0.25);
    cloud = cloud.united(Ellipse({box.left() + w * 0.3, box.top() + h * 0.5}, w * 0.2, h * 0.32));
    cloud = cloud.united(Ellipse({box.left() + w * 0.55, box.top() + h * 0.4}, w * 0.24, h * 0.4));
    cloud =
        cloud.united(Ellipse({box.left() + w * 0.78, box.top() + h * 0.58}, w * 0.16, h * 0.26));
    return cloud;
}

// A falling drop whose round end of radius `r` hangs below its point at `tip`.
QPainterPath Drop(QPointF tip, qreal r) {
    const QPointF c = tip + QPointF(0, r * 2.2);
    QPainterPath drop(tip);
    drop.cubicTo(tip + QPointF(r * 0.3, r * 0.8), c + QPointF(r, -r * 0.6), c + QPointF(r, 0));
    drop.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(c + QPointF(-r, -r * 0.6), tip + QPointF(-r * 0.3, r * 0.8), tip);
    return drop;
}

void Drops(QPainter& p, std::initializer_list<QPointF> tips, qreal r) {
    for (const QPointF tip : tips) {
        Shape(p, Drop(tip, r), kRainBlue);
    }
}

// A ring of `count` pointed rays between radii `inner` and `outer`.
void Rays(QPainter& p, QPointF c, qreal inner, qreal outer, int count, const QColor& fill) {
    for (int k = 0; k < count; ++k) {
        const qreal a = (k + 0.5) * 2 * std::numbers::pi / count;
        const qreal half = std::numbers::pi / count * 0.45;
        const auto at = [&](qreal angle, qreal r) {
            return c + QPointF(std::cos(angle), std::sin(angle)) * r;
        };
        Flat(p, Polygon({at(a - half, inner), at(a, outer), at(a + half, inner)}), fill);
    }
}

void Sunshine(QPainter& p) {
    const QPointF c(75, 40);
    Rays(p, c, 24, 39, 12, QColor(0xff, 0xa8, 0x1a));
    Blob(p, c, 27, 27, kSunYellow);
    Eye(p, {66, 35}, 4);
    Eye(p, {84, 35}, 4);
    Mouth(p, {64, 46}, {75, 56}, {86, 46});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8f, 0x6a, 150));
    p.drawEllipse(QPointF(59, 45), 4, 2.5);
    p.drawEllipse(QPointF(91, 45), 4, 2.5);
}

void Cloud(QPainter& p) {
    Shape(p, CloudShape({112, 26}, 56, 30), kWhiteCloud.darker(106));
    Shape(p, CloudShape({66, 46}, 112, 60), kWhiteCloud);
}

void Rain(QPainter& p) {
    Shape(p, CloudShape({75, 23}, 112, 42), kRainCloud);
    Drops(p,
          {QPointF(40, 47), QPointF(62, 51), QPointF(84, 47), QPointF(106, 51), QPointF(50, 63),
           QPointF(73, 65), QPointF(96, 63)},
          4.2);
}

void Rainbow(QPainter& p) {
    const std::array<QColor, 6> bands{colour::kRed,
                                      QColor(0xf4, 0x8c, 0x1e),
                                      QColor(0xf9, 0xd3, 0x2a),
                                      QColor(0x5c, 0xb8, 0x4a),
                                      QColor(0x3d, 0x8b, 0xe0),
                                      QColor(0x8e, 0x5e, 0xc2)};
    const QPointF c(75, 74);
    const qreal width = 7;
    const qreal outer = 68;
    const auto arc = [&](qreal r) {
        QPainterPath path(c + QPointF(-r, 0));
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
        return path;
    };
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, bands.size() * width + 4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc(outer - bands.size() * width / 2));
    for (std::size_t k = 0; k < bands.size(); ++k) {
        p.setPen(QPen(bands[k], width, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arc(outer - width * (k + 0.5)));
    }
    Shape(p, CloudShape({22, 68}, 42, 24), kWhiteCloud);
    Shape(p, CloudShape({128, 68}, 42, 24), kWhiteCloud);
}

void Snowflake(QPainter& p) {
    const QPointF c(75, 40);
    const QColor ice(0x8e, 0xc8, 0xf0);
    QPainterPath flake;
    for (int k = 0; k < 6; ++k) {
        const qreal a = k * std::numbers::pi / 3 - std::numbers::pi / 2;
        const QPointF along(std::cos(a), std::sin(a));
        const QPointF across(-along.y(), along.x());
        flake.moveTo(c);
        flake.lineTo(c + along * 37);
        for (const auto& [at, length] : {std::pair{16.0, 10.0}, std::pair{26.0, 7.0}}) {
            const QPointF from = c + along * at;
            flake.moveTo(from + (across + along) * length * 0.75);
            flake.lineTo(from);
            flake.lineTo(from + (-across + along) * length * 0.75);
        }
    }
    Stroke(p, flake, 4, ice);
    Blob(p, c, 7, 7, ice.lighter(112));
}

void Lightning(QPainter& p) {
    Flat(p, Polygon({{70, 30}, {94, 30}, {80, 50}, {92, 50}, {58, 79}, {68, 56}, {56, 56}}),
         kSunYellow);
    Shape(p, CloudShape({75, 22}, 116, 40), kStormCloud);
    Drops(p, {QPointF(34, 46), QPointF(112, 46), QPointF(122, 60)}, 3.5);
}

void Tornado(QPainter& p) {
    const QColor grey(0x9c, 0xa3, 0xae);
    QPainterPath funnel(QPointF(22, 8));
    funnel.cubicTo(50, 2, 110, 2, 130, 10);
    funnel.cubicTo(110, 30, 86, 44, 84, 76);
    funnel.lineTo(76, 76);
    funnel.cubicTo(70, 50, 50, 28, 22, 8);
    Marked(p, funnel, grey, [&] {
        p.setPen(QPen(grey.darker(140), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 6; ++k) {
            const qreal y = 12 + k * 11;
            const qreal half = 50 - k * 8;
            const qreal x = 76 + k * 1.2;
            QPainterPath swirl(QPointF(x - half, y - 2));
            swirl.quadTo(x, y + 7, x + half, y - 3);
            p.drawPath(swirl);
        }
    });
    Blob(p, {80, 76}, 26, 4, QColor(0xc8, 0xae, 0x86));
    for (const auto& [at, tilt] :
         {std::pair{QPointF(118, 44), 30.0}, std::pair{QPointF(34, 48), -20.0},
          std::pair{QPointF(126, 66), 60.0}}) {
        Turned(p, at, tilt, [&] { Leaf(p, {-6, 0}, {6, 0}, 4, kLeafGreen); });
    }
}

void Wind(QPainter& p) {
    const QColor air(0xb8, 0xdc, 0xf4);
    const auto gust = [&](qreal y, qreal left, qreal right, qreal curl) {
        QPainterPath line(QPointF(left, y));
        line.lineTo(right, y);
        line.arcTo(QRectF(right - curl, y - 2 * curl, 2 * curl, 2 * curl), -90, 270);
        Stroke(p, line, 5, air);
    };
    gust(26, 10, 96, 10);
    gust(46, 22, 118, 12);
    gust(66, 6, 80, 8);
    for (const auto& [at, tilt] :
         {std::pair{QPointF(124, 62), -30.0}, std::pair{QPointF(134, 28), 20.0},
          std::pair{QPointF(104, 72), 50.0}}) {
        Turned(p, at, tilt, [&] { Leaf(p, {-8, 0}, {8, 0}, 5, QColor(0xe8, 0x9a, 0x2a)); });
    }
}

void Umbrella(QPainter& p) {
    const QPointF top(75, 8);
    const qreal rx = 58;
    const qreal rim = 40;
    QPainterPath canopy(QPointF(top.x() - rx, rim));
    canopy.cubicTo(top.x() - rx, top.y() - 2, top.x() + rx, top.y() - 2, top.x() + rx, rim);
    for (int k = 3; k >= 0; --k) {
        const qreal x = top.x() - rx + k * rx / 2;
        canopy.quadTo(x + rx / 4, rim - 10, x, rim);
    }
    QPainterPath handle(QPointF(75, 30));
    handle.lineTo(75, 68);
    handle.quadTo(75, 76, 68, 76);
    handle.quadTo(62, 76, 62, 70);
    Stroke(p, handle, 3, QColor(0x7a, 0x4a, 0x26));
    Marked(p, canopy, colour::kRed, [&] {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd0, 0x2a));
        for (const qreal x : {-rx / 2, rx / 2}) {
            p.drawPath(Polygon({top, {top.x() + x - rx / 4, rim}, {top.x() + x + rx / 4, rim}}));
        }
    });
    Blob(p, top + QPointF(0, 5), 3, 3, kOutline);
    Drops(p, {QPointF(10, 54), QPointF(28, 62), QPointF(124, 56), QPointF(140, 64)}, 3.5);
}

void Snowman(QPainter& p) {
    for (const auto& [from, to] : {std::pair{QPointF(60, 50), QPointF(30, 36)},
                                   std::pair{QPointF(90, 50), QPointF(120, 34)}}) {
        Stalk(p, from, (from + to) / 2, to, QColor(0x7a, 0x4a, 0x26));
    }
    Blob(p, {75, 60}, 22, 19, Qt::white);
    Blob(p, {75, 31}, 15, 14, Qt::white);
    Flat(p, RoundedBox(QRectF(58, 40, 34, 7), 3), colour::kRed);
    Flat(p, RoundedBox(QRectF(80, 42, 7, 18), 3), colour::kRed);
    Flat(p, RoundedBox(QRectF(58, 16, 34, 4), 2), QColor(0x2a, 0x2a, 0x33));
    Flat(p, RoundedBox(QRectF(64, 1, 22, 17), 2), QColor(0x2a, 0x2a, 0x33));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x2a, 0x33));
    for (const QPointF dot : {QPointF(70, 28), QPointF(80, 28), QPointF(75, 56), QPointF(75, 66)}) {
        p.drawEllipse(dot, 2, 2);
    }
    Flat(p, Polygon({{75, 31}, {75, 35}, {92, 34}}), QColor(0xf2, 0x8a, 0x1e));
    Blob(p, {75, 78}, 60, 2.5, kIceBlue);
}

void Icicles(QPainter& p) {
    const std::array<std::pair<qreal, qreal>, 8> hang{
        std::pair{14.0, 40.0}, {30.0, 62.0}, {46.0, 34.0},  {62.0, 74.0},
        {80.0, 48.0},          {96.0, 68.0}, {112.0, 38.0}, {130.0, 56.0}};
    for (const auto& [x, length] : hang) {
        QPainterPath icicle(QPointF(x - 7, 16));
        icicle.cubicTo(x - 6, 16 + length * 0.5, x - 1, 16 + length * 0.8, x, 16 + length);
        icicle.cubicTo(x + 1, 16 + length * 0.8, x + 6, 16 + length * 0.5, x + 7, 16);
        Shape(p, icicle, kIceBlue);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 3, 20), QPointF(x - 1.5, 16 + length * 0.6));
    }
    Flat(p, RoundedBox(QRectF(2, 8, 146, 10), 3), QColor(0xa8, 0x4a, 0x32));
    Shape(
        p,
        RoundLoop(
            {{2, 10}, {20, 0}, {44, 4}, {70, -1}, {96, 4}, {122, 0}, {148, 6}, {148, 12}, {2, 12}}),
        Qt::white);
}

void Thermometer(QPainter& p) {
    const QColor red = colour::kRed;
    const QPointF bulb(75, 62);
    Shape(p, RoundedBox(QRectF(64, 2, 22, 62), 11).united(Ellipse(bulb, 16, 16)),
          QColor(0xee, 0xf2, 0xf6));
    Flat(p, RoundedBox(QRectF(71, 20, 8, 42), 4), red);
    Blob(p, bulb, 11, 11, red);
    Shine(p, bulb + QPointF(-4, -4), 2.5, 3.5);
    for (int k = 0; k < 8; ++k) {
        const qreal y = 10 + k * 6;
        const qreal length = (k % 2 == 0) ? 12 : 7;
        InkLine(p, {90, y}, {90 + length, y}, 1.8);
        InkLine(p, {60, y}, {60 - length, y}, 1.8);
    }
}

void Puddle(QPainter& p) {
    const QColor water = paint::kWater;
    Shape(p,
          RoundLoop(
              {{4, 62}, {30, 44}, {80, 50}, {124, 42}, {148, 60}, {128, 80}, {70, 80}, {20, 80}}),
          water);
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    for (const auto& [c, r] :
         {std::pair{QPointF(30, 64), 14.0}, std::pair{QPointF(122, 62), 11.0}}) {
        p.drawEllipse(c, r, r * 0.3);
        p.drawEllipse(c, r * 0.55, r * 0.16);
    }
    QPainterPath boot(QPointF(66, 30));
    boot.lineTo(84, 30);
    boot.lineTo(84, 52);
    boot.quadTo(98, 52, 99, 59);
    boot.lineTo(99, 62);
    boot.lineTo(66, 62);
    boot.closeSubpath();
    Shape(p, boot, QColor(0xff, 0xcc, 0x22));
    Flat(p, RoundedBox(QRectF(63, 27, 24, 6), 3), QColor(0xff, 0xcc, 0x22).darker(112));
    Flat(p, RoundedBox(QRectF(64, 60, 37, 5), 2), QColor(0x6a, 0x4a, 0x2a));
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath splash(QPointF(82 + side * 22, 58));
        splash.quadTo(82 + side * 30, 50, 82 + side * 34, 40);
        Stroke(p, splash, 3, water);
        Blob(p, {82 + side * 44, 38}, 3, 3, water);
        Blob(p, {82 + side * 38, 28}, 2.5, 2.5, water);
    }
}

void Sunset(QPainter& p) {
    const QPointF c(75, 50);
    Rays(p, c, 33, 46, 14, QColor(0xff, 0x9a, 0x3a));
    Blob(p, c, 30, 30, QColor(0xff, 0x7a, 0x2a));
    const QColor sea(0x3a, 0x7b, 0xc8);
    Waves(p, 50, sea, 4);
    p.setPen(QPen(QColor(0xff, 0xb0, 0x4a), 3, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [y, half] :
         {std::pair{57.0, 26.0}, std::pair{64.0, 18.0}, std::pair{71.0, 11.0}}) {
        p.drawLine(QPointF(75 - half, y), QPointF(75 + half, y));
    }
}

void Weathervane(QPainter& p) {
    const QColor metal(0xd9, 0xa4, 0x2a);
    Flat(p, Polygon({{40, 80}, {75, 66}, {110, 80}}), QColor(0xb0, 0x4a, 0x36));
    Flat(p, RoundedBox(QRectF(72, 24, 6, 48), 2), metal.darker(115));
    Flat(p,
         Polygon({{20, 34},
                  {30, 28},
                  {124, 28},
                  {124, 24},
                  {138, 31},
                  {124, 38},
                  {124, 34},
                  {30, 34},
                  {20, 40},
                  {24, 31}}),
         metal);
    for (const QPointF tip : {QPointF(46, 2), QPointF(42, 12), QPointF(48, 22)}) {
        Leaf(p, {66, 18}, tip, 5, metal);
    }
    Flat(p, Polygon({{80, 14}, {86, 4}, {94, 6}, {90, 20}}), metal);
    Blob(p, {74, 19}, 15, 8, metal);
    for (const QPointF bump : {QPointF(86, 1), QPointF(90, 0), QPointF(94, 2)}) {
        Blob(p, bump, 2.5, 2.5, colour::kRed);
    }
    Blob(p, {90, 7}, 6, 5.5, metal);
    Flat(p, Polygon({{95, 5}, {102, 8}, {95, 10}}), QColor(0xf2, 0x8a, 0x1e));
    Blob(p, {94, 14}, 2, 2.5, colour::kRed);
    Blob(p, {91, 6}, 1.3, 1.3, kOutline);
    Flat(p, RoundedBox(QRectF(44, 50, 62, 4), 2), metal.darker(115));
    Flat(p, Polygon({{66, 58}, {84, 46}, {86, 48}, {68, 60}}), metal.darker(115));
    p.setFont(BoldFont(11));
    p.setPen(kOutline);
    for (const auto& [at, letter] :
         {std::pair{QPointF(36, 56), "W"}, std::pair{QPointF(108, 56), "E"},
          std::pair{QPointF(86, 48), "N"}, std::pair{QPointF(58, 66), "S"}}) {
        p.drawText(at, letter);
    }
}

} // namespace

std::vector<HintPicture> WeatherPictures() {
    return {{"SUNSHINE.BMP", Sunshine}, {"CLOUD.BMP", Cloud},        {"RAIN.BMP", Rain},
            {"RAINBOW.BMP", Rainbow},   {"SNOWFLKE.BMP", Snowflake}, {"LIGHTNIN.BMP", Lightning},
            {"TORNADO.BMP", Tornado},   {"WIND.BMP", Wind},          {"UMBRELLA.BMP", Umbrella},
            {"SNOWMAN.BMP", Snowman},   {"ICICLE.BMP", Icicles},     {"THERMOMR.BMP", Thermometer},
            {"PUDDLE.BMP", Puddle},     {"SUNSET.BMP", Sunset},      {"VANE.BMP", Weathervane}};
}

} // namespace lexiglade::artwork
