#include "library/BestTimes.h"

#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/TextList.h"

#include <optional>
#include <string_view>

namespace lexiglade {

namespace {

// The puzzle's line now: `puzzleIndex` while "a8.asl" holds the title there, else the first line
// that holds it, for puzzles before it may have been removed since the game began.
std::int32_t CurrentIndex(const std::filesystem::path& dataDir, const std::string& title,
                          std::int32_t puzzleIndex) {
    const std::string titles = ReadFileBytes(dataDir / LibraryFiles::kTitles);
    LineCursor cursor(titles);
    std::string_view line;
    std::optional<std::int32_t> first;
    for (std::int32_t k = 0; cursor.Next(line) && k <= puzzleIndex; ++k) {
        if (line == title && (k == puzzleIndex || !first)) {
            first = k;
        }
    }
    if (!first) {
        RaiseNotInLibrary(title);
    }
    return *first;
}

// Under the library's lock, the puzzle's line becomes `elapsedSeconds` unless the list, read
// afresh, already holds a time as good. A list holding a NUL byte is refused: its lines after the
// NUL would be lost.
void SaveBestTime(const std::filesystem::path& dataDir, const std::string& path,
                  const std::string& title, std::int32_t puzzleIndex, std::int32_t elapsedSeconds) {
    const LibraryLock lock(dataDir);
    const std::string bytes = ReadFileBytes(path);
    if (bytes.find('\0') != std::string::npos) {
        RaiseListHoldsNul(path);
    }
    const std::int32_t index = CurrentIndex(dataDir, title, puzzleIndex);
    TextList list = ParseList(bytes);
    if (elapsedSeconds < StrToInt(ListItem(list, index))) {
        list[static_cast<std::size_t>(index)] = std::to_string(elapsedSeconds);
        WriteList(path, list);
    }
}

} // namespace

std::string BestTimeFileName(bool backwardWords) {
    return backwardWords ? LibraryFiles::kBackwardBestTimes : LibraryFiles::kPlainBestTimes;
}

BestTimeRecord RecordBestTime(const std::filesystem::path& dataDir, const std::string& title,
                              std::int32_t puzzleIndex, std::int32_t elapsedSeconds,
                              bool backwardWords) {
    const std::string path = dataDir / BestTimeFileName(backwardWords);
    const TextList list = ReadList(path);
    const std::int32_t best = StrToInt(ListItem(list, puzzleIndex));
    if (elapsedSeconds >= best) {
        return {best, false};
    }
    SaveBestTime(dataDir, path, title, puzzleIndex, elapsedSeconds);
    return {best, true};
}

} // namespace lexiglade
