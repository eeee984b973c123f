#include "library/Append.h"

#include "library/AppendPlan.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/ListAppend.h"
#include "library/Paths.h"
#include "library/PuzzleText.h"
#include "library/TextList.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace lexiglade {

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// Refuses what the library cannot hold or the game could not play.
void RequireFileable(const std::string& dataDir, const NewPuzzle& puzzle, const TextList& words,
                     const TextList& hints) {
    const auto refuse = [&](const std::string& reason) { RaiseNotFileable(puzzle.title, reason); };
    if (BreaksTree(puzzle.title, false) || HoldsControlCharacter(puzzle.title)) {
        refuse("its title begins with a space or holds a control character");
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
                   std::to_string(i + 1) + " names no picture of " + PictureFolder(dataDir));
        }
    }
}

// Reads and computes stage by stage; the planned replacements are applied afterwards.
class AppendPlan {
  public:
    AppendPlan(const std::string& dataDir, const NewPuzzle& puzzle)
        : dataDir_(dataDir), puzzle_(puzzle), words_(ParseList(puzzle.words)),
          hints_(ParseList(puzzle.hints)) {}

    void PlanStage(AppendStage stage);
    // The planned change; the plan is spent.
    PlannedAppend Take() {
        PromisedPuzzle promised{puzzle_.title, filed_, std::move(words_), std::move(hints_)};
        return {{std::move(files_), {std::move(promised)}}, std::move(stages_)};
    }

  private:
    std::string Path(const std::string& name) const { return dataDir_ + name; }
    void Add(AppendStage stage, std::string name, std::optional<std::string> previous,
             std::string bytes);
    // Appends one line to list `name`; returns the line count it had.
    std::size_t AppendToList(AppendStage stage, const std::string& name, const std::string& line);
    void PlanTree();
    void PlanBanks();
    void UseNewPair();
    bool TryExistingPair();

    const std::string& dataDir_;
    const NewPuzzle& puzzle_;
    TextList words_;
    TextList hints_;
    std::vector<FileReplacement> files_;
    std::vector<AppendStage> stages_;
    FiledPuzzle filed_;
    std::string bank_;            // the word bank last read by the search
    std::size_t masterLines_ = 0; // the line count of "a8.asl", which every list must share
};

void AppendPlan::Add(AppendStage stage, std::string name, std::optional<std::string> previous,
                     std::string bytes) {
    files_.push_back({std::move(name), std::move(previous), std::move(bytes)});
    stages_.push_back(stage);
}

std::size_t AppendPlan::AppendToList(AppendStage stage, const std::string& name,
                                     const std::string& line) {
    std::string old = ReadFileBytes(Path(name));
    if (old.find('\0') != std::string::npos) {
        RaiseListHoldsNul(Path(name)); // its lines after the NUL would be lost
    }
    AppendedList appended = AppendLines(old, {line});
    if (stage == AppendStage::Master) {
        masterLines_ = appended.oldLines;
    } else if (appended.oldLines != masterLines_) {
        RaiseListLengthDiffers(Path(name), appended.oldLines, Path(kMasterList), masterLines_);
    }
    Add(stage, name, std::move(old), std::move(appended.bytes));
    return appended.oldLines;
}

void AppendPlan::PlanTree() {
    const std::string path = Path(kTreeFile);
    std::optional<std::string> previous;
    if (FileExists(path)) {
        previous = ReadFileBytes(path);
    }
    if (puzzle_.treeBase && previous != puzzle_.treeBase) {
        RaiseTreeChanged(path);
    }
    Add(AppendStage::FolderList, kTreeFile, std::move(previous), puzzle_.tree);
}

void AppendPlan::UseNewPair() {
    filed_.first = 0;
    filed_.last = static_cast<std::int32_t>(words_.size()) - 1;
    Add(AppendStage::Banks, filed_.wordBank, std::nullopt, puzzle_.words);
    Add(AppendStage::Banks, filed_.hintBank, std::nullopt, puzzle_.hints);
}

