#include "ui/Drawkit.h"

#include "platform/SurfaceForm.h"

#include <cmath>

namespace lexiglade {

namespace {

struct Rgb {
    std::uint8_t red, green, blue;
};

constexpr Rgb kPaletteValues[] = {
#include "ui/PaletteTable.inc"
};
static_assert(std::size(kPaletteValues) == GamePaletteSize - 1);

constexpr std::size_t kLogicalPaletteSize = 256;

void CopyBlock(DeviceContext& target, const DeviceContext& source) {
    const DrawkitState& kit = Kit();
    target.BitBlt(0, 0, kit.ScreenWidth, kit.ScreenHeight, &source, 0, 0, SRCCOPY);
}

} // namespace

DrawkitState& Kit() {
    static DrawkitState state;
    return state;
}

void BuildPalette(GamePaletteTable& palette) {
    for (std::size_t i = 0; i < std::size(kPaletteValues); ++i) {
        const Rgb& v = kPaletteValues[i];
        palette[i] = PaletteRgb(v.red, v.green, v.blue);
    }
}

PaletteRef CreateGamePalette(const GamePaletteTable& palette) {
    LogPalette description;
    description.entries.resize(kLogicalPaletteSize);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        description.entries[i] = {GetRValue(palette[i]), GetGValue(palette[i]),
                                  GetBValue(palette[i]), 0};
    }
    return CreatePalette(std::move(description));
}

ColorRef PaletteColour(int index) {
    const ColorRef colour = index >= 0 && index < GamePaletteSize
                                ? Kit().GamePalette[static_cast<std::size_t>(index)]
                                : PaletteRgb(0, 0, 0);
    return PaletteRelative(colour);
}

SelectedPalette::SelectedPalette(DeviceContext& dc)
    : dc_(dc), previous_(dc.SelectPalette(Kit().PaletteHandle, false)) {
    dc_.RealizePalette();
}

SelectedPalette::~SelectedPalette() {
    dc_.SelectPalette(previous_, true);
}

void SaveScreen() {
    WindowDC window(*Kit().DrawWindow, QRect()); // reads the window only
    SelectedPalette windowPalette(*window);
    Kit().ScreenCopy.SetPixelRatio(window->Surface().devicePixelRatio()); // every device pixel
    DeviceContext& copy = Kit().ScreenCopy.Canvas();
    SelectedPalette copyPalette(copy);
    CopyBlock(copy, *window);
}

void RestoreScreen() {
    WindowDC window(*Kit().DrawWindow);
    SelectedPalette windowPalette(*window);
    DeviceContext& copy = Kit().ScreenCopy.Canvas();
    SelectedPalette copyPalette(copy);
    CopyBlock(*window, copy);
}

void FillBox(int left, int top, int right, int bottom, int penWidth, int style, ColorRef colour) {
    if (Kit().DrawWindow == nullptr) {
        return; // no puzzle screen has been painted yet
    }
    WindowDC window(*Kit().DrawWindow, QRect(QPoint(left, top), QPoint(right, bottom)));
    SelectedPalette palette(*window);
    const ColorRef relative = PaletteRelative(colour);
    const Pen previousPen = window->SelectObject(CreatePen(PS_SOLID, penWidth, relative));
    const Brush previousBrush = window->SelectObject(CreateSolidBrush(relative));
    if (style < 8) {
        window->SetBkMode(TRANSPARENT);
    }
    window->Rectangle(left, top, right, bottom);
    window->SelectObject(previousPen);
    window->SelectObject(previousBrush);
}

void DrawSegment(DeviceContext& dc, int x1, int y1, int x2, int y2) {
    dc.MoveToEx(x1, y1);
    dc.LineTo(x2, y2);
}

// The sum of squares is exact in double precision for any two points of a screen, and only the
// root is kept in single precision: each distance rounds as its exact root in single precision.
int PixelDistance(int x1, int y1, int x2, int y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const float distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    return static_cast<int>(std::nearbyint(distance)); // halves go to the even neighbour
}

bool PointInBox(int x, int y, int left, int right, int top, int bottom) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

} // namespace lexiglade
