// Parses the input as a list file, converts every line as a number, and writes lists back.
#include "library/Errors.h"
#include "library/Latin1.h"
#include "library/TextList.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using lexiglade::TextList;

bool HasLineBreakOrNul(std::string_view line) {
    return line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Optional sign, then only decimal digits, within 32 bits.
std::optional<std::int32_t> ExpectedNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string digits = negative ? "-" : "";
    digits += text;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

void CheckNumber(const std::string& line) {
    std::optional<std::int32_t> value;
    try {
        value = lexiglade::StrToInt(line);
    } catch (const lexiglade::LibraryError& error) {
        if (line.find('\0') == std::string::npos &&
            error.what() !=
                "'" + lexiglade::Latin1ToUtf8(line) + "' is not a valid integer value") {
            __builtin_trap();
        }
    }
    if (value != ExpectedNumber(line)) {
        __builtin_trap();
    }
}

void CheckRoundTrip(const TextList& list) {
    if (lexiglade::ParseList(lexiglade::FormatList(list)) != list) {
        __builtin_trap();
    }
}

// Pieces of the input between line feeds, without those that hold a CR or NUL.
TextList CleanPieces(std::string_view text) {
    TextList pieces;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= text.size(); ++end) {
        if (end == text.size() || text[end] == '\n') {
            const std::string_view piece = text.substr(start, end - start);
            if (!HasLineBreakOrNul(piece)) {
                pieces.emplace_back(piece);
            }
            start = end + 1;
        }
    }
    return pieces;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TextList list = lexiglade::ParseList(text);
    for (const std::string& line : list) {
        if (HasLineBreakOrNul(line)) {
            __builtin_trap();
        }
        CheckNumber(line);
        try {
            lexiglade::ListItem(list, static_cast<std::int64_t>(line.size()) - 1);
        } catch (const lexiglade::LibraryError&) {
        }
    }
    CheckRoundTrip(list);
    CheckRoundTrip(CleanPieces(text));
    CheckNumber(std::string(text));
    return 0;
}
