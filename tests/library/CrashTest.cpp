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

// Starts a process that files a puzzle of `words` words under "Folder 7"; its pid. Spawned, not
// forked: a fork would leave this process's large heap to be copied on write afterwards.
pid_t StartFiling(const std::string& dataDir, const std::string& title, std::size_t words) {
    const std::string count = std::to_string(words);
    const std::string folder = "Folder 7";
    char* const args[] = {
        const_cast<char*>(LEXIGLADE_FILING_CHILD), const_cast<char*>(dataDir.c_str()),
        const_cast<char*>(title.c_str()),          const_cast<char*>(count.c_str()),
        const_cast<char*>(folder.c_str()),         nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, LEXIGLADE_FILING_CHILD, nullptr, nullptr, args, environ) != 0) {
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

// The kill test compares whole files only where filing changes them, and the stamps of all others:
// reading the whole large library after each kill would take most of the test's time.
TEST(CrashTest, KillingAFilingAtRandomMomentsLeavesALibraryWithOrWithoutThePuzzle) {
    const MemoryTempDir memory;
    const TempFolder library;
    MakeLibrary(library.Path(), kLargeLibrary, 15);
    const FileSnapshot before = SnapshotFiles(library.Path());

    // Filings run to their end give the library after it, and how long a filing takes at best.
    std::chrono::microseconds filing = std::chrono::hours(1);
    int status = 0;
    for (int run = 0; run < 3; ++run) {
        test::RestoreFiles(library.Path(), before);
        const auto start = Clock::now();
        const pid_t whole = StartFiling(library.Path(), "Interrupted", 20);
        ASSERT_EQ(::waitpid(whole, &status, 0), whole);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        filing = std::min(
            filing, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start));
    }
    const FileSnapshot after = SnapshotFiles(library.Path());
    ASSERT_EQ(ReadList(library / "a8.asl").size(), kLargeLibrary + 1);
    std::set<std::string> changed;
    for (const FileSnapshot* side : {&before, &after}) {
        for (const auto& [name, bytes] : *side) {
            const FileSnapshot& other = side == &before ? after : before;
            if (other.count(name) == 0 || other.at(name) != bytes) {
                changed.insert(name);
            }
        }
    }
    ASSERT_EQ(changed.size(), 10u); // the tree, the seven lists, the two banks
    const FileSnapshot changedBefore = Only(before, changed);
    const FileSnapshot changedAfter = Only(after, changed);
    test::RestoreFiles(library.Path(), before);
    FileStamps unchanged = StampFiles(library.Path());
    for (const std::string& name : changed) {
        unchanged.erase(name);
    }

    std::mt19937 random(20240611);
    // Kills spread over the filing and a little beyond it, so that some find it finished.
    std::uniform_int_distribution<long> delay(0, filing.count() * 6 / 5);
    std::map<Recovery, int> recoveries;
    int withPuzzle = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = StartFiling(library.Path(), "Interrupted", 20);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0));

        const LibraryReport report = CheckLibrary(library.Path()); // settles, then checks
        ++recoveries[report.recovery];
        EXPECT_EQ(report.problems, std::vector<std::string>{}) << "kill " << kill;
        FileStamps stamps = StampFiles(library.Path());
        FileSnapshot now;
        for (const std::string& name : changed) {
            if (stamps.count(name) != 0) {
                now[name] = ReadFileBytes(library / name);
            }
            stamps.erase(name);
        }
        EXPECT_EQ(stamps, unchanged) << "kill " << kill << ": other files changed or left";
        EXPECT_TRUE(now == changedBefore || now == changedAfter) << "kill " << kill;
        withPuzzle += now == changedAfter;
        test::RestoreFiles(library.Path(), changedBefore, now);
    }
    EXPECT_GT(withPuzzle, 0);
    EXPECT_LT(withPuzzle, kKills);
    RecordProperty("KillsThatFoundThePuzzleFiled", withPuzzle);
    RecordProperty("FilingsCleared", recoveries[Recovery::Cleared]);
    RecordProperty("FilingsFinished", recoveries[Recovery::Finished]);
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
