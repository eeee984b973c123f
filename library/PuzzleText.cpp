#include "library/PuzzleText.h"

#include <algorithm>

namespace lexiglade {

bool IsControlCharacter(char c) {
    constexpr unsigned kFirstPrintable = 0x20, kDelete = 0x7F, kLastC1 = 0x9F;
    const auto code = static_cast<unsigned char>(c);
    return code < kFirstPrintable || (code >= kDelete && code <= kLastC1);
}

bool HoldsControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControlCharacter);
}

bool TakenForPictures(std::string_view firstHint) {
    return firstHint.find('.') != std::string_view::npos;
}

bool NamesBitmap(std::string_view hint) {
    constexpr std::string_view kExtension = ".bmp";
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    const auto found = std::search(hint.begin(), hint.end(), kExtension.begin(), kExtension.end(),
                                   [&](char a, char b) { return lower(a) == b; });
    return found != hint.end();
}

} // namespace lexiglade
