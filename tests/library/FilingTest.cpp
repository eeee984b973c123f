#include "TempFolder.h"

#include "library/Append.h"
#include "library/AppendPlan.h"
#include "library/AtomicFile.h"
#include "library/BankCounts.h"
#include "library/FileBatch.h"
#include "library/Folders.h"
#include "library/LibraryLock.h"
#include "library/ListAppend.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <sys/stat.h>

namespace lexiglade {
namespace {

using test::ErrorOf;
using test::FolderEntries;
using test::MemoryTempDir;
using test::ReadBytes;
using test::RunWithoutPrivileges;
using test::TempFolder;
using test::WriteBytes;

using Snapshot = std::map<std::string, std::string>;

const std::array<const char*, 7> kCatalogueLists = {"a8.asl",  "a9.asl",  "a10.asl", "a11.asl",
                                                    "a12.asl", "a14.asl", "a15.asl"};

// Every file of the folder but the lock file, which stays once a writer has made it.
Snapshot TakeSnapshot(const std::string& folder) {
    Snapshot files;
    for (const std::string& name : FolderEntries(folder)) {
        if (name != kLockFileName) {
            files[name] = ReadBytes(folder + name);
        }
    }
    return files;
}

std::string Lines(std::size_t count, const std::string& stem) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += stem + std::to_string(i) + "\r\n";
    }
    return text;
}

// `count` lines ended by CR, LF or CR LF in turn, some of them empty, the last one without an end.
std::string MixedLines(std::size_t count) {
    const char* const ends[] = {"\r", "\n", "\r\n"};
    std::string text;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (i % 5 != 0 || i % 3 != 2) { // an empty line after a lone CR would join its LF
            text += 'w';
            text += std::to_string(i);
        }
        text += ends[i % 3];
    }
    return text + "last";
}

// `count` words joined as a memo holds them: no line end after the last.
std::string Memo(std::size_t count, const std::string& stem) {
    std::string text = Lines(count, stem);
    text.resize(text.size() - 2);
    return text;
}

NewPuzzle Puzzle(const std::string& title, std::size_t words, const std::string& tree = "") {
    return {title, Memo(words, "WORD"), Memo(words, "hint "),
            tree.empty() ? "Folder\r\n\t" + title + "\r\n" : tree};
}

struct FilingTest : testing::Test {
    // An empty library: every list file present and empty, no banks.
    void SetUp() override {
        WriteBytes(folder / "a7.asl", "");
        for (const char* name : kCatalogueLists) {
            WriteBytes(folder / name, "");
        }
    }
    void TearDown() override { SetReplaceFaultHook(nullptr); }

    FiledPuzzle Append(const NewPuzzle& puzzle) {
        stages.clear();
        return AppendPuzzle(folder.Path(), puzzle,
                            [this](const std::string& text) { stages.push_back(text); });
    }
    TextList List(const std::string& name) const { return ReadList(folder / name); }

    TempFolder folder;
    std::vector<std::string> stages;
};

const std::vector<std::string> kAllStages = {
    "Updating Folder List", "Updating Master",          "Saving Puzzle Word and Hint Lists",
    "Saving File Pointers", "Saving Position Pointers", "Saving Time Database"};

TEST_F(FilingTest, FirstPuzzleOfAnEmptyLibraryCreatesTheFirstBankPair) {
    const NewPuzzle puzzle = Puzzle("Garden", 15);
    const FiledPuzzle filed = Append(puzzle);
    EXPECT_EQ(stages, kAllStages);
    EXPECT_EQ(ReadBytes(folder / "b1.asl"), puzzle.words); // written as the memo holds it
    EXPECT_EQ(ReadBytes(folder / "b2.asl"), puzzle.hints);
    EXPECT_EQ(ReadBytes(folder / "a7.asl"), puzzle.tree);
    const std::array<std::string, 7> expected = {"Garden", "b1.asl", "b2.asl", "0",
                                                 "14",     "300",    "930"};
    for (std::size_t i = 0; i < kCatalogueLists.size(); ++i) {
        EXPECT_EQ(ReadBytes(folder / kCatalogueLists[i]), expected[i] + "\r\n")
            << kCatalogueLists[i];
    }
    EXPECT_EQ(filed.puzzleIndex, 0);
    EXPECT_EQ(filed.wordBank, "b1.asl");
    EXPECT_EQ(filed.hintBank, "b2.asl");
    EXPECT_EQ(filed.first, 0);
    EXPECT_EQ(filed.last, 14);
}

