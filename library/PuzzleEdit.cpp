#include "library/PuzzleEdit.h"

#include "library/Errors.h"
#include "library/FilingProof.h"
#include "library/Folders.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/ListAppend.h"
#include "library/ListEdit.h"
#include "library/Puzzle.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace lexiglade {

namespace {

// The bytes of a list about to be rewritten; one holding a NUL byte is refused, as its lines after
// the NUL would be lost.
std::string ReadListBytes(const std::filesystem::path& dataDir, const char* name) {
    std::string bytes = ReadFileBytes(dataDir / name);
    if (bytes.find('\0') != std::string::npos) {
        RaiseListHoldsNul(dataDir / name);
    }
    return bytes;
}

struct TitleLine {
    std::size_t index = 0; // the first line equal to the title
    bool again = false;    // a later line is equal to it too
};

std::optional<TitleLine> FindTitleLine(std::string_view titles, std::string_view title) {
    LineCursor cursor(titles);
    std::string_view line;
    std::optional<TitleLine> found;
    for (std::size_t k = 0; cursor.Next(line); ++k) {
        if (line != title) {
            continue;
        }
        if (found) {
            found->again = true;
            break;
        }
        found = TitleLine{k, false};
    }
    return found;
}

// Line `index` of the library's list `name`; "List index out of bounds" past its end.
std::string LineOfList(const std::filesystem::path& dataDir, const char* name, std::size_t index) {
    const std::string bytes = ReadFileBytes(dataDir / name);
    const std::optional<std::string_view> line = ListLineAt(bytes, index);
    if (!line) {
        RaiseIndexOutOfBounds();
    }
    return std::string(*line);
}

// The puzzle that `title` loads, as a promise that it still loads so after the change.
PromisedPuzzle PromiseOfTitle(const std::filesystem::path& dataDir, const std::string& title) {
    LoadedPuzzle loaded = LoadTitledPuzzle(LibraryView(dataDir), title);
    const auto k = static_cast<std::size_t>(loaded.puzzleIndex);
    const FiledPuzzle filed{loaded.puzzleIndex, LineOfList(dataDir, LibraryFiles::kWordBanks, k),
                            LineOfList(dataDir, LibraryFiles::kHintBanks, k),
                            StrToInt(LineOfList(dataDir, LibraryFiles::kFirstBankLines, k)),
                            StrToInt(LineOfList(dataDir, LibraryFiles::kLastBankLines, k))};
    return {title, filed, std::move(loaded.words), std::move(loaded.hints)};
}

// The tree rewritten by `edit`, staged when it changes.
template <class Edit>
void StageTree(const std::filesystem::path& dataDir, LibraryChange& change, Edit edit) {
    std::string old = ReadFileBytes(dataDir / kTreeFile);
    TextList tree = ParseList(old);
    edit(tree);
    std::string bytes = FormatList(tree);
    if (bytes != old) {
        change.files.push_back({kTreeFile, std::move(old), std::move(bytes)});
    }
}

void DropPuzzleLines(TextList& tree, const std::string& title) {
    tree.erase(std::remove_if(tree.begin(), tree.end(),
                              [&](const std::string& line) { return IsPuzzleLineOf(line, title); }),
               tree.end());
}

// A name that would break the tree or that the game could not show.
bool UnfitForTree(const std::string& name) {
    return BreaksTree(name, true) || HoldsControlCharacter(name);
}

} // namespace

FiledPuzzle RemovePuzzle(const std::filesystem::path& dataDir, const std::string& title) {
    const LibraryLock lock(dataDir);
    const std::string titles = ReadListBytes(dataDir, LibraryFiles::kTitles);
    const std::optional<TitleLine> at = FindTitleLine(titles, title);
    if (!at) {
        RaiseNotInLibrary(title);
    }
    LibraryChange change;
    std::vector<std::string> record; // its line of each list, in their order
    for (const char* name : LibraryFiles::kCatalogueLists) {
        std::string old = name == LibraryFiles::kTitles ? titles : ReadListBytes(dataDir, name);
        std::optional<std::string> bytes = EditListLine(old, at->index, std::nullopt);
        if (!bytes) {
            RaiseListLengthDiffers(dataDir / name, ScanList(old).lines,
                                   dataDir / LibraryFiles::kTitles, ScanList(titles).lines);
        }
        record.emplace_back(*ListLineAt(old, at->index));
        change.files.push_back({name, std::move(old), std::move(*bytes)});
    }
    if (!at->again) {
        StageTree(dataDir, change, [&](TextList& tree) { DropPuzzleLines(tree, title); });
        change.goneFromTree = {title};
    }
    change.edit = RecordEdit{at->index, true};
    FileChange(dataDir, change, {});
    const auto number = [](const std::string& text) {
        return IsDecimalDigits(text) && text.size() < 10 ? StrToInt(text) : -1;
    };
    return {static_cast<std::int32_t>(at->index), record[1], record[2], number(record[3]),
            number(record[4])};
}

FiledPuzzle RenamePuzzle(const std::filesystem::path& dataDir, const std::string& title,
                         const std::string& newTitle) {
    const LibraryLock lock(dataDir);
    const std::string titles = ReadListBytes(dataDir, LibraryFiles::kTitles);
    const std::optional<TitleLine> at = FindTitleLine(titles, title);
    if (!at) {
        RaiseNotInLibrary(title);
    }
    if (at->again) {
        RaiseNotChangeable(title, "another puzzle of the library has the same title");
    }
    if (UnfitForTree(newTitle)) {
        RaiseNotChangeable(title, "its new title is empty, begins with a space or holds a control "
                                  "character");
    }
    if (FindTitleLine(titles, newTitle)) {
        RaiseNotChangeable(title, "a puzzle of the library has its new title already");
    }
    LibraryChange change;
    PromisedPuzzle promised = PromiseOfTitle(dataDir, title);
    promised.title = newTitle;
    change.files.push_back(
        {LibraryFiles::kTitles, titles, *EditListLine(titles, at->index, newTitle)});
    StageTree(dataDir, change, [&](TextList& tree) {
        for (std::string& line : tree) {
            if (IsPuzzleLineOf(line, title)) {
                line.replace(line.size() - title.size(), title.size(), newTitle);
            }
        }
    });
    change.puzzles = {std::move(promised)};
    change.edit = RecordEdit{at->index, false};
    change.goneFromTree = {title};
    FileChange(dataDir, change, {});
    return change.puzzles.front().filed;
}

FiledPuzzle MovePuzzle(const std::filesystem::path& dataDir, const std::string& title,
                       const std::string& folder) {
    const LibraryLock lock(dataDir);
    LibraryChange change;
    PromisedPuzzle promised = PromiseOfTitle(dataDir, title);
    StageTree(dataDir, change, [&](TextList& tree) {
        DropPuzzleLines(tree, title);
        if (const std::optional<std::size_t> line = FindFolderLine(tree, folder)) {
            PlaceLastInFolder(tree, *line, title);
            return;
        }
        if (UnfitForTree(folder)) {
            RaiseNotChangeable(title, "the name of its new folder is empty, begins with a space "
                                      "or holds a control character");
        }
        PlaceInNewFolder(tree, folder, title);
    });
    promised.folder = folder;
    change.puzzles = {std::move(promised)};
    if (!change.files.empty()) { // else it is the folder's last puzzle already
        FileChange(dataDir, change, {});
    }
    return change.puzzles.front().filed;
}

} // namespace lexiglade
