#include "library/ListEdit.h"

#include "library/TextList.h"

namespace lexiglade {

std::optional<std::string_view> ListLineAt(std::string_view text, std::size_t index) {
    LineCursor cursor(text);
    std::string_view line;
    for (std::size_t i = 0; cursor.Next(line); ++i) {
        if (i == index) {
            return line;
        }
    }
    return std::nullopt;
}

std::optional<std::string> EditListLine(std::string_view old, std::size_t index,
                                        std::optional<std::string_view> replacement) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string edited;
    edited.reserve(old.size() + kLineEnd.size() + (replacement ? replacement->size() : 0));
    LineCursor cursor(old);
    std::string_view line;
    std::size_t i = 0;
    for (; cursor.Next(line); ++i) {
        if (i == index && !replacement) {
            continue;
        }
        edited += i == index ? *replacement : line;
        edited += kLineEnd;
    }
    if (index >= i) {
        return std::nullopt;
    }
    return edited;
}

} // namespace lexiglade