TEST_F(FilingTest, EveryListGrowsByOneLineAndTheTreeIsWrittenAsGiven) {
    Append(Puzzle("One", 15));
    const std::string tree = "Folder\r\n\tTwo\r\n\tOne\r\nOther"; // no final line end
    const FiledPuzzle filed = Append(Puzzle("Two", 18, tree));
    for (const char* name : kCatalogueLists) {
        EXPECT_EQ(List(name).size(), 2u) << name;
    }
    EXPECT_EQ(ReadBytes(folder / "a7.asl"), tree);
    EXPECT_EQ(filed.puzzleIndex, 1);
    EXPECT_EQ(List("a8.asl"), (TextList{"One", "Two"}));
    EXPECT_EQ(List("a11.asl"), (TextList{"0", "15"}));
    EXPECT_EQ(List("a12.asl"), (TextList{"14", "32"}));
    // The bank that lacked a final line end is written back with one after every line.
    EXPECT_EQ(ReadBytes(folder / "b1.asl"), Lines(15, "WORD") + Lines(18, "WORD"));
    EXPECT_EQ(ReadBytes(folder / "b2.asl"), Lines(15, "hint ") + Lines(18, "hint "));
}

TEST_F(FilingTest, ListsAreWrittenBackByTheListRuleWhateverTheirLineEnds) {
    const std::pair<const char*, std::string> table[] = {
        {"a8.asl", "A\nB\rC"},          {"a9.asl", "b1.asl\r\n\r\nb1.asl"},
        {"a10.asl", "b2.asl\r\r\nx\n"}, {"a11.asl", "0\r\n\r\n\r\n"},
        {"a12.asl", "\n\n\n"},          {"a14.asl", "1\n2\n3"},
        {"a15.asl", "4\r5\r6\r"},
    };
    for (const auto& [name, bytes] : table) {
        WriteBytes(folder / name, bytes);
    }
    const FiledPuzzle filed = Append(Puzzle("New", 15));
    EXPECT_EQ(filed.puzzleIndex, 3);
    EXPECT_EQ(ReadBytes(folder / "a8.asl"), "A\r\nB\r\nC\r\nNew\r\n");
    EXPECT_EQ(ReadBytes(folder / "a9.asl"), "b1.asl\r\n\r\nb1.asl\r\nb1.asl\r\n");
    EXPECT_EQ(ReadBytes(folder / "a10.asl"), "b2.asl\r\n\r\nx\r\nb2.asl\r\n");
    EXPECT_EQ(ReadBytes(folder / "a11.asl"), "0\r\n\r\n\r\n0\r\n");
    EXPECT_EQ(ReadBytes(folder / "a12.asl"), "\r\n\r\n\r\n14\r\n");
    EXPECT_EQ(ReadBytes(folder / "a14.asl"), "1\r\n2\r\n3\r\n300\r\n");
    EXPECT_EQ(ReadBytes(folder / "a15.asl"), "4\r\n5\r\n6\r\n930\r\n");
}

