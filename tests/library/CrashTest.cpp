#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/Errors.h"
#include "library/FileBatch.h"
#include "library/LibraryCheck.h"
#include "library/LibraryLock.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace lexiglade {
namespace {

using test::FileSnapshot;
using test::MakeLibrary;
using test::MakePuzzle;
using test::MemoryTempDir;
using test::ReadBytes;
using test::SnapshotFiles;
using test::TempFolder;

using Clock = std::chrono::steady_clock;

constexpr std::size_t kLargeLibrary = 10000;
constexpr int kKills = 200;

// Starts a process that changes the library as `args` say (see FilingChild.cpp); its pid.
// Spawned, not forked: a fork would leave this process's large heap to be copied on write
// afterwards.
pid_t StartChild(const std::vector<std::string>& args) {
    std::vector<char*> argv = {const_cast<char*>(LEXIGLADE_FILING_CHILD)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, LEXIGLADE_FILING_CHILD, nullptr, nullptr, argv.data(), environ) !=
        0) {
        return -1;
    }
    return child;
}

// Where each file of a folder lives and when it last changed; a file rewritten or replaced since
// shows another stamp.
using FileStamps = std::map<std::string, std::tuple<ino_t, off_t, std::int64_t>>;

FileStamps StampFiles(const std::string& folder) {
    FileStamps stamps;
    for (const std::string& name : test::FolderEntries(folder)) {
        struct stat info {};
        if (name != kLockFileName && ::lstat((folder + name).c_str(), &info) == 0) {
            stamps[name] = {info.st_ino, info.st_size,
                            std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
        }
    }
    return stamps;
}

// The files of `snapshot` that `names` picks.
FileSnapshot Only(const FileSnapshot& snapshot, const std::set<std::string>& names) {
    FileSnapshot picked;
    for (const auto& [name, bytes] : snapshot) {
        if (names.count(name) != 0) {
            picked[name] = bytes;
        }
    }
    return picked;
}

// The files that differ between two snapshots, or that one of them lacks.
std::set<std::string> Differing(const FileSnapshot& before, const FileSnapshot& after) {
    std::set<std::string> changed;
    for (const FileSnapshot* side : {&before, &after}) {
        for (const auto& [name, bytes] : *side) {
            const FileSnapshot& other = side == &before ? after : before;
            if (other.count(name) == 0 || other.at(name) != bytes) {
                changed.insert(name);
            }
        }
    }
    return changed;
}

struct KillOutcome {
    FileSnapshot after;            // the library after a change run to its end
    std::set<std::string> changed; // the files that the change rewrites
    int withChange = 0;            // kills that found the change made
    std::map<Recovery, int> recoveries;
};

// Runs the change that `args` give to its end three times from the library as it is, then starts
// it `kills` times more and kills it at random moments spread over about its time; after each
// kill the library, settled by a check, must be sound and hold either what it held or what the
// whole change makes, every other file untouched. Whole files are compared only where the change
// rewrites them, the stamps of all others: reading a large library after each kill would take most
// of the test's time. Leaves the library as it was.
KillOutcome KillAtRandomMoments(const std::string& library, const std::vector<std::string>& args,
                                int kills, std::mt19937& random) {
    const FileSnapshot before = SnapshotFiles(library);
    std::chrono::microseconds whole = std::chrono::hours(1);
    int status = 0;
    for (int run = 0; run < 3; ++run) {
        test::RestoreFiles(library, before);
        const auto start = Clock::now();
        const pid_t child = StartChild(args);
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        whole = std::min(
            whole, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start));
    }
    KillOutcome outcome;
    outcome.after = SnapshotFiles(library);
    outcome.changed = Differing(before, outcome.after);
    const FileSnapshot changedBefore = Only(before, outcome.changed);
    const FileSnapshot changedAfter = Only(outcome.after, outcome.changed);
    test::RestoreFiles(library, before);
    FileStamps unchanged = StampFiles(library);
    for (const std::string& name : outcome.changed) {
        unchanged.erase(name);
    }
    // Kills spread over the change and half as long again, so that some find it finished even when
    // a busy machine makes the change slower than the quickest of the runs above.
    std::uniform_int_distribution<long> delay(0, whole.count() * 3 / 2);
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = StartChild(args);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));

        const LibraryReport report = CheckLibrary(library); // settles, then checks
        ++outcome.recoveries[report.recovery];
        EXPECT_EQ(report.problems, std::vector<std::string>{}) << "kill " << kill;
        FileStamps stamps = StampFiles(library);
        FileSnapshot now;
        for (const std::string& name : outcome.changed) {
            if (stamps.count(name) != 0) {
                now[name] = ReadFileBytes(library + name);
            }
            stamps.erase(name);
        }
        EXPECT_EQ(stamps, unchanged) << "kill " << kill << ": other files changed or left";
        EXPECT_TRUE(now == changedBefore || now == changedAfter) << "kill " << kill;
        outcome.withChange += now == changedAfter;
        test::RestoreFiles(library, changedBefore, now);
    }
    return outcome;
}

