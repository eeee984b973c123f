#include "Icons.h"
#include "Kit.h"
#include "Screens.h"
#include "Words.h"

#include <QLinearGradient>
#include <array>

namespace lexiglade::artwork {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void DrawHeaderPanel(QPainter& p) {
    const QRectF panel(12, 12, 616, 150);
    QLinearGradient shade(panel.topLeft(), panel.bottomLeft());
    shade.setColorAt(0, colour::kNightLight.lighter(115));
    shade.setColorAt(1, colour::kNightLight);
    p.setPen(QPen(colour::kNightEdge, 2));
    p.setBrush(shade);
    p.drawRoundedRect(panel, 18, 18);
}

void DrawTitle(QPainter& p) {
    const QString name = QStringLiteral("LEXIGLADE");
    const std::array<qreal, 9> tilt{-5, 3, -2, 4, -4, 2, -3, 5, -2};
    const std::array<QColor, 6> inks{colour::kRed,  colour::kOrange, colour::kTeal,
                                     colour::kBlue, colour::kPurple, colour::kGreen};
    constexpr qreal kStep = 62;
    constexpr qreal kTop = 62;
    const qreal first = kWidth / 2.0 - kStep * (name.size() - 1) / 2.0;
    const QPainterPath band = CapsulePath({first, kTop}, {first + kStep * 8, kTop}, 37);
    p.setPen(QPen(colour::kGold, 3));
    p.setBrush(QColor(0xe9, 0xc4, 0x6a, 55));
    p.drawPath(band);
    for (int i = 0; i < name.size(); ++i) {
        DrawLetterTile(p, {first + kStep * i, kTop}, 54, name[i], inks[i % inks.size()], tilt[i]);
    }
}

void DrawTagline(QPainter& p) {
    //: The catalogue's heading below the game's name: what the game is.
    DrawLabel(p, QRectF(12, 106, 616, 28),
              Word(QT_TRANSLATE_NOOP("Artwork", "Word Search Puzzles")), BoldFont(22),
              colour::kCream);
    //: The catalogue's line below its heading, inviting the player to play.
    DrawLabel(p, QRectF(12, 132, 616, 22),
              Word(QT_TRANSLATE_NOOP("Artwork", "Find every hidden word!")), RegularFont(14),
              colour::kGold);
}

void DrawButton(QPainter& p, const QRectF& tile, const QColor& base, const QString& label,
                void (*glyph)(QPainter&, const QRectF&), const QRectF& glyphBox) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(tile.translated(2, 3), 12, 12);
    DrawTile(p, tile, base, 12);
    glyph(p, glyphBox);
    const QRectF text(tile.left(), tile.bottom() - 27, tile.width(), 24);
    DrawLabel(p, text, label, BoldFont(15), Qt::white);
}

// The frame the folder tree, the instruction label and the finder picture sit in: black inside, as
// the label's own background, and open at the bottom, where the tree reaches the picture's edge.
// It is wide enough for a tree a third as wide as a screen of 960 logical pixels, the label beside
// it and the finder picture below the label.
void DrawTreeFrame(QPainter& p) {
    const QRectF frame(184, 174, 452, 320);
    p.setPen(QPen(colour::kNightEdge, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(-2, -2, 2, 2), 8, 8);
    p.setPen(QPen(colour::kGold, 2));
    p.setBrush(Qt::black);
    p.drawRoundedRect(frame, 6, 6);
}

void DrawExit(QPainter& p) {
    const QRectF tile(3, 442, 35, 35);
    DrawTile(p, tile, colour::kCoral, 7);
    DrawExitGlyph(p, QRectF(9, 446, 24, 19));
    //: The catalogue's small button that ends the program; beyond 5 letters drawn smaller.
    DrawLabel(p, QRectF(3, 464, 35, 12), Word(QT_TRANSLATE_NOOP("Artwork", "Exit")), BoldFont(9),
              Qt::white);
}

} // namespace

QImage DrawCatalogue(int ratio) {
    QImage image = NewCanvas(kWidth, kHeight, colour::kNight, ratio);
    QPainter p(&image);
    PreparePainter(p);
    DrawHeaderPanel(p);
    DrawTitle(p);
    DrawTagline(p);
    DrawTreeFrame(p);
    //: The catalogue's button that opens the wizard making a new puzzle; about 10 letters.
    DrawButton(p, QRectF(8, 214, 96, 82), colour::kTeal,
               Word(QT_TRANSLATE_NOOP("Artwork", "Create")), DrawCreateGlyph,
               QRectF(25, 220, 60, 44));
    //: The catalogue's button that opens the options dialog (sounds, music, game); about 10
    //: letters.
    DrawButton(p, QRectF(8, 313, 96, 80), colour::kPurple,
               Word(QT_TRANSLATE_NOOP("Artwork", "Options")), DrawOptionsGlyph,
               QRectF(27, 318, 58, 42));
    DrawExit(p);
    return image;
}

} // namespace lexiglade::artwork
