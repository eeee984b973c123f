#include "platform/GdiDeviceContext.h"

#include "platform/DisplayScale.h"
#include "platform/Texts.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
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

// From a logical pixel's corner to its centre, where a smooth figure's line runs.
constexpr QPointF kToCentre(0.5, 0.5);
constexpr double kFullTurn = 360.0;

QPointF PixelCentre(DevicePoint p) {
    return QPointF(p.x, p.y) + kToCentre;
}

// Degrees counterclockwise on the screen from the x axis to the radial from `centre` to `p`.
double RadialAngle(QPointF centre, QPointF p) {
    return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * 180.0 / std::numbers::pi;
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
    if (SmoothFigures()) {
        QPainterPath line(PixelCentre(position_));
        line.lineTo(PixelCentre({x, y}));
        SmoothStroke(line);
    } else {
        PenFigure(LinePixels(position_, {x, y}));
    }
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
    const int lastRow = std::min(bottom - 1 + after, LogicalHeight() - 1);
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
    if (!SmoothFigures()) {
        PenFigure(ArcPixels(left, top, right, bottom, {xStart, yStart}, {xEnd, yEnd}));
        return;
    }
    // The ellipse through the centres of the pixels the unscaled arc is drawn on.
    const QRectF box(QPointF(std::min(left, right), std::min(top, bottom)) + kToCentre,
                     QSizeF(std::abs(right - left), std::abs(bottom - top)));
    const double start = RadialAngle(box.center(), PixelCentre({xStart, yStart}));
    double sweep = RadialAngle(box.center(), PixelCentre({xEnd, yEnd})) - start;
    if (sweep <= 0) {
        sweep += kFullTurn; // counterclockwise; equal radials make the whole ellipse
    }
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    SmoothStroke(arc);
}

// Above scale 1 a figure in copy mode is drawn at the device resolution, smooth, with a pen one
// logical pixel wide per unit of width. Exclusive-or figures keep their pixels, whose second
// drawing restores the surface exactly.
bool DeviceContext::SmoothFigures() const {
    return rop2_ == R2_COPYPEN && Scale() > 1.0 && !surface_->isNull();
}

void DeviceContext::SmoothStroke(const QPainterPath& path) {
    KeepFormat();
    QPainter painter(surface_);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(ToQColor(Resolve(pen_.colour)), std::max(pen_.width, 1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void DeviceContext::TextOutA(int x, int y, std::string_view text) {
    KeepFormat();
    if (surface_->isNull()) {
        return;
    }
    const QString string = LibraryText(text);
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
    const auto [i0, i1] = Overlap(width, sx, source->LogicalWidth(), x, LogicalWidth());
    const auto [j0, j1] = Overlap(height, sy, source->LogicalHeight(), y, LogicalHeight());
    if (i0 >= i1 || j0 >= j1) {
        return;
    }
    const QRect target(QPoint(DevicePixel(x + i0, Scale()), DevicePixel(y + j0, Scale())),
                       QPoint(DevicePixel(x + i1, Scale()) - 1, DevicePixel(y + j1, Scale()) - 1));
    const double ratio = from.devicePixelRatio();
    if (ratio == Scale()) {
        CopyPixels(target, from, {DevicePixel(sx + i0, ratio), DevicePixel(sy + j0, ratio)});
        return;
    }
    const QRect block(QPoint(DevicePixel(sx + i0, ratio), DevicePixel(sy + j0, ratio)),
                      QPoint(DevicePixel(sx + i1, ratio) - 1, DevicePixel(sy + j1, ratio) - 1));
    DrawScaled(target, from, block);
}

// Device pixels of `from` from `origin` on, copied unchanged to `target`.
void DeviceContext::CopyPixels(const QRect& target, const QImage& from, QPoint origin) {
    const int columns = std::min(target.width(), from.width() - origin.x());
    const int rows = std::min(target.height(), from.height() - origin.y());
    if (columns <= 0 || rows <= 0) {
        return;
    }
    // A copy within one surface may overlap itself, so it goes through a copy of the block.
    const bool self = &from == surface_;
    const QImage block = self ? from.copy(origin.x(), origin.y(), columns, rows) : QImage();
    const auto bytes = static_cast<std::size_t>(columns) * sizeof(QRgb);
    for (int j = 0; j < rows; ++j) {
        const auto* in =
            self ? reinterpret_cast<const QRgb*>(block.constScanLine(j))
                 : reinterpret_cast<const QRgb*>(from.constScanLine(origin.y() + j)) + origin.x();
        auto* out = reinterpret_cast<QRgb*>(surface_->scanLine(target.y() + j)) + target.x();
        std::memcpy(out, in, bytes);
    }
}

// A picture of another resolution (the artwork on a scaled screen), resampled smoothly to fill
// exactly the device pixels of its logical rectangle.
void DeviceContext::DrawScaled(const QRect& target, const QImage& from, const QRect& block) {
    if (target.width() < block.width()) { // a denser picture: averaged down, never sampled
        const QImage fitted =
            from.copy(block).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        CopyPixels(target, fitted.convertToFormat(QImage::Format_RGB32), {0, 0});
        return;
    }
    QImage device(surface_->bits(), surface_->width(), surface_->height(), surface_->bytesPerLine(),
                  surface_->format()); // the same pixels, unscaled
    QPainter painter(&device);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, from, block);
}

int DeviceContext::GetDeviceCaps(int index) const {
    switch (index) {
    case HORZRES:
        return LogicalWidth();
    case VERTRES:
        return LogicalHeight();
    default:
        return 0;
    }
}

ColorRef DeviceContext::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= LogicalWidth() || y >= LogicalHeight()) {
        return CLR_INVALID;
    }
    const QRgb pixel = surface_->pixel(DevicePixel(x, Scale()), DevicePixel(y, Scale()));
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

double DeviceContext::Scale() const {
    return surface_->devicePixelRatio();
}

// The logical size: the logical pixels whose blocks start on the surface.
int DeviceContext::LogicalWidth() const {
    return static_cast<int>(std::ceil(surface_->width() / Scale()));
}

int DeviceContext::LogicalHeight() const {
    return static_cast<int>(std::ceil(surface_->height() / Scale()));
}

// Pixels x0..x1 of row y in the current mix mode, clipped to the surface. On a scaled surface
// each logical pixel is its block of device pixels, so an exclusive-or figure drawn twice still
// restores every device pixel.
void DeviceContext::FillSpan(int x0, int x1, int y, ColorRef colour) {
    const double scale = Scale();
    const int left = std::max(DevicePixel(std::max(x0, 0), scale), 0);
    const int right = std::min(DevicePixel(x1 + 1, scale), surface_->width()) - 1;
    const int top = std::max(DevicePixel(y, scale), 0);
    const int bottom = std::min(DevicePixel(y + 1, scale), surface_->height());
    if (y < 0 || x1 < x0 || left > right) {
        return;
    }
    const QRgb rgb = ToQRgb(colour);
    for (int row = top; row < bottom; ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(surface_->scanLine(row));
        if (rop2_ == R2_XORPEN) {
            for (int x = left; x <= right; ++x) {
                pixels[x] = 0xFF000000u | ((pixels[x] ^ rgb) & 0x00FFFFFFu);
            }
        } else {
            std::fill(pixels + left, pixels + right + 1, rgb);
        }
    }
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
    for (int y = std::max(top, 0); y < std::min(bottom, LogicalHeight()); ++y) {
        FillSpan(left, right - 1, y, colour);
    }
    rop2_ = saved;
}

} // namespace lexiglade
