#pragma once
// The folder tree file: tab-indented lines, read into a flat list of items in file order.
#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace lexiglade {

struct TreeItem {
    std::string text;
    int level; // 1 for top-level items, 2 for their children, and so on
    friend bool operator==(const TreeItem&, const TreeItem&) = default;
};

using TreeModel = std::vector<TreeItem>;

// Size of the read buffer; a line with its indentation and its carriage return must fit in it.
inline constexpr std::size_t kTreeBufferSize = 4096;

// Empties `tree`, then places the items of `in`. Only a carriage return ends a line (one line feed
// after it is skipped); each leading tab or space is one step; byte 26 ends the file.
// "File load error" for a line more than one step deeper than the one before, or one that walks
// above the top; "Line too long" for a line that does not fit the buffer. Items placed before the
// failing line stay.
void LoadTree(std::istream& in, TreeModel& tree);

// As LoadTree; when the file cannot be opened the tree is left as it was: "Cannot open file %s".
void LoadTreeFile(const std::string& path, TreeModel& tree);

} // namespace lexiglade
