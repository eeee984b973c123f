#include "library/Append.h"

#include "library/AppendPlan.h"
#include "library/BankCounts.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/InputFile.h"
#include "library/Journal.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/ListAppend.h"
#include "library/ListScan.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kCopyPiece = std::size_t{1} << 16;

std::uint64_t appendInPlaceFrom = kAppendInPlaceFrom;

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Refuses what the library cannot hold or the game could not play.
void RequireFileable(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                     const TextList& words, const TextList& hints) {
    const auto refuse = [&](const std::string& reason) { RaiseNotFileable(puzzle.title, reason); };
    if (BreaksTree(puzzle.title, false) || HoldsControlCharacter(puzzle.title)) {
        refuse("its title begins with a space or holds a control character");
    }
    if (words.empty()) {
        refuse("it has no words"); // the game would open an empty puzzle that can never be won
    }
    if (words.size() != hints.size()) {
        refuse("it has " + std::to_string(words.size()) + " words and " +
               std::to_string(hints.size()) + " hints");
    }
    for (const auto& [list, what] : {std::pair{&words, "word "}, std::pair{&hints, "hint "}}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            const std::string& text = (*list)[i];
            if (text.empty() || HoldsControlCharacter(text)) {
                refuse(what + std::to_string(i + 1) +
                       (text.empty() ? " is empty" : " holds a control character"));
            }
        }
    }
    if (hints.empty() || !TakenForPictures(hints.front())) {
        return;
    }
    for (std::size_t i = 0; i < hints.size(); ++i) {
        if (!FindPicture(dataDir, hints[i])) {
            refuse("its first hint holds a full stop, so the game takes its hints for pictures, "
                   "and hint " +
                   std::to_string(i + 1) + " names no picture of " +
                   DirectoryForm(PictureFolder(dataDir)).string());
        }
    }
}

// What a list holds that the filing must know: its line count, the lines equal to a text sought,
// the text of the lines asked for.
struct ListFacts {
    std::size_t lines = 0;
    std::vector<std::uint64_t> equal;
    std::map<std::uint64_t, std::string> wanted;
};

ListFacts FactsOf(std::string_view bytes, std::optional<std::string_view> sought,
                  const std::vector<std::uint64_t>& wanted) {
    ListFacts facts;
    const std::set<std::uint64_t> asked(wanted.begin(), wanted.end());
    LineCursor cursor(bytes);
    std::string_view line;
    for (; cursor.Next(line); ++facts.lines) {
        if (sought && line == *sought) {
            facts.equal.push_back(facts.lines);
        }
        if (asked.count(facts.lines) != 0) {
            facts.wanted[facts.lines] = std::string(line);
        }
    }
    return facts;
}

// The tree as it will be: its bytes up to the insertion, the new lines, the rest; refused when
// the tree is no longer the one the insertion was found in.
ContentProducer InsertedTree(const std::string& path, const TreeInsertion& insertion) {
    return [path, insertion](const ContentWriter& write) {
        InputFile tree(path);
        if (tree.Stamp() != insertion.stamp) {
            RaiseTreeChanged(path);
        }
        std::string piece(kCopyPiece, '\0');
        const auto copy = [&](std::uint64_t from, std::uint64_t to) {
            while (from < to) {
                const auto want =
                    static_cast<std::size_t>(std::min<std::uint64_t>(to - from, piece.size()));
                const std::size_t got = tree.ReadAt(from, piece.data(), want);
                if (got == 0) {
                    RaiseTreeChanged(path);
                }
                write({piece.data(), got});
                from += got;
            }
        };
        copy(0, insertion.at);
        write(insertion.lines);
        copy(insertion.at, insertion.stamp.size);
        if (tree.StampNow() != insertion.stamp) {
            RaiseTreeChanged(path);
        }
    };
}

