#include "library/Latin1.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace lexiglade {

// A byte below 128 is the same in both; one above takes two bytes in UTF-8.
std::string Latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() + 8);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string EncodeUtf8(char32_t character) {
    constexpr char32_t kOneByte = 0x80, kTwoBytes = 0x800, kThreeBytes = 0x10000;
    const auto piece = [&](unsigned marker, int shift) {
        return static_cast<char>(marker | ((character >> shift) & 0x3F));
    };
    if (character < kOneByte) {
        return std::string(1, static_cast<char>(character));
    }
    if (character < kTwoBytes) {
        return {piece(0xC0, 6), piece(0x80, 0)};
    }
    if (character < kThreeBytes) {
        return {piece(0xE0, 12), piece(0x80, 6), piece(0x80, 0)};
    }
    return {piece(0xF0, 18), piece(0x80, 12), piece(0x80, 6), piece(0x80, 0)};
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    struct Form {
        unsigned char lead, leadMask; // the lead byte's marker bits and the mask that finds them
        std::size_t length;
        char32_t lowest; // shorter forms are overlong
    };
    static constexpr Form kForms[] = {{0x00, 0x80, 1, 0x0},
                                      {0xC0, 0xE0, 2, 0x80},
                                      {0xE0, 0xF0, 3, 0x800},
                                      {0xF0, 0xF8, 4, 0x10000}};
    constexpr char32_t kLastCode = 0x10FFFF, kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const Form* form = std::find_if(std::begin(kForms), std::end(kForms), [&](const Form& f) {
            return (lead & f.leadMask) == f.lead;
        });
        if (form == std::end(kForms) || i + form->length > text.size()) {
            return std::nullopt;
        }
        char32_t code = lead & static_cast<unsigned char>(~form->leadMask);
        for (std::size_t k = 1; k < form->length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code = code << 6 | (next & 0x3F);
        }
        if (code < form->lowest || code > kLastCode ||
            (code >= kFirstSurrogate && code <= kLastSurrogate)) {
            return std::nullopt;
        }
        decoded += code;
        i += form->length;
    }
    return decoded;
}

std::optional<std::string> CharactersToLatin1(std::u32string_view characters, char32_t& beyond) {
    constexpr char32_t kLastLatin1 = 0xFF;
    std::string latin1;
    latin1.reserve(characters.size());
    for (const char32_t c : characters) {
        if (c > kLastLatin1) {
            beyond = c;
            return std::nullopt;
        }
        latin1 += static_cast<char>(c);
    }
    return latin1;
}

std::optional<std::string> TypedTextToLatin1(std::string_view text, char32_t& beyond) {
    const std::optional<std::u32string> characters = DecodeUtf8(text);
    if (!characters) {
        return std::string(text);
    }
    return CharactersToLatin1(*characters, beyond);
}

std::string CodePointText(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return code;
}

} // namespace lexiglade
