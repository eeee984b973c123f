#include "Kit.h"
#include "Screens.h"
#include "Words.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <stdexcept>

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
// The ringed word takes the last four cells of the third row.
constexpr int kRingedRow = 2;
constexpr int kRingedLength = 4;
// The lens sits on the middle of the ringed word.
const QPointF kLens(65, 55);
constexpr qreal kLensRadius = 29;

QRectF Cell(int column, int row) {
    return QRectF(5 + 20 * column, 5 + 20 * row, 20, 20);
}

// The grid's letters with the ringed word in the language being drawn.
QString Letters() {
    //: Four capital letters ringed in the picture of a letter grid beside the catalogue: a word
    //: found in a puzzle; exactly 4 letters.
    const QString ringed = Word(QT_TRANSLATE_NOOP3("Artwork", "WORD", "ringed in the letter grid"));
    if (ringed.size() != kRingedLength) {
        throw std::runtime_error("\"" + ringed.toStdString() + "\" is not 4 letters for the ring");
    }
    return QString(kLetters).replace(kRingedRow * kColumns + kColumns - kRingedLength,
                                     kRingedLength, ringed);
}

void DrawLetters(QPainter& p, const QString& letters, const QColor& ink) {
    p.setPen(QPen(colour::kGold, 1.5));
    p.setBrush(QColor(0xe9, 0xc4, 0x6a, 90));
    p.drawPath(CapsulePath(Cell(kColumns - kRingedLength, kRingedRow).center(),
                           Cell(kColumns - 1, kRingedRow).center(), 9));
    p.setFont(BoldFont(13));
    p.setPen(ink);
    for (int i = 0; i < kColumns * kRows; ++i) {
        p.drawText(Cell(i % kColumns, i / kColumns), Qt::AlignCenter, QString(letters[i]));
    }
}

void DrawMagnified(QPainter& p, const QString& letters) {
    p.save();
    QPainterPath glass;
    glass.addEllipse(kLens, kLensRadius, kLensRadius);
    p.setClipPath(glass);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xf4, 0xfb, 0xff));
    p.translate(kLens);
    p.scale(1.5, 1.5);
    p.translate(-kLens);
    DrawLetters(p, letters, colour::kInk);
    p.restore();
}

void DrawRimAndHandle(QPainter& p) {
    const QPointF from = kLens + QPointF(kLensRadius * 0.72, kLensRadius * 0.72);
    const QPointF to(96, 136);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(QColor(0xa8, 0x6b, 0x3c), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from + QPointF(4, 4), to);
    p.setPen(QPen(colour::kTeal.darker(140), 8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kLens, kLensRadius + 1, kLensRadius + 1);
    p.setPen(QPen(colour::kTeal.lighter(120), 5));
    p.drawEllipse(kLens, kLensRadius + 1, kLensRadius + 1);
    p.setPen(QPen(QColor(255, 255, 255, 170), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(kLens.x() - 22, kLens.y() - 22, 44, 44), 100 * 16, 60 * 16);
}

} // namespace

QImage DrawFinder(int ratio) {
    QImage image = NewCanvas(kWidth, kHeight, colour::kPaper, ratio);
    QPainter p(&image);
    PreparePainter(p);
    const QString letters = Letters();
    DrawLetters(p, letters, QColor(0xa4, 0xa9, 0xb8));
    DrawMagnified(p, letters);
    DrawRimAndHandle(p);
    p.setPen(QPen(colour::kGold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, kWidth - 3, kHeight - 3));
    return image;
}

} // namespace lexiglade::artwork
