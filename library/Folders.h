#pragma once
// The folder tree as the wizard sees it: plain text lines, folders by their first byte.
#include "library/TextList.h"

#include <cstdint>
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

// A name that would shift the tree's indentation or split its lines: one that begins with a space
// or a tab, or holds a tab or any other control character. An empty name breaks it too when
// `emptyBreaks` is set.
bool BreaksTree(std::string_view name, bool emptyBreaks);

} // namespace lexiglade
