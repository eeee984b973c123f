#include "library/Folders.h"

#include "library/Errors.h"

#include <algorithm>

namespace lexiglade {

bool IsFolderLine(std::string_view line) {
    return !line.empty() && static_cast<unsigned char>(line.front()) > 48;
}

std::vector<std::int32_t> FolderLineTable(const TextList& tree) {
    std::vector<std::int32_t> table;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (IsFolderLine(tree[i])) {
            table.push_back(static_cast<std::int32_t>(i));
        }
    }
    return table;
}

std::string PuzzleLine(const std::string& title) {
    std::string line = "\t";
    line += title;
    return line;
}

void PlaceUnderFolder(TextList& tree, std::int64_t folderLine, const std::string& title) {
    ListItem(tree, folderLine);
    tree.insert(tree.begin() + folderLine + 1, PuzzleLine(title));
}

void PlaceInNewFolder(TextList& tree, const std::string& folder, const std::string& title) {
    tree.push_back(folder);
    tree.push_back(PuzzleLine(title));
}

bool BreaksTree(std::string_view name, bool emptyBreaks) {
    if (name.empty()) {
        return emptyBreaks;
    }
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 32; };
    return name.front() == ' ' || std::any_of(name.begin(), name.end(), control);
}

} // namespace lexiglade
