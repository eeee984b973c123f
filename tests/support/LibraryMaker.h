#pragma once
// Sound libraries of any size, written straight to a folder, and snapshots of a library's files.
#include "library/Append.h"
#include "library/TextList.h"

#include <cstddef>
#include <map>
#include <string>

namespace lexiglade::test {

// `puzzles` puzzles of `words` words each ("Puzzle 0", "Puzzle 1", ...), in folders of 100
// ("Folder 0", ...), banked as filing banks them: a pair takes puzzles while its word bank holds
// at most 1500 lines. Best times 300 and 930.
void MakeLibrary(const std::string& dataDir, std::size_t puzzles, std::size_t words);

// A puzzle of `words` words under `title`, for AppendPuzzleToFolder (its tree is left empty).
NewPuzzle MakePuzzle(const std::string& title, std::size_t words);

// What the game loads for a puzzle: its words and hints, and its two best times.
struct PlayedPuzzle {
    TextList words, hints;
    std::string plainBest, backwardBest;
    bool operator==(const PlayedPuzzle&) const = default;
};

// Every puzzle of "a8.asl" by title, as the game loads it.
std::map<std::string, PlayedPuzzle> PlayEveryPuzzle(const std::string& dataDir);

// `played` as a change leaves it that takes the title `gone` away (none when empty) and gives its
// puzzle the title `now` (none when empty).
void Retitle(std::map<std::string, PlayedPuzzle>& played, const std::string& gone,
             const std::string& now);

using FileSnapshot = std::map<std::string, std::string>;

// Every file of the folder (not below it) by name with its bytes, but the lock file, which stays
// once a writer has made it.
FileSnapshot SnapshotFiles(const std::string& folder);

// Makes the folder hold exactly `files` again, rewriting only what differs from `now`, a snapshot
// taken since the last change (by default, one taken here).
void RestoreFiles(const std::string& folder, const FileSnapshot& files, const FileSnapshot& now);
void RestoreFiles(const std::string& folder, const FileSnapshot& files);

} // namespace lexiglade::test
