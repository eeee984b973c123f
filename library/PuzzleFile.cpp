#include "library/PuzzleFile.h"

#include "library/Errors.h"
#include "library/Latin1.h"
#include "library/ListAppend.h"

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char32_t kLastLatin1 = 0xFF;

[[noreturn]] void RaiseOnLine(std::size_t line, const std::string& path, const std::string& what) {
    throw LibraryError("Line " + std::to_string(line) + " of " + path + " " + what);
}

// The line, counted from 1, on which byte `at` of the text lies.
std::size_t LineOfByte(std::string_view text, std::size_t at) {
    const std::string_view before = text.substr(0, at);
    const bool onNewLine = before.empty() || before.back() == '\r' || before.back() == '\n';
    return ScanList(before).lines + (onNewLine ? 1 : 0);
}

// A UTF-8 line in Latin-1; a character beyond Latin-1 is refused naming the line.
std::string ToLatin1(const std::u32string& line, std::size_t number, const std::string& path) {
    std::string latin1;
    for (const char32_t c : line) {
        if (c > kLastLatin1) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            RaiseOnLine(number, path,
                        "holds the character \"" + EncodeUtf8(c) + "\" (" + code +
                            "), which the library cannot store: it keeps Latin-1 characters only");
        }
        latin1 += static_cast<char>(c);
    }
    return latin1;
}

// The file's lines in Latin-1.
TextList ReadLatin1Lines(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    if (std::string_view(bytes).starts_with(kByteOrderMark)) {
        bytes.erase(0, kByteOrderMark.size());
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) {
        RaiseOnLine(LineOfByte(bytes, nul), path, "holds a NUL byte");
    }
    TextList lines = ParseList(bytes);
    std::vector<std::u32string> decoded;
    for (const std::string& line : lines) {
        std::optional<std::u32string> characters = DecodeUtf8(line);
        if (!characters) {
            return lines; // not UTF-8: its bytes are taken for Latin-1 characters
        }
        decoded.push_back(std::move(*characters));
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = ToLatin1(decoded[i], i + 1, path);
    }
    return lines;
}

} // namespace

PuzzleFile ReadPuzzleFile(const std::string& path) {
    TextList lines = ReadLatin1Lines(path);
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back(); // as in the wizard's memos, empty last lines are no words
    }
    if (lines.size() < 2) {
        throw LibraryError(path + " must hold the title on its first line and the folder on its "
                                  "second");
    }
    PuzzleFile puzzle{lines[0], lines[1], {}, {}};
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == std::string::npos) {
            RaiseOnLine(i + 1, path, "has no tab between the word and its hint");
        }
        puzzle.words.push_back(lines[i].substr(0, tab));
        puzzle.hints.push_back(lines[i].substr(tab + 1));
    }
    return puzzle;
}

} // namespace lexiglade
