#include "library/Puzzle.h"

#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/Paths.h"

#include <limits>
#include <string_view>
#include <utility>

namespace lexiglade {

namespace {

// Index of the first line equal to `title`, or "Puzzle \"%s\" is not in the library".
std::int32_t FindTitle(const std::string& titleList, const std::string& title) {
    const std::string bytes = ReadFileBytes(titleList);
    LineCursor cursor(bytes);
    std::string_view line;
    for (std::int32_t index = 0; cursor.Next(line); ++index) {
        if (line == title) {
            return index;
        }
        if (index == std::numeric_limits<std::int32_t>::max()) {
            break;
        }
    }
    RaiseNotInLibrary(title);
}

// Skips `count` lines; "List index out of bounds" when the text has fewer.
void SkipLines(LineCursor& cursor, std::int64_t count) {
    std::string_view line;
    for (std::int64_t i = 0; i < count; ++i) {
        if (!cursor.Next(line)) {
            RaiseIndexOutOfBounds();
        }
    }
}

std::string LineOfFile(const std::string& path, std::int32_t index) {
    const std::string bytes = ReadFileBytes(path);
    LineCursor cursor(bytes);
    SkipLines(cursor, index);
    std::string_view line;
    if (!cursor.Next(line)) {
        RaiseIndexOutOfBounds();
    }
    return std::string(line);
}

// Lines first to last of the bank, checked to exist before any is copied.
TextList BankLines(const std::string& path, std::int32_t first, std::int32_t last) {
    const std::string bytes = ReadFileBytes(path);
    TextList lines;
    if (last < first) {
        return lines;
    }
    if (first < 0) {
        RaiseIndexOutOfBounds();
    }
    LineCursor cursor(bytes);
    SkipLines(cursor, first);
    LineCursor range = cursor;
    const std::int64_t count = std::int64_t{last} - first + 1;
    SkipLines(cursor, count);
    lines.reserve(static_cast<std::size_t>(count));
    std::string_view line;
    while (static_cast<std::int64_t>(lines.size()) < count && range.Next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace

bool IsPuzzleItem(const TreeModel& tree, std::size_t s) {
    if (s >= tree.size() || tree[s].level <= 1) {
        return false;
    }
    return s + 1 >= tree.size() || tree[s + 1].level <= tree[s].level;
}

bool LoadPuzzle(const TreeModel& tree, std::size_t selected, const std::string& dataDir,
                LoadedPuzzle& puzzle) {
    if (!IsPuzzleItem(tree, selected)) {
        return false;
    }
    puzzle = LoadTitledPuzzle(LibraryView(dataDir), tree[selected].text);
    return true;
}

LoadedPuzzle LoadTitledPuzzle(const LibraryView& library, const std::string& title) {
    LoadedPuzzle loaded;
    loaded.title = title;
    const std::int32_t index = FindTitle(library.PathOf(LibraryFiles::Titles), title);
    loaded.puzzleIndex = index;
    const std::string wordBank = LineOfFile(library.PathOf(LibraryFiles::WordBanks), index);
    const std::string hintBank = LineOfFile(library.PathOf(LibraryFiles::HintBanks), index);
    RequirePlainFileName(wordBank); // a bank is never read from outside the library
    RequirePlainFileName(hintBank);
    const std::int32_t first =
        StrToInt(LineOfFile(library.PathOf(LibraryFiles::FirstBankLines), index));
    const std::int32_t last =
        StrToInt(LineOfFile(library.PathOf(LibraryFiles::LastBankLines), index));
    loaded.words = BankLines(library.PathOf(wordBank), first, last);
    loaded.hints = BankLines(library.PathOf(hintBank), first, last);
    return loaded;
}

} // namespace lexiglade
