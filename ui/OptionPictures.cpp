#include "ui/OptionPictures.h"

#include "platform/GdiFont.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lexiglade {

namespace {

const QColor kSpeakerOn(235, 235, 235);
const QColor kWaves(0, 255, 255);
const QColor kNotesOn(255, 210, 40);
const QColor kGreyed(110, 110, 110);
const QColor kCrossed(230, 40, 40);

QImage Canvas(int width, int height, const QColor& ground) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    return image;
}

void DrawSpeaker(QPainter& p, const QColor& colour) {
    QPainterPath speaker;
    speaker.addRect(QRectF(3.5, 11.5, 6, 9));
    QPainterPath cone;
    cone.moveTo(9.5, 11.5);
    cone.lineTo(17.5, 4.5);
    cone.lineTo(17.5, 27.5);
    cone.lineTo(9.5, 20.5);
    cone.closeSubpath();
    speaker = speaker.united(cone);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(speaker);
}

void DrawWaves(QPainter& p) {
    p.setPen(QPen(kWaves, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double radius : {4.5, 8.5, 12.5}) {
        const QRectF box(17 - radius, 16 - radius, 2 * radius, 2 * radius);
        p.drawArc(box, -45 * 16, 90 * 16);
    }
}

void DrawNotes(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const QPointF head : {QPointF(9, 25), QPointF(23, 22)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 4.6, 3.3);
        p.restore();
    }
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.8, 24), QPointF(12.8, 8));
    p.drawLine(QPointF(26.8, 21), QPointF(26.8, 5));
    p.setPen(Qt::NoPen);
    const QPointF beam[] = {{11.8, 6.5}, {27.8, 3}, {27.8, 8}, {11.8, 11.5}};
    p.drawPolygon(beam, 4);
}

void StrikeThrough(QPainter& p, const QLineF& line) {
    p.setPen(QPen(kCrossed, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
}

} // namespace

QImage SoundOnPicture() {
    QImage image = Canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSpeaker(p, kSpeakerOn);
    DrawWaves(p);
    return image;
}

QImage SoundOffPicture() {
    QImage image = Canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawSpeaker(p, kGreyed);
    StrikeThrough(p, QLineF(21, 11, 29, 21));
    StrikeThrough(p, QLineF(29, 11, 21, 21));
    return image;
}

QImage MusicOnPicture() {
    QImage image = Canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawNotes(p, kNotesOn);
    return image;
}

QImage MusicOffPicture() {
    QImage image = Canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawNotes(p, kGreyed);
    StrikeThrough(p, QLineF(4, 4, 28, 28));
    return image;
}

QImage OkPicture() {
    QImage image = Canvas(40, 35, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(1.5, 1.5, 37, 32);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, QColor(90, 215, 90));
    shade.setColorAt(1, QColor(0, 115, 0));
    p.setPen(QPen(QColor(190, 255, 190), 1));
    p.setBrush(shade);
    p.drawRoundedRect(face, 7, 7);
    p.setFont(ToQFont(CreateFont("System", -16)));
    //: The caption of the options' 40 x 35 pixel OK button: two or three letters.
    const QString caption = QCoreApplication::translate("OptionPictures", "OK");
    p.setPen(QColor(0, 60, 0));
    p.drawText(face.translated(1, 1), Qt::AlignCenter, caption);
    p.setPen(Qt::white);
    p.drawText(face, Qt::AlignCenter, caption);
    return image;
}

} // namespace lexiglade
