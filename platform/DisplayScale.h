#pragma once
// The scale at which the game shows its forms. Every form keeps its logical pixels; on the screen
// each logical pixel becomes a block of device pixels, and text is drawn at device resolution.
#include <cmath>

namespace lexiglade {

// The catalogue's background picture, the largest picture the scale has to fit on the screen.
inline constexpr int kDesignWidth = 640;
inline constexpr int kDesignHeight = 480;

// The first device pixel of logical pixel `logical` at `scale` device pixels per logical pixel.
// Logical pixel x covers device pixels DevicePixel(x) to DevicePixel(x + 1) - 1: the blocks tile
// the device without gap or overlap, and a device pixel d lies in the block of floor(d / scale).
inline int DevicePixel(int logical, double scale) {
    return static_cast<int>(std::ceil(logical * scale));
}

// The logical pixel under a position given in logical units (device position / scale), such as
// a mouse position; the allowance absorbs the rounding of that division.
inline int LogicalPixel(double position) {
    constexpr double kRounding = 1e-6;
    return static_cast<int>(std::floor(position + kRounding));
}

// Device pixels per logical pixel for a screen area of `width` x `height` device pixels: the
// largest quarter step at which the design size fits beside a window's title bar, at least 1.
double ChooseDisplayScale(int width, int height);

// Before the application object exists: sets Qt's scale factor so that the game shows its forms
// at the chosen scale on the X screen it starts on, in the area its window manager leaves free of
// panels. A scale factor that the environment already
// sets (QT_SCALE_FACTOR) is kept, and other window systems keep their own scaling.
void ApplyDisplayScale();

} // namespace lexiglade
