#include "Kit.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QTransform>
#include <algorithm>
#include <stdexcept>

namespace lexiglade::artwork {

namespace {

QString sansFamily;
QString boldFamily;

QString AddFont(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        throw std::runtime_error("Cannot load font " + path.toStdString());
    }
    return families.front();
}

QFont MakeFont(const QString& family, qreal pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

void RegisterFonts() {
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    sansFamily = AddFont(dir + "DejaVuSans.ttf");
    boldFamily = AddFont(dir + "DejaVuSans-Bold.ttf");
}

QFont BoldFont(qreal pixelSize) {
    return MakeFont(boldFamily, pixelSize, true);
}

QFont RegularFont(qreal pixelSize) {
    return MakeFont(sansFamily, pixelSize, false);
}

QImage NewCanvas(int width, int height, const QColor& fill) {
    return NewCanvas(width, height, fill, 1);
}

QImage NewCanvas(int width, int height, const QColor& fill, int ratio) {
    QImage image(width * ratio, height * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

void SaveBitmap(const QImage& image, const QString& path) {
    if (!image.convertToFormat(QImage::Format_RGB32).save(path, "BMP")) {
        throw std::runtime_error("Cannot write " + path.toStdString());
    }
}

void PreparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void DrawTile(QPainter& p, const QRectF& box, const QColor& base, qreal radius) {
    p.save();
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, base.lighter(125));
    face.setColorAt(1, base.darker(115));
    p.setPen(QPen(base.darker(160), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(box, radius, radius);
    const QRectF gloss = box.adjusted(3, 2, -3, -box.height() * 0.55);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(gloss, radius * 0.7, radius * 0.7);
    p.restore();
}

void DrawLabel(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
               const QColor& colour) {
    constexpr qreal kMargin =
        2; // each side, clear of a tile's rim; the shadow lies in the right one
    const qreal shrink =
        std::min(1.0, (box.width() - 2 * kMargin) / QFontMetricsF(font).horizontalAdvance(text));
    if (shrink < kLeastLabelShrink) {
        throw std::runtime_error("\"" + text.toStdString() + "\" is too long for its place");
    }
    p.save();
    QRectF room = box;
    if (shrink < 1) { // drawn smaller about the box's centre, in a room that shrinks to the box
        p.translate(box.center());
        p.scale(shrink, shrink);
        p.translate(-box.center());
        room.setSize(box.size() / shrink);
        room.moveCenter(box.center());
    }
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(room.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(room, Qt::AlignCenter, text);
    p.restore();
}

void DrawLetterTile(QPainter& p, QPointF centre, qreal size, QChar letter, const QColor& ink,
                    qreal degrees) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const QRectF box(-size / 2, -size / 2, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(box.translated(2, 3), size * 0.16, size * 0.16);
    DrawTile(p, box, colour::kCream, size * 0.16);
    p.setFont(BoldFont(size * 0.66));
    p.setPen(ink.darker(135));
    p.drawText(box.translated(0.8, 1.2), Qt::AlignCenter, QString(letter));
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, QString(letter));
    p.restore();
}

QPainterPath CapsulePath(QPointF a, QPointF b, qreal radius) {
    const QLineF axis(a, b);
    QPainterPath path;
    path.addRoundedRect(QRectF(-radius, -radius, axis.length() + 2 * radius, 2 * radius), radius,
                        radius);
    QTransform turn;
    turn.translate(a.x(), a.y());
    turn.rotate(-axis.angle());
    return turn.map(path);
}

} // namespace lexiglade::artwork
