#include "library/LibraryCheck.h"

#include "library/Append.h"
#include "library/BankSurvey.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Latin1.h"
#include "library/LibraryFiles.h"
#include "library/ListAppend.h"
#include "library/ListReader.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"
#include "library/TitleIndex.h"
#include "library/TreeFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace lexiglade {

namespace {

enum ListIndex { kTitles, kWordBanks, kHintBanks, kFirsts, kLasts, kPlainTimes, kBackwardTimes };
constexpr std::size_t kListCount = std::size(kCatalogueLists);
// Bank texts kept for the puzzles that look at their hints: most puzzles share the bank of the one
// before them.
constexpr std::size_t kKeptBankTexts = 8;

using Record = std::array<std::string_view, kListCount>;

// The text of the library error `raise` throws.
std::string ErrorText(const std::function<void()>& raise) {
    try {
        raise();
    } catch (const LibraryError& error) {
        return error.what();
    }
    return {};
}

std::string LineNote(std::size_t index, const char* list) {
    return " (line " + std::to_string(index + 1) + " of " + list + ")";
}

// A bank's text cut into lines, for the puzzles whose hints are looked at one by one.
struct BankText {
    std::string name;
    std::string bytes;
    std::vector<std::string_view> lines;

    void Split() {
        lines.clear();
        LineCursor cursor(bytes);
        std::string_view line;
        while (cursor.Next(line)) {
            lines.push_back(line);
        }
    }
};

// A catalogue list read line by line beside the others.
struct ListWalk {
    std::unique_ptr<ListReader> reader;
    std::string error; // why it cannot be read; empty while it can
    bool ended = false;
    std::string_view line; // the line of the record being looked at

    bool Readable() const { return error.empty(); }
    bool Present() const { return Readable() && !ended; }
    void Advance() {
        if (!Present()) {
            return;
        }
        try {
            ended = !reader->Next(line);
        } catch (const LibraryError& failure) {
            error = failure.what();
        }
    }
};

class LibraryChecker {
  public:
    explicit LibraryChecker(const std::filesystem::path& dataDir)
        : dataDir_(dataDir), survey_(dataDir) {}
    std::vector<std::string> Run();

  private:
    std::string Path(const std::string& name) const { return dataDir_ / name; }
    void OpenLists();
    void WalkRecords();
    void ReportLists();
    void CheckPuzzle(std::size_t k, const Record& record);
    // The two banks of puzzle k when their names are sound, or none.
    std::optional<std::pair<const BankFacts*, const BankFacts*>> BanksOf(std::size_t k,
                                                                         const Record& record);
    bool CheckBankNames(std::size_t k, const Record& record);
    void CheckLines(std::size_t k, const Record& record, const BankFacts& words,
                    const BankFacts& hints);
    void CheckPictures(std::size_t k, const Record& record, const BankText& hints,
                       std::int32_t first, std::int32_t last);
    void CheckEmptyHints(std::size_t k, const Record& record, const BankText& hints,
                         std::int32_t first, std::int32_t last);
    void CheckBankPairs();
    // The titles of the tree's puzzles; none when the tree cannot be loaded, which is reported.
    bool LoadTreeTitles();
    void CheckTreeTitle(std::size_t k, std::string_view title, const TitleHash& hash);
    void CheckTreePuzzles();
    void CheckBestTime(ListIndex list, std::size_t k, std::string_view time);
    const BankFacts& BankOf(std::string_view name);
    const BankText* TextOf(std::string_view name);
    void Report(std::string problem) { puzzleProblems_.push_back(std::move(problem)); }

