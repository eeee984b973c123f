#pragma once
// The picture-drawing entry: a picture put into a rectangle of the printed page.
#include <QRect>
#include <QSize>

class QImage;

namespace lexiglade {

class PrinterCanvas;

// The largest rectangle of the picture's shape that fits `target`, centred in it; empty when
// either is empty.
QRect FittedPictureRect(QSize picture, const QRect& target);

// Draws `picture` scaled to fit the rectangle (left, top, width, height), smoothly. False when
// there was nothing to draw.
bool DrawPicture(PrinterCanvas& dc, const QImage& picture, int left, int top, int width,
                 int height);

} // namespace lexiglade
