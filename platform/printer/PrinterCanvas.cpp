#include "platform/printer/PrinterCanvas.h"
#include "platform/Texts.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <cmath>

namespace lexiglade {

namespace {

int AlignedLeft(std::uint32_t align, int x, int width) {
    if ((align & TA_CENTER) == TA_CENTER) {
        return x - width / 2;
    }
    return (align & TA_RIGHT) != 0 ? x - width : x;
}

int Baseline(std::uint32_t align, int y, const QFontMetrics& metrics) {
    if ((align & TA_BASELINE) == TA_BASELINE) {
        return y;
    }
    return (align & TA_BOTTOM) != 0 ? y - metrics.descent() : y + metrics.ascent();
}

} // namespace

PrinterCanvas::PrinterCanvas(QPainter& painter) : painter_(painter), qfont_(ToQFont(font_)) {
    painter_.setPen(Qt::black);
    painter_.setFont(qfont_);
}

int PrinterCanvas::GetDeviceCaps(int index) const {
    const QPaintDevice* device = painter_.device();
    if (index == HORZRES) {
        return device->width();
    }
    return index == VERTRES ? device->height() : 0;
}

Font PrinterCanvas::SelectObject(const Font& font) {
    Font old = font_;
    font_ = font;
    qfont_ = ToQFont(font_);
    painter_.setFont(qfont_);
    return old;
}

std::uint32_t PrinterCanvas::SetTextAlign(std::uint32_t align) {
    const std::uint32_t old = textAlign_;
    textAlign_ = align;
    return old;
}

void PrinterCanvas::TextOutA(int x, int y, std::string_view text) {
    const QString string = LibraryText(text);
    const QFontMetrics metrics(qfont_, painter_.device());
    const int left = AlignedLeft(textAlign_, x, metrics.horizontalAdvance(string));
    painter_.drawText(left, Baseline(textAlign_, y, metrics), string);
}

int PrinterCanvas::TextWidth(std::string_view text) const {
    return QFontMetrics(qfont_, painter_.device()).horizontalAdvance(LibraryText(text));
}

int PrinterCanvas::CapitalsMiddle() const {
    const QFontMetricsF metrics(qfont_, painter_.device());
    return static_cast<int>(std::lround(metrics.ascent() - metrics.capHeight() / 2));
}

// A rounded rectangle along the x axis from 0 to the segment's length, turned and moved onto it.
void PrinterCanvas::Capsule(DevicePoint from, DevicePoint to, int radius, int lineWidth) {
    const QLineF axis(from.x, from.y, to.x, to.y);
    const double r = radius;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(-r, -r, axis.length() + 2 * r, 2 * r), r, r);
    QTransform onto;
    onto.translate(from.x, from.y);
    onto.rotate(-axis.angle());
    painter_.save();
    painter_.setPen(QPen(Qt::black, lineWidth));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(onto.map(outline));
    painter_.restore();
}

} // namespace lexiglade