    const std::filesystem::path& dataDir_;
    BankSurvey survey_;
    std::array<ListWalk, kListCount> lists_;
    // The problems in the order they are shown: the lists, each puzzle, the bank pairs, the tree,
    // the best times of each of the two lists.
    std::vector<std::string> listProblems_, puzzleProblems_, pairProblems_, treeProblems_;
    std::array<std::vector<std::string>, 2> timeProblems_;
    std::map<std::string, BankFacts, std::less<>> banks_;
    std::vector<BankText> texts_; // the bank texts read last, the latest at the back
    std::string buffer_;          // a bank read for its facts
    // The bank names of the puzzle before, and their banks: most puzzles share them.
    std::string lastWords_, lastHints_;
    std::optional<std::pair<const BankFacts*, const BankFacts*>> lastBanks_;
    TitleIndex titles_, treeTitles_;
    bool treeLoaded_ = false;
    std::optional<std::uint32_t> lastInTree_;
};

void LibraryChecker::OpenLists() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        try {
            lists_[i].reader = std::make_unique<ListReader>(Path(kCatalogueLists[i]));
        } catch (const LibraryError& error) {
            lists_[i].error = error.what();
        }
    }
}

// The lists side by side, a record at a time: its puzzle while every list has a line, and the
// lines of the titles and the best times as far as each goes.
void LibraryChecker::WalkRecords() {
    const bool everyList = std::all_of(lists_.begin(), lists_.end(),
                                       [](const ListWalk& list) { return list.Readable(); });
    Record record;
    for (std::size_t k = 0;; ++k) {
        bool any = false;
        bool all = true;
        for (std::size_t i = 0; i < kListCount; ++i) {
            lists_[i].Advance();
            any = any || lists_[i].Present();
            all = all && lists_[i].Present();
            record[i] = lists_[i].line;
        }
        if (!any) {
            break;
        }
        if (everyList && all) {
            CheckPuzzle(k, record);
        }
        if (lists_[kTitles].Present()) {
            const TitleHash hash = HashTitle(record[kTitles]);
            titles_.Add(hash);
            CheckTreeTitle(k, record[kTitles], hash);
        }
        for (const ListIndex list : {kPlainTimes, kBackwardTimes}) {
            if (lists_[list].Present()) {
                CheckBestTime(list, k, record[list]);
            }
        }
    }
    titles_.Seal();
    // What was found in a list that then could not be read is not reported, as if it had not
    // been read at all.
    if (!std::all_of(lists_.begin(), lists_.end(),
                     [](const ListWalk& list) { return list.Readable(); })) {
        puzzleProblems_.clear();
    }
    if (!lists_[kTitles].Readable()) {
        treeProblems_.clear();
    }
    for (const ListIndex list : {kPlainTimes, kBackwardTimes}) {
        if (!lists_[list].Readable()) {
            timeProblems_[list - kPlainTimes].clear();
        }
    }
}

void LibraryChecker::ReportLists() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        if (!lists_[i].Readable()) {
            listProblems_.push_back(lists_[i].error);
        } else if (lists_[i].reader->SawNul()) {
            listProblems_.push_back(
                ErrorText([&] { RaiseListHoldsNul(Path(kCatalogueLists[i])); }));
        }
    }
    if (!lists_[kTitles].Readable()) {
        return;
    }
    const std::size_t titles = lists_[kTitles].reader->LinesRead();
    for (std::size_t i = 1; i < kListCount; ++i) {
        const std::size_t lines = lists_[i].Readable() ? lists_[i].reader->LinesRead() : titles;
        if (lines != titles) {
            listProblems_.push_back(ErrorText([&] {
                RaiseListLengthDiffers(Path(kCatalogueLists[i]), lines,
                                       Path(kCatalogueLists[kTitles]), titles);
            }));
        }
    }
}

const BankFacts& LibraryChecker::BankOf(std::string_view name) {
    const auto found = banks_.find(name);
    if (found != banks_.end()) {
        return found->second;
    }
    BankFacts& bank = banks_[std::string(name)];
    const unsigned long number = LibraryFiles::BankNumber(name);
    if (std::optional<BankFacts> surveyed = number != 0 ? survey_.Take(number) : std::nullopt) {
        bank = std::move(*surveyed);
    } else {
        bank = ReadBankFacts(Path(std::string(name)), buffer_);
    }
    return bank;
}