TEST(CrashTest, KillingAFilingAtRandomMomentsLeavesALibraryWithOrWithoutThePuzzle) {
    const MemoryTempDir memory;
    const TempFolder library;
    MakeLibrary(library.Path(), kLargeLibrary, 15);
    std::mt19937 random(20240611);
    KillOutcome outcome = KillAtRandomMoments(
        library.Path(), {library.Path(), "Interrupted", "20", "Folder 7"}, kKills, random);
    EXPECT_EQ(ParseList(outcome.after.at("a8.asl")).size(), kLargeLibrary + 1);
    EXPECT_EQ(outcome.changed.size(), 10u); // the tree, the seven lists, the two banks
    EXPECT_GT(outcome.withChange, 0);
    EXPECT_LT(outcome.withChange, kKills);
    RecordProperty("KillsThatFoundThePuzzleFiled", outcome.withChange);
    RecordProperty("FilingsCleared", outcome.recoveries[Recovery::Cleared]);
    RecordProperty("FilingsFinished", outcome.recoveries[Recovery::Finished]);
}

TEST(CrashTest, KillingARemovalRenamingOrMoveLeavesTheLibraryBeforeOrAfterIt) {
    constexpr std::size_t kPuzzles = 1500;
    constexpr int kEditKills = 40;
    const MemoryTempDir memory;
    const TempFolder library;
    MakeLibrary(library.Path(), kPuzzles, 15);
    const FileSnapshot original = SnapshotFiles(library.Path());
    const auto played = test::PlayEveryPuzzle(library.Path());
    std::mt19937 random(20261208);
    struct Case {
        std::vector<std::string> change;
        std::size_t filesChanged;
        std::string gone; // the title the library no longer has
        std::string now;  // the title its puzzle has now, if any
    };
    const Case cases[] = {
        {{"remove", "Puzzle 700"}, 8, "Puzzle 700", ""},
        {{"rename", "Puzzle 701", "Renamed"}, 2, "Puzzle 701", "Renamed"},
        {{"move", "Puzzle 702", "Folder 3"}, 1, "", ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {library.Path()};
        args.insert(args.end(), c.change.begin(), c.change.end());
        const KillOutcome outcome = KillAtRandomMoments(library.Path(), args, kEditKills, random);
        EXPECT_EQ(outcome.changed.size(), c.filesChanged) << c.change[0];
        EXPECT_GT(outcome.withChange, 0) << c.change[0];
        EXPECT_LT(outcome.withChange, kEditKills) << c.change[0];
        RecordProperty("KillsThatFoundTheChangeMade_" + c.change[0], outcome.withChange);
        auto expected = played;
        test::Retitle(expected, c.gone, c.now);
        test::RestoreFiles(library.Path(), outcome.after);
        EXPECT_EQ(test::PlayEveryPuzzle(library.Path()), expected) << c.change[0];
        test::RestoreFiles(library.Path(), original);
    }
}

// Files `count` puzzles "WRITER n" into the library, one by one; writes "filed TITLE" or
// "refused TITLE" for each to `results`.
void FileMany(const std::string& dataDir, const std::string& writer, int count,
              const std::string& results) {
    std::ofstream out(results);
    for (int n = 0; n < count; ++n) {
        const std::string title = writer + " " + std::to_string(n);
        try {
            AppendPuzzleToFolder(dataDir, MakePuzzle(title, 15), writer, {});
            out << "filed\t" << title << "\n";
        } catch (const LibraryError& error) {
            out << (std::string(error.what()).find("in use") != std::string::npos ? "refused\t"
                                                                                  : "error\t")
                << title << "\t" << error.what() << "\n";
        }
    }
}

TEST(CrashTest, TwoWritersAtOnceFileEachPuzzleExactlyOnceOrRefuseIt) {
    const MemoryTempDir memory;
    const TempFolder library;
    const TempFolder results;
    MakeLibrary(library.Path(), 90, 15);
    constexpr int kEach = 200;
    std::vector<pid_t> children;
    for (const std::string writer : {"Alpha", "Beta"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            FileMany(library.Path(), writer, kEach, results / writer);
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(LibraryProblems(library.Path()), std::vector<std::string>{});
    const TextList titles = ReadList(library / "a8.asl");
    std::map<std::string, int> times;
    for (const std::string& title : titles) {
        ++times[title];
    }
    std::size_t filed = 0;
    for (const std::string writer : {"Alpha", "Beta"}) {
        const TextList lines = ReadList(results / writer);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(kEach));
        for (const std::string& line : lines) {
            const std::size_t tab = line.find('\t');
            const std::string outcome = line.substr(0, tab);
            const std::string title = line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1);
            EXPECT_NE(outcome, "error") << line;
            EXPECT_EQ(times[title], outcome == "filed" ? 1 : 0) << line;
            filed += outcome == "filed";
        }
    }
    EXPECT_EQ(titles.size(), 90 + filed);
    RecordProperty("PuzzlesFiled", static_cast<int>(filed));
}

TEST(CrashTest, ASecondWriterWaitsForTheFirstThenGivesUpWithAClearError) {
    const TempFolder library;
    MakeLibrary(library.Path(), 20, 15);
    const FileSnapshot before = SnapshotFiles(library.Path());
    for (const int holdMilliseconds : {300, 6000}) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        if (holder == 0) {
            const LibraryLock lock(library.Path());
            ::write(ready[1], "x", 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMilliseconds));
            ::_exit(0);
        }
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        const std::string error = test::ErrorOf([&] {
            AppendPuzzleToFolder(library.Path(), MakePuzzle("Waiting", 15), "Folder 0", {});
        });
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        if (holdMilliseconds < kLockWait.count()) {
            EXPECT_EQ(error, "") << "the second writer waits while the first finishes";
            EXPECT_EQ(ReadList(library / "a8.asl").back(), "Waiting");
            test::RestoreFiles(library.Path(), before);
        } else {
            EXPECT_EQ(error, "The library is in use by another program; try again in a moment");
            EXPECT_EQ(SnapshotFiles(library.Path()), before);
        }
    }
}

TEST(CrashTest, TheLockIsTakenAgainWithinOneProcess) {
    const TempFolder library;
    MakeLibrary(library.Path(), 3, 15);
    const LibraryLock outer(library.Path());
    const LibraryLock sameFolderOtherSpelling(library.Path() + "./");
    AppendPuzzleToFolder(library.Path(), MakePuzzle("Nested", 15), "Folder 0", {});
    EXPECT_EQ(ReadList(library / "a8.asl").size(), 4u);
}

} // namespace
} // namespace lexiglade
