#include "library/Puzzle.h"

#include "library/CatalogueIndex.h"
#include "library/Errors.h"
#include "library/LibraryFiles.h"
#include "library/ListReader.h"
#include "library/Paths.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>

namespace lexiglade {

namespace {

using List = CatalogueIndex::List;

const char* const kRecordLists[] = {LibraryFiles::kTitles, LibraryFiles::kWordBanks,
                                    LibraryFiles::kHintBanks, LibraryFiles::kFirstBankLines,
                                    LibraryFiles::kLastBankLines};

// The record lists read through from their first line, holding a line at a time.
class ScannedRecords {
  public:
    explicit ScannedRecords(const LibraryView& library) : library_(library) {}

    // The first line equal to `title`, or "Puzzle \"%s\" is not in the library".
    std::int32_t TitleLine(const std::string& title) const {
        ListReader titles(library_.PathOf(LibraryFiles::kTitles));
        std::string_view line;
        for (std::int32_t index = 0; titles.Next(line); ++index) {
            if (line == title) {
                return index;
            }
            if (index == std::numeric_limits<std::int32_t>::max()) {
                break;
            }
        }
        RaiseNotInLibrary(title);
    }

    // Line `index` of the list; "List index out of bounds" when it has fewer.
    std::string Line(List list, std::int32_t index) const {
        ListReader lines(library_.PathOf(kRecordLists[list]));
        std::string_view line;
        for (std::int32_t i = 0; lines.Next(line); ++i) {
            if (i == index) {
                return std::string(line);
            }
        }
        RaiseIndexOutOfBounds();
    }

  private:
    const LibraryView& library_;
};

// The record lists of a large library found through their index.
class IndexedRecords {
  public:
    explicit IndexedRecords(CatalogueIndex& index) : index_(index) {}

    std::int32_t TitleLine(const std::string& title) const {
        const std::optional<std::uint32_t> line = index_.FindTitle(title);
        if (!line) {
            RaiseNotInLibrary(title);
        }
        return static_cast<std::int32_t>(*line);
    }

    std::string Line(List list, std::int32_t index) const {
        if (index < 0 || static_cast<std::uint64_t>(index) >= index_.Lines(list)) {
            RaiseIndexOutOfBounds();
        }
        return index_.Line(list, static_cast<std::uint64_t>(index));
    }

  private:
    CatalogueIndex& index_;
};

// Skips `count` lines; "List index out of bounds" when the text has fewer.
void SkipLines(LineCursor& cursor, std::int64_t count) {
    std::string_view line;
    for (std::int64_t i = 0; i < count; ++i) {
        if (!cursor.Next(line)) {
            RaiseIndexOutOfBounds();
        }
    }
}

// Lines first to last of the bank, checked to exist before any is copied.
TextList BankLines(const std::string& path, std::int32_t first, std::int32_t last) {
    const std::string bytes = ReadFileBytes(path);
    TextList lines;
    if (last < first) {
        return lines;
    }
    if (first < 0) {
        RaiseIndexOutOfBounds();
    }
    LineCursor cursor(bytes);
    SkipLines(cursor, first);
    LineCursor range = cursor;
    const std::int64_t count = std::int64_t{last} - first + 1;
    SkipLines(cursor, count);
    lines.reserve(static_cast<std::size_t>(count));
    std::string_view line;
    while (static_cast<std::int64_t>(lines.size()) < count && range.Next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

template <class Records>
LoadedPuzzle LoadRecord(const Records& records, const LibraryView& library,
                        const std::string& title) {
    LoadedPuzzle loaded;
    loaded.title = title;
    const std::int32_t index = records.TitleLine(title);
    loaded.puzzleIndex = index;
    const std::string wordBank = records.Line(List::WordBanks, index);
    const std::string hintBank = records.Line(List::HintBanks, index);
    RequirePlainFileName(wordBank); // a bank is never read from outside the library
    RequirePlainFileName(hintBank);
    const std::int32_t first = StrToInt(records.Line(List::FirstBankLines, index));
    const std::int32_t last = StrToInt(records.Line(List::LastBankLines, index));
    loaded.words = BankLines(library.PathOf(wordBank), first, last);
    loaded.hints = BankLines(library.PathOf(hintBank), first, last);
    return loaded;
}

// Whether one of the record lists is read from a new file of a batch.
bool StagesRecords(const LibraryView& library) {
    return std::any_of(std::begin(kRecordLists), std::end(kRecordLists),
                       [&](const char* name) { return library.Staged().count(name) != 0; });
}

} // namespace

bool IsPuzzleItem(const TreeModel& tree, std::size_t s) {
    if (s >= tree.size() || tree[s].level <= 1) {
        return false;
    }
    return s + 1 >= tree.size() || tree[s + 1].level <= tree[s].level;
}

bool LoadPuzzle(const TreeModel& tree, std::size_t selected, const std::filesystem::path& dataDir,
                LoadedPuzzle& puzzle) {
    if (!IsPuzzleItem(tree, selected)) {
        return false;
    }
    puzzle = LoadTitledPuzzle(LibraryView(dataDir), tree[selected].text);
    return true;
}

LoadedPuzzle LoadTitledPuzzle(const LibraryView& library, const std::string& title) {
    if (!StagesRecords(library)) {
        if (const std::unique_ptr<CatalogueIndex> index = CatalogueIndex::Open(library.DataDir())) {
            try {
                return LoadRecord(IndexedRecords(*index), library, title);
            } catch (const CatalogueIndex::Unusable&) {
                // The lists changed under the index: they are read through.
            }
        }
    }
    return LoadRecord(ScannedRecords(library), library, title);
}

} // namespace lexiglade
