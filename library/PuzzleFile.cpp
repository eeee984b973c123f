#include "library/PuzzleFile.h"

#include "library/Folders.h"
#include "library/Latin1.h"
#include "library/LibraryFiles.h"
#include "library/ListAppend.h"
#include "library/Puzzle.h"

#include <optional>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

using Kind = PuzzleFileError::Kind;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void RaiseOnLine(Kind kind, std::size_t line, std::string_view text,
                              const std::string& path, const std::string& what,
                              char32_t character = 0) {
    throw PuzzleFileError(kind, line, std::string(text), character,
                          "Line " + std::to_string(line) + " of " + path + " " + what);
}

// The line, counted from 1, on which byte `at` of the text lies.
std::size_t LineOfByte(std::string_view text, std::size_t at) {
    const std::string_view before = text.substr(0, at);
    const bool onNewLine = before.empty() || before.back() == '\r' || before.back() == '\n';
    return ScanList(before).lines + (onNewLine ? 1 : 0);
}

// The text of the line on which byte `at` lies, up to that byte.
std::string_view LineUpTo(std::string_view text, std::size_t at) {
    const std::size_t start = at == 0 ? std::string_view::npos : text.find_last_of("\r\n", at - 1);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    return text.substr(from, at - from);
}

// A UTF-8 line in Latin-1; a character beyond Latin-1 is refused naming the line.
std::string ToLatin1(const std::u32string& line, std::string_view utf8, std::size_t number,
                     const std::string& path) {
    char32_t beyond = 0;
    std::optional<std::string> latin1 = CharactersToLatin1(line, beyond);
    if (!latin1) {
        RaiseOnLine(Kind::BeyondLatin1, number, utf8, path,
                    "holds the character \"" + EncodeUtf8(beyond) + "\" (" + CodePointText(beyond) +
                        "), which the library cannot store: it keeps Latin-1 characters only",
                    beyond);
    }
    return std::move(*latin1);
}

// The file's lines in Latin-1.
TextList ReadLatin1Lines(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    if (std::string_view(bytes).starts_with(kByteOrderMark)) {
        bytes.erase(0, kByteOrderMark.size());
    }
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) {
        const std::string_view before = LineUpTo(bytes, nul);
        const std::optional<std::u32string> utf8 = DecodeUtf8(before);
        RaiseOnLine(Kind::NulByte, LineOfByte(bytes, nul),
                    utf8 ? std::string(before) : Latin1ToUtf8(before), path, "holds a NUL byte");
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
        lines[i] = ToLatin1(decoded[i], lines[i], i + 1, path);
    }
    return lines;
}

} // namespace

PuzzleFile ReadPuzzleFile(const std::string& path) {
    TextList lines = ReadLatin1Lines(path);
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back(); // as in the wizard's memos, empty last lines are no words
    }
    if (lines.size() < kPuzzleFileFolderLine) {
        throw PuzzleFileError(Kind::NoFolder, lines.size() + 1, {}, 0,
                              path + " must hold the title on its first line and the folder on "
                                     "its second");
    }
    PuzzleFile puzzle{lines[0], lines[1], {}, {}};
    for (std::size_t i = kPuzzleFileFolderLine; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == std::string::npos) {
            RaiseOnLine(Kind::NoTab, i + 1, Latin1ToUtf8(lines[i]), path,
                        "has no tab between the word and its hint");
        }
        puzzle.words.push_back(lines[i].substr(0, tab));
        puzzle.hints.push_back(lines[i].substr(tab + 1));
    }
    return puzzle;
}

std::string FormatPuzzleFile(const PuzzleFile& puzzle) {
    std::string text = Latin1ToUtf8(puzzle.title) + '\n' + Latin1ToUtf8(puzzle.folder) + '\n';
    for (std::size_t i = 0; i < puzzle.words.size() && i < puzzle.hints.size(); ++i) {
        text += Latin1ToUtf8(puzzle.words[i]) + '\t' + Latin1ToUtf8(puzzle.hints[i]) + '\n';
    }
    return text;
}

PuzzleFile ExportPuzzle(const std::filesystem::path& dataDir, const std::string& title) {
    LoadedPuzzle loaded = LoadTitledPuzzle(LibraryView(dataDir), title);
    const std::optional<std::string> folder =
        FolderOfPuzzle(ReadList(dataDir / LibraryFiles::kFolderTree), title);
    if (!folder) {
        RaiseUnderNoFolder(title);
    }
    return {title, *folder, std::move(loaded.words), std::move(loaded.hints)};
}

} // namespace lexiglade
