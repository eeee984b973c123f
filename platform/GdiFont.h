#pragma once
// Fonts by face name and pixel height, mapped onto font files that ship with every system.
#include <string>
#include <string_view>

class QFont;

namespace lexiglade {

// "System" is DejaVu Sans Bold, "Times New Roman" is Liberation Serif, any other face DejaVu Sans.
struct Font {
    std::string face = "System";
    int height = 13; // pixel size of the characters
    bool bold = false;
};

// A negative height asks for the same character height as its absolute value; 0 means 13.
Font CreateFont(std::string_view face, int heightPixels, bool bold = false);

// The Qt font that draws `font`. Needs the application object.
QFont ToQFont(const Font& font);

} // namespace lexiglade
