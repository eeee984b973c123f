#pragma once
// Best times of the puzzles, one file for games with backward words and one without.
#include <cstdint>
#include <filesystem>
#include <string>

namespace lexiglade {

// "a15.asl" with backward words allowed, "a14.asl" without.
std::string BestTimeFileName(bool backwardWords);

// Compares the elapsed time with the puzzle's line of the best-time file in dataDir and, when it
// is strictly less, rewrites that line under the library's lock. The line is the puzzle's as the
// library then stands: `puzzleIndex` while that line of "a8.asl" is `title`, else the first line
// equal to `title` (a puzzle before it was removed meanwhile); "Puzzle \"%s\" is not in the
// library" when none is. Returns the report "Time taken: ..."; the library's errors of the file,
// the line or the number pass through and leave the file untouched, as does a list holding a NUL
// byte ("The list %s is damaged: it holds a NUL byte").
std::string RecordBestTime(const std::filesystem::path& dataDir, const std::string& title,
                           std::int32_t puzzleIndex, std::int32_t elapsedSeconds,
                           bool backwardWords);

} // namespace lexiglade
