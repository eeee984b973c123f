#pragma once
// Taking one line out of a list file's bytes, or putting another in its place, in one pass over
// them: the catalogue lists of a large library hold a hundred thousand lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglade {

// Line `index` of the text by the list rule; none past its end.
std::optional<std::string_view> ListLineAt(std::string_view text, std::size_t index);

// The lines of `old` as WriteList writes them, with line `index` left out (no replacement) or
// replaced. None when the list has no such line.
std::optional<std::string> EditListLine(std::string_view old, std::size_t index,
                                        std::optional<std::string_view> replacement);

} // namespace lexiglade