// Reads and computes stage by stage; the planned replacements are applied afterwards.
class AppendPlan {
  public:
    AppendPlan(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
               const TreeInsertion* insertion)
        : dataDir_(dataDir), puzzle_(puzzle), insertion_(insertion),
          words_(ParseList(puzzle.words)), hints_(ParseList(puzzle.hints)) {}

    void PlanStage(AppendStage stage);
    // Refuses a placement that would not load the puzzle as given, as reading it back would.
    void ProvePlace() const { ProvePlacement(dataDir_, {puzzle_.title, filed_, {}, {}}, facts_); }
    // The planned change; the plan is spent.
    PlannedAppend Take() {
        PromisedPuzzle promised{puzzle_.title, filed_, std::move(words_), std::move(hints_)};
        return {{std::move(files_), {std::move(promised)}}, std::move(stages_)};
    }

  private:
    std::string Path(const std::string& name) const { return dataDir_ / name; }
    void Add(AppendStage stage, FileReplacement file);
    // Appends one line to list `name`, looking for the lines equal to `sought` and at the lines
    // `wanted` on the way.
    ListFacts AppendToList(AppendStage stage, const char* name, const std::string& line,
                           std::optional<std::string_view> sought = std::nullopt,
                           const std::vector<std::uint64_t>& wanted = {});
    void PlanTree();
    void PlanBanks();
    void UseNewPair();
    bool TryExistingPair(BankCounts& counts, unsigned long number);
    void NoteSharing(const ListFacts& facts);

    const std::filesystem::path& dataDir_;
    const NewPuzzle& puzzle_;
    const TreeInsertion* insertion_;
    TextList words_;
    TextList hints_;
    std::vector<FileReplacement> files_;
    std::vector<AppendStage> stages_;
    FiledPuzzle filed_;
    std::string bank_;            // the word bank last read by the search
    std::size_t masterLines_ = 0; // the line count of "a8.asl", which every list must share
    PlacementFacts facts_;
    std::vector<std::uint64_t> sharing_; // the records that name a bank of the new pair
};

void AppendPlan::Add(AppendStage stage, FileReplacement file) {
    files_.push_back(std::move(file));
    stages_.push_back(stage);
}

ListFacts AppendPlan::AppendToList(AppendStage stage, const char* name, const std::string& line,
                                   std::optional<std::string_view> sought,
                                   const std::vector<std::uint64_t>& wanted) {
    const std::string path = Path(name);
    ListFacts facts;
    bool grown = false;
    const std::optional<FileStamp> stamp = StampOfFile(path);
    if (stamp && stamp->size >= appendInPlaceFrom &&
        line.size() + kLineEnd.size() <= kMostAppendedBytes) {
        ListScan scan = ScanListFile(path, sought, wanted);
        if (scan.holdsNul) {
            RaiseListHoldsNul(path); // its lines after the NUL would be lost
        }
        if (scan.canonical) {
            facts.lines = scan.lines;
            for (const ListScan::Match& match : scan.equal) {
                facts.equal.push_back(match.line);
            }
            facts.wanted = std::move(scan.wanted);
            Add(stage, {name,
                        std::nullopt,
                        line + std::string(kLineEnd),
                        {},
                        false,
                        GrowingList{scan.stamp, scan.lines}});
            grown = true;
        }
    }
    if (!grown) {
        std::string old = ReadFileBytes(path);
        if (old.find('\0') != std::string::npos) {
            RaiseListHoldsNul(path); // its lines after the NUL would be lost
        }
        facts = FactsOf(old, sought, wanted);
        AppendedList appended = AppendLines(old, {line});
        Add(stage, {name, std::move(old), std::move(appended.bytes)});
    }
    if (stage == AppendStage::Master) {
        masterLines_ = facts.lines;
    } else if (facts.lines != masterLines_) {
        RaiseListLengthDiffers(path, facts.lines, Path(kMasterList), masterLines_);
    }
    return facts;
}

