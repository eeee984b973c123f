#include "library/LibraryCheck.h"

#include "library/Append.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Latin1.h"
#include "library/LibraryFiles.h"
#include "library/ListAppend.h"
#include "library/Paths.h"
#include "library/Puzzle.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"
#include "library/TreeFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <unordered_set>
#include <utility>

namespace lexiglade {

namespace {

enum ListIndex { kTitles, kWordBanks, kHintBanks, kFirsts, kLasts, kPlainTimes, kBackwardTimes };
constexpr std::size_t kListCount = std::size(kCatalogueLists);

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

// A line of "a11.asl" or "a12.asl" as StrToInt reads it, without copying the common case.
std::int32_t LineNumber(std::string_view text) {
    constexpr std::size_t kSafeDigits = 9; // within 32 bits whatever they are
    if (text.size() <= kSafeDigits && IsDecimalDigits(text)) {
        std::int32_t value = 0;
        for (const char c : text) {
            value = value * 10 + (c - '0');
        }
        return value;
    }
    return StrToInt(std::string(text)); // signs, and the error of what is no number
}

// A file's text and its lines, as views into it.
struct ListText {
    std::string bytes;
    std::vector<std::string_view> lines;

    void Read(const std::string& path) {
        bytes = ReadFileBytes(path);
        Split();
    }
    void Split() {
        LineCursor cursor(bytes);
        std::string_view line;
        while (cursor.Next(line)) {
            lines.push_back(line);
        }
    }
    std::string Line(std::size_t k) const { return std::string(lines[k]); }
    // Line k for a message: UTF-8.
    std::string Shown(std::size_t k) const { return Latin1ToUtf8(lines[k]); }
};

// Whether some line of the text is empty: it starts with a line end, or a line end follows
// another that is not the CR of a CR LF.
bool HasEmptyLine(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    const auto ends = [](char c) { return c == '\r' || c == '\n'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ends(text[i]) &&
            (i == 0 || (ends(text[i - 1]) && !(text[i - 1] == '\r' && text[i] == '\n')))) {
            return true;
        }
    }
    return false;
}

// A bank read once, however many puzzles point into it; its lines are cut out only when a puzzle
// needs to look at them.
struct Bank {
    std::string error; // why it cannot be read; empty when it was
    std::size_t lineCount = 0;
    bool mayNamePictures = false; // some line holds a '.', as a picture's name does
    bool hasEmptyLine = false;
    bool holdsNul = false;
    ListText text;

    const ListText& Lines() {
        if (text.lines.empty() && lineCount > 0) {
            text.Split();
        }
        return text;
    }
};

class LibraryChecker {
  public:
    explicit LibraryChecker(const std::string& dataDir) : dataDir_(dataDir) {}
    std::vector<std::string> Run();

  private:
    std::string Path(const std::string& name) const { return dataDir_ + name; }
    void ReadLists();
    void CheckPuzzle(std::size_t k);
    // The two banks of puzzle k when their names are sound, or none.
    std::optional<std::pair<Bank*, Bank*>> BanksOf(std::size_t k);
    // The start of a problem line of puzzle k.
    std::string PuzzlePrefix(std::size_t k) const;
    bool CheckBankNames(std::size_t k);
    void CheckLines(std::size_t k, Bank& words, Bank& hints);
    void CheckPictures(std::size_t k, const ListText& hints, std::int32_t first, std::int32_t last);
    void CheckEmptyHints(std::size_t k, Bank& hints, std::int32_t first, std::int32_t last);
    void CheckBankPairs();
    void CheckTree();
    void CheckBestTimes();
    Bank& BankOf(std::string_view name);
    void Report(std::string problem) { problems_.push_back(std::move(problem)); }

    const std::string& dataDir_;
    std::vector<std::string> problems_;
    std::vector<ListText> lists_ = std::vector<ListText>(kListCount);
    std::vector<bool> read_ = std::vector<bool>(kListCount);
    std::map<std::string, Bank, std::less<>> banks_;
    // The bank names of the puzzle before, and their banks: most puzzles share them.
    std::string_view lastWords_, lastHints_;
    std::optional<std::pair<Bank*, Bank*>> lastBanks_;
};

void LibraryChecker::ReadLists() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        const std::string path = Path(kCatalogueLists[i]);
        try {
            lists_[i].Read(path);
        } catch (const LibraryError& error) {
            Report(error.what());
            continue;
        }
        if (lists_[i].bytes.find('\0') != std::string::npos) {
            Report(ErrorText([&] { RaiseListHoldsNul(path); }));
        }
        read_[i] = true;
    }
    const std::size_t titles = lists_[kTitles].lines.size();
    for (std::size_t i = 1; i < kListCount; ++i) {
        if (read_[kTitles] && read_[i] && lists_[i].lines.size() != titles) {
            Report(ErrorText([&] {
                RaiseListLengthDiffers(Path(kCatalogueLists[i]), lists_[i].lines.size(),
                                       Path(kCatalogueLists[kTitles]), titles);
            }));
        }
    }
}

