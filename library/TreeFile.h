#pragma once
// The folder tree file: tab-indented lines, read into a flat list of items in file order.
#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
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

// One item of a tree file as a walk meets it: `puzzle` as IsPuzzleItem tells it (below the top
// level, and no deeper item follows).
struct TreeEntry {
    std::string_view text; // valid during the call
    int level = 1;
    bool puzzle = false;
    std::size_t index = 0; // its place among the items, from 0
};

// The items of the tree file in order, as LoadTreeFile places them, without holding them: each is
// handed on once the next is known. On "File load error" or "Line too long" the items before the
// failing line have been handed on, the last as the last item of the tree, and the error is raised.
void WalkTreeFile(const std::string& path, const std::function<void(const TreeEntry&)>& visit);

} // namespace lexiglade
