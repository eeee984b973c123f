#pragma once
// The scale at which the game shows its forms. Every form keeps its logical pixels; on the screen
// each logical pixel becomes a block of device pixels, and text is drawn at device resolution.
#include <cmath>

namespace lexiglade {

// The catalogue's background picture, the largest picture the scale has to fit on the screen.
inline constexpr int kDesignWidth = 640;
inline constexpr int kDesignHeight = 480;
// Rows left at least for a window manager's title bar on X, or for a Wayland desktop's panel at
// the output's scale 1.
inline constexpr int kLeastTitleBarRoom = 32;

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
// largest quarter step at which the design size fits beside a window's title bar (5 % of the
// height, at least `leastRoom` rows), at least 1.
double ChooseDisplayScale(int width, int height, int leastRoom = kLeastTitleBarRoom);

// The screen the game starts on, as the window system reports it.
struct StartScreen {
    int width = 0; // the area free for windows, in device pixels
    int height = 0;
    double platformRatio = 1.0; // the window system's own device pixels per pixel
    // On Wayland the area still holds the desktop's panel, at the window system's scale, and the
    // maximized forms have no title bar; on X the window manager's work area leaves panels out and
    // a title bar frames every window.
    bool panelsInside = false;
};

double ChooseDisplayScale(const StartScreen& screen);

// Whether the game's maximized forms go without a title bar: on Wayland, where Qt would draw one
// inside the area below the desktop's panel and so leave room for a smaller scale only. The forms
// end by their own hotspots and keys; dialogs and message boxes keep their title bars.
bool MaximizedFormsWithoutTitleBar();

// Once the application object exists and before any window does: shows every form, dialog and
// message box at the scale chosen for the screen the game starts on, on X and on Wayland. A scale
// factor that the player sets (QT_SCALE_FACTOR) stands, and other window systems keep their own.
void ApplyDisplayScale();

} // namespace lexiglade
