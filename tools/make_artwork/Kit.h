#pragma once
// Shared drawing kit of the artwork: fonts from fixed files, the house colours, canvases, tiles.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace lexiglade::artwork {

// House colours: a calm night blue ground, warm tiles, bright friendly accents.
namespace colour {
inline const QColor kNight{0x16, 0x24, 0x40};
inline const QColor kNightLight{0x22, 0x36, 0x5c};
inline const QColor kNightEdge{0x34, 0x4e, 0x7c};
inline const QColor kCream{0xff, 0xf6, 0xde};
inline const QColor kPaper{0xff, 0xfb, 0xef};
inline const QColor kGold{0xe9, 0xc4, 0x6a};
inline const QColor kGoldDark{0xb8, 0x8a, 0x2c};
inline const QColor kCoral{0xe7, 0x6f, 0x51};
inline const QColor kRed{0xe6, 0x39, 0x46};
inline const QColor kOrange{0xf4, 0xa2, 0x61};
inline const QColor kTeal{0x2a, 0x9d, 0x8f};
inline const QColor kBlue{0x45, 0x7b, 0x9d};
inline const QColor kPurple{0x8e, 0x5e, 0xa2};
inline const QColor kGreen{0x6a, 0xb0, 0x4c};
inline const QColor kInk{0x33, 0x2a, 0x2a};
} // namespace colour

// Registers the bundled font files; throws std::runtime_error when a file cannot be loaded.
void RegisterFonts();
QFont BoldFont(qreal pixelSize);
QFont RegularFont(qreal pixelSize);

// A 24-bit canvas filled with one colour.
QImage NewCanvas(int width, int height, const QColor& fill);
// The same, `ratio` device pixels per pixel of `width` x `height`: a painter on it draws in pixels
// of that size, at the device resolution.
QImage NewCanvas(int width, int height, const QColor& fill, int ratio);
// Writes a Windows bitmap; throws std::runtime_error when the file cannot be written.
void SaveBitmap(const QImage& image, const QString& path);

// Antialiased painter with the kit's defaults.
void PreparePainter(QPainter& p);

// Rounded button face: a vertical gradient of `base`, a darker rim and a soft top gloss.
void DrawTile(QPainter& p, const QRectF& box, const QColor& base, qreal radius);
// Text centred in a box, with a one-pixel dark shadow for legibility on colour. Text wider than the
// box less two pixels each side is drawn smaller, down to kLeastLabelShrink of its size, so that it
// stays whole; throws std::runtime_error naming text that would need to shrink further.
inline constexpr qreal kLeastLabelShrink = 0.7;
void DrawLabel(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
               const QColor& colour);
// A cream letter tile turned by `degrees` about its centre.
void DrawLetterTile(QPainter& p, QPointF centre, qreal size, QChar letter, const QColor& ink,
                    qreal degrees);
// The round-ended band that marks a found word, from centre `a` to centre `b`.
QPainterPath CapsulePath(QPointF a, QPointF b, qreal radius);

} // namespace lexiglade::artwork
