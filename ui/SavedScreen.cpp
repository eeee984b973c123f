#include "ui/SavedScreen.h"

#include "platform/DisplayScale.h"
#include "platform/SurfaceForm.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace lexiglade {

void SavedScreen::SetWidth(int width) {
    width_ = std::max(width, 0);
    if (width_ == 0) {
        blocks_.clear();
    }
}

void SavedScreen::SetHeight(int height) {
    height_ = std::max(height, 0);
    if (height_ == 0) {
        blocks_.clear();
    }
}

// The window holds what its paint draws, the areas drawn on outside it since, and, when the blocks
// come from this window as it still is, what the last restore put back.
void SavedScreen::Save(SurfaceForm& window, const DeviceContext& pixels) {
    const QImage& image = pixels.Surface();
    QRegion keep = window.DrawnSincePaint();
    if (window.Serial() == window_ && image.size() == windowPixels_ &&
        image.devicePixelRatio() == ratio_) {
        for (const Block& block : blocks_) {
            keep += block.area;
        }
    }
    blocks_.clear();
    window_ = window.Serial();
    windowPixels_ = image.size();
    ratio_ = image.devicePixelRatio();
    for (const QRect& area : keep& Area()) {
        auto block = std::make_unique<Bitmap>();
        block->SetPixelRatio(ratio_); // every device pixel
        block->SetWidth(area.width());
        block->SetHeight(area.height());
        block->Canvas().BitBlt(0, 0, area.width(), area.height(), &pixels, area.x(), area.y(),
                               SRCCOPY);
        blocks_.push_back({area, std::move(block)});
    }
}

void SavedScreen::Restore(DeviceContext& window) const {
    for (const Block& block : blocks_) {
        window.BitBlt(block.area.x(), block.area.y(), block.area.width(), block.area.height(),
                      *block.pixels, 0, 0, SRCCOPY);
    }
}

QRect SavedScreen::SavedArea() const {
    QRect area;
    for (const Block& block : blocks_) {
        area |= block.area;
    }
    return area;
}

QImage SavedScreen::Image() const {
    QImage image(DevicePixel(width_, ratio_), DevicePixel(height_, ratio_), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio_);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Block& block : blocks_) {
        painter.drawImage(block.area.topLeft(), block.pixels->Image());
    }
    return image;
}

} // namespace lexiglade
