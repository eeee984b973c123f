#include "library/Latin1.h"

namespace lexiglade {

std::string Latin1ToUtf8(std::string_view text) {
    constexpr unsigned kFirstWide = 0x80;
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < kFirstWide) {
            utf8 += c;
        } else { // two bytes: 110000xx 10xxxxxx
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

} // namespace lexiglade
