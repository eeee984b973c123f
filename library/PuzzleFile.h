#pragma once
// A new puzzle written as a plain text file: the title on the first line, the folder on the second,
// then one line per word, the word and its hint separated by a tab.
#include "library/TextList.h"

#include <cstddef>
#include <string>

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

// Reads the file as UTF-8 after a byte-order mark, if any, or as Latin-1 when it is not valid
// UTF-8, and keeps its text in Latin-1. Empty last lines are dropped. Refusals name the file and
// its line: "Line N of FILE holds a NUL byte", "Line N of FILE holds the character \"C\" (U+XXXX),
// which the library cannot store: it keeps Latin-1 characters only", "Line N of FILE has no tab
// between the word and its hint", "FILE must hold the title on its first line and the folder on
// its second"; "Cannot open file %s" when it cannot be read.
PuzzleFile ReadPuzzleFile(const std::string& path);

} // namespace lexiglade
