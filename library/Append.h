#pragma once
// Filing a new puzzle into the library: the folder tree, the seven catalogue lists and a bank pair.
#include "library/LibraryFiles.h"
#include "library/PuzzleFiling.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lexiglade {

inline constexpr const char* kTreeFile = LibraryFiles::kFolderTree;
inline constexpr const char* kMasterList = LibraryFiles::kTitles;

// A pair takes a new puzzle while its word bank holds at most this many lines.
inline constexpr std::size_t kBankLineLimit = 1500;
inline constexpr const char* kPlainBestTime = "300";
inline constexpr const char* kBackwardBestTime = "930";

// "Updating Folder List", "Updating Master", "Saving Puzzle Word and Hint Lists",
// "Saving File Pointers", "Saving Position Pointers", "Saving Time Database".
const char* StageText(AppendStage stage);

using StageReport = std::function<void(const std::string& text)>;

// Under the library's lock (after finishing or undoing a filing that was cut short), works out
// every new file content first, then writes the new "a7.asl", "a8.asl", word bank, hint bank,
// "a9.asl", "a10.asl", "a11.asl", "a12.asl", "a14.asl" and "a15.asl" in that order, announcing
// each stage through `report` before its files, and replaces them all (ReplaceAllOrNothing).
// The bank pair is the first, from b1/b2 upward, whose word bank is missing (and its hint bank
// too) or holds at most 1500 lines; a pair with a hint bank but no word bank is passed over.
// A puzzle the library cannot hold or the game could not play (PlanAppend) and a damaged library
// are refused before anything is written: a catalogue list holding a NUL byte, or one whose line
// count differs from that of "a8.asl", a bank pair to be filed into that holds a NUL byte or whose
// banks differ in line count. The new files are read back before they replace the old ones
// (VerifyLibrary): any difference from what was planned refuses the filing.
// All or nothing: on any failure (a list that cannot be read, a file that cannot be written) the
// stages up to the failing one have been announced, every file is as it was, and the error
// ("Cannot open file %s", "Cannot create file %s", ...) is rethrown.
FiledPuzzle AppendPuzzle(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                         const StageReport& report);

// Where in its folder a puzzle's line goes: as its first entry, or after its last.
enum class FolderPlace { First, Last };

// AppendPuzzle with the tree made under the lock from "a7.asl" as it then is: the puzzle's line
// goes below the first folder line equal to `folder`, as that folder's first or last entry, or,
// when there is none, `folder` and the puzzle's line are added at the end. `puzzle.tree` is
// ignored. A new folder whose name is empty, begins with a space or holds a control character is
// refused.
FiledPuzzle AppendPuzzleToFolder(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                                 const std::string& folder, const StageReport& report,
                                 FolderPlace place = FolderPlace::First);

} // namespace lexiglade
