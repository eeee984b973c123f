#include "library/Folders.h"

#include "library/Errors.h"

#include <algorithm>

namespace lexiglade {

namespace {

// A line of the folder above it: it begins with a tab or a space.
bool IsIndented(std::string_view line) {
    return !line.empty() && (line.front() == '\t' || line.front() == ' ');
}

} // namespace

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

std::optional<std::size_t> FindFolderLine(const TextList& tree, std::string_view folder) {
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (IsFolderLine(tree[i]) && tree[i] == folder) {
            return i;
        }
    }
    return std::nullopt;
}

void PlaceLastInFolder(TextList& tree, std::size_t folderLine, const std::string& title) {
    ListItem(tree, static_cast<std::int64_t>(folderLine));
    std::size_t end = folderLine + 1;
    while (end < tree.size() && IsIndented(tree[end])) {
        ++end;
    }
    tree.insert(tree.begin() + static_cast<std::ptrdiff_t>(end), PuzzleLine(title));
}

bool IsPuzzleLineOf(std::string_view line, std::string_view title) {
    const std::size_t indent = line.find_first_not_of("\t ");
    return indent != 0 && indent != std::string_view::npos && line.substr(indent) == title;
}

std::optional<std::string> FolderOfPuzzle(const TextList& tree, std::string_view title) {
    const auto puzzle = std::find_if(tree.begin(), tree.end(), [&](const std::string& line) {
        return IsPuzzleLineOf(line, title);
    });
    for (auto line = puzzle; line != tree.begin();) {
        --line;
        if (!line->empty() && !IsIndented(*line)) {
            return *line;
        }
    }
    return std::nullopt;
}

bool BreaksTree(std::string_view name, bool emptyBreaks) {
    if (name.empty()) {
        return emptyBreaks;
    }
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 32; };
    return name.front() == ' ' || std::any_of(name.begin(), name.end(), control);
}

} // namespace lexiglade
