#pragma once
// A puzzle written as a plain text file: the title on the first line, the folder on the second,
// then one line per word, the word and its hint separated by a tab.
#include "library/Errors.h"
#include "library/TextList.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>

namespace lexiglade {

struct PuzzleFile {
    std::string title; // Latin-1, as the library stores it
    std::string folder;
    TextList words;
    TextList hints; // hints[i] is the hint of words[i]
};

// The line of a puzzle file, counted from 1, that holds word `index`.
inline constexpr std::size_t PuzzleFileLineOfWord(std::size_t index) {
    return index + 3;
}
// The lines of the title and of the folder.
inline constexpr std::size_t kPuzzleFileTitleLine = 1;
inline constexpr std::size_t kPuzzleFileFolderLine = 2;

// A puzzle file that cannot be read as one: what is wrong, on which line, with the line's text
// (UTF-8; up to a NUL byte) so that messages can name it.
class PuzzleFileError : public LibraryError {
  public:
    enum class Kind { NulByte, BeyondLatin1, NoTab, NoFolder };
    PuzzleFileError(Kind kind, std::size_t line, std::string text, char32_t character,
                    const std::string& message)
        : LibraryError(message), kind(kind), line(line), text(std::move(text)),
          character(character) {}
    Kind kind;
    std::size_t line;      // counted from 1
    std::string text;      // the line's text; empty for a missing line
    char32_t character{0}; // the character beyond Latin-1
};

// Reads the file as UTF-8 after a byte-order mark, if any, or as Latin-1 when it is not valid
// UTF-8, and keeps its text in Latin-1. Empty last lines are dropped. Refusals are PuzzleFileErrors
// that name the file and its line: "Line N of FILE holds a NUL byte", "Line N of FILE holds the
// character \"C\" (U+XXXX), which the library cannot store: it keeps Latin-1 characters only",
// "Line N of FILE has no tab between the word and its hint", "FILE must hold the title on its
// first line and the folder on its second"; "Cannot open file %s" when it cannot be read.
PuzzleFile ReadPuzzleFile(const std::string& path);

// The file's text in UTF-8, each line ended by a line feed: ReadPuzzleFile reads it back as the
// same puzzle.
std::string FormatPuzzleFile(const PuzzleFile& puzzle);

// The puzzle titled `title` of the library in `dataDir` as a puzzle file: its words and hints as
// the game loads them, its folder the one above its first line in the folder tree. Errors as
// LoadTitledPuzzle; "The puzzle \"%s\" is under no folder of the tree" when it has none.
PuzzleFile ExportPuzzle(const std::filesystem::path& dataDir, const std::string& title);

} // namespace lexiglade