TEST_F(FilingTest, ADamagedLibraryIsRefusedBeforeAnythingIsWritten) {
    struct Row {
        const char* list;
        std::string bytes; // replacing the list's one line
        std::size_t stagesShown;
        std::string problem;
    };
    const Row table[] = {
        {"a8.asl", std::string("Old\0junk\r\n", 11), 2, "it holds a NUL byte"},
        {"a9.asl", std::string("b1.asl\r\n\0", 9), 4, "it holds a NUL byte"},
        {"a15.asl", std::string("\0", 1), 6, "it holds a NUL byte"},
        {"a10.asl", "b2.asl\r\nb2.asl\r\n", 4,
         "it has 2 lines where " + folder / "a8.asl" + " has 1"},
        {"a12.asl", "", 5, "it has 0 lines where " + folder / "a8.asl" + " has 1"},
        {"a14.asl", "120\r\n\r\n", 6, "it has 2 lines where " + folder / "a8.asl" + " has 1"},
    };
    for (const Row& row : table) {
        const Snapshot library = {{"a7.asl", "Folder\r\n\tOld\r\n"},
                                  {"a8.asl", "Old\r\n"},
                                  {"a9.asl", "b1.asl\r\n"},
                                  {"a10.asl", "b2.asl\r\n"},
                                  {"a11.asl", "0\r\n"},
                                  {"a12.asl", "0\r\n"},
                                  {"a14.asl", "120\r\n"},
                                  {"a15.asl", "400\r\n"},
                                  {"b1.asl", "OLDWORD\r\n"},
                                  {"b2.asl", "old hint\r\n"}};
        for (const auto& [name, bytes] : library) {
            WriteBytes(folder / name, bytes);
        }
        WriteBytes(folder / row.list, row.bytes);
        const Snapshot before = TakeSnapshot(folder.Path());
        const std::string error = ErrorOf([&] { Append(Puzzle("New", 15)); });
        EXPECT_EQ(error, "The list " + folder / row.list + " is damaged: " + row.problem);
        EXPECT_EQ(stages, std::vector<std::string>(kAllStages.begin(),
                                                   kAllStages.begin() + row.stagesShown))
            << row.list;
        EXPECT_EQ(TakeSnapshot(folder.Path()), before) << row.list;
    }
}

TEST_F(FilingTest, WorkedExampleFillsAPairUpTo1500LinesThenStartsTheNext) {
    WriteBytes(folder / "b1.asl", Lines(1480, "w"));
    WriteBytes(folder / "b2.asl", Lines(1480, "h"));
    struct Expected {
        const char* wordBank;
        std::int32_t first, last;
    };
    const Expected table[] = {{"b1.asl", 1480, 1499}, {"b1.asl", 1500, 1519}, {"b3.asl", 0, 19}};
    for (const Expected& row : table) {
        const FiledPuzzle filed = Append(Puzzle("P" + std::to_string(row.first), 20));
        EXPECT_EQ(filed.wordBank, row.wordBank);
        EXPECT_EQ(filed.first, row.first);
        EXPECT_EQ(filed.last, row.last);
    }
    EXPECT_EQ(List("b1.asl").size(), 1520u);
    EXPECT_EQ(List("b2.asl").size(), 1520u);
    EXPECT_EQ(List("b3.asl").size(), 20u);
    EXPECT_EQ(List("a9.asl"), (TextList{"b1.asl", "b1.asl", "b3.asl"}));
    EXPECT_EQ(List("a10.asl"), (TextList{"b2.asl", "b2.asl", "b4.asl"}));
    EXPECT_EQ(List("a11.asl"), (TextList{"1480", "1500", "0"}));
    EXPECT_EQ(List("a12.asl"), (TextList{"1499", "1519", "19"}));
}

