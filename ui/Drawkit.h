#pragma once
// The palette every colour comes from, and the drawing operations the screens share.
#include "engine/BoardLayout.h"
#include "platform/GamePalette.h"
#include "platform/GdiBitmap.h"
#include "platform/GdiPalette.h"
#include "platform/GdiTypes.h"
#include "ui/SavedScreen.h"

#include <QColor>

#include <array>

namespace lexiglade {

class SurfaceForm;

// The palette, the copy of the screen that keeps the permanent marks, and the window drawn on.
struct DrawkitState {
    GamePaletteTable GamePalette{};
    PaletteRef PaletteHandle;
    SavedScreen ScreenCopy;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    SurfaceForm* DrawWindow = nullptr;

    // Entry `index` in palette-relative form; indices past the table are black.
    ColorRef PaletteColour(int index) const;
    // Entry `index` for Qt's own painting, which draws over the form's pixels; past the table,
    // black.
    QColor PaletteQColor(int index) const;

    void SaveScreen();
    void RestoreScreen();
    void FillBox(int left, int top, int right, int bottom, int penWidth, int style,
                 ColorRef colour) const;
};

// Selects and realizes `palette` for the life of the object, then puts the previous one back.
class SelectedPalette {
  public:
    SelectedPalette(DeviceContext& dc, const PaletteRef& palette);
    ~SelectedPalette();
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

  private:
    DeviceContext& dc_;
    PaletteRef previous_;
};

void DrawSegment(DeviceContext& dc, int x1, int y1, int x2, int y2);

} // namespace lexiglade
