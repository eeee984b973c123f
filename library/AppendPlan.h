#pragma once
// The change that files a new puzzle, worked out before anything is written.
#include "library/FilingProof.h"
#include "library/PuzzleFiling.h"

#include <functional>
#include <string>
#include <vector>

namespace lexiglade {

struct PlannedAppend {
    LibraryChange change;            // the new files in filing order, and the puzzle promised
    std::vector<AppendStage> stages; // the stage that writes each file
};

// Works out the filing of `puzzle` from the library as it is; the caller holds the lock, and
// `reached` is told each stage before it is worked out. The puzzle is refused ("The puzzle \"%s\"
// cannot be filed: ...") when its title begins with a space or holds a control character, its
// word and hint counts differ, a word or hint is empty or holds a control character, or its first
// hint holds a full stop (so the game takes its hints for pictures) and some hint names no
// picture. Then the refusals of AppendPuzzle; a bank pair to be filed into that holds a NUL byte
// or whose banks differ in line count is refused too.
PlannedAppend PlanAppend(const std::string& dataDir, const NewPuzzle& puzzle,
                         const std::function<void(AppendStage)>& reached);

} // namespace lexiglade
