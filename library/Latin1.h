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

} // namespace lexiglade