void AppendPlan::PlanTree() {
    const std::string path = Path(kTreeFile);
    if (insertion_ != nullptr) {
        if (insertion_->at == insertion_->stamp.size &&
            insertion_->lines.size() <= kMostAppendedBytes) {
            Add(AppendStage::FolderList, {kTreeFile,
                                          std::nullopt,
                                          insertion_->lines,
                                          {},
                                          false,
                                          GrowingList{insertion_->stamp, 0}});
        } else {
            Add(AppendStage::FolderList,
                {kTreeFile, std::nullopt, {}, InsertedTree(path, *insertion_), true});
        }
        return;
    }
    std::optional<std::string> previous;
    if (FileExists(path)) {
        previous = ReadFileBytes(path);
    }
    if (puzzle_.treeBase && previous != puzzle_.treeBase) {
        RaiseTreeChanged(path);
    }
    Add(AppendStage::FolderList, {kTreeFile, std::move(previous), puzzle_.tree});
}

void AppendPlan::UseNewPair() {
    filed_.first = 0;
    filed_.last = static_cast<std::int32_t>(words_.size()) - 1;
    Add(AppendStage::Banks, {filed_.wordBank, std::nullopt, puzzle_.words});
    Add(AppendStage::Banks, {filed_.hintBank, std::nullopt, puzzle_.hints});
}

bool AppendPlan::TryExistingPair(BankCounts& counts, unsigned long number) {
    const std::int64_t readNs = NowNs();
    std::size_t count = 0;
    {
        InputFile file(Path(filed_.wordBank));
        ReadOpenFileInto(file, bank_);
        count = ScanList(bank_).lines;
        if (count > kBankLineLimit) {
            if (file.StampNow() == file.Stamp()) {
                counts.Note(number, file.Stamp(), count, readNs);
            }
            return false;
        }
    }
    filed_.first = static_cast<std::int32_t>(count);
    filed_.last = static_cast<std::int32_t>(count + words_.size()) - 1;
    std::string oldHints = ReadFileBytes(Path(filed_.hintBank));
    for (const auto& [bank, name] :
         {std::pair{&bank_, &filed_.wordBank}, std::pair{&oldHints, &filed_.hintBank}}) {
        if (bank->find('\0') != std::string::npos) {
            RaiseListHoldsNul(Path(*name)); // its lines after the NUL would be lost
        }
    }
    AppendedList newWords = AppendLines(bank_, words_);
    AppendedList newHints = AppendLines(oldHints, hints_);
    if (newHints.oldLines != count) {
        RaiseBanksOutOfStep(Path(filed_.wordBank), count, Path(filed_.hintBank), newHints.oldLines);
    }
    Add(AppendStage::Banks, {filed_.wordBank, bank_, std::move(newWords.bytes)});
    Add(AppendStage::Banks, {filed_.hintBank, std::move(oldHints), std::move(newHints.bytes)});
    return true;
}

// The first pair whose word bank is missing or has room; a word bank whose kept count shows it
// full is passed over without being read.
void AppendPlan::PlanBanks() {
    BankCounts counts(dataDir_);
    unsigned long number = 1;
    for (;; number += 2) {
        filed_.wordBank = LibraryFiles::BankName(number);
        filed_.hintBank = LibraryFiles::BankName(number + 1);
        const std::optional<FileStamp> stamp = StampOfFile(Path(filed_.wordBank));
        if (!stamp) {
            if (FileExists(Path(filed_.hintBank))) {
                continue; // its hints belong to puzzles already filed
            }
            UseNewPair();
            break;
        }
        const std::optional<std::size_t> known = counts.Known(number, *stamp);
        if ((!known || *known <= kBankLineLimit) && TryExistingPair(counts, number)) {
            break;
        }
    }
    counts.Keep((number + 1) / 2);
}

void AppendPlan::NoteSharing(const ListFacts& facts) {
    sharing_.insert(sharing_.end(), facts.equal.begin(), facts.equal.end());
    std::sort(sharing_.begin(), sharing_.end());
    sharing_.erase(std::unique(sharing_.begin(), sharing_.end()), sharing_.end());
}

