#pragma once
// Filing a new puzzle into the library: the folder tree, the seven catalogue lists and a bank pair.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace lexiglade {

struct NewPuzzle {
    std::string title; // becomes the last line of "a8.asl"
    std::string words; // the word memo's text, lines separated by CR LF
    std::string hints; // the hint memo's text, one hint per word
    std::string tree;  // the complete new "a7.asl", written as it is
};

struct FiledPuzzle {
    std::int32_t puzzleIndex = 0; // line of the title in "a8.asl"
    std::string wordBank;         // "b" + N + ".asl", N odd
    std::string hintBank;         // "b" + (N + 1) + ".asl"
    std::int32_t first = 0;       // first and last line of the puzzle in both banks
    std::int32_t last = 0;
};

// A pair takes a new puzzle while its word bank holds at most this many lines.
inline constexpr std::size_t kBankLineLimit = 1500;
inline constexpr const char* kPlainBestTime = "300";
inline constexpr const char* kBackwardBestTime = "930";

// The stages in the order they run, each announced with its status text.
enum class AppendStage { FolderList, Master, Banks, FilePointers, PositionPointers, TimeDatabase };
inline constexpr int kAppendStageCount = 6;
// "Updating Folder List", "Updating Master", "Saving Puzzle Word and Hint Lists",
// "Saving File Pointers", "Saving Position Pointers", "Saving Time Database".
const char* StageText(AppendStage stage);

using StageReport = std::function<void(const std::string& text)>;

// Works out every new file content first, then replaces "a7.asl", "a8.asl", the word bank, the
// hint bank, "a9.asl", "a10.asl", "a11.asl", "a12.asl", "a14.asl" and "a15.asl" in that order,
// announcing each stage through `report` before its files. The bank pair is the first, from
// b1/b2 upward, whose word bank is missing (and its hint bank too) or holds at most 1500 lines;
// a pair with a hint bank but no word bank is passed over.
// All or nothing: on any failure (a list that cannot be read, a file that cannot be written) the
// stages up to the failing one have been announced, every file is as it was, and the error
// ("Cannot open file %s", "Cannot create file %s", ...) is rethrown.
FiledPuzzle AppendPuzzle(const std::string& dataDir, const NewPuzzle& puzzle,
                         const StageReport& report);

} // namespace lexiglade
