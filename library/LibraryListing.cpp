#include "library/Append.h"
#include "library/Errors.h"
#include "library/LibraryCheck.h"
#include "library/ListReader.h"
#include "library/TextList.h"
#include "library/TitleIndex.h"
#include "library/TreeFile.h"

#include <limits>
#include <memory>

namespace lexiglade {

namespace {

enum ListIndex { kTitles, kFirsts = 3, kLasts, kPlainTimes, kBackwardTimes };

// The numbers of one line of the catalogue lists.
struct LineNumbers {
    std::int32_t first = 0, last = 0, plain = 0, backward = 0;
    std::uint8_t known = 0; // a bit for each number read: kFirstKnown, ...
};
enum : std::uint8_t { kFirstKnown = 1, kLastKnown = 2, kPlainKnown = 4, kBackwardKnown = 8 };

// A list read line by line, or none when it cannot be read.
std::unique_ptr<ListReader> OpenOrNone(const std::string& path) {
    try {
        return std::make_unique<ListReader>(path);
    } catch (const LibraryError&) {
        return nullptr;
    }
}

// Reads the next line of `list` as a number into `value`, noting `bit` in `known`.
void ReadNumber(ListReader* list, std::int32_t& value, std::uint8_t bit, std::uint8_t& known) {
    std::string_view line;
    if (list == nullptr || !list->Next(line)) {
        return;
    }
    if (const std::optional<std::int32_t> number = ToInt32(line)) {
        value = *number;
        known |= bit;
    }
}

class LibraryLister {
  public:
    explicit LibraryLister(const std::filesystem::path& dataDir) {
        const std::unique_ptr<ListReader> titles = OpenOrNone(dataDir / kCatalogueLists[kTitles]);
        if (!titles) {
            return;
        }
        std::unique_ptr<ListReader> numbers[4];
        for (int i = 0; i < 4; ++i) {
            numbers[i] = OpenOrNone(dataDir / kCatalogueLists[kFirsts + i]);
        }
        std::string_view title;
        while (index_.Lines() < std::numeric_limits<std::int32_t>::max() && titles->Next(title)) {
            index_.Add(title);
            LineNumbers& line = lines_.emplace_back();
            ReadNumber(numbers[0].get(), line.first, kFirstKnown, line.known);
            ReadNumber(numbers[1].get(), line.last, kLastKnown, line.known);
            ReadNumber(numbers[2].get(), line.plain, kPlainKnown, line.known);
            ReadNumber(numbers[3].get(), line.backward, kBackwardKnown, line.known);
        }
        index_.Seal();
    }

    // The puzzle of a tree title; titles are mostly described in the order of their lines.
    ListedPuzzle Describe(std::string_view title) {
        ListedPuzzle puzzle{std::string(title), false, {}, {}, {}};
        const std::optional<std::uint32_t> found = index_.Find(title, last_);
        if (!found) {
            return puzzle;
        }
        last_ = found;
        const LineNumbers& line = lines_[*found];
        puzzle.inLibrary = true;
        const std::uint8_t bothEnds = kFirstKnown | kLastKnown;
        if ((line.known & bothEnds) == bothEnds &&
            std::int64_t{line.last} >= std::int64_t{line.first} - 1) {
            puzzle.words = line.last - line.first + 1;
        }
        if (line.known & kPlainKnown) {
            puzzle.plainBest = line.plain;
        }
        if (line.known & kBackwardKnown) {
            puzzle.backwardBest = line.backward;
        }
        return puzzle;
    }

  private:
    TitleIndex index_;
    std::vector<LineNumbers> lines_; // by line of "a8.asl"
    std::optional<std::uint32_t> last_;
};

} // namespace

void WalkLibraryListing(const std::filesystem::path& dataDir,
                        const std::function<void(const std::string& folder)>& folder,
                        const std::function<void(const ListedPuzzle& puzzle)>& puzzle) {
    const std::string tree = dataDir / kTreeFile;
    WalkTreeFile(tree, [](const TreeEntry&) {}); // the tree's errors before anything is shown
    LibraryLister lister(dataDir);
    bool inFolder = false;
    std::string name;
    WalkTreeFile(tree, [&](const TreeEntry& item) {
        if (item.level == 1) {
            name.assign(item.text);
            folder(name);
            inFolder = true;
        } else if (item.puzzle && inFolder) {
            puzzle(lister.Describe(item.text));
        }
    });
}

std::vector<ListedFolder> ListLibrary(const std::filesystem::path& dataDir) {
    std::vector<ListedFolder> folders;
    WalkLibraryListing(
        dataDir,
        [&](const std::string& name) {
            folders.push_back({name, {}});
        },
        [&](const ListedPuzzle& puzzle) { folders.back().puzzles.push_back(puzzle); });
    return folders;
}

} // namespace lexiglade
