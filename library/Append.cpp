#include "library/Append.h"

#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/ListAppend.h"
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

std::string BankName(std::size_t number) {
    std::string name = "b";
    name += std::to_string(number);
    name += ".asl";
    return name;
}

// Reads and computes stage by stage; the planned replacements are applied afterwards.
class AppendPlan {
  public:
    AppendPlan(const std::string& dataDir, const NewPuzzle& puzzle)
        : dataDir_(dataDir), puzzle_(puzzle) {}

    void PlanStage(AppendStage stage);
    const std::vector<FileReplacement>& Files() const { return files_; }
    const std::vector<AppendStage>& Stages() const { return stages_; }
    const FiledPuzzle& Filed() const { return filed_; }

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
    const auto words = static_cast<std::int32_t>(ParseList(puzzle_.words).size());
    filed_.first = 0;
    filed_.last = words - 1;
    Add(AppendStage::Banks, filed_.wordBank, std::nullopt, puzzle_.words);
    Add(AppendStage::Banks, filed_.hintBank, std::nullopt, puzzle_.hints);
}

bool AppendPlan::TryExistingPair() {
    ReadFileInto(Path(filed_.wordBank), bank_);
    const std::size_t count = ScanList(bank_).lines;
    if (count > kBankLineLimit) {
        return false;
    }
    const TextList words = ParseList(puzzle_.words);
    filed_.first = static_cast<std::int32_t>(count);
    filed_.last = static_cast<std::int32_t>(count + words.size()) - 1;
    std::string oldHints = ReadFileBytes(Path(filed_.hintBank));
    AppendedList newWords = AppendLines(bank_, words);
    AppendedList newHints = AppendLines(oldHints, ParseList(puzzle_.hints));
    Add(AppendStage::Banks, filed_.wordBank, bank_, std::move(newWords.bytes));
    Add(AppendStage::Banks, filed_.hintBank, std::move(oldHints), std::move(newHints.bytes));
    return true;
}

void AppendPlan::PlanBanks() {
    for (std::size_t number = 1;; number += 2) {
        filed_.wordBank = BankName(number);
        filed_.hintBank = BankName(number + 1);
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
    AppendPlan plan(dataDir, puzzle);
    for (int s = 0; s < kAppendStageCount; ++s) {
        const auto stage = static_cast<AppendStage>(s);
        try {
            plan.PlanStage(stage);
        } catch (...) {
            announcer.Reach(stage); // the label shows the stage that could not be done
            throw;
        }
    }
    ReplaceAllOrNothing(dataDir, plan.Files(),
                        [&](std::size_t i) { announcer.Reach(plan.Stages()[i]); });
    return plan.Filed();
}

FiledPuzzle AppendPuzzleToFolder(const std::string& dataDir, const NewPuzzle& puzzle,
                                 const std::string& folder, const StageReport& report) {
    const LibraryLock lock(dataDir);
    NewPuzzle placed = puzzle;
    placed.treeBase = ReadFileBytes(dataDir + kTreeFile);
    TextList tree = ParseList(*placed.treeBase);
    const auto found = std::find_if(tree.begin(), tree.end(), [&](const std::string& line) {
        return IsFolderLine(line) && line == folder;
    });
    if (found == tree.end()) {
        PlaceInNewFolder(tree, folder, puzzle.title);
    } else {
        PlaceUnderFolder(tree, found - tree.begin(), puzzle.title);
    }
    placed.tree = FormatList(tree);
    return AppendPuzzle(dataDir, placed, report);
}

} // namespace lexiglade
