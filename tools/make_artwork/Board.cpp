#include "Icons.h"
#include "Kit.h"
#include "Screens.h"
#include "Words.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace lexiglade::artwork {

namespace {

constexpr int kWidth = 600;
// The picture-hint list stands on the board's last 60 rows, below the letter panel's frame.
constexpr int kHeight = 424;
constexpr int kHintListBand = 60;
// The letter panel; the game centres column c on x 90 + 20c and tops row r at y 70 + 18r.
const QRectF kPanel(80, 65, 440, 280);
constexpr int kColumns = 22;
constexpr int kRows = 15;

// Vertical centre of a capital of the game's 13-pixel bold letters drawn with its top at 0.
qreal LetterMiddle() {
    const QFontMetricsF metrics(BoldFont(13));
    return metrics.ascent() - metrics.capHeight() / 2;
}

void DrawFrame(QPainter& p) {
    const QRectF outer = kPanel.adjusted(-10, -7, 10, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(outer.translated(3, 4), 12, 12);
    QLinearGradient wood(outer.topLeft(), outer.bottomRight());
    wood.setColorAt(0, colour::kGold.lighter(112));
    wood.setColorAt(1, colour::kGoldDark);
    p.setPen(QPen(colour::kGoldDark.darker(150), 1.5));
    p.setBrush(wood);
    p.drawRoundedRect(outer, 12, 12);
    p.setPen(QPen(colour::kGoldDark.darker(130), 1));
    p.setBrush(colour::kPaper);
    p.drawRect(kPanel.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void DrawCells(QPainter& p) {
    const qreal firstTop = 70 + LetterMiddle() - 9;
    p.setPen(QPen(QColor(0xec, 0xe2, 0xc8), 1));
    for (int c = 1; c < kColumns; ++c) {
        const qreal x = kPanel.left() + 20 * c + 0.5;
        p.drawLine(QPointF(x, kPanel.top() + 2), QPointF(x, kPanel.bottom() - 2));
    }
    for (int r = 0; r <= kRows; ++r) {
        const qreal y = qRound(firstTop + 18 * r) + 0.5;
        p.drawLine(QPointF(kPanel.left() + 2, y), QPointF(kPanel.right() - 2, y));
    }
}

// Letter tiles down a side of the board, 44 pixels apart and centred on row 184, closer where more
// than five would reach the title or the hint tray.
void DrawSideWord(QPainter& p, qreal x, const QString& word, qreal firstTilt) {
    constexpr int kMostTiles = 6;
    if (word.isEmpty() || word.size() > kMostTiles) {
        throw std::runtime_error("\"" + word.toStdString() + "\" is not 1 to " +
                                 std::to_string(kMostTiles) + " letters for the board's tiles");
    }
    constexpr qreal kMiddle = 184, kWidestStep = 44;
    constexpr qreal kLongestColumn = 4 * kWidestStep; // five tiles clear the title and the tray
    const qreal step =
        word.size() > 1 ? std::min(kWidestStep, kLongestColumn / (word.size() - 1)) : 0;
    const qreal first = kMiddle - step * (word.size() - 1) / 2;
    for (int i = 0; i < word.size(); ++i) {
        const qreal tilt = (i % 2 == 0) ? firstTilt : -firstTilt;
        DrawLetterTile(p, {x, first + step * i}, 32, word[i], colour::kBlue, tilt);
    }
}

// A black strip under the clock, so the clock's own black box sits inside it.
void DrawClockStrip(QPainter& p) {
    p.fillRect(QRectF(0, 0, kWidth, 16), Qt::black);
    p.setPen(QPen(colour::kGoldDark, 1));
    p.drawLine(QPointF(0, 16.5), QPointF(kWidth, 16.5));
}

// A tray along the bottom edge, around the band of the picture-hint list, which stands on its
// left end.
void DrawHintTray(QPainter& p) {
    const QRectF tray(4, kHeight - kHintListBand - 2, kWidth - 8, kHintListBand);
    p.setPen(QPen(colour::kNightEdge, 1.5));
    p.setBrush(colour::kNightLight);
    p.drawRoundedRect(tray, 10, 10);
    const QRectF caption(190, tray.top(), tray.right() - 190, tray.height());
    //: The puzzle screen's call to play, beside the list of hints at the foot of the board.
    DrawLabel(p, caption, Word(QT_TRANSLATE_NOOP("Artwork", "Find the word of every hint")),
              BoldFont(15), colour::kGold);
}

} // namespace

QImage DrawBoard(int ratio) {
    QImage image = NewCanvas(kWidth, kHeight, colour::kNight, ratio);
    QPainter p(&image);
    PreparePainter(p);
    DrawClockStrip(p);
    DrawFrame(p);
    DrawCells(p);
    DrawHintTray(p);
    //: Capital letters on tiles down the board's left side, read with those down its right side as
    //: a short call to play or the game's kind; 1 to 6 letters, at most 5 at the widest spacing.
    DrawSideWord(p, 35, Word(QT_TRANSLATE_NOOP("Artwork", "FIND")), -4);
    //: Capital letters on tiles down the board's right side, read after those down its left side.
    DrawSideWord(p, 565, Word(QT_TRANSLATE_NOOP("Artwork", "WORD")), 4);
    return image;
}

QImage DrawEndIcon(int ratio) {
    QImage image = NewCanvas(40, 35, Qt::black, ratio);
    QPainter p(&image);
    PreparePainter(p);
    DrawTile(p, QRectF(1, 1, 38, 33), colour::kCoral, 7);
    DrawExitGlyph(p, QRectF(9, 4, 23, 18));
    //: The puzzle screen's small button that ends the game; beyond 5 letters drawn smaller.
    DrawLabel(p, QRectF(1, 21, 38, 12), Word(QT_TRANSLATE_NOOP("Artwork", "End")), BoldFont(10),
              Qt::white);
    return image;
}

QImage DrawPrintIcons(int ratio) {
    QImage image = NewCanvas(150, 35, Qt::black, ratio);
    QPainter p(&image);
    PreparePainter(p);
    DrawTile(p, QRectF(1, 1, 38, 33), colour::kTeal, 7);
    DrawPrinterGlyph(p, QRectF(8, 3, 24, 19), false);
    //: The puzzle screen's small button that opens the printer setup; beyond 6 letters drawn
    //: smaller.
    DrawLabel(p, QRectF(1, 21, 38, 12), Word(QT_TRANSLATE_NOOP("Artwork", "Setup")), BoldFont(9),
              Qt::white);
    DrawTile(p, QRectF(51, 1, 38, 33), colour::kBlue, 7);
    DrawPrinterGlyph(p, QRectF(58, 3, 24, 19), true);
    //: The puzzle screen's small button that prints the puzzle; beyond 6 letters drawn smaller.
    DrawLabel(p, QRectF(51, 21, 38, 12), Word(QT_TRANSLATE_NOOP("Artwork", "Print")), BoldFont(9),
              Qt::white);
    return image;
}

QImage DrawHintCanvas() {
    return NewCanvas(150, 80, Qt::white);
}

} // namespace lexiglade::artwork
