#pragma once
// Best times of the puzzles, one file for games with backward words and one without.
#include <cstdint>
#include <filesystem>
#include <string>

namespace lexiglade {

// "a15.asl" with backward words allowed, "a14.asl" without.
std::string BestTimeFileName(bool backwardWords);

// What a finished game found in the best-time file.
struct BestTimeRecord {
    std::int32_t previousBest = 0; // the puzzle's time before the game, in seconds
    bool recorded = false;         // the game was strictly faster and its time was written
};

// Compares the elapsed time with the puzzle's line of the best-time file in dataDir and, when it
// is strictly less, rewrites that line under the library's lock. The line is the puzzle's as the
// library then stands: `puzzleIndex` while that line of "a8.asl" is `title`, else the first line
// equal to `title` (a puzzle before it was removed meanwhile); "Puzzle \"%s\" is not in the
// library" when none is. The library's errors of the file, the line or the number pass through and
// leave the file untouched, as does a list holding a NUL byte ("The list %s is damaged: it holds a
// NUL byte").
BestTimeRecord RecordBestTime(const std::filesystem::path& dataDir, const std::string& title,
                              std::int32_t puzzleIndex, std::int32_t elapsedSeconds,
                              bool backwardWords);

} // namespace lexiglade
