#pragma once
// The game's name as its windows and its error box show it.

namespace lexiglade {

inline constexpr const char* ApplicationTitle = "Lexiglade";

} // namespace lexiglade
