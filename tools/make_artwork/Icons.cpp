#include "Icons.h"

#include "Kit.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace lexiglade::artwork {

namespace {

const QColor kGlyphInk{0x2b, 0x2b, 0x3a};

// Maps unit coordinates (0..1 across the box) to the box.
QPointF At(const QRectF& box, qreal u, qreal v) {
    return {box.left() + u * box.width(), box.top() + v * box.height()};
}

QRectF Span(const QRectF& box, qreal u0, qreal v0, qreal u1, qreal v1) {
    return QRectF(At(box, u0, v0), At(box, u1, v1));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& fill) {
    const QLineF axis(from, to);
    const QLineF unit = axis.unitVector();
    const QPointF dir(unit.dx(), unit.dy());
    const QPointF side(-dir.y(), dir.x());
    const qreal head = width * 1.6;
    const QPointF neck = to - dir * head;
    QPolygonF arrow;
    arrow << from + side * (width / 2) << neck + side * (width / 2) << neck + side * head << to
          << neck - side * head << neck - side * (width / 2) << from - side * (width / 2);
    p.setPen(QPen(kGlyphInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(arrow);
}

void DrawGrid(QPainter& p, const QRectF& sheet, int cells) {
    p.setPen(QPen(kGlyphInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 2, 2);
    p.setPen(QPen(QColor(0x7a, 0x9c, 0xc6), 1));
    for (int i = 1; i < cells; ++i) {
        const qreal x = sheet.left() + sheet.width() * i / cells;
        const qreal y = sheet.top() + sheet.height() * i / cells;
        p.drawLine(QPointF(x, sheet.top() + 1), QPointF(x, sheet.bottom() - 1));
        p.drawLine(QPointF(sheet.left() + 1, y), QPointF(sheet.right() - 1, y));
    }
    p.setFont(BoldFont(sheet.height() / cells * 0.72));
    const char* letters = "LEXIGLADE";
    const qreal w = sheet.width() / cells;
    const qreal h = sheet.height() / cells;
    for (int i = 0; i < cells * cells && letters[i] != '\0'; ++i) {
        const QRectF cell(sheet.left() + (i % cells) * w, sheet.top() + (i / cells) * h, w, h);
        p.setPen(i % 2 == 0 ? colour::kRed : colour::kBlue);
        p.drawText(cell, Qt::AlignCenter, QString(QChar(letters[i])));
    }
}

void DrawPencil(QPainter& p, QPointF tip, QPointF end, qreal width) {
    const QLineF axis(tip, end);
    p.save();
    p.translate(tip);
    p.rotate(-axis.angle());
    const qreal len = axis.length();
    const qreal h = width / 2;
    QPolygonF point;
    point << QPointF(0, 0) << QPointF(len * 0.22, -h) << QPointF(len * 0.22, h);
    p.setPen(QPen(kGlyphInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf3, 0xd2, 0xa2));
    p.drawPolygon(point);
    p.setBrush(kGlyphInk);
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(len * 0.08, -h * 0.36)
                              << QPointF(len * 0.08, h * 0.36));
    p.setBrush(QColor(0xf6, 0xc3, 0x2e));
    p.drawRect(QRectF(len * 0.22, -h, len * 0.58, width));
    p.setBrush(QColor(0xc0, 0xc4, 0xcc));
    p.drawRect(QRectF(len * 0.8, -h, len * 0.07, width));
    p.setBrush(QColor(0xf0, 0x8c, 0x9a));
    p.drawRoundedRect(QRectF(len * 0.87, -h, len * 0.13, width), 2, 2);
    p.setPen(QPen(QColor(0xd9, 0x9a, 0x1a), 1));
    p.drawLine(QPointF(len * 0.24, 0), QPointF(len * 0.78, 0));
    p.restore();
}

void DrawNote(QPainter& p, QPointF head, qreal size, const QColor& fill) {
    p.setPen(QPen(kGlyphInk, 1.2));
    p.setBrush(fill);
    const QPointF second = head + QPointF(size * 0.95, -size * 0.3);
    QPainterPath note;
    note.addEllipse(head, size * 0.32, size * 0.24);
    note.addEllipse(second, size * 0.32, size * 0.24);
    const qreal stem = size * 0.28;
    QPolygonF beam;
    beam << head + QPointF(stem - 2.5, 0) << head + QPointF(stem - 2.5, -size * 1.05)
         << second + QPointF(stem, -size * 1.05) << second + QPointF(stem, 0)
         << second + QPointF(stem - 2.5, 0) << second + QPointF(stem - 2.5, -size * 0.8)
         << head + QPointF(stem, -size * 0.8) << head + QPointF(stem, 0);
    note.addPolygon(beam);
    note.setFillRule(Qt::WindingFill);
    p.drawPath(note.simplified());
}

void DrawPrinterBody(QPainter& p, const QRectF& box) {
    p.setPen(QPen(kGlyphInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRect(Span(box, 0.26, 0.0, 0.74, 0.4));
    p.setBrush(QColor(0xe4, 0xe7, 0xee));
    p.drawRoundedRect(Span(box, 0.04, 0.3, 0.96, 0.78), 3, 3);
    p.setBrush(QColor(0x5b, 0x63, 0x75));
    p.drawRect(Span(box, 0.2, 0.64, 0.8, 0.72));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xd1, 0x6a));
    p.drawEllipse(At(box, 0.84, 0.42), box.width() * 0.045, box.width() * 0.045);
}

} // namespace

void DrawGear(QPainter& p, QPointF centre, qreal radius, const QColor& fill) {
    constexpr int kTeeth = 8;
    QPolygonF outline;
    for (int i = 0; i < kTeeth * 4; ++i) {
        const qreal angle = (i - 0.5) * std::numbers::pi / (kTeeth * 2);
        const qreal r = (i % 4 < 2) ? radius : radius * 0.76;
        outline << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath gear;
    gear.addPolygon(outline);
    gear.closeSubpath();
    gear.addEllipse(centre, radius * 0.3, radius * 0.3);
    p.setPen(QPen(kGlyphInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(gear);
}

void DrawExitGlyph(QPainter& p, const QRectF& box) {
    p.save();
    p.setPen(QPen(kGlyphInk, 1.2));
    p.setBrush(QColor(0x3b, 0x2f, 0x4a));
    p.drawRect(Span(box, 0.14, 0.04, 0.66, 0.96));
    QPolygonF door;
    door << At(box, 0.14, 0.04) << At(box, 0.44, 0.14) << At(box, 0.44, 1.0) << At(box, 0.14, 0.96);
    p.setBrush(QColor(0xc9, 0x7b, 0x3f));
    p.drawPolygon(door);
    p.setBrush(colour::kGold);
    p.drawEllipse(At(box, 0.38, 0.56), box.width() * 0.035, box.width() * 0.035);
    DrawArrow(p, At(box, 0.5, 0.52), At(box, 1.0, 0.52), box.height() * 0.16,
              QColor(0x7c, 0xe0, 0x8a));
    p.restore();
}

void DrawCreateGlyph(QPainter& p, const QRectF& box) {
    p.save();
    DrawGrid(p, Span(box, 0.0, 0.06, 0.72, 0.94), 3);
    DrawPencil(p, At(box, 0.34, 0.7), At(box, 1.0, 0.02), box.height() * 0.2);
    p.restore();
}

void DrawOptionsGlyph(QPainter& p, const QRectF& box) {
    p.save();
    DrawGear(p, At(box, 0.36, 0.46), box.height() * 0.44, QColor(0xd8, 0xdc, 0xe6));
    DrawNote(p, At(box, 0.56, 0.86), box.height() * 0.5, colour::kGold);
    p.restore();
}

void DrawPrinterGlyph(QPainter& p, const QRectF& box, bool page) {
    p.save();
    DrawPrinterBody(p, box);
    p.setPen(QPen(kGlyphInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (page) {
        p.setBrush(Qt::white);
        p.drawRect(Span(box, 0.24, 0.68, 0.76, 1.0));
        p.setPen(QPen(QColor(0x7a, 0x9c, 0xc6), 1));
        for (qreal v : {0.78, 0.86, 0.94}) {
            p.drawLine(At(box, 0.31, v), At(box, 0.69, v));
        }
    } else {
        DrawGear(p, At(box, 0.78, 0.78), box.height() * 0.26, colour::kGold);
    }
    p.restore();
}

} // namespace lexiglade::artwork