bool AppendPlan::TryExistingPair() {
    ReadFileInto(Path(filed_.wordBank), bank_);
    const std::size_t count = ScanList(bank_).lines;
    if (count > kBankLineLimit) {
        return false;
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
    Add(AppendStage::Banks, filed_.wordBank, bank_, std::move(newWords.bytes));
    Add(AppendStage::Banks, filed_.hintBank, std::move(oldHints), std::move(newHints.bytes));
    return true;
}

void AppendPlan::PlanBanks() {
    for (std::size_t number = 1;; number += 2) {
        filed_.wordBank = LibraryFiles::BankName(number);
        filed_.hintBank = LibraryFiles::BankName(number + 1);
        if (!FileExists(Path(filed_.wordBank))) {
            if (FileExists(Path(filed_.hintBank))) {
                continue; // its hints belong to puzzles already filed
            }
            UseNewPair();
            return;
        }
        if (TryExistingPair()) {
            return;
        }
    }
}

void AppendPlan::PlanStage(AppendStage stage) {
    switch (stage) {
    case AppendStage::FolderList:
        RequireFileable(dataDir_, puzzle_, words_, hints_);
        PlanTree();
        break;
    case AppendStage::Master:
        filed_.puzzleIndex =
            static_cast<std::int32_t>(AppendToList(stage, kMasterList, puzzle_.title));
        break;
    case AppendStage::Banks:
        PlanBanks();
        break;
    case AppendStage::FilePointers:
        AppendToList(stage, LibraryFiles::WordBanks, filed_.wordBank);
        AppendToList(stage, LibraryFiles::HintBanks, filed_.hintBank);
        break;
    case AppendStage::PositionPointers:
        AppendToList(stage, LibraryFiles::FirstBankLines, std::to_string(filed_.first));
        AppendToList(stage, LibraryFiles::LastBankLines, std::to_string(filed_.last));
        break;
    case AppendStage::TimeDatabase:
        AppendToList(stage, LibraryFiles::PlainBestTimes, kPlainBestTime);
        AppendToList(stage, LibraryFiles::BackwardBestTimes, kBackwardBestTime);
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

} // namespace

const char* StageText(AppendStage stage) {
    static constexpr std::array<const char*, kAppendStageCount> kTexts = {
        "Updating Folder List", "Updating Master",          "Saving Puzzle Word and Hint Lists",
        "Saving File Pointers", "Saving Position Pointers", "Saving Time Database"};
    return kTexts[static_cast<std::size_t>(stage)];
}

PlannedAppend PlanAppend(const std::string& dataDir, const NewPuzzle& puzzle,
                         const std::function<void(AppendStage)>& reached) {
    AppendPlan plan(dataDir, puzzle);
    for (int s = 0; s < kAppendStageCount; ++s) {
        const auto stage = static_cast<AppendStage>(s);
        if (reached) {
            reached(stage);
        }
        plan.PlanStage(stage);
    }
    return plan.Take();
}

FiledPuzzle AppendPuzzle(const std::string& dataDir, const NewPuzzle& puzzle,
                         const StageReport& report) {
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
        plan = PlanAppend(dataDir, puzzle, [&](AppendStage stage) { reached = stage; });
    } catch (...) {
        announcer.Reach(reached); // the label shows the stage that could not be done
        throw;
    }
    FileChange(dataDir, plan.change, [&](std::size_t i) { announcer.Reach(plan.stages[i]); });
    return plan.change.puzzles.front().filed;
}

FiledPuzzle AppendPuzzleToFolder(const std::string& dataDir, const NewPuzzle& puzzle,
                                 const std::string& folder, const StageReport& report,
                                 FolderPlace place) {
    const LibraryLock lock(dataDir);
    NewPuzzle placed = puzzle;
    placed.treeBase = ReadFileBytes(dataDir + kTreeFile);
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
