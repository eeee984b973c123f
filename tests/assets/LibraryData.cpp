#include "LibraryData.h"

#include "TempFolder.h"
#include "library/Puzzle.h"
#include "library/TreeFile.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

using namespace lexiglade::test;

std::filesystem::path LibraryDir() {
    return LEXIGLADE_LIBRARY_DIR;
}

Lines ReadLines(const std::string& name) {
    const std::string bytes = ReadBytes(LibraryDir() / name);
    Lines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Every puzzle line of the tree, loaded the way the catalogue loads it.
std::vector<Puzzle> LoadPuzzles() {
    const std::string dataDir = (LibraryDir() / "").string();
    lexiglade::TreeModel tree;
    lexiglade::LoadTreeFile(dataDir + "a7.asl", tree);
    std::vector<Puzzle> puzzles;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        lexiglade::LoadedPuzzle loaded;
        if (lexiglade::LoadPuzzle(tree, i, dataDir, loaded)) {
            puzzles.push_back({loaded.title, loaded.words, loaded.hints});
        }
    }
    return puzzles;
}

bool IsPicturePuzzle(const Puzzle& puzzle) {
    return !puzzle.hints.empty() && puzzle.hints.front().find('.') != std::string::npos;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; });
    return text;
}

namespace {

// The entries of `folder`, sorted by name.
std::set<std::filesystem::path> SortedEntries(const std::filesystem::path& folder) {
    std::set<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        entries.insert(entry.path());
    }
    return entries;
}

PuzzleFile ReadPuzzleFile(const std::filesystem::path& path) {
    std::istringstream text(ReadBytes(path));
    PuzzleFile file;
    std::getline(text, file.puzzle.title);
    std::getline(text, file.folder);
    for (std::string line; std::getline(text, line);) {
        const std::size_t tab = line.find('\t');
        file.puzzle.words.push_back(line.substr(0, tab));
        file.puzzle.hints.push_back(tab == std::string::npos ? "" : line.substr(tab + 1));
    }
    return file;
}

} // namespace

std::vector<PuzzleFile> ReadPuzzleFiles() {
    std::vector<PuzzleFile> files;
    for (const auto& folder : SortedEntries(LEXIGLADE_PUZZLES_DIR)) {
        for (const auto& path : SortedEntries(folder)) {
            if (path.extension() == ".txt") {
                files.push_back(ReadPuzzleFile(path));
            }
        }
    }
    return files;
}
