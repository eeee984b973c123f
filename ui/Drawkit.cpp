#include "ui/Drawkit.h"

#include "platform/SurfaceForm.h"

namespace lexiglade {

DrawkitState& Kit() {
    static DrawkitState state;
    return state;
}

ColorRef PaletteColour(int index) {
    const ColorRef colour = index >= 0 && index < GamePaletteSize
                                ? Kit().GamePalette[static_cast<std::size_t>(index)]
                                : PaletteRgb(0, 0, 0);
    return PaletteRelative(colour);
}

QColor PaletteQColor(int index) {
    const ColorRef entry = PaletteColour(index);
    return {GetRValue(entry), GetGValue(entry), GetBValue(entry)};
}

SelectedPalette::SelectedPalette(DeviceContext& dc)
    : dc_(dc), previous_(dc.SelectPalette(Kit().PaletteHandle, false)) {
    dc_.RealizePalette();
}

SelectedPalette::~SelectedPalette() {
    dc_.SelectPalette(previous_, true);
}

// The copy's size is ScreenWidth by ScreenHeight, which the catalogue's first paint gave it.
void SaveScreen() {
    SurfaceForm& form = *Kit().DrawWindow;
    WindowDC window(form, QRect()); // reads the window only
    SelectedPalette windowPalette(*window);
    Kit().ScreenCopy.Save(form, *window);
}

void RestoreScreen() {
    WindowDC window(*Kit().DrawWindow, Kit().ScreenCopy.SavedArea());
    SelectedPalette windowPalette(*window);
    Kit().ScreenCopy.Restore(*window);
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

} // namespace lexiglade