TEST_F(FilingTest, PairsAreTriedInOrderFromTheFirst) {
    struct Row {
        const char* name;
        Snapshot banks; // bank files present before the puzzle is filed
        const char* wordBank;
        std::int32_t first;
    };
    const Row table[] = {
        {"1500 lines still take a puzzle",
         {{"b1.asl", Lines(1500, "w")}, {"b2.asl", Lines(1500, "h")}},
         "b1.asl",
         1500},
        {"1501 lines do not", {{"b1.asl", Lines(1501, "w")}, {"b2.asl", ""}}, "b3.asl", 0},
        {"1500 lines with every kind of line end",
         {{"b1.asl", MixedLines(1500)}, {"b2.asl", Lines(1500, "h")}},
         "b1.asl",
         1500},
        {"1501 such lines", {{"b1.asl", MixedLines(1501)}, {"b2.asl", ""}}, "b3.asl", 0},
        {"first missing pair after full ones",
         {{"b1.asl", Lines(1501, "w")}, {"b2.asl", ""}, {"b5.asl", "x\r\n"}, {"b6.asl", ""}},
         "b3.asl",
         0},
        {"first pair with room",
         {{"b1.asl", Lines(1600, "w")},
          {"b2.asl", ""},
          {"b3.asl", Lines(1501, "w")},
          {"b4.asl", ""},
          {"b5.asl", Lines(7, "w")},
          {"b6.asl", Lines(7, "h")}},
         "b5.asl",
         7},
        {"a hint bank without its word bank is passed over",
         {{"b2.asl", "kept\r\n"}, {"b4.asl", "also kept"}},
         "b5.asl",
         0},
    };
    ASSERT_EQ(ParseList(MixedLines(1500)).size(), 1500u);
    ASSERT_EQ(ParseList(MixedLines(1500))[5], "");
    for (const Row& row : table) {
        TempFolder library;
        for (const char* name : kCatalogueLists) {
            WriteBytes(library / name, "");
        }
        for (const auto& [name, bytes] : row.banks) {
            WriteBytes(library / name, bytes);
        }
        const FiledPuzzle filed = AppendPuzzle(library.Path(), Puzzle("X", 15), {});
        EXPECT_EQ(filed.wordBank, row.wordBank) << row.name;
        EXPECT_EQ(filed.first, row.first) << row.name;
        for (const auto& [name, bytes] : row.banks) {
            if (name != filed.wordBank && name != filed.hintBank) {
                EXPECT_EQ(ReadBytes(library / name), bytes) << row.name << ": " << name;
            }
        }
    }
}

TEST_F(FilingTest, AnUnreadableListChangesNothingAndNamesItsStage) {
    struct Row {
        const char* missing;
        std::size_t stagesShown;
    };
    const Row table[] = {
        {"a8.asl", 2}, {"a10.asl", 4}, {"a12.asl", 5}, {"a15.asl", 6}, {"b2.asl", 3}};
    for (const Row& row : table) {
        TempFolder library;
        WriteBytes(library / "a7.asl", "Old\r\n");
        for (const char* name : kCatalogueLists) {
            WriteBytes(library / name, "");
        }
        WriteBytes(library / "b1.asl", "w\r\n");
        WriteBytes(library / "b2.asl", "h\r\n");
        std::filesystem::remove(library / row.missing);
        const Snapshot before = TakeSnapshot(library.Path());
        std::vector<std::string> shown;
        const std::string error = ErrorOf([&] {
            AppendPuzzle(library.Path(), Puzzle("X", 15),
                         [&](const std::string& text) { shown.push_back(text); });
        });
        EXPECT_EQ(error, "Cannot open file " + library / row.missing);
        EXPECT_EQ(shown, std::vector<std::string>(kAllStages.begin(),
                                                  kAllStages.begin() + row.stagesShown))
            << row.missing;
        EXPECT_EQ(TakeSnapshot(library.Path()), before) << row.missing;
    }
}

// Fails the `failAt`-th file step (1-based) with a full disk; records every step.
int failAt = 0;
std::vector<ReplaceStep> stepsSeen;

int InjectFault(ReplaceStep step) {
    stepsSeen.push_back(step);
    return static_cast<int>(stepsSeen.size()) == failAt ? ENOSPC : 0;
}

Snapshot SmallLibrary(const std::string& banks) {
    Snapshot files = {{"a7.asl", "Folder\r\n\tOld\r\n"},
                      {"a8.asl", "Old\r\n"},
                      {"a9.asl", "b1.asl\r\n"},
                      {"a10.asl", "b2.asl\r\n"},
                      {"a11.asl", "0\r\n"},
                      {"a12.asl", "1\r\n"},
                      {"a14.asl", "120\r\n"},
                      {"a15.asl", "400\r\n"}};
    files["b1.asl"] = Lines(banks == "full" ? 1501 : 1490, "w");
    files["b2.asl"] = Lines(banks == "full" ? 1501 : 1490, "h");
    return files;
}

// A small library in its own folder, put back as it was before every try.
struct FaultLibrary {
    explicit FaultLibrary(const char* banks) : banks_(banks) { Restore(); }
    void Restore() const {
        for (const std::string& name : FolderEntries(folder.Path())) {
            std::filesystem::remove(folder / name);
        }
        for (const auto& [name, bytes] : SmallLibrary(banks_)) {
            WriteBytes(folder / name, bytes);
        }
    }
    Snapshot Files() const { return TakeSnapshot(folder.Path()); }

