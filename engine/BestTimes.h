#pragma once
// Best times of the puzzles, one file for games with backward words and one without.
#include <cstdint>
#include <string>

namespace lexiglade {

// "a15.asl" with backward words allowed, "a14.asl" without.
std::string BestTimeFileName(bool backwardWords);

// Compares the elapsed time with the puzzle's line of the best-time file in dataDir and, when it
// is strictly less, rewrites that line under the library's lock. Returns the report "Time taken:
// ..."; the library's errors of the file, the line or the number pass through and leave the file
// untouched, as does a list holding a NUL byte ("The list %s is damaged: it holds a NUL byte").
std::string RecordBestTime(const std::string& dataDir, std::int32_t puzzleIndex,
                           std::int32_t elapsedSeconds, bool backwardWords);

} // namespace lexiglade
