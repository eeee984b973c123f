#pragma once
// The change that files a new puzzle, worked out before anything is written.
#include "library/FileStamp.h"
#include "library/FilingProof.h"
#include "library/PuzzleFiling.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lexiglade {

struct PlannedAppend {
    LibraryChange change;            // the new files in filing order, and the puzzle promised
    std::vector<AppendStage> stages; // the stage that writes each file
};

// Where the new puzzle's lines go in a folder tree too large to hold: before byte `at`, which
// begins a line or ends the file.
struct TreeInsertion {
    FileStamp stamp; // the tree as it was when the place was found
    std::uint64_t at = 0;
    std::string lines; // the puzzle's line, after its folder's when the folder is new
};

// Works out the filing of `puzzle` from the library as it is; the caller holds the lock, and
// `reached` is told each stage before it is worked out. The puzzle is refused ("The puzzle \"%s\"
// cannot be filed: ...") when its title begins with a space or holds a control character, its
// word and hint counts differ, a word or hint is empty or holds a control character, or its first
// hint holds a full stop (so the game takes its hints for pictures) and some hint names no
// picture. Then the refusals of AppendPuzzle; a bank pair to be filed into that holds a NUL byte
// or whose banks differ in line count is refused too, and so (as VerifyLibrary would) is a title
// that a line of "a8.asl" holds already or a puzzle that points into the new puzzle's bank lines.
// With an insertion the tree gets its lines there, and `puzzle.tree` is ignored.
PlannedAppend PlanAppend(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                         const std::function<void(AppendStage)>& reached,
                         const TreeInsertion* insertion = nullptr);

// A list at least this large that ends every line with CR LF gets a new puzzle's line appended in
// place; a smaller one is written anew, which costs as little and keeps the simplest recovery.
inline constexpr std::uint64_t kAppendInPlaceFrom = std::uint64_t{1} << 16;

// Test seam: the list size from which lines are appended in place; kAppendInPlaceFrom unless set.
void SetAppendInPlaceFrom(std::uint64_t bytes);

} // namespace lexiglade