const BankText* LibraryChecker::TextOf(std::string_view name) {
    const auto kept = std::find_if(texts_.begin(), texts_.end(),
                                   [&](const BankText& text) { return text.name == name; });
    if (kept != texts_.end()) {
        return &*kept;
    }
    BankText text{std::string(name), {}, {}};
    try {
        ReadFileInto(Path(text.name), text.bytes);
    } catch (const LibraryError&) {
        return nullptr; // gone since its facts were read
    }
    text.Split();
    if (texts_.size() == kKeptBankTexts) {
        texts_.erase(texts_.begin());
    }
    texts_.push_back(std::move(text));
    return &texts_.back();
}

std::string PuzzlePrefix(std::size_t k, const Record& record) {
    return "Puzzle \"" + Latin1ToUtf8(record[kTitles]) + "\"" + LineNote(k, LibraryFiles::kTitles) +
           ": ";
}

bool LibraryChecker::CheckBankNames(std::size_t k, const Record& record) {
    const std::string_view words = record[kWordBanks];
    const std::string_view hints = record[kHintBanks];
    for (const std::string_view name : {words, hints}) {
        if (!IsPlainFileName(name)) {
            Report(PuzzlePrefix(k, record) +
                   ErrorText([&] { RaiseNotPlainName(std::string(name)); }));
            return false;
        }
    }
    const unsigned long number = LibraryFiles::BankNumber(words);
    if (number % 2 != 1 || LibraryFiles::BankNumber(hints) != number + 1) {
        Report(PuzzlePrefix(k, record) + "its banks " + Latin1ToUtf8(words) + " and " +
               Latin1ToUtf8(hints) + " are not a pair");
        return false;
    }
    return true;
}

void LibraryChecker::CheckPictures(std::size_t k, const Record& record, const BankText& hints,
                                   std::int32_t first, std::int32_t last) {
    if (last < first || !TakenForPictures(hints.lines[static_cast<std::size_t>(first)])) {
        return; // a puzzle of text hints
    }
    const auto begin = hints.lines.begin() + first;
    if (!std::all_of(begin, begin + (last - first + 1), NamesBitmap)) {
        Report(PuzzlePrefix(k, record) + "its first hint \"" +
               Latin1ToUtf8(hints.lines[static_cast<std::size_t>(first)]) +
               "\" holds a full stop, so the game takes its text hints for pictures");
        return;
    }
    for (std::int32_t i = first; i <= last; ++i) {
        const std::string hint(hints.lines[static_cast<std::size_t>(i)]);
        if (!IsPlainFileName(hint)) {
            Report(PuzzlePrefix(k, record) + ErrorText([&] { RaiseNotPlainName(hint); }));
        } else if (!FindPicture(dataDir_, hint)) {
            Report(PuzzlePrefix(k, record) + "its picture " +
                   (PictureFolder(dataDir_) / Latin1ToUtf8(hint)).string() + " is missing");
        }
    }
}

void LibraryChecker::CheckLines(std::size_t k, const Record& record, const BankFacts& words,
                                const BankFacts& hints) {
    const std::optional<std::int32_t> first = ToInt32(record[kFirsts]);
    const std::optional<std::int32_t> last = ToInt32(record[kLasts]);
    if (!first || !last) {
        const std::string_view wrong = first ? record[kLasts] : record[kFirsts];
        Report(PuzzlePrefix(k, record) + ErrorText([&] { RaiseNotInteger(std::string(wrong)); }));
        return;
    }
    const auto within = [&](const BankFacts& bank) {
        return *first >= 0 && std::int64_t{*last} >= std::int64_t{*first} - 1 &&
               std::int64_t{*last} < static_cast<std::int64_t>(bank.lineCount);
    };
    if (!within(words) || !within(hints)) {
        Report(PuzzlePrefix(k, record) + "its lines " + std::to_string(*first) + " to " +
               std::to_string(*last) + " lie outside its banks (" +
               Latin1ToUtf8(record[kWordBanks]) + " has " + std::to_string(words.lineCount) +
               " lines, " + Latin1ToUtf8(record[kHintBanks]) + " has " +
               std::to_string(hints.lineCount) + ")");
        return;
    }
    if (!hints.hasEmptyLine && !hints.mayNamePictures) {
        return;
    }
    const BankText* text = TextOf(record[kHintBanks]);
    if (text == nullptr || static_cast<std::int64_t>(text->lines.size()) <= *last) {
        Report(PuzzlePrefix(k, record) +
               ErrorText([&] { RaiseCannotOpen(Path(std::string(record[kHintBanks]))); }));
        return;
    }
    if (hints.hasEmptyLine) {
        CheckEmptyHints(k, record, *text, *first, *last);
    }
    if (hints.mayNamePictures) {
        CheckPictures(k, record, *text, *first, *last);
    }
}

