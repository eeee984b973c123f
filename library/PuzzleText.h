#pragma once
// What a title, folder name, word or hint may hold, and how the game reads a puzzle's hints.
#include <string_view>

namespace lexiglade {

// A C0 control character (0 to 31), DEL (127) or a C1 control character (128 to 159), as the
// Latin-1 byte that stores it.
bool IsControlCharacter(char c);
bool HoldsControlCharacter(std::string_view text);

// The game takes a puzzle's hints for the names of picture files when its first hint holds a full
// stop.
bool TakenForPictures(std::string_view firstHint);

// A hint that names a bitmap file: it holds ".BMP" in any case.
bool NamesBitmap(std::string_view hint);

} // namespace lexiglade