    TempFolder folder;
    const char* banks_;
};

// Fails each file step of a filing in turn; the filing takes at least `leastSteps` of them.
void ExpectEveryFaultToLeaveTheLibraryAsItWas(std::size_t leastSteps) {
    const NewPuzzle puzzle = Puzzle("New", 20);
    const MemoryTempDir memory;
    SetReplaceFaultHook(InjectFault);
    for (const char* banks : {"room", "full"}) { // into b1/b2, or into a new pair b3/b4
        const FaultLibrary library(banks);
        const Snapshot before = library.Files();
        failAt = 0;
        stepsSeen.clear();
        AppendPuzzle(library.folder.Path(), puzzle, {});
        const Snapshot expected = library.Files();
        const std::vector<ReplaceStep> steps = stepsSeen;
        ASSERT_GT(steps.size(), leastSteps);
        for (std::size_t k = 1; k <= steps.size(); ++k) {
            const std::string where = std::string(banks) + ", step " + std::to_string(k) +
                                      " of kind " + std::to_string(static_cast<int>(steps[k - 1]));
            library.Restore();
            failAt = static_cast<int>(k);
            stepsSeen.clear();
            std::vector<std::string> shown;
            const std::string error = ErrorOf([&] {
                AppendPuzzle(library.folder.Path(), puzzle,
                             [&](const std::string& text) { shown.push_back(text); });
            });
            failAt = 0;
            ASSERT_GE(stepsSeen.size(), k) << where;
            EXPECT_EQ(shown, std::vector<std::string>(kAllStages.begin(),
                                                      kAllStages.begin() + shown.size()))
                << where;
            if (error.empty()) {
                // Only a backup that could not be linked (it is copied instead) or a file left
                // behind once the puzzle is filed; start-up removes the latter.
                const auto upToFault = steps.begin() + static_cast<std::ptrdiff_t>(k);
                const bool filed = std::find(steps.begin(), upToFault, ReplaceStep::Remove) !=
                                   upToFault; // the journal's removal, or what follows it
                EXPECT_TRUE(steps[k - 1] == ReplaceStep::Link || filed) << where;
                EXPECT_EQ(shown, kAllStages) << where;
                FinishInterruptedFiling(library.folder.Path());
                EXPECT_EQ(library.Files(), expected) << where;
                continue;
            }
            EXPECT_TRUE(error.find("No space left on device") != std::string::npos ||
                        error.rfind("Cannot create file ", 0) == 0)
                << where << ": " << error;
            EXPECT_EQ(library.Files(), before) << where; // nothing left behind either
            AppendPuzzle(library.folder.Path(), puzzle, {});
            EXPECT_EQ(library.Files(), expected) << where;
        }
    }
}

TEST_F(FilingTest, AFaultAtAnyFileStepLeavesTheLibraryAsItWasAndTheNextTrySucceeds) {
    ExpectEveryFaultToLeaveTheLibraryAsItWas(50); // ten files of four steps each, the journal...
}

TEST_F(FilingTest, AFaultWhileListsGrowInPlaceLeavesTheLibraryAsItWas) {
    SetAppendInPlaceFrom(0);
    ExpectEveryFaultToLeaveTheLibraryAsItWas(30); // three files staged, seven lists grown
    SetAppendInPlaceFrom(kAppendInPlaceFrom);
}

// Makes the file look written `seconds` ago.
void Age(const std::string& path, int seconds) {
    const std::filesystem::file_time_type now = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, now - std::chrono::seconds(seconds));
}