void LibraryChecker::CheckEmptyHints(std::size_t k, const Record& record, const BankText& hints,
                                     std::int32_t first, std::int32_t last) {
    for (std::int32_t i = first; i <= last; ++i) {
        if (hints.lines[static_cast<std::size_t>(i)].empty()) {
            Report(PuzzlePrefix(k, record) + "its hint " + std::to_string(i - first + 1) +
                   " (line " + std::to_string(i + 1) + " of " + Latin1ToUtf8(record[kHintBanks]) +
                   ") is empty");
            return;
        }
    }
}

// The pairs that filing tries (from b1.asl and b2.asl up to the first pair of which neither bank
// exists) and every pair a puzzle uses: no NUL byte, both banks of one line count.
void LibraryChecker::CheckBankPairs() {
    const auto exists = [&](unsigned long number) {
        std::error_code error;
        return std::filesystem::exists(Path(LibraryFiles::BankName(number)), error);
    };
    std::set<unsigned long> pairs;
    const std::optional<unsigned long> surveyed = survey_.FirstMissingPair();
    for (unsigned long number = 1;
         surveyed ? number < *surveyed : exists(number) || exists(number + 1); number += 2) {
        pairs.insert(number);
    }
    for (const auto& [name, bank] : banks_) {
        if (const unsigned long number = LibraryFiles::BankNumber(name); number != 0) {
            pairs.insert(number % 2 == 1 ? number : number - 1);
        }
    }
    for (const unsigned long number : pairs) {
        const std::string wordName = LibraryFiles::BankName(number);
        const std::string hintName = LibraryFiles::BankName(number + 1);
        const BankFacts& words = BankOf(wordName);
        const BankFacts& hints = BankOf(hintName);
        for (const auto& [name, bank] : {std::pair{&wordName, &words}, {&hintName, &hints}}) {
            if (bank->holdsNul) {
                const std::string path = Path(*name); // clang 14 captures no binding
                pairProblems_.push_back(ErrorText([&] { RaiseListHoldsNul(path); }));
            }
        }
        if (words.error.empty() && hints.error.empty() && words.lineCount != hints.lineCount) {
            pairProblems_.push_back(ErrorText([&] {
                RaiseBanksOutOfStep(Path(wordName), words.lineCount, Path(hintName),
                                    hints.lineCount);
            }));
        }
    }
}

std::optional<std::pair<const BankFacts*, const BankFacts*>>
LibraryChecker::BanksOf(std::size_t k, const Record& record) {
    const std::string_view words = record[kWordBanks];
    const std::string_view hints = record[kHintBanks];
    if (k > 0 && words == lastWords_ && hints == lastHints_) {
        if (!lastBanks_) {
            CheckBankNames(k, record); // the same faulty names: a line for this puzzle too
        }
        return lastBanks_;
    }
    lastWords_.assign(words);
    lastHints_.assign(hints);
    lastBanks_.reset();
    if (CheckBankNames(k, record)) {
        lastBanks_.emplace(&BankOf(words), &BankOf(hints));
    }
    return lastBanks_;
}

void LibraryChecker::CheckPuzzle(std::size_t k, const Record& record) {
    const auto banks = BanksOf(k, record);
    if (!banks) {
        return;
    }
    const auto& [words, hints] = *banks;
    for (const BankFacts* bank : {words, hints}) {
        if (!bank->error.empty()) {
            Report(PuzzlePrefix(k, record) + bank->error);
            return;
        }
    }
    CheckLines(k, record, *words, *hints);
}

