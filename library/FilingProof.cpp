#include "library/FilingProof.h"

#include "library/Errors.h"
#include "library/FileStamp.h"
#include "library/Latin1.h"
#include "library/LibraryFiles.h"
#include "library/ListReader.h"
#include "library/Puzzle.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <set>
#include <utility>

namespace lexiglade {

namespace {

constexpr std::size_t kListCount = std::size(LibraryFiles::kCatalogueLists);
enum ListIndex { kTitles, kWordBanks, kHintBanks, kFirsts, kLasts };

using Record = std::array<std::string_view, kListCount>;

[[noreturn]] void Refuse(const std::string& reason) {
    RaiseFilingUnproven(reason);
}

std::string Quoted(std::string_view title) {
    std::string quoted = "\"";
    quoted += Latin1ToUtf8(title);
    quoted += '"';
    return quoted;
}

// The text of the library error `action` raises, or none.
template <class Action> std::optional<std::string> ErrorOf(Action action) {
    try {
        action();
    } catch (const LibraryError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

// A line of "a11.asl" or "a12.asl" as a bank line; none when it is not one.
std::optional<std::int64_t> BankLine(std::string_view text) {
    constexpr std::size_t kMaxDigits = 9; // within 32 bits
    if (text.size() > kMaxDigits || !IsDecimalDigits(text)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

class LibraryProver {
  public:
    LibraryProver(const LibraryView& library, const std::vector<PromisedPuzzle>& puzzles)
        : library_(library), puzzles_(puzzles) {}

    void Run() {
        WalkCatalogue();
        for (const auto& [wordBank, hintBank] : PairsToProve()) {
            ProvePair(wordBank, hintBank);
        }
        for (const PromisedPuzzle& puzzle : puzzles_) {
            ProveLoad(puzzle);
        }
    }

    // The new puzzle's pair read through, and its words and hints read from it, without the
    // catalogue: for a change that is proved without walking the lists.
    void ProveBanksOf(const PromisedPuzzle& puzzle) {
        ProvePair(puzzle.filed.wordBank, puzzle.filed.hintBank);
        ProveWordsAndHints(puzzle);
    }

  private:
    // The path of a library file as messages name it: where it will be once committed.
    std::string Shown(const std::string& name) const { return library_.DataDir() / name; }
    void WalkCatalogue();
    void ProveRecord(std::size_t k, const Record& record);
    std::set<std::pair<std::string, std::string>> PairsToProve() const;
    void ProvePair(const std::string& wordBank, const std::string& hintBank);
    void ProveLoad(const PromisedPuzzle& puzzle);
    void ProveWordsAndHints(const PromisedPuzzle& puzzle);

    const LibraryView& library_;
    const std::vector<PromisedPuzzle>& puzzles_;
    std::size_t recordsSeen_ = 0;
};

void LibraryProver::WalkCatalogue() {
    std::deque<ListReader> lists;
    for (const char* name : LibraryFiles::kCatalogueLists) {
        if (const auto error = ErrorOf([&] { lists.emplace_back(library_.PathOf(name)); })) {
            Refuse(*error);
        }
    }
    Record record;
    for (std::size_t k = 0;; ++k) {
        std::size_t present = 0;
        for (std::size_t i = 0; i < kListCount; ++i) {
            present += lists[i].Next(record[i]);
        }
        if (present == 0) {
            break;
        }
        if (present == kListCount) {
            ProveRecord(k, record);
        }
    }
    const std::string titles = Shown(LibraryFiles::kTitles);
    for (std::size_t i = 0; i < kListCount; ++i) {
        const std::string list = Shown(LibraryFiles::kCatalogueLists[i]);
        if (lists[i].SawNul()) {
            Refuse(*ErrorOf([&] { RaiseListHoldsNul(list); }));
        }
        if (lists[i].LinesRead() != lists[kTitles].LinesRead()) {
            Refuse(*ErrorOf([&] {
                RaiseListLengthDiffers(list, lists[i].LinesRead(), titles,
                                       lists[kTitles].LinesRead());
            }));
        }
    }
    recordsSeen_ = lists[kTitles].LinesRead();
}

// Record k either is a promised puzzle's, exactly, or keeps out of the lines of each promised
// puzzle that shares a bank with it.
void LibraryProver::ProveRecord(std::size_t k, const Record& record) {
    for (const PromisedPuzzle& puzzle : puzzles_) {
        const FiledPuzzle& filed = puzzle.filed;
        if (k == static_cast<std::size_t>(filed.puzzleIndex)) {
            const std::array<std::string, kLasts + 1> expected = {
                puzzle.title, filed.wordBank, filed.hintBank, std::to_string(filed.first),
                std::to_string(filed.last)};
            for (std::size_t i = 0; i <= kLasts; ++i) {
                if (record[i] != expected[i]) {
                    Refuse("Line " + std::to_string(k + 1) + " of " +
                           LibraryFiles::kCatalogueLists[i] + " is " + Quoted(record[i]) +
                           " where the new puzzle needs " + Quoted(expected[i]));
                }
            }
            continue;
        }
        if (record[kWordBanks] != filed.wordBank && record[kHintBanks] != filed.hintBank) {
            continue;
        }
        const std::optional<std::int64_t> first = BankLine(record[kFirsts]);
        const std::optional<std::int64_t> last = BankLine(record[kLasts]);
        if (first && last && *first <= *last && *first <= filed.last && filed.first <= *last) {
            Refuse("The puzzle " + Quoted(record[kTitles]) + " (line " + std::to_string(k + 1) +
                   " of " + LibraryFiles::kTitles + ") already points into lines " +
                   std::to_string(filed.first) + " to " + std::to_string(filed.last) + " of " +
                   filed.wordBank + " and " + filed.hintBank);
        }
    }
}

// The pairs of the promised puzzles, and those of the banks the change writes.
std::set<std::pair<std::string, std::string>> LibraryProver::PairsToProve() const {
    std::set<std::pair<std::string, std::string>> pairs;
    for (const PromisedPuzzle& puzzle : puzzles_) {
        pairs.emplace(puzzle.filed.wordBank, puzzle.filed.hintBank);
    }
    for (const auto& [name, staged] : library_.Staged()) {
        if (const unsigned long number = LibraryFiles::BankNumber(name); number != 0) {
            const unsigned long word = number % 2 == 1 ? number : number - 1;
            pairs.emplace(LibraryFiles::BankName(word), LibraryFiles::BankName(word + 1));
        }
    }
    return pairs;
}

void LibraryProver::ProvePair(const std::string& wordBank, const std::string& hintBank) {
    const std::array<std::string, 2> banks = {wordBank, hintBank};
    std::array<std::size_t, 2> lines{};
    for (std::size_t i = 0; i < banks.size(); ++i) {
        const auto error = ErrorOf([&] {
            ListReader bank(library_.PathOf(banks[i]));
            std::string_view line;
            while (bank.Next(line)) {
            }
            if (bank.SawNul()) {
                RaiseListHoldsNul(Shown(banks[i]));
            }
            lines[i] = bank.LinesRead();
        });
        if (error) {
            Refuse(*error);
        }
    }
    if (lines[0] != lines[1]) {
        Refuse(*ErrorOf(
            [&] { RaiseBanksOutOfStep(Shown(wordBank), lines[0], Shown(hintBank), lines[1]); }));
    }
}

void LibraryProver::ProveLoad(const PromisedPuzzle& puzzle) {
    if (static_cast<std::size_t>(puzzle.filed.puzzleIndex) >= recordsSeen_) {
        Refuse("The new puzzle " + Quoted(puzzle.title) + " has no line in " +
               LibraryFiles::kTitles);
    }
    LoadedPuzzle loaded;
    if (const auto error = ErrorOf([&] { loaded = LoadTitledPuzzle(library_, puzzle.title); })) {
        Refuse("The new puzzle " + Quoted(puzzle.title) + " cannot be loaded: " + *error);
    }
    if (loaded.puzzleIndex != puzzle.filed.puzzleIndex) {
        Refuse("The title " + Quoted(puzzle.title) + " loads the puzzle on line " +
               std::to_string(loaded.puzzleIndex + 1) + " of " + LibraryFiles::kTitles);
    }
    if (loaded.words != puzzle.words || loaded.hints != puzzle.hints) {
        Refuse("The new puzzle " + Quoted(puzzle.title) +
               " loads other words or hints than it was given");
    }
}

// The puzzle's lines of its staged banks, as loading reads them.
void LibraryProver::ProveWordsAndHints(const PromisedPuzzle& puzzle) {
    const FiledPuzzle& filed = puzzle.filed;
    TextList banks[2];
    const auto error = ErrorOf([&] {
        const std::string names[2] = {filed.wordBank, filed.hintBank};
        for (int b = 0; b < 2; ++b) {
            const TextList lines = ReadList(library_.PathOf(names[b]));
            if (filed.last < filed.first) {
                continue;
            }
            const auto first = static_cast<std::size_t>(filed.first);
            const auto last = static_cast<std::size_t>(filed.last);
            if (filed.first < 0 || last >= lines.size()) {
                RaiseIndexOutOfBounds();
            }
            banks[b].assign(lines.begin() + static_cast<std::ptrdiff_t>(first),
                            lines.begin() + static_cast<std::ptrdiff_t>(last) + 1);
        }
    });
    if (error) {
        Refuse("The new puzzle " + Quoted(puzzle.title) + " cannot be loaded: " + *error);
    }
    if (banks[0] != puzzle.words || banks[1] != puzzle.hints) {
        Refuse("The new puzzle " + Quoted(puzzle.title) +
               " loads other words or hints than it was given");
    }
}

// Each staged catalogue list holds, line for line, the committed list but for the edited record.
void ProveKeptRecords(const LibraryView& library, const RecordEdit& edit) {
    for (const char* name : LibraryFiles::kCatalogueLists) {
        if (library.Staged().count(name) == 0) {
            continue;
        }
        std::optional<std::string> difference;
        const auto error = ErrorOf([&] {
            ListReader committed(library.DataDir() / name);
            ListReader staged(library.PathOf(name));
            std::string_view old, now;
            for (std::size_t k = 0; committed.Next(old); ++k) {
                if (k == edit.record && edit.removed) {
                    continue;
                }
                const bool present = staged.Next(now);
                if (k != edit.record && (!present || now != old)) {
                    difference = "Line " + std::to_string(k + 1) + " of " + name + " was " +
                                 Quoted(old) + " and would become " +
                                 (present ? Quoted(now) : std::string("missing"));
                    return;
                }
            }
            if (staged.Next(now)) {
                difference = std::string(name) + " would gain the line " + Quoted(now);
            }
        });
        if (error || difference) {
            Refuse(error ? *error : *difference);
        }
    }
}

// The top-level folder above each puzzle item of the tree.
void ProveTree(const LibraryView& library, const LibraryChange& change) {
    TreeModel tree;
    if (const auto error =
            ErrorOf([&] { LoadTreeFile(library.PathOf(LibraryFiles::kFolderTree), tree); })) {
        Refuse(*error);
    }
    std::set<std::pair<std::string, std::string>> shown; // folder, title
    std::set<std::string> titles;
    std::string folder;
    for (std::size_t s = 0; s < tree.size(); ++s) {
        if (tree[s].level == 1) {
            folder = tree[s].text;
        } else if (IsPuzzleItem(tree, s)) {
            shown.emplace(folder, tree[s].text);
            titles.insert(tree[s].text);
        }
    }
    for (const PromisedPuzzle& puzzle : change.puzzles) {
        if (puzzle.folder && shown.count({*puzzle.folder, puzzle.title}) == 0) {
            Refuse("The folder tree does not show " + Quoted(puzzle.title) + " in the folder " +
                   Quoted(*puzzle.folder));
        }
    }
    for (const std::string& title : change.goneFromTree) {
        if (titles.count(title) != 0) {
            Refuse("The folder tree still shows " + Quoted(title));
        }
    }
}

// A catalogue list as a change leaves it, read without reading what it keeps.
struct ListAfter {
    std::size_t lines = 0;
    bool holdsNul = false;
    std::optional<std::string> record; // the line of the promised record, when it has one
};

// A list the change appends to: its old lines as planned (the file must still show the stamp it
// had then), and the new ones.
ListAfter AfterGrowing(const LibraryView& library, const FileReplacement& file, std::size_t k) {
    const std::string path = library.DataDir() / file.name;
    if (StampOfFile(path) != file.grows->stamp) {
        Refuse("The list " + path + " changed while the filing was worked out");
    }
    ListAfter after{static_cast<std::size_t>(file.grows->lines), false, std::nullopt};
    after.holdsNul = file.bytes.find('\0') != std::string::npos;
    LineCursor cursor(file.bytes);
    std::string_view line;
    for (; cursor.Next(line); ++after.lines) {
        if (after.lines == k) {
            after.record = std::string(line);
        }
    }
    return after;
}

// A list the change writes anew, read through.
ListAfter AfterWriting(const LibraryView& library, const char* name, std::size_t k) {
    ListAfter after;
    const auto error = ErrorOf([&] {
        ListReader list(library.PathOf(name));
        std::string_view line;
        while (list.Next(line)) {
            if (list.LinesRead() == k + 1) {
                after.record = std::string(line);
            }
        }
        after.lines = list.LinesRead();
        after.holdsNul = list.SawNul();
    });
    if (error) {
        Refuse(*error);
    }
    return after;
}

void ProveGrowingChange(const LibraryView& library, const LibraryChange& change) {
    const PromisedPuzzle& puzzle = change.puzzles.front();
    const FiledPuzzle& filed = puzzle.filed;
    const auto k = static_cast<std::size_t>(filed.puzzleIndex);
    std::array<ListAfter, kListCount> lists;
    for (const FileReplacement& file : change.files) {
        if (file.grows && file.name == LibraryFiles::kFolderTree) {
            AfterGrowing(library, file, 0); // the tree is proved no further than it is planned
        }
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        const char* name = LibraryFiles::kCatalogueLists[i];
        const auto file = std::find_if(change.files.begin(), change.files.end(),
                                       [&](const FileReplacement& f) { return f.name == name; });
        lists[i] = file != change.files.end() && file->grows ? AfterGrowing(library, *file, k)
                                                             : AfterWriting(library, name, k);
    }
    const std::array<std::string, kLasts + 1> expected = {
        puzzle.title, filed.wordBank, filed.hintBank, std::to_string(filed.first),
        std::to_string(filed.last)};
    if (std::all_of(lists.begin(), lists.end(),
                    [](const ListAfter& list) { return list.record; })) {
        for (std::size_t i = 0; i <= kLasts; ++i) {
            if (*lists[i].record != expected[i]) {
                Refuse("Line " + std::to_string(k + 1) + " of " + LibraryFiles::kCatalogueLists[i] +
                       " is " + Quoted(*lists[i].record) + " where the new puzzle needs " +
                       Quoted(expected[i]));
            }
        }
    }
    const std::string titles = library.DataDir() / LibraryFiles::kTitles;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const std::string list = library.DataDir() / LibraryFiles::kCatalogueLists[i];
        if (lists[i].holdsNul) {
            Refuse(*ErrorOf([&] { RaiseListHoldsNul(list); }));
        }
        if (lists[i].lines != lists[kTitles].lines) {
            Refuse(*ErrorOf([&] {
                RaiseListLengthDiffers(list, lists[i].lines, titles, lists[kTitles].lines);
            }));
        }
    }
    if (!lists[kTitles].record) {
        Refuse("The new puzzle " + Quoted(puzzle.title) + " has no line in " +
               LibraryFiles::kTitles);
    }
    LibraryProver prover(library, change.puzzles);
    prover.ProveBanksOf(puzzle);
}

} // namespace

void ProvePlacement(const std::filesystem::path& dataDir, const PromisedPuzzle& puzzle,
                    const PlacementFacts& facts) {
    const FiledPuzzle& filed = puzzle.filed;
    for (const auto& [record, lines] : facts.sharing) {
        const std::optional<std::int64_t> first = BankLine(lines.first);
        const std::optional<std::int64_t> last = BankLine(lines.second);
        if (record == static_cast<std::uint64_t>(filed.puzzleIndex) || !first || !last ||
            *first > *last || *first > filed.last || filed.first > *last) {
            continue;
        }
        std::string title;
        ListReader titles(dataDir / LibraryFiles::kTitles);
        std::string_view line;
        while (titles.LinesRead() <= record && titles.Next(line)) {
            title.assign(line);
        }
        Refuse("The puzzle " + Quoted(title) + " (line " + std::to_string(record + 1) + " of " +
               LibraryFiles::kTitles + ") already points into lines " +
               std::to_string(filed.first) + " to " + std::to_string(filed.last) + " of " +
               filed.wordBank + " and " + filed.hintBank);
    }
    if (facts.titleLine) {
        Refuse("The title " + Quoted(puzzle.title) + " loads the puzzle on line " +
               std::to_string(*facts.titleLine + 1) + " of " + LibraryFiles::kTitles);
    }
}

void VerifyLibrary(const LibraryView& library, const std::vector<PromisedPuzzle>& puzzles) {
    LibraryProver(library, puzzles).Run();
}

void VerifyChange(const LibraryView& library, const LibraryChange& change) {
    const bool grows = std::any_of(change.files.begin(), change.files.end(),
                                   [](const FileReplacement& file) { return file.grows; });
    if (grows && change.puzzles.size() == 1 && !change.edit) {
        ProveGrowingChange(library, change);
        return;
    }
    VerifyLibrary(library, change.puzzles);
    if (change.edit) {
        ProveKeptRecords(library, *change.edit);
    }
    const bool foldersPromised =
        std::any_of(change.puzzles.begin(), change.puzzles.end(),
                    [](const PromisedPuzzle& p) { return p.folder.has_value(); });
    if (foldersPromised || !change.goneFromTree.empty()) {
        ProveTree(library, change);
    }
}

void FileChange(const std::filesystem::path& dataDir, const LibraryChange& change,
                const std::function<void(std::size_t)>& beforeWriting) {
    ReplaceAllOrNothing(dataDir, change.files, beforeWriting,
                        [&](const LibraryView& staged) { VerifyChange(staged, change); });
}

} // namespace lexiglade
