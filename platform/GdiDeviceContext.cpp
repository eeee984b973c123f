#include "platform/GdiDeviceContext.h"

#include "platform/GdiBitmap.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>
#include <utility>

namespace lexiglade {

namespace {

constexpr ColorRef kWhite = PaletteRgb(255, 255, 255);
constexpr ColorRef kBlack = PaletteRgb(0, 0, 0);

QRgb ToQRgb(ColorRef plain) {
    return qRgb(GetRValue(plain), GetGValue(plain), GetBValue(plain));
}

QColor ToQColor(ColorRef plain) {
    return QColor::fromRgb(ToQRgb(plain));
}

// Leftmost x of text `width` pixels wide whose reference point is at x.
int AlignedLeft(std::uint32_t align, int x, int width) {
    if ((align & TA_CENTER) == TA_CENTER) {
        return x - width / 2;
    }
    return (align & TA_RIGHT) != 0 ? x - width : x;
}

int AlignedTop(std::uint32_t align, int y, const QFontMetrics& metrics) {
    if ((align & TA_BASELINE) == TA_BASELINE) {
        return y - metrics.ascent();
    }
    return (align & TA_BOTTOM) != 0 ? y - metrics.height() : y;
}

// Columns i with 0 <= i < count that fall inside both [0, sourceSize) and [0, destSize).
std::pair<int, int> Overlap(int count, int source, int sourceSize, int dest, int destSize) {
    const int first = std::max({0, -source, -dest});
    const int last = std::min({count, sourceSize - source, destSize - dest});
    return {first, last};
}

} // namespace

Pen CreatePen(PenStyle style, int width, ColorRef colour) {
    return Pen{style, width, colour};
}

Brush CreateSolidBrush(ColorRef colour) {
    return Brush{colour};
}

DeviceContext::DeviceContext(QImage& surface) : surface_(&surface) {
    KeepFormat();
}

PaletteRef DeviceContext::SelectPalette(PaletteRef palette, bool /*forceBackground*/) {
    return std::exchange(palette_, std::move(palette));
}

int DeviceContext::RealizePalette() {
    return palette_ ? static_cast<int>(palette_->Size()) : 0;
}

Pen DeviceContext::SelectObject(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Brush DeviceContext::SelectObject(const Brush& brush) {
    return std::exchange(brush_, brush);
}

Font DeviceContext::SelectObject(const Font& font) {
    return std::exchange(font_, font);
}

PenMix DeviceContext::SetROP2(PenMix mode) {
    return std::exchange(rop2_, mode);
}

BackgroundMode DeviceContext::SetBkMode(BackgroundMode mode) {
    return std::exchange(bkMode_, mode);
}

ColorRef DeviceContext::SetBkColor(ColorRef colour) {
    return std::exchange(bkColour_, colour);
}

ColorRef DeviceContext::SetTextColor(ColorRef colour) {
    return std::exchange(textColour_, colour);
}

std::uint32_t DeviceContext::SetTextAlign(std::uint32_t align) {
    return std::exchange(textAlign_, align);
}

DevicePoint DeviceContext::MoveToEx(int x, int y) {
    return std::exchange(position_, {x, y});
}

void DeviceContext::LineTo(int x, int y) {
    PenFigure(LinePixels(position_, {x, y}));
    position_ = {x, y};
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    const int width = std::max(pen_.width, 1);
    const int before = (width - 1) / 2;
    const int after = width / 2;
    const ColorRef pen = Resolve(pen_.colour);
    const ColorRef brush = Resolve(brush_.colour);
    const int innerLeft = left + after + 1;
    const int innerRight = right - 2 - before;
    KeepFormat();
    const int lastRow = std::min(bottom - 1 + after, surface_->height() - 1);
    for (int y = std::max(top - before, 0); y <= lastRow; ++y) {
        const bool inner =
            y >= top + after + 1 && y <= bottom - 2 - before && innerLeft <= innerRight;
        if (!inner) {
            FillSpan(left - before, right - 1 + after, y, pen);
            continue;
        }
        FillSpan(left - before, innerLeft - 1, y, pen);
        FillSpan(innerLeft, innerRight, y, brush);
        FillSpan(innerRight + 1, right - 1 + after, y, pen);
    }
}

void DeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                        int yEnd) {
    PenFigure(ArcPixels(left, top, right, bottom, {xStart, yStart}, {xEnd, yEnd}));
}

void DeviceContext::TextOutA(int x, int y, std::string_view text) {
    KeepFormat();
    if (surface_->isNull()) {
        return;
    }
    const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QFont font = ToQFont(font_);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(string);
    const int left = AlignedLeft(textAlign_, x, width);
    const int top = AlignedTop(textAlign_, y, metrics);
    QPainter painter(surface_);
    if (bkMode_ == OPAQUE) {
        painter.fillRect(left, top, width, metrics.height(), ToQColor(Resolve(bkColour_)));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(Resolve(textColour_)));
    painter.drawText(left, top + metrics.ascent(), string);
}

void DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext* source, int sx,
                           int sy, std::uint32_t rop) {
    if (rop == WHITENESS || rop == BLACKNESS) {
        FillRect(x, y, x + width, y + height, rop == WHITENESS ? kWhite : kBlack, R2_COPYPEN);
        return;
    }
    if (rop != SRCCOPY || source == nullptr || width <= 0 || height <= 0) {
        return;
    }
    KeepFormat();
    const QImage& from = source->Surface();
    const auto [i0, i1] = Overlap(width, sx, from.width(), x, surface_->width());
    const auto [j0, j1] = Overlap(height, sy, from.height(), y, surface_->height());
    if (i0 >= i1 || j0 >= j1) {
        return;
    }
    // A copy within one surface may overlap itself, so it goes through a copy of the block.
    const bool self = &from == surface_;
    const QImage block = self ? from.copy(sx + i0, sy + j0, i1 - i0, j1 - j0) : QImage();
    const auto bytes = static_cast<std::size_t>(i1 - i0) * sizeof(QRgb);
    for (int j = j0; j < j1; ++j) {
        const auto* in = self ? reinterpret_cast<const QRgb*>(block.constScanLine(j - j0))
                              : reinterpret_cast<const QRgb*>(from.constScanLine(sy + j)) + sx + i0;
        auto* out = reinterpret_cast<QRgb*>(surface_->scanLine(y + j)) + x + i0;
        std::memcpy(out, in, bytes);
    }
}

void DeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx,
                           int sy, std::uint32_t rop) {
    BitBlt(x, y, width, height, &source.Canvas(), sx, sy, rop);
}

int DeviceContext::GetDeviceCaps(int index) const {
    switch (index) {
    case HORZRES:
        return surface_->width();
    case VERTRES:
        return surface_->height();
    default:
        return 0;
    }
}

ColorRef DeviceContext::GetPixel(int x, int y) const {
    if (!surface_->valid(x, y)) {
        return CLR_INVALID;
    }
    const QRgb pixel = surface_->pixel(x, y);
    return PaletteRgb(static_cast<std::uint8_t>(qRed(pixel)),
                      static_cast<std::uint8_t>(qGreen(pixel)),
                      static_cast<std::uint8_t>(qBlue(pixel)));
}

ColorRef DeviceContext::Resolve(ColorRef colour) const {
    return ResolveColour(colour, palette_.get());
}

void DeviceContext::Plot(const std::vector<DevicePoint>& pixels, ColorRef colour) {
    KeepFormat();
    for (const DevicePoint p : pixels) {
        FillSpan(p.x, p.x, p.y, colour);
    }
}

void DeviceContext::KeepFormat() {
    if (!surface_->isNull() && surface_->format() != QImage::Format_RGB32) {
        *surface_ = surface_->convertToFormat(QImage::Format_RGB32);
    }
}

// Pixels x0..x1 of row y in the current mix mode, clipped to the surface.
void DeviceContext::FillSpan(int x0, int x1, int y, ColorRef colour) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface_->width() - 1);
    if (y < 0 || y >= surface_->height() || x0 > x1) {
        return;
    }
    auto* row = reinterpret_cast<QRgb*>(surface_->scanLine(y));
    const QRgb rgb = ToQRgb(colour);
    if (rop2_ == R2_XORPEN) {
        for (int x = x0; x <= x1; ++x) {
            row[x] = 0xFF000000u | ((row[x] ^ rgb) & 0x00FFFFFFu);
        }
        return;
    }
    std::fill(row + x0, row + x1 + 1, rgb);
}

void DeviceContext::PenFigure(const std::vector<DevicePoint>& pixels) {
    const ColorRef colour = Resolve(pen_.colour);
    if (pen_.width <= 1) {
        Plot(pixels, colour);
    } else {
        Plot(WidenPixels(pixels, pen_.width), colour);
    }
}

// A solid block [left, right) x [top, bottom) in `rop`, whatever mode the pen has.
void DeviceContext::FillRect(int left, int top, int right, int bottom, ColorRef colour,
                             PenMix rop) {
    KeepFormat();
    const PenMix saved = std::exchange(rop2_, rop);
    for (int y = std::max(top, 0); y < std::min(bottom, surface_->height()); ++y) {
        FillSpan(left, right - 1, y, colour);
    }
    rop2_ = saved;
}

} // namespace lexiglade
