#pragma once
// Colour values, device points and the constants of the drawing layer.
#include <compare>
#include <cstdint>

namespace lexiglade {

// Red in the low byte, green in the second, blue in the third; the top byte holds flags.
using ColorRef = std::uint32_t;

// Or-ed into a colour: draw it as the nearest entry of the selected logical palette.
inline constexpr ColorRef kPaletteRelativeFlag = 0x02000000;
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

// A plain colour, top byte 0 (the layout of the RGB macro); see PaletteRelative for the flag.
constexpr ColorRef PaletteRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorRef{red} | (ColorRef{green} << 8) | (ColorRef{blue} << 16);
}
constexpr ColorRef PaletteRelative(ColorRef colour) {
    return colour | kPaletteRelativeFlag;
}
constexpr bool IsPaletteRelative(ColorRef colour) {
    return (colour & kPaletteRelativeFlag) != 0;
}
constexpr std::uint8_t GetRValue(ColorRef colour) {
    return colour & 0xFF;
}
constexpr std::uint8_t GetGValue(ColorRef colour) {
    return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t GetBValue(ColorRef colour) {
    return (colour >> 16) & 0xFF;
}

struct DevicePoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(DevicePoint, DevicePoint) = default;
    friend constexpr auto operator<=>(DevicePoint, DevicePoint) = default;
};

// Text alignment flags; horizontal and vertical parts are or-ed.
inline constexpr std::uint32_t TA_LEFT = 0;
inline constexpr std::uint32_t TA_RIGHT = 2;
inline constexpr std::uint32_t TA_CENTER = 6;
inline constexpr std::uint32_t TA_TOP = 0;
inline constexpr std::uint32_t TA_BOTTOM = 8;
inline constexpr std::uint32_t TA_BASELINE = 24;

// Background modes of text.
enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// Pen mixing modes: the pen's colour replaces the screen's, or is combined with it by XOR.
enum PenMix : int { R2_XORPEN = 7, R2_COPYPEN = 13 };

// Pen styles.
enum PenStyle : int { PS_SOLID = 0 };

// Block transfer operations.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
inline constexpr std::uint32_t BLACKNESS = 0x00000042;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062;

// Device capabilities.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;

} // namespace lexiglade