bool LibraryChecker::LoadTreeTitles() {
    try {
        WalkTreeFile(Path(kTreeFile), [&](const TreeEntry& item) {
            if (item.puzzle) {
                treeTitles_.Add(item.text);
            }
        });
    } catch (const LibraryError& error) {
        treeProblems_.push_back(Path(kTreeFile) + ": " + error.what());
        return false;
    }
    treeTitles_.Seal();
    return true;
}

void LibraryChecker::CheckTreeTitle(std::size_t k, std::string_view title, const TitleHash& hash) {
    if (!treeLoaded_) {
        return;
    }
    if (const auto found = treeTitles_.Find(hash, lastInTree_)) {
        lastInTree_ = found;
        return;
    }
    treeProblems_.push_back("Puzzle \"" + Latin1ToUtf8(title) + "\"" +
                            LineNote(k, LibraryFiles::kTitles) + " is under no folder of " +
                            kTreeFile);
}

// The tree's puzzles by the hashes of their titles, walked again only when some are missing.
void LibraryChecker::CheckTreePuzzles() {
    std::optional<std::uint32_t> near;
    std::vector<bool> missing(treeTitles_.Lines());
    bool anyMissing = false;
    for (std::size_t p = 0; p < treeTitles_.Lines(); ++p) {
        if (const auto found = titles_.Find(treeTitles_.HashOfLine(p), near)) {
            near = found;
        } else {
            missing[p] = anyMissing = true;
        }
    }
    if (!anyMissing) {
        return;
    }
    std::size_t p = 0;
    try {
        WalkTreeFile(Path(kTreeFile), [&](const TreeEntry& item) {
            if (item.puzzle && p < missing.size() && missing[p++]) {
                treeProblems_.push_back("Puzzle \"" + Latin1ToUtf8(item.text) + "\"" +
                                        LineNote(item.index, kTreeFile) + " is not in " +
                                        kMasterList);
            }
        });
    } catch (const LibraryError&) {
        // Changed since it was first walked; what it showed until then is reported.
    }
}

void LibraryChecker::CheckBestTime(ListIndex list, std::size_t k, std::string_view time) {
    constexpr std::size_t kMaxDigits = 9; // within 32 bits
    if (time.size() > kMaxDigits || !IsDecimalDigits(time)) {
        timeProblems_[list - kPlainTimes].push_back("Best time \"" + Latin1ToUtf8(time) + "\"" +
                                                    LineNote(k, kCatalogueLists[list]) +
                                                    " is not a whole number of seconds");
    }
}

std::vector<std::string> LibraryChecker::Run() {
    OpenLists();
    if (lists_[kTitles].Readable()) {
        treeLoaded_ = LoadTreeTitles();
    }
    WalkRecords();
    ReportLists();
    CheckBankPairs();
    if (treeLoaded_ && lists_[kTitles].Readable()) {
        CheckTreePuzzles();
    }
    std::vector<std::string> problems = std::move(listProblems_);
    for (std::vector<std::string>* part :
         {&puzzleProblems_, &pairProblems_, &treeProblems_, &timeProblems_[0], &timeProblems_[1]}) {
        problems.insert(problems.end(), std::make_move_iterator(part->begin()),
                        std::make_move_iterator(part->end()));
    }
    return problems;
}

} // namespace

std::vector<std::string> LibraryProblems(const std::filesystem::path& dataDir) {
    return LibraryChecker(dataDir).Run();
}

LibraryReport CheckLibrary(const std::filesystem::path& dataDir) {
    LibraryReport report;
    std::optional<LibraryLock> lock;
    const std::filesystem::path folder = dataDir.empty() ? "." : dataDir;
    // A folder that cannot be written is checked as it is, unless a filing there needs settling.
    if (::access(folder.c_str(), W_OK) == 0 || HasFilingLeftovers(dataDir)) {
        try {
            lock.emplace(dataDir);
            report.recovery = lock->Recovered();
        } catch (const LibraryError& error) {
            report.problems.push_back(error.what());
        }
    }
    std::vector<std::string> problems = LibraryProblems(dataDir);
    report.problems.insert(report.problems.end(), problems.begin(), problems.end());
    return report;
}

} // namespace lexiglade
