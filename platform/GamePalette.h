#pragma once
// The game's 212 colours, the logical palette made of them, and the entries the screens use.
#include "platform/GdiPalette.h"
#include "platform/GdiTypes.h"

#include <array>

namespace lexiglade {

inline constexpr int kGamePaletteSize = 212;
using GamePaletteTable = std::array<ColorRef, kGamePaletteSize>;

// Entries 0 to 210 of the table; entry 211 stays black.
void BuildPalette(GamePaletteTable& palette);
// The 256-entry logical palette: the table's 212 colours, then black.
PaletteRef CreateGamePalette(const GamePaletteTable& palette);
// The logical palette of a freshly built table, for work that draws with the game's colours.
PaletteRef GamePaletteHandle();

// The entries the screens draw with.
namespace PaletteRole {
inline constexpr int kBackground = 69; // the screens' black, and the letters of the grid
inline constexpr int kLetters = 69;
inline constexpr int kFoundWord = 35; // the capsule of a found word
// The capsule of a word not found when a timed game ran out: red, unlike the found words' blue.
inline constexpr int kUnfoundWord = 97;
inline constexpr int kClockText = 94; // the clock; its area is cleared with Background
inline constexpr int kTitleFace = 95;
inline constexpr int kTitleShadow = 99;
inline constexpr int kSelection = 27; // the rubber band, unless the hidden buttons moved it
// The keyboard's cell frame: a light edge that stands out on the capsules and a dark one that
// stands out on the cells and the band.
inline constexpr int kCursor = 89;
inline constexpr int kCursorEdge = 69;
} // namespace PaletteRole

} // namespace lexiglade
