#include "ui/Drawkit.h"

#include "platform/SurfaceForm.h"

namespace lexiglade {

ColorRef DrawkitState::PaletteColour(int index) const {
    const ColorRef colour = index >= 0 && index < GamePaletteSize
                                ? GamePalette[static_cast<std::size_t>(index)]
                                : PaletteRgb(0, 0, 0);
    return PaletteRelative(colour);
}

QColor DrawkitState::PaletteQColor(int index) const {
    const ColorRef entry = PaletteColour(index);
    return {GetRValue(entry), GetGValue(entry), GetBValue(entry)};
}

SelectedPalette::SelectedPalette(DeviceContext& dc, const PaletteRef& palette)
    : dc_(dc), previous_(dc.SelectPalette(palette, false)) {
    dc_.RealizePalette();
}

SelectedPalette::~SelectedPalette() {
    dc_.SelectPalette(previous_, true);
}

// The copy's size is ScreenWidth by ScreenHeight, which the catalogue's first paint gave it.
void DrawkitState::SaveScreen() {
    SurfaceForm& form = *DrawWindow;
    WindowDC window(form, QRect()); // reads the window only
    SelectedPalette windowPalette(*window, PaletteHandle);
    ScreenCopy.Save(form, *window);
}

void DrawkitState::RestoreScreen() {
    WindowDC window(*DrawWindow, ScreenCopy.SavedArea());
    SelectedPalette windowPalette(*window, PaletteHandle);
    ScreenCopy.Restore(*window);
}

void DrawkitState::FillBox(int left, int top, int right, int bottom, int penWidth, int style,
                           ColorRef colour) const {
    if (DrawWindow == nullptr) {
        return; // no puzzle screen has been painted yet
    }
    WindowDC window(*DrawWindow, QRect(QPoint(left, top), QPoint(right, bottom)));
    SelectedPalette palette(*window, PaletteHandle);
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

} // namespace lexiglade
