#pragma once
// A change of the library proves itself before it is committed: its staged files are read back as
// the game reads them, and any difference from what the change promises refuses it.
#include "library/Append.h"
#include "library/FileBatch.h"
#include "library/LibraryView.h"
#include "library/TextList.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace lexiglade {

// A puzzle that a change files: where, and what it must load back as.
struct PromisedPuzzle {
    std::string title;
    FiledPuzzle filed;
    TextList words;
    TextList hints;
};

// Whole-file replacements of the library and the puzzles they file.
struct LibraryChange {
    std::vector<FileReplacement> files;
    std::vector<PromisedPuzzle> puzzles;
};

// Reads the library as `library` shows it, keeping only a line or a few buffers of each file in
// memory, and raises "... (found when the filing was read back before it was committed; the
// library was left as it is)" unless: the seven catalogue lists hold no NUL byte and have equal
// line counts; each bank pair that the view stages or a promised puzzle uses holds no NUL byte and
// has equal line counts; each promised puzzle has its record at its index, lines inside its banks
// that no other puzzle points into, and loads by its title (LoadTitledPuzzle) as exactly its words
// and hints.
void VerifyLibrary(const LibraryView& library, const std::vector<PromisedPuzzle>& puzzles);

// Under the library's lock: writes the change's new files (calling beforeWriting(i) before file
// i), proves them with VerifyLibrary, then commits them all (ReplaceAllOrNothing). On a refusal or
// a failure every file is as it was.
void FileChange(const std::string& dataDir, const LibraryChange& change,
                const std::function<void(std::size_t)>& beforeWriting);

} // namespace lexiglade
