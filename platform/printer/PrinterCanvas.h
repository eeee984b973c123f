#pragma once
// The page of the print job in progress, drawn in the printer's device pixels with GDI-like calls.
#include "platform/GdiFont.h"
#include "platform/GdiTypes.h"

#include <QFont>

#include <cstdint>
#include <string_view>

class QPainter;

namespace lexiglade {

class PrinterCanvas {
  public:
    // Draws through `painter`, which is active on the printer for the whole life of the canvas.
    explicit PrinterCanvas(QPainter& painter);

    // HORZRES and VERTRES: the printable width and height in device pixels; 0 for anything else.
    int GetDeviceCaps(int index) const;
    // Returns the font selected before.
    Font SelectObject(const Font& font);
    // TA_LEFT, TA_CENTER or TA_RIGHT with TA_TOP, TA_BASELINE or TA_BOTTOM; returns the old one.
    std::uint32_t SetTextAlign(std::uint32_t align);
    // Black text on the page, bytes taken as Latin-1, the reference point at (x, y).
    void TextOutA(int x, int y, std::string_view text);
    // The width `text` takes in the selected font, in device pixels.
    int TextWidth(std::string_view text) const;
    // How far below the top of a line of text the middle of its capitals lies, in the selected
    // font.
    int CapitalsMiddle() const;
    // The black outline of a capsule: the points within `radius` of the segment from `from` to
    // `to`, traced with a line `lineWidth` pixels wide.
    void Capsule(DevicePoint from, DevicePoint to, int radius, int lineWidth);

    QPainter& Painter() { return painter_; }

  private:
    QPainter& painter_;
    Font font_;
    QFont qfont_;
    std::uint32_t textAlign_ = TA_LEFT | TA_TOP;
};

} // namespace lexiglade
