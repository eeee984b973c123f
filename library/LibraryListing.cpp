#include "library/Append.h"
#include "library/Errors.h"
#include "library/LibraryCheck.h"
#include "library/Puzzle.h"
#include "library/TextList.h"
#include "library/TreeFile.h"

#include <map>

namespace lexiglade {

namespace {

// A list's lines, or none when it cannot be read.
TextList ReadListOrNone(const std::string& path) {
    try {
        return ReadList(path);
    } catch (const LibraryError&) {
        return {};
    }
}

std::optional<std::int32_t> NumberAt(const TextList& list, std::size_t index) {
    if (index >= list.size()) {
        return std::nullopt;
    }
    try {
        return StrToInt(list[index]);
    } catch (const LibraryError&) {
        return std::nullopt;
    }
}

class LibraryLister {
  public:
    explicit LibraryLister(const std::string& dataDir) {
        for (std::size_t i = 0; i < std::size(kCatalogueLists); ++i) {
            lists_.push_back(ReadListOrNone(dataDir + kCatalogueLists[i]));
        }
        const TextList& titles = lists_[0];
        for (std::size_t k = titles.size(); k-- > 0;) {
            index_[titles[k]] = k; // the first equal title wins
        }
    }

    ListedPuzzle Describe(const std::string& title) const {
        ListedPuzzle puzzle{title, false, {}, {}, {}};
        const auto found = index_.find(title);
        if (found == index_.end()) {
            return puzzle;
        }
        const std::size_t k = found->second;
        puzzle.inLibrary = true;
        const std::optional<std::int32_t> first = NumberAt(lists_[3], k);
        const std::optional<std::int32_t> last = NumberAt(lists_[4], k);
        if (first && last && std::int64_t{*last} >= std::int64_t{*first} - 1) {
            puzzle.words = *last - *first + 1;
        }
        puzzle.plainBest = NumberAt(lists_[5], k);
        puzzle.backwardBest = NumberAt(lists_[6], k);
        return puzzle;
    }

  private:
    std::vector<TextList> lists_;
    std::map<std::string, std::size_t> index_;
};

} // namespace

std::vector<ListedFolder> ListLibrary(const std::string& dataDir) {
    TreeModel tree;
    LoadTreeFile(dataDir + kTreeFile, tree);
    const LibraryLister lister(dataDir);
    std::vector<ListedFolder> folders;
    for (std::size_t s = 0; s < tree.size(); ++s) {
        if (tree[s].level == 1) {
            folders.push_back({tree[s].text, {}});
        } else if (IsPuzzleItem(tree, s) && !folders.empty()) {
            folders.back().puzzles.push_back(lister.Describe(tree[s].text));
        }
    }
    return folders;
}

} // namespace lexiglade
