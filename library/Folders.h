#pragma once
// The folder tree as the wizard sees it: plain text lines, folders by their first byte.
#include "library/TextList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglade {

// A folder line: its first byte, taken as unsigned, is above 48 (the digit 0).
bool IsFolderLine(std::string_view line);

// Entry n is the line number in `tree` of the n-th folder line. No limit on the number of folders.
std::vector<std::int32_t> FolderLineTable(const TextList& tree);

// The tree line of a puzzle: one tab, then its title.
std::string PuzzleLine(const std::string& title);

// Puts the puzzle's line directly below line `folderLine`, as that folder's first entry.
// "List index out of bounds" when the tree has no such line.
void PlaceUnderFolder(TextList& tree, std::int64_t folderLine, const std::string& title);

// Appends the folder's line and then the puzzle's line.
void PlaceInNewFolder(TextList& tree, const std::string& folder, const std::string& title);

// The first folder line equal to `folder`; none when there is none.
std::optional<std::size_t> FindFolderLine(const TextList& tree, std::string_view folder);

// Puts the puzzle's line below the folder of line `folderLine`, after the lines that belong to it
// (those that begin with a tab or a space). "List index out of bounds" when there is no such line.
void PlaceLastInFolder(TextList& tree, std::size_t folderLine, const std::string& title);

// A tree line of the puzzle `title`: one or more tabs or spaces, then the title.
bool IsPuzzleLineOf(std::string_view line, std::string_view title);

// The folder of the first tree line of the puzzle `title`: the nearest line above it that begins
// with neither a tab nor a space. None when the tree has no such pair of lines.
std::optional<std::string> FolderOfPuzzle(const TextList& tree, std::string_view title);

// A name that would shift the tree's indentation or split its lines: one that begins with a space
// or a tab, or holds a tab or any other control character. An empty name breaks it too when
// `emptyBreaks` is set.
bool BreaksTree(std::string_view name, bool emptyBreaks);

} // namespace lexiglade