TEST_F(FilingTest, AKeptLineCountOfAFullBankIsBelievedOnlyWhileTheBankIsUnchanged) {
    SetBankCountsFromPairs(1);
    const Snapshot banks = {{"b1.asl", Lines(1501, "w")},
                            {"b2.asl", Lines(1501, "h")},
                            {"b3.asl", Lines(10, "w")},
                            {"b4.asl", Lines(10, "h")}};
    for (const auto& [name, bytes] : banks) {
        WriteBytes(folder / name, bytes);
        Age(folder / name, 60);
    }
    EXPECT_EQ(Append(Puzzle("Full", 15)).wordBank, "b3.asl");
    EXPECT_TRUE(std::filesystem::exists(folder / kBankCountsName));
    for (const char* name : {"b1.asl", "b2.asl"}) { // edited by hand: room again
        WriteBytes(folder / name, Lines(1400, "x"));
        Age(folder / name, 60);
    }
    const FiledPuzzle filed = Append(Puzzle("Room", 15));
    EXPECT_EQ(filed.wordBank, "b1.asl");
    EXPECT_EQ(filed.first, 1400);
    SetBankCountsFromPairs(kBankCountsFromPairs);
}

TEST_F(FilingTest, AFullDiskWhileWritingShowsTheStageOfTheFileBeingWritten) {
    // The new files in filing order, each one file step of each kind, then the journal.
    const std::array<std::size_t, 11> stageOfFile = {0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5};
    const MemoryTempDir memory;
    SetReplaceFaultHook(InjectFault);
    const FaultLibrary library("room");
    const Snapshot before = library.Files();
    for (std::size_t file = 0; file < stageOfFile.size(); ++file) {
        library.Restore();
        failAt = 0;
        stepsSeen.clear();
        AppendPuzzle(library.folder.Path(), Puzzle("New", 20), {});
        // The file step that is the only write of file `file`.
        std::size_t callOfWrite = 0;
        for (std::size_t i = 0, seen = 0; i < stepsSeen.size(); ++i) {
            if (stepsSeen[i] == ReplaceStep::Write && seen++ == file) {
                callOfWrite = i + 1;
            }
        }
        ASSERT_NE(callOfWrite, 0u) << file;
        library.Restore();
        failAt = static_cast<int>(callOfWrite);
        stepsSeen.clear();
        std::vector<std::string> shown;
        const std::string failed = ErrorOf([&] {
            AppendPuzzle(library.folder.Path(), Puzzle("New", 20),
                         [&](const std::string& text) { shown.push_back(text); });
        });
        failAt = 0;
        EXPECT_NE(failed.find("No space left on device"), std::string::npos) << failed;
        EXPECT_EQ(shown, std::vector<std::string>(kAllStages.begin(),
                                                  kAllStages.begin() + stageOfFile[file] + 1))
            << file;
        EXPECT_EQ(library.Files(), before) << file;
    }
}

TEST_F(FilingTest, AReadOnlyFolderChangesNothing) {
    WriteBytes(folder / "a8.asl", "Old\r\n");
    const Snapshot before = TakeSnapshot(folder.Path());
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_TRUE(RunWithoutPrivileges([&] {
        const std::string error = ErrorOf([&] { Append(Puzzle("X", 15)); });
        return error ==
                   "Cannot write to the library folder " + folder.Path() + ": Permission denied" &&
               stages == std::vector<std::string>{"Updating Folder List"};
    }));
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(TakeSnapshot(folder.Path()), before);
    EXPECT_EQ(FolderEntries(folder.Path()).size(), before.size()); // no lock file either
}

TEST_F(FilingTest, ABatchPutsBackReplacedFilesAndRemovesCreatedOnes) {
    WriteBytes(folder / "a8.asl", "old one");
    WriteBytes(folder / "a9.asl", "old three");
    const Snapshot before = TakeSnapshot(folder.Path());
    const std::vector<FileReplacement> files = {{"a8.asl", "old one", "new one"},
                                                {"b3.asl", std::nullopt, "new two"},
                                                {"a9.asl", "old three", "new three"}};
    for (std::size_t failing = 0; failing < files.size(); ++failing) {
        std::vector<std::size_t> seen;
        EXPECT_THROW(ReplaceAllOrNothing(folder.Path(), files,
                                         [&](std::size_t i) {
                                             if (i == failing) {
                                                 throw std::runtime_error("stop");
                                             }
                                             seen.push_back(i);
                                         }),
                     std::runtime_error);
        EXPECT_EQ(seen.size(), failing);
        EXPECT_EQ(TakeSnapshot(folder.Path()), before) << failing;
    }
    ReplaceAllOrNothing(folder.Path(), files, {});
    for (const FileReplacement& file : files) {
        EXPECT_EQ(ReadBytes(folder / file.name), file.bytes);
    }
    EXPECT_EQ(TakeSnapshot(folder.Path()).size(), before.size() + 1);
}