Bank& LibraryChecker::BankOf(std::string_view name) {
    const auto found = banks_.find(name);
    if (found != banks_.end()) {
        return found->second;
    }
    Bank& bank = banks_[std::string(name)];
    try {
        bank.text.bytes = ReadFileBytes(Path(std::string(name)));
        bank.lineCount = ScanList(bank.text.bytes).lines;
        bank.mayNamePictures = bank.text.bytes.find('.') != std::string::npos;
        bank.hasEmptyLine = HasEmptyLine(bank.text.bytes);
        bank.holdsNul = bank.text.bytes.find('\0') != std::string::npos;
    } catch (const LibraryError& error) {
        bank.error = error.what();
    }
    return bank;
}

std::string LibraryChecker::PuzzlePrefix(std::size_t k) const {
    return "Puzzle \"" + lists_[kTitles].Shown(k) + "\"" + LineNote(k, LibraryFiles::Titles) + ": ";
}

bool LibraryChecker::CheckBankNames(std::size_t k) {
    const std::string_view words = lists_[kWordBanks].lines[k];
    const std::string_view hints = lists_[kHintBanks].lines[k];
    for (const std::string_view name : {words, hints}) {
        if (!IsPlainFileName(name)) {
            Report(PuzzlePrefix(k) + ErrorText([&] { RaiseNotPlainName(std::string(name)); }));
            return false;
        }
    }
    const unsigned long number = LibraryFiles::BankNumber(words);
    if (number % 2 != 1 || LibraryFiles::BankNumber(hints) != number + 1) {
        Report(PuzzlePrefix(k) + "its banks " + Latin1ToUtf8(words) + " and " +
               Latin1ToUtf8(hints) + " are not a pair");
        return false;
    }
    return true;
}

void LibraryChecker::CheckPictures(std::size_t k, const ListText& hints, std::int32_t first,
                                   std::int32_t last) {
    if (last < first || !TakenForPictures(hints.lines[static_cast<std::size_t>(first)])) {
        return; // a puzzle of text hints
    }
    const auto begin = hints.lines.begin() + first;
    if (!std::all_of(begin, begin + (last - first + 1), NamesBitmap)) {
        Report(PuzzlePrefix(k) + "its first hint \"" +
               hints.Shown(static_cast<std::size_t>(first)) +
               "\" holds a full stop, so the game takes its text hints for pictures");
        return;
    }
    for (std::int32_t i = first; i <= last; ++i) {
        const std::string hint = hints.Line(static_cast<std::size_t>(i));
        if (!IsPlainFileName(hint)) {
            Report(PuzzlePrefix(k) + ErrorText([&] { RaiseNotPlainName(hint); }));
        } else if (!FindPicture(dataDir_, hint)) {
            Report(PuzzlePrefix(k) + "its picture " + PictureFolder(dataDir_) + Latin1ToUtf8(hint) +
                   " is missing");
        }
    }
}

void LibraryChecker::CheckLines(std::size_t k, Bank& words, Bank& hints) {
    std::int32_t first = 0;
    std::int32_t last = 0;
    try {
        first = LineNumber(lists_[kFirsts].lines[k]);
        last = LineNumber(lists_[kLasts].lines[k]);
    } catch (const LibraryError& error) {
        Report(PuzzlePrefix(k) + error.what());
        return;
    }
    const auto within = [&](const Bank& bank) {
        return first >= 0 && std::int64_t{last} >= std::int64_t{first} - 1 &&
               std::int64_t{last} < static_cast<std::int64_t>(bank.lineCount);
    };
    if (!within(words) || !within(hints)) {
        Report(PuzzlePrefix(k) + "its lines " + std::to_string(first) + " to " +
               std::to_string(last) + " lie outside its banks (" + lists_[kWordBanks].Shown(k) +
               " has " + std::to_string(words.lineCount) + " lines, " +
               lists_[kHintBanks].Shown(k) + " has " + std::to_string(hints.lineCount) + ")");
        return;
    }
    if (hints.hasEmptyLine) {
        CheckEmptyHints(k, hints, first, last);
    }
    if (hints.mayNamePictures) {
        CheckPictures(k, hints.Lines(), first, last);
    }
}

