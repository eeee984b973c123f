#pragma once
// What filing a new puzzle is given and gives back, and the stages it runs through.
#include <cstdint>
#include <optional>
#include <string>

namespace lexiglade {

struct NewPuzzle {
    std::string title; // becomes the last line of "a8.asl"
    std::string words; // the word memo's text, lines separated by CR LF
    std::string hints; // the hint memo's text, one hint per word
    std::string tree;  // the complete new "a7.asl", written as it is
    // The bytes of "a7.asl" that `tree` was made from; when given and the file no longer holds
    // them (another program filed meanwhile), the filing is refused.
    std::optional<std::string> treeBase = std::nullopt;
};

struct FiledPuzzle {
    std::int32_t puzzleIndex = 0; // line of the title in "a8.asl"
    std::string wordBank;         // "b" + N + ".asl", N odd
    std::string hintBank;         // "b" + (N + 1) + ".asl"
    std::int32_t first = 0;       // first and last line of the puzzle in both banks
    std::int32_t last = 0;
};

// The stages in the order they run, each announced with its status text (StageText).
enum class AppendStage { FolderList, Master, Banks, FilePointers, PositionPointers, TimeDatabase };
inline constexpr int kAppendStageCount = 6;

} // namespace lexiglade
