#pragma once
// Finding a puzzle of the folder tree in the library by its title and loading its words and hints.
#include "library/LibraryView.h"
#include "library/TextList.h"
#include "library/TreeFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lexiglade {

struct LoadedPuzzle {
    std::string title;
    std::int32_t puzzleIndex = 0; // line of the title in "a8.asl"
    TextList words;
    TextList hints; // hints[i] is the hint of words[i]
};

// True when item `s` is a puzzle: below the top level and without deeper items after it.
bool IsPuzzleItem(const TreeModel& tree, std::size_t s);

// Loads tree item `selected` from the library in `dataDir`. False, with nothing changed, when the
// item is not a puzzle. The title is looked up byte for byte in "a8.asl" (first equal line wins;
// none: "Puzzle \"%s\" is not in the library"); that line of "a9.asl" to "a12.asl" names the word
// bank, the hint bank and the first and last bank line, which become the words and hints. A bank
// name that is not a plain file name is refused ("\"%s\" is not a plain file name ...").
// On any error `puzzle` is left exactly as it was.
bool LoadPuzzle(const TreeModel& tree, std::size_t selected, const std::filesystem::path& dataDir,
                LoadedPuzzle& puzzle);

// The puzzle titled `title` as LoadPuzzle loads it, from the files `library` shows.
LoadedPuzzle LoadTitledPuzzle(const LibraryView& library, const std::string& title);

} // namespace lexiglade