void AppendPlan::PlanStage(AppendStage stage) {
    switch (stage) {
    case AppendStage::FolderList:
        RequireFileable(dataDir_, puzzle_, words_, hints_);
        PlanTree();
        break;
    case AppendStage::Master: {
        const ListFacts titles = AppendToList(stage, kMasterList, puzzle_.title, puzzle_.title);
        filed_.puzzleIndex = static_cast<std::int32_t>(titles.lines);
        if (!titles.equal.empty()) {
            facts_.titleLine = titles.equal.front();
        }
        break;
    }
    case AppendStage::Banks:
        PlanBanks();
        break;
    case AppendStage::FilePointers:
        NoteSharing(
            AppendToList(stage, LibraryFiles::kWordBanks, filed_.wordBank, filed_.wordBank));
        NoteSharing(
            AppendToList(stage, LibraryFiles::kHintBanks, filed_.hintBank, filed_.hintBank));
        break;
    case AppendStage::PositionPointers: {
        ListFacts firsts = AppendToList(stage, LibraryFiles::kFirstBankLines,
                                        std::to_string(filed_.first), std::nullopt, sharing_);
        ListFacts lasts = AppendToList(stage, LibraryFiles::kLastBankLines,
                                       std::to_string(filed_.last), std::nullopt, sharing_);
        for (const std::uint64_t record : sharing_) {
            facts_.sharing[record] = {firsts.wanted[record], lasts.wanted[record]};
        }
        break;
    }
    case AppendStage::TimeDatabase:
        AppendToList(stage, LibraryFiles::kPlainBestTimes, kPlainBestTime);
        AppendToList(stage, LibraryFiles::kBackwardBestTimes, kBackwardBestTime);
        break;
    }
}

// Announces each stage once, in order, up to and including the one asked for.
class StageAnnouncer {
  public:
    explicit StageAnnouncer(const StageReport& report) : report_(report) {}
    void Reach(AppendStage stage) {
        while (next_ <= static_cast<int>(stage)) {
            const char* text = StageText(static_cast<AppendStage>(next_++));
            if (report_) {
                report_(text);
            }
        }
    }

  private:
    const StageReport& report_;
    int next_ = 0;
};

FiledPuzzle FilePuzzle(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                       const StageReport& report, const TreeInsertion* insertion) {
    StageAnnouncer announcer(report);
    std::optional<LibraryLock> lock;
    try {
        lock.emplace(dataDir);
    } catch (...) {
        announcer.Reach(AppendStage::FolderList);
        throw;
    }
    AppendStage reached = AppendStage::FolderList;
    PlannedAppend plan;
    try {
        plan = PlanAppend(
            dataDir, puzzle, [&](AppendStage stage) { reached = stage; }, insertion);
    } catch (...) {
        announcer.Reach(reached); // the label shows the stage that could not be done
        throw;
    }
    FileChange(dataDir, plan.change, [&](std::size_t i) { announcer.Reach(plan.stages[i]); });
    return plan.change.puzzles.front().filed;
}

// Byte after the lines of a folder that follow `offset` (those that begin with a tab or a space)
// in a tree whose lines end with CR LF.
std::uint64_t EndOfFolder(const std::string& path, std::uint64_t offset) {
    InputFile tree(path);
    std::string piece(kCopyPiece, '\0');
    bool inLine = false; // reading on to the end of an indented line
    for (;;) {
        const std::size_t got = tree.ReadAt(offset, piece.data(), piece.size());
        if (got == 0) {
            return offset;
        }
        for (std::size_t i = 0; i < got;) {
            if (!inLine && piece[i] != '\t' && piece[i] != ' ') {
                return offset + i;
            }
            const void* lineFeed = std::memchr(piece.data() + i, '\n', got - i);
            inLine = lineFeed == nullptr;
            i = inLine
                    ? got
                    : static_cast<std::size_t>(static_cast<const char*>(lineFeed) - piece.data()) +
                          1;
        }
        offset += got;
    }
}

