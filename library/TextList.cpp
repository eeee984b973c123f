#include "library/TextList.h"

#include "library/AtomicFile.h"
#include "library/Errors.h"
#include "library/InputFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lexiglade {

namespace {

bool EndsLineOrText(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

} // namespace

// Skips eight bytes at a time while none of them can be a line break: list files are large and
// their lines short.
std::size_t FindLineBreak(const char* data, std::size_t pos, std::size_t size) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighBits; };
    for (; pos + 8 <= size; pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, data + pos, 8);
        if (hasZeroByte(word) | hasZeroByte(word ^ (kOnes * '\r')) |
            hasZeroByte(word ^ (kOnes * '\n'))) {
            break;
        }
    }
    while (pos < size && !EndsLineOrText(data[pos])) {
        ++pos;
    }
    return pos;
}

LineCursor::LineCursor(std::string_view text) : text_(text) {}

bool LineCursor::Next(std::string_view& line) {
    const std::size_t size = text_.size();
    if (pos_ >= size) {
        return false;
    }
    const char* data = text_.data();
    const std::size_t end = FindLineBreak(data, pos_, size);
    if (end < size && data[end] == '\0') {
        text_ = text_.substr(0, end);
        if (end == pos_) {
            return false;
        }
    }
    line = text_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < text_.size()) {
        const bool crLf = data[pos_] == '\r' && pos_ + 1 < size && data[pos_ + 1] == '\n';
        pos_ += crLf ? 2 : 1;
    }
    return true;
}

std::string ReadFileBytes(const std::string& path) {
    InputFile file(path);
    // One byte beyond the known size, so that the end shows without a second allocation.
    std::string bytes(std::max<std::size_t>(file.SizeHint() + 1, 4096), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const std::size_t got = file.Read(bytes.data() + used, bytes.size() - used);
        if (got == 0) {
            break;
        }
        used += got;
    }
    bytes.resize(used);
    return bytes;
}

TextList ParseList(std::string_view text) {
    TextList list;
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.Next(line)) {
        list.emplace_back(line);
    }
    return list;
}

TextList ReadList(const std::string& path) {
    return ParseList(ReadFileBytes(path));
}

std::string FormatList(const TextList& list) {
    std::size_t size = 0;
    for (const std::string& entry : list) {
        size += entry.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& entry : list) {
        bytes += entry;
        bytes += "\r\n";
    }
    return bytes;
}

std::string JoinMemoLines(const TextList& lines) {
    std::string text = FormatList(lines);
    text.resize(text.empty() ? 0 : text.size() - 2);
    return text;
}

void WriteList(const std::string& path, const TextList& list) {
    ReplaceFile(path, FormatList(list));
}

void WriteText(const std::string& path, std::string_view text) {
    ReplaceFile(path, text);
}

const std::string& ListItem(const TextList& list, std::int64_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= list.size()) {
        RaiseIndexOutOfBounds();
    }
    return list[static_cast<std::size_t>(index)];
}

bool IsDecimalDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
    constexpr std::size_t kSafeDigits = 9; // within 32 bits whatever they are
    if (text.size() <= kSafeDigits && IsDecimalDigits(text)) {
        std::int32_t value = 0;
        for (const char c : text) {
            value = value * 10 + (c - '0');
        }
        return value; // the common case, read without the checks below
    }
    constexpr std::int64_t kMagnitudeLimit =
        -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        pos = 1;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kMagnitudeLimit) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(const std::string& text) {
    const std::optional<std::int32_t> value = ToInt32(text);
    if (!value) {
        RaiseNotInteger(text);
    }
    return *value;
}

} // namespace lexiglade
