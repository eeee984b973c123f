#include "AppIcon.h"

#include "Kit.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <QTextStream>

#include <cmath>
#include <stdexcept>
#include <variant>
#include <vector>

namespace lexiglade::artwork {

namespace {

// A filled and/or outlined rounded box, turned by `degrees` about its centre.
struct Box {
    QRectF rect;
    qreal radius;
    QColor fill; // invalid: not filled
    qreal fillOpacity;
    QColor stroke; // invalid: not outlined
    qreal strokeWidth;
    qreal degrees;
};

// A stroked line through points, with round ends and corners.
struct Line {
    QPolygonF points;
    QColor colour;
    qreal width;
};

using Shape = std::variant<Box, Line>;

// The letter strokes on a unit box, x to the right and y downwards.
std::vector<QPolygonF> LetterStrokes(char letter) {
    switch (letter) {
    case 'L':
        return {{{0.15, 0}, {0.15, 1}, {0.85, 1}}};
    case 'E':
        return {{{0.85, 0}, {0.15, 0}, {0.15, 1}, {0.85, 1}}, {{0.15, 0.5}, {0.7, 0.5}}};
    case 'X':
        return {{{0.12, 0}, {0.88, 1}}, {{0.88, 0}, {0.12, 1}}};
    case 'I':
        return {{{0.5, 0}, {0.5, 1}}, {{0.2, 0}, {0.8, 0}}, {{0.2, 1}, {0.8, 1}}};
    case 'G':
        return {{{0.88, 0.15},
                 {0.68, 0},
                 {0.32, 0},
                 {0.1, 0.2},
                 {0.1, 0.8},
                 {0.32, 1},
                 {0.68, 1},
                 {0.88, 0.82},
                 {0.88, 0.55},
                 {0.55, 0.55}}};
    case 'A':
        return {{{0.08, 1}, {0.5, 0}, {0.92, 1}}, {{0.26, 0.62}, {0.74, 0.62}}};
    case 'D':
        return {
            {{0.15, 0}, {0.15, 1}, {0.55, 1}, {0.88, 0.72}, {0.88, 0.28}, {0.55, 0}, {0.15, 0}}};
    default:
        return {};
    }
}

// Three rows of letter tiles spelling the game's name, the first word found along the diagonal.
std::vector<Shape> IconShapes() {
    constexpr char kLetters[] = "LEXIGLADE";
    constexpr qreal kTile = 62, kStep = 72, kFirst = 25, kRadius = 12;
    constexpr qreal kLetterWidth = 30, kLetterHeight = 34, kInk = 6.5;
    std::vector<Shape> shapes;
    shapes.push_back(Box{{8, 8, 240, 240}, 44, colour::kNight, 1, colour::kNightEdge, 4, 0});
    for (int k = 0; k < 9; ++k) {
        const QPointF corner(kFirst + (k % 3) * kStep, kFirst + (k / 3) * kStep);
        shapes.push_back(Box{{corner, QSizeF(kTile, kTile)}, kRadius, colour::kCream, 1, {}, 0, 0});
    }
    const qreal centre = kAppIconUnits / 2.0;
    const qreal length = 2 * kStep * std::sqrt(2.0) + 2 * 34;
    const QRectF capsule(centre - length / 2, centre - 34, length, 68);
    shapes.push_back(Box{capsule, 34, colour::kGold, 0.45, {}, 0, 45});
    for (int k = 0; k < 9; ++k) {
        const QPointF origin(kFirst + (k % 3) * kStep + (kTile - kLetterWidth) / 2,
                             kFirst + (k / 3) * kStep + (kTile - kLetterHeight) / 2);
        for (QPolygonF stroke : LetterStrokes(kLetters[k])) {
            for (QPointF& p : stroke) {
                p = origin + QPointF(p.x() * kLetterWidth, p.y() * kLetterHeight);
            }
            shapes.push_back(Line{stroke, colour::kInk, kInk});
        }
    }
    shapes.push_back(Box{capsule, 34, {}, 0, colour::kCoral, 6, 45});
    return shapes;
}

void Paint(QPainter& p, const Box& box) {
    p.save();
    p.translate(box.rect.center());
    p.rotate(box.degrees);
    p.translate(-box.rect.center());
    QColor fill = box.fill;
    if (fill.isValid()) {
        fill.setAlphaF(static_cast<float>(box.fillOpacity));
        p.setBrush(fill);
    } else {
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(box.stroke.isValid() ? QPen(box.stroke, box.strokeWidth) : QPen(Qt::NoPen));
    p.drawRoundedRect(box.rect, box.radius, box.radius);
    p.restore();
}

void Paint(QPainter& p, const Line& line) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line.colour, line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line.points);
}

QString Number(qreal value) {
    return QString::number(value, 'g', 6);
}

QString Svg(const Box& box) {
    QString element = QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                          .arg(Number(box.rect.x()), Number(box.rect.y()), Number(box.rect.width()),
                               Number(box.rect.height()), Number(box.radius));
    element += box.fill.isValid() ? QStringLiteral(" fill=\"%1\"").arg(box.fill.name())
                                  : QStringLiteral(" fill=\"none\"");
    if (box.fill.isValid() && box.fillOpacity < 1) {
        element += QStringLiteral(" fill-opacity=\"%1\"").arg(Number(box.fillOpacity));
    }
    if (box.stroke.isValid()) {
        element += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                       .arg(box.stroke.name(), Number(box.strokeWidth));
    }
    if (box.degrees != 0) {
        element += QStringLiteral(" transform=\"rotate(%1 %2 %3)\"")
                       .arg(Number(box.degrees), Number(box.rect.center().x()),
                            Number(box.rect.center().y()));
    }
    return element + "/>";
}

QString Svg(const Line& line) {
    QStringList points;
    for (const QPointF& p : line.points) {
        points << Number(p.x()) + "," + Number(p.y());
    }
    return QStringLiteral("<polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                          "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")
        .arg(points.join(' '), line.colour.name(), Number(line.width));
}

void WriteText(const QString& text, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 ||
        !file.flush()) {
        throw std::runtime_error("Cannot write " + path.toStdString());
    }
}

} // namespace

QImage RenderAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PreparePainter(p);
    p.scale(qreal(size) / kAppIconUnits, qreal(size) / kAppIconUnits);
    for (const Shape& shape : IconShapes()) {
        std::visit([&p](const auto& s) { Paint(p, s); }, shape);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString AppIconSvg() {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kAppIconUnits);
    for (const Shape& shape : IconShapes()) {
        svg += "  " + std::visit([](const auto& s) { return Svg(s); }, shape) + "\n";
    }
    return svg + "</svg>\n";
}

void WriteAppIcons(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("Cannot create folder " + folder.toStdString());
    }
    for (const int size : kAppIconSizes) {
        const QString path = folder + QStringLiteral("/lexiglade-%1.png").arg(size);
        if (!RenderAppIcon(size).save(path, "PNG")) {
            throw std::runtime_error("Cannot write " + path.toStdString());
        }
    }
    WriteText(AppIconSvg(), folder + "/lexiglade.svg");
}

} // namespace lexiglade::artwork
