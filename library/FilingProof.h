#pragma once
// A change of the library proves itself before it is committed: its staged files are read back as
// the game reads them, and any difference from what the change promises refuses it.
#include "library/FileBatch.h"
#include "library/LibraryView.h"
#include "library/PuzzleFiling.h"
#include "library/TextList.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// A puzzle that a change files: where, and what it must load back as.
struct PromisedPuzzle {
    std::string title;
    FiledPuzzle filed;
    TextList words;
    TextList hints;
    // When given, the folder tree shows the puzzle under the top-level folder of this name.
    std::optional<std::string> folder = std::nullopt;
};

// A record that a change takes out of the catalogue lists, or rewrites where it stands.
struct RecordEdit {
    std::size_t record = 0;
    bool removed = false;
};

// Whole-file replacements of the library and the puzzles they file.
struct LibraryChange {
    std::vector<FileReplacement> files;
    std::vector<PromisedPuzzle> puzzles;
    // The only record the change alters: every other line of each catalogue list it replaces
    // stays as it was.
    std::optional<RecordEdit> edit = std::nullopt;
    // Titles that no puzzle of the folder tree may show any more.
    std::vector<std::string> goneFromTree = {};
};

// Reads the library as `library` shows it, keeping only a line or a few buffers of each file in
// memory, and raises "... (found when the filing was read back before it was committed; the
// library was left as it is)" unless: the seven catalogue lists hold no NUL byte and have equal
// line counts; each bank pair that the view stages or a promised puzzle uses holds no NUL byte and
// has equal line counts; each promised puzzle has its record at its index, lines inside its banks
// that no other puzzle points into, and loads by its title (LoadTitledPuzzle) as exactly its words
// and hints.
void VerifyLibrary(const LibraryView& library, const std::vector<PromisedPuzzle>& puzzles);

// VerifyLibrary of the change's puzzles, and then: the catalogue lists the view stages hold the
// lines of the committed lists but for the record of `change.edit`, and the staged folder tree
// loads, shows each promised puzzle with a folder under that folder, and none of the titles gone
// from it. A change that files one puzzle and appends to some lists in place is proved without
// walking them, as what was planned from them (ProvePlacement) and what is written: each list
// appended to must still show the stamp it had when the change was worked out, its new line is
// read back, each list written anew is read through; their line counts must agree, the record be
// the one promised, and the staged banks hold the puzzle's words and hints.
void VerifyChange(const LibraryView& library, const LibraryChange& change);

// What filing found in the lists before it appends to them: the first line of "a8.asl" that holds
// the new title, and the first and last bank line of each record that names a bank of the new
// puzzle's pair.
struct PlacementFacts {
    std::optional<std::uint64_t> titleLine;
    std::map<std::uint64_t, std::pair<std::string, std::string>> sharing;
};

// Refuses, as VerifyLibrary does, a puzzle that another puzzle already points into ("The puzzle
// \"%s\" (line N of a8.asl) already points into lines F to E of ...") or whose title loads another
// puzzle ("The title \"%s\" loads the puzzle on line N of a8.asl").
void ProvePlacement(const std::filesystem::path& dataDir, const PromisedPuzzle& puzzle,
                    const PlacementFacts& facts);

// Under the library's lock: writes the change's new files (calling beforeWriting(i) before file
// i), proves them with VerifyChange, then commits them all (ReplaceAllOrNothing). On a refusal or
// a failure every file is as it was.
void FileChange(const std::filesystem::path& dataDir, const LibraryChange& change,
                const std::function<void(std::size_t)>& beforeWriting);

} // namespace lexiglade
