#include "library/ShippedUpdates.h"

#include "library/Append.h"
#include "library/LibraryCheck.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/ListReader.h"
#include "library/OfferedRecord.h"
#include "library/Puzzle.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"

#include <functional>
#include <set>
#include <sys/stat.h>

namespace lexiglade {

namespace {

using TitleSet = std::set<std::string, std::less<>>;

struct ShippedPuzzle {
    std::string title;
    std::string folder;
};

bool IsFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The shipped puzzles in the tree's order that `offered` lacks.
std::vector<ShippedPuzzle> NotYetOffered(const std::filesystem::path& shippedDir,
                                         const TitleSet& offered) {
    std::vector<ShippedPuzzle> fresh;
    for (const ListedFolder& folder : ListLibrary(shippedDir)) {
        for (const ListedPuzzle& puzzle : folder.puzzles) {
            if (puzzle.inLibrary && offered.count(puzzle.title) == 0) {
                fresh.push_back({puzzle.title, folder.name});
            }
        }
    }
    return fresh;
}

// The titles among `wanted` that a line of the library's "a8.asl" holds, read line by line.
TitleSet HeldTitles(const std::filesystem::path& dataDir,
                    const std::vector<ShippedPuzzle>& wanted) {
    TitleSet sought;
    for (const ShippedPuzzle& puzzle : wanted) {
        sought.insert(puzzle.title);
    }
    TitleSet held;
    ListReader titles(dataDir / LibraryFiles::kTitles);
    std::string_view line;
    while (titles.Next(line)) {
        if (sought.count(line) != 0) {
            held.emplace(line);
        }
    }
    return held;
}

void FileShippedPuzzle(const DataFolders& folders, const ShippedPuzzle& shipped) {
    const LoadedPuzzle puzzle = LoadTitledPuzzle(LibraryView(folders.shippedDir), shipped.title);
    if (!puzzle.hints.empty() && TakenForPictures(puzzle.hints.front())) {
        CopyShippedPictures(folders, puzzle.hints);
    }
    const NewPuzzle filing{
        shipped.title, JoinMemoLines(puzzle.words), JoinMemoLines(puzzle.hints), {}};
    AppendPuzzleToFolder(folders.dataDir, filing, shipped.folder, {}, FolderPlace::Last);
}

// Files each puzzle of `fresh` whose title the library lacks, adding every title to `record` once
// it is settled; the titles filed.
std::vector<std::string> FileThoseNotHeld(const DataFolders& folders,
                                          const std::vector<ShippedPuzzle>& fresh,
                                          std::vector<std::string>& record) {
    const TitleSet held = HeldTitles(folders.dataDir, fresh);
    TitleSet recorded(record.begin(), record.end());
    std::vector<std::string> filed;
    for (const ShippedPuzzle& shipped : fresh) {
        if (!recorded.insert(shipped.title).second) {
            continue; // the shipped tree shows it twice
        }
        if (held.count(shipped.title) == 0) {
            FileShippedPuzzle(folders, shipped);
            filed.push_back(shipped.title);
        }
        record.push_back(shipped.title);
    }
    return filed;
}

} // namespace

std::vector<std::string> OfferShippedPuzzles(const DataFolders& folders) {
    const std::filesystem::path& dataDir = folders.dataDir;
    const std::filesystem::path& shippedDir = folders.shippedDir;
    if (dataDir.empty() || dataDir == shippedDir || !IsFile(dataDir / LibraryFiles::kFolderTree) ||
        !IsFile(shippedDir / LibraryFiles::kFolderTree) ||
        !IsFile(shippedDir / LibraryFiles::kTitles)) {
        return {};
    }
    std::vector<std::string> record;
    std::vector<ShippedPuzzle> fresh;
    const auto look = [&] {
        record = ReadOfferedRecord(dataDir).value_or(TextList{});
        fresh = NotYetOffered(shippedDir, TitleSet(record.begin(), record.end()));
    };
    look(); // without the lock, as most starts have nothing to offer
    if (fresh.empty()) {
        return {};
    }
    const LibraryLock lock(dataDir);
    look();
    std::vector<std::string> filed;
    try {
        filed = FileThoseNotHeld(folders, fresh, record);
    } catch (...) {
        try {
            WriteOfferedRecord(dataDir, record);
        } catch (...) {
            // The puzzles filed are in the library; the next start records them as offered.
        }
        throw;
    }
    WriteOfferedRecord(dataDir, record);
    return filed;
}

} // namespace lexiglade