TEST(ListAppendTest, ScanningAndAppendingAgreeWithTheListRule) {
    std::mt19937 random(5);
    const char alphabet[] = {'a', 'b', 'c', '\r', '\n'};
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 700, 'a');
        for (char& c : text) {
            c = random() % 50 == 0 ? '\0' : alphabet[random() % 5]; // now and then a NUL
        }
        const TextList lines = ParseList(text);
        const ListShape shape = ScanList(text);
        ASSERT_EQ(shape.lines, lines.size()) << round;
        ASSERT_EQ(shape.canonical, FormatList(lines) == text) << round;
        TextList longer = lines;
        longer.push_back("new");
        const AppendedList appended = AppendLines(text, {"new"});
        ASSERT_EQ(appended.bytes, FormatList(longer)) << round;
        ASSERT_EQ(appended.oldLines, lines.size());
    }
}

TEST(FoldersTest, FolderLinesAreThoseWhoseFirstByteIsAbove48) {
    const std::pair<std::string, bool> table[] = {{"Animals", true},
                                                  {"1st", true},
                                                  {"\xC9"
                                                   "coles",
                                                   true},
                                                  {"~x", true},
                                                  {"0 zero", false},
                                                  {"(Misc", false},
                                                  {"!", false},
                                                  {"\tPuzzle", false},
                                                  {" Space", false},
                                                  {"", false},
                                                  {"\x01x", false}};
    for (const auto& [line, folder] : table) {
        EXPECT_EQ(IsFolderLine(line), folder) << line;
    }
}

TEST(FoldersTest, TheTableHoldsTheFolderLinesAndPlacesNewPuzzles) {
    TextList tree = {"A", "\ta1", "\ta2", "\ta3", "\ta4", "B", "\tb1", "\tb2", "\tb3", "C"};
    EXPECT_EQ(FolderLineTable(tree), (std::vector<std::int32_t>{0, 5, 9}));
    PlaceUnderFolder(tree, 5, "New");
    EXPECT_EQ(tree[6], "\tNew");
    EXPECT_EQ(tree[7], "\tb1");
    EXPECT_EQ(tree.size(), 11u);
    PlaceInNewFolder(tree, "D", "Newer");
    EXPECT_EQ(tree.size(), 13u);
    EXPECT_EQ(tree[11], "D");
    EXPECT_EQ(tree[12], "\tNewer");
    EXPECT_EQ(ErrorOf([&] { PlaceUnderFolder(tree, 13, "X"); }), "List index out of bounds");
}

TEST(FoldersTest, ThereIsNoLimitOnFoldersOrLineLength) {
    TextList tree;
    for (int i = 0; i < 3000; ++i) {
        std::string folder(300, 'x');
        folder.front() = 'F';
        tree.push_back(folder + std::to_string(i));
        tree.push_back("\tp");
    }
    const std::vector<std::int32_t> table = FolderLineTable(tree);
    ASSERT_EQ(table.size(), 3000u);
    EXPECT_EQ(table.back(), 5998);
}

TEST(FoldersTest, NamesThatWouldShiftTheTreeAreRecognised) {
    const std::tuple<std::string, bool, bool> table[] = {
        // name, breaks as a puzzle name (empty allowed here), breaks as a folder name
        {"Farm", false, false}, {"Farm Animals", false, false}, {" Farm", true, true},
        {"\tFarm", true, true}, {"Farm\tAnimals", true, true},  {"Farm\r\nX", true, true},
        {"", false, true},      {"Farm ", false, false},        {"\xC9t\xE9", false, false}};
    for (const auto& [name, asPuzzle, asFolder] : table) {
        EXPECT_EQ(BreaksTree(name, false), asPuzzle) << name;
        EXPECT_EQ(BreaksTree(name, true), asFolder) << name;
    }
}

} // namespace
} // namespace lexiglade
