#include "Kit.h"
#include "Screens.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace lexiglade::artwork {

namespace {

// Narrow enough to stand below the instruction label inside the catalogue's frame.
constexpr int kWidth = 110;
constexpr int kHeight = 150;
constexpr int kColumns = 5;
constexpr int kRows = 7;
const char* const kLetters = "QLEXI"
                             "BSNUK"
                             "HWORD"
                             "JZFIN"
                             "TAMCL"
                             "PEGYO"
                             "RVSAT";
// The lens sits on the middle of the ringed word.
const QPointF kLens(65, 55);
constexpr qreal kLensRadius = 29;

QRectF Cell(int column, int row) {
    return QRectF(5 + 20 * column, 5 + 20 * row, 20, 20);
}

void DrawLetters(QPainter& p, const QColor& ink) {
    p.setPen(QPen(colour::Gold, 1.5));
    p.setBrush(QColor(0xe9, 0xc4, 0x6a, 90));
    p.drawPath(CapsulePath(Cell(1, 2).center(), Cell(4, 2).center(), 9));
    p.setFont(BoldFont(13));
    p.setPen(ink);
    for (int i = 0; i < kColumns * kRows; ++i) {
        p.drawText(Cell(i % kColumns, i / kColumns), Qt::AlignCenter, QString(kLetters[i]));
    }
}

void DrawMagnified(QPainter& p) {
    p.save();
    QPainterPath glass;
    glass.addEllipse(kLens, kLensRadius, kLensRadius);
    p.setClipPath(glass);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xf4, 0xfb, 0xff));
    p.translate(kLens);
    p.scale(1.5, 1.5);
    p.translate(-kLens);
    DrawLetters(p, colour::Ink);
    p.restore();
}

void DrawRimAndHandle(QPainter& p) {
    const QPointF from = kLens + QPointF(kLensRadius * 0.72, kLensRadius * 0.72);
    const QPointF to(96, 136);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(QColor(0xa8, 0x6b, 0x3c), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from + QPointF(4, 4), to);
    p.setPen(QPen(colour::Teal.darker(140), 8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kLens, kLensRadius + 1, kLensRadius + 1);
    p.setPen(QPen(colour::Teal.lighter(120), 5));
    p.drawEllipse(kLens, kLensRadius + 1, kLensRadius + 1);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kLens.x() - 22, kLens.y() - 22, 44, 44), 100 * 16, 60 * 16);
}

} // namespace

QImage DrawFinder(int ratio) {
    QImage image = NewCanvas(kWidth, kHeight, colour::Paper, ratio);
    QPainter p(&image);
    PreparePainter(p);
    DrawLetters(p, QColor(0xa4, 0xa9, 0xb8));
    DrawMagnified(p);
    DrawRimAndHandle(p);
    p.setPen(QPen(colour::Gold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3));
    return image;
}

} // namespace lexiglade::artwork
