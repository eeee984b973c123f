#pragma once
// A device context drawing onto a QImage that it does not own (a window surface or a bitmap).
// Pens, arcs, lines and rectangles are rasterized here pixel by pixel, without antialiasing; on a
// scaled surface, arcs and lines in copy mode are drawn smooth at the device resolution.
#include "platform/GdiFont.h"
#include "platform/GdiPalette.h"
#include "platform/GdiRaster.h"
#include "platform/GdiTypes.h"

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string_view>
#include <vector>

namespace lexiglade {

struct Pen {
    PenStyle style = PS_SOLID;
    int width = 1; // 0 draws as 1
    ColorRef colour = PaletteRgb(0, 0, 0);
};

struct Brush {
    ColorRef colour = PaletteRgb(255, 255, 255);
};

Pen CreatePen(PenStyle style, int width, ColorRef colour);
Brush CreateSolidBrush(ColorRef colour);

class DeviceContext {
  public:
    // The surface is kept in Format_RGB32: one of another format is converted before drawing.
    explicit DeviceContext(QImage& surface);

    QImage& Surface() { return *surface_; }
    const QImage& Surface() const { return *surface_; }

    // Returns the palette selected before; the background flag changes nothing here.
    PaletteRef SelectPalette(PaletteRef palette, bool forceBackground);
    // Number of entries of the selected palette; colours are mapped when drawn.
    int RealizePalette();

    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);

    PenMix SetROP2(PenMix mode); // returns the previous mode
    BackgroundMode SetBkMode(BackgroundMode mode);
    ColorRef SetBkColor(ColorRef colour);
    ColorRef SetTextColor(ColorRef colour);
    std::uint32_t SetTextAlign(std::uint32_t align);

    DevicePoint MoveToEx(int x, int y); // returns the previous position
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void TextOutA(int x, int y, std::string_view text);

    // SRCCOPY, WHITENESS or BLACKNESS; the source may be null when the operation does not read it.
    void BitBlt(int x, int y, int width, int height, const DeviceContext* source, int sx, int sy,
                std::uint32_t rop);
    // From a picture that draws on a canvas of its own, such as a Bitmap.
    template <typename Picture>
    auto BitBlt(int x, int y, int width, int height, const Picture& source, int sx, int sy,
                std::uint32_t rop) -> decltype(void(source.Canvas())) {
        BitBlt(x, y, width, height, &source.Canvas(), sx, sy, rop);
    }

    // A surface with a device pixel ratio is drawn in logical pixels, each covering its block of
    // device pixels (see DevicePixel); text is drawn at the device resolution.
    int GetDeviceCaps(int index) const;    // HORZRES, VERTRES: the logical size
    ColorRef GetPixel(int x, int y) const; // CLR_INVALID outside the surface

  private:
    void KeepFormat();
    double Scale() const;
    int LogicalWidth() const;
    int LogicalHeight() const;
    void CopyPixels(const QRect& target, const QImage& from, QPoint origin);
    void DrawScaled(const QRect& target, const QImage& from, const QRect& block);
    ColorRef Resolve(ColorRef colour) const;
    void Plot(const std::vector<DevicePoint>& pixels, ColorRef colour);
    void FillSpan(int x0, int x1, int y, ColorRef colour);
    void PenFigure(const std::vector<DevicePoint>& pixels);
    bool SmoothFigures() const;
    void SmoothStroke(const QPainterPath& path);
    void FillRect(int left, int top, int right, int bottom, ColorRef colour, PenMix rop);

    QImage* surface_;
    PaletteRef palette_;
    Pen pen_;
    Brush brush_;
    Font font_;
    PenMix rop2_ = R2_COPYPEN;
    BackgroundMode bkMode_ = OPAQUE;
    ColorRef bkColour_ = PaletteRgb(255, 255, 255);
    ColorRef textColour_ = PaletteRgb(0, 0, 0);
    std::uint32_t textAlign_ = TA_LEFT | TA_TOP;
    DevicePoint position_;
};

} // namespace lexiglade
