#pragma once
// The library's files hold Latin-1 text, one byte a character, as the folder tree shows it. Texts
// for people (error messages, reports) are UTF-8: library text goes into them converted.
#include <optional>
#include <string>
#include <string_view>

namespace lexiglade {

// Each byte of `text` as the Latin-1 character it stands for, in UTF-8.
std::string Latin1ToUtf8(std::string_view text);

// One character in UTF-8.
std::string EncodeUtf8(char32_t character);

// The characters of well-formed UTF-8 `text`; none when it is not (a stray or missing continuation
// byte, an overlong form, a surrogate, a code point past U+10FFFF).
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// The characters as Latin-1 bytes; none when one lies beyond Latin-1, which is then `beyond`.
std::optional<std::string> CharactersToLatin1(std::u32string_view characters, char32_t& beyond);

// Text typed by a person, in Latin-1: UTF-8 converted, other bytes taken for Latin-1 as they are.
// None when a character lies beyond Latin-1, which is then `beyond`.
std::optional<std::string> TypedTextToLatin1(std::string_view text, char32_t& beyond);

// "U+XXXX", the code point of a character as people write it.
std::string CodePointText(char32_t character);

} // namespace lexiglade
