#pragma once
// The library's invariants, checked all at once, and its contents as folders of puzzles.
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// The seven catalogue lists, which hold one line per puzzle each.
inline constexpr const auto& kCatalogueLists = LibraryFiles::kCatalogueLists;

struct LibraryReport {
    Recovery recovery = Recovery::Nothing; // what had to be settled first
    std::vector<std::string> problems;     // one line each
};

// Finishes or undoes a filing that was cut short, then checks every invariant (LibraryProblems),
// holding the library's lock while it does (when the folder can be written at all).
LibraryReport CheckLibrary(const std::filesystem::path& dataDir);

// One line per problem, in this order: a list that cannot be read or holds a NUL byte, line counts
// that differ from that of "a8.asl"; then for each puzzle: bank names that are not plain file
// names or not a pair b(N).asl/b(N+1).asl with N odd, banks that cannot be read, first and last
// lines that are not numbers or lie outside either bank (F >= 0, E >= F - 1, E below each bank's
// line count), an empty hint, a first hint with a full stop among hints that are not all
// pictures (the game would take them for pictures), pictures of a picture puzzle that are
// missing; then the bank pairs that filing tries or a puzzle uses: a bank holding a NUL byte, two
// banks of a pair that differ in line count; then the folder tree: a tree that cannot be loaded,
// titles of "a8.asl" under no folder, tree puzzles missing from "a8.asl"; then best times that are
// not whole numbers of seconds. Library text in the lines is UTF-8.
std::vector<std::string> LibraryProblems(const std::filesystem::path& dataDir);

struct ListedPuzzle {
    std::string title;
    bool inLibrary = false; // its title is a line of "a8.asl"
    std::optional<std::int32_t> words;
    std::optional<std::int32_t> plainBest;    // seconds, without backward words
    std::optional<std::int32_t> backwardBest; // seconds, with backward words
};

struct ListedFolder {
    std::string name;
    std::vector<ListedPuzzle> puzzles;
};

// The folders of the tree in order, each with its puzzles: word counts from their first and last
// bank lines, best times from "a14.asl" and "a15.asl"; what cannot be read stays empty.
std::vector<ListedFolder> ListLibrary(const std::filesystem::path& dataDir);

// ListLibrary handed on one item at a time: each folder's name, then each of its puzzles. Holds an
// index of the titles and the numbers of each line of "a8.asl", never the titles themselves. An
// error of the folder tree ("Cannot open file %s", "File load error", ...) is raised before
// anything is handed on.
void WalkLibraryListing(const std::filesystem::path& dataDir,
                        const std::function<void(const std::string& folder)>& folder,
                        const std::function<void(const ListedPuzzle& puzzle)>& puzzle);

} // namespace lexiglade