// Where the puzzle's lines go in a large tree whose lines end with CR LF, found without holding
// it; none for any other tree. The new folder's name is checked as for any tree.
std::optional<TreeInsertion> FindInsertion(const std::string& path, const NewPuzzle& puzzle,
                                           const std::string& folder, FolderPlace place) {
    const std::optional<FileStamp> stamp = StampOfFile(path);
    if (!stamp || stamp->size < appendInPlaceFrom) {
        return std::nullopt;
    }
    const std::optional<std::string_view> sought =
        IsFolderLine(folder) ? std::optional<std::string_view>(folder) : std::nullopt;
    const ListScan scan = ScanListFile(path, sought);
    if (!scan.canonical) {
        return std::nullopt;
    }
    TreeInsertion insertion{scan.stamp, scan.stamp.size, PuzzleLine(puzzle.title) + "\r\n"};
    if (scan.equal.empty()) {
        if (BreaksTree(folder, true) || HoldsControlCharacter(folder)) {
            RaiseNotFileable(puzzle.title, "the name of its new folder is empty, begins with a "
                                           "space or holds a control character");
        }
        insertion.lines = folder + "\r\n" + insertion.lines;
        return insertion;
    }
    const std::uint64_t afterFolder = scan.equal.front().offset + folder.size() + kLineEnd.size();
    insertion.at = place == FolderPlace::Last ? EndOfFolder(path, afterFolder) : afterFolder;
    return insertion;
}

} // namespace

void SetAppendInPlaceFrom(std::uint64_t bytes) {
    appendInPlaceFrom = bytes;
}

const char* StageText(AppendStage stage) {
    static constexpr std::array<const char*, kAppendStageCount> kTexts = {
        "Updating Folder List", "Updating Master",          "Saving Puzzle Word and Hint Lists",
        "Saving File Pointers", "Saving Position Pointers", "Saving Time Database"};
    return kTexts[static_cast<std::size_t>(stage)];
}

PlannedAppend PlanAppend(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                         const std::function<void(AppendStage)>& reached,
                         const TreeInsertion* insertion) {
    AppendPlan plan(dataDir, puzzle, insertion);
    for (int s = 0; s < kAppendStageCount; ++s) {
        const auto stage = static_cast<AppendStage>(s);
        if (reached) {
            reached(stage);
        }
        plan.PlanStage(stage);
    }
    plan.ProvePlace();
    return plan.Take();
}

FiledPuzzle AppendPuzzle(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                         const StageReport& report) {
    return FilePuzzle(dataDir, puzzle, report, nullptr);
}

FiledPuzzle AppendPuzzleToFolder(const std::filesystem::path& dataDir, const NewPuzzle& puzzle,
                                 const std::string& folder, const StageReport& report,
                                 FolderPlace place) {
    const LibraryLock lock(dataDir);
    const std::string path = dataDir / kTreeFile;
    if (const std::optional<TreeInsertion> insertion = FindInsertion(path, puzzle, folder, place)) {
        return FilePuzzle(dataDir, puzzle, report, &*insertion);
    }
    NewPuzzle placed = puzzle;
    placed.treeBase = ReadFileBytes(path);
    TextList tree = ParseList(*placed.treeBase);
    const std::optional<std::size_t> found = FindFolderLine(tree, folder);
    if (!found) {
        if (BreaksTree(folder, true) || HoldsControlCharacter(folder)) {
            RaiseNotFileable(puzzle.title, "the name of its new folder is empty, begins with a "
                                           "space or holds a control character");
        }
        PlaceInNewFolder(tree, folder, puzzle.title);
    } else if (place == FolderPlace::Last) {
        PlaceLastInFolder(tree, *found, puzzle.title);
    } else {
        PlaceUnderFolder(tree, static_cast<std::int64_t>(*found), puzzle.title);
    }
    placed.tree = FormatList(tree);
    return AppendPuzzle(dataDir, placed, report);
}

} // namespace lexiglade
