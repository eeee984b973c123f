#include "platform/printer/PrinterPicture.h"

#include "platform/printer/PrinterCanvas.h"

#include <QImage>
#include <QPainter>

namespace lexiglade {

QRect FittedPictureRect(QSize picture, const QRect& target) {
    if (picture.isEmpty() || target.isEmpty()) {
        return {};
    }
    const QSize fitted = picture.scaled(target.size(), Qt::KeepAspectRatio);
    const int left = target.left() + (target.width() - fitted.width()) / 2;
    const int top = target.top() + (target.height() - fitted.height()) / 2;
    return {QPoint(left, top), fitted};
}

bool DrawPicture(PrinterCanvas& dc, const QImage& picture, int left, int top, int width,
                 int height) {
    const QRect place = FittedPictureRect(picture.size(), QRect(left, top, width, height));
    if (place.isEmpty()) {
        return false;
    }
    // Smoothed here, as a printer may enlarge it pixel by pixel; beyond four times its own size the
    // steps that remain are finer than the eye sees on paper.
    const QSize size = place.size().boundedTo(picture.size() * 4);
    const QImage smooth = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(place, smooth);
    painter.restore();
    return true;
}

} // namespace lexiglade