void LibraryChecker::CheckEmptyHints(std::size_t k, Bank& hints, std::int32_t first,
                                     std::int32_t last) {
    const std::vector<std::string_view>& lines = hints.Lines().lines;
    for (std::int32_t i = first; i <= last; ++i) {
        if (lines[static_cast<std::size_t>(i)].empty()) {
            Report(PuzzlePrefix(k) + "its hint " + std::to_string(i - first + 1) + " (line " +
                   std::to_string(i + 1) + " of " + lists_[kHintBanks].Shown(k) + ") is empty");
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
    for (unsigned long number = 1; exists(number) || exists(number + 1); number += 2) {
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
        Bank& words = BankOf(wordName);
        Bank& hints = BankOf(hintName);
        for (const std::string* name : {&wordName, &hintName}) {
            if (BankOf(*name).holdsNul) {
                Report(ErrorText([&] { RaiseListHoldsNul(Path(*name)); }));
            }
        }
        if (words.error.empty() && hints.error.empty() && words.lineCount != hints.lineCount) {
            Report(ErrorText([&] {
                RaiseBanksOutOfStep(Path(wordName), words.lineCount, Path(hintName),
                                    hints.lineCount);
            }));
        }
    }
}

std::optional<std::pair<Bank*, Bank*>> LibraryChecker::BanksOf(std::size_t k) {
    const std::string_view words = lists_[kWordBanks].lines[k];
    const std::string_view hints = lists_[kHintBanks].lines[k];
    if (k > 0 && words == lastWords_ && hints == lastHints_) {
        if (!lastBanks_) {
            CheckBankNames(k); // the same faulty names: a line for this puzzle too
        }
        return lastBanks_;
    }
    lastWords_ = words;
    lastHints_ = hints;
    lastBanks_.reset();
    if (CheckBankNames(k)) {
        lastBanks_.emplace(&BankOf(words), &BankOf(hints));
    }
    return lastBanks_;
}

void LibraryChecker::CheckPuzzle(std::size_t k) {
    const std::optional<std::pair<Bank*, Bank*>> banks = BanksOf(k);
    if (!banks) {
        return;
    }
    const auto& [words, hints] = *banks;
    for (const Bank* bank : {words, hints}) {
        if (!bank->error.empty()) {
            Report(PuzzlePrefix(k) + bank->error);
            return;
        }
    }
    CheckLines(k, *words, *hints);
}

void LibraryChecker::CheckTree() {
    TreeModel tree;
    try {
        LoadTreeFile(Path(kTreeFile), tree);
    } catch (const LibraryError& error) {
        Report(Path(kTreeFile) + ": " + error.what());
        return;
    }
    std::unordered_set<std::string_view> inTree;
    for (std::size_t s = 0; s < tree.size(); ++s) {
        if (IsPuzzleItem(tree, s)) {
            inTree.insert(tree[s].text);
        }
    }
    const std::vector<std::string_view>& titles = lists_[kTitles].lines;
    const std::unordered_set<std::string_view> listed(titles.begin(), titles.end());
    for (std::size_t k = 0; k < titles.size(); ++k) {
        if (inTree.count(titles[k]) == 0) {
            Report("Puzzle \"" + lists_[kTitles].Shown(k) + "\"" +
                   LineNote(k, LibraryFiles::Titles) + " is under no folder of " + kTreeFile);
        }
    }
    for (std::size_t s = 0; s < tree.size(); ++s) {
        if (IsPuzzleItem(tree, s) && listed.count(tree[s].text) == 0) {
            Report("Puzzle \"" + Latin1ToUtf8(tree[s].text) + "\"" + LineNote(s, kTreeFile) +
                   " is not in " + kMasterList);
        }
    }
}

bool IsSeconds(std::string_view text) {
    constexpr std::size_t kMaxDigits = 9; // within 32 bits
    return text.size() <= kMaxDigits && IsDecimalDigits(text);
}

void LibraryChecker::CheckBestTimes() {
    for (const ListIndex list : {kPlainTimes, kBackwardTimes}) {
        for (std::size_t k = 0; k < lists_[list].lines.size(); ++k) {
            if (!IsSeconds(lists_[list].lines[k])) {
                Report("Best time \"" + lists_[list].Shown(k) + "\"" +
                       LineNote(k, kCatalogueLists[list]) + " is not a whole number of seconds");
            }
        }
    }
}

std::vector<std::string> LibraryChecker::Run() {
    ReadLists();
    std::size_t puzzles = lists_[kTitles].lines.size();
    for (std::size_t i = 0; i < kListCount; ++i) {
        puzzles = std::min(puzzles, read_[i] ? lists_[i].lines.size() : 0);
    }
    for (std::size_t k = 0; k < puzzles; ++k) {
        CheckPuzzle(k);
    }
    CheckBankPairs();
    if (read_[kTitles]) {
        CheckTree();
    }
    CheckBestTimes();
    return std::move(problems_);
}

} // namespace

std::vector<std::string> LibraryProblems(const std::string& dataDir) {
    return LibraryChecker(dataDir).Run();
}

LibraryReport CheckLibrary(const std::string& dataDir) {
    LibraryReport report;
    std::optional<LibraryLock> lock;
    const std::string folder = dataDir.empty() ? "." : dataDir;
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
