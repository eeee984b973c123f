#include "library/BestTimes.h"
#include "TempFolder.h"
#include "ui/BestTimeReport.h"

#include "library/Errors.h"
#include "library/LibraryLock.h"

#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string Times = "300\r\n161\r\n930\r\n45\r\n";
const std::string Titles = "P0\r\nP1\r\nP2\r\nP3\r\n";

// The best time recorded as the puzzle screen does, and its report.
std::string RecordAndReport(const std::string& dataDir, const std::string& title,
                            std::int32_t puzzleIndex, std::int32_t elapsedSeconds,
                            bool backwardWords) {
    return BestTimeReport(
        elapsedSeconds, RecordBestTime(dataDir, title, puzzleIndex, elapsedSeconds, backwardWords));
}

// The title of puzzle k in Titles.
std::string Title(std::int32_t k) {
    std::string title = "P";
    title += std::to_string(k);
    return title;
}

TEST(BestTimes, BackwardWordsChooseTheFile) {
    EXPECT_EQ(BestTimeFileName(false), "a14.asl");
    EXPECT_EQ(BestTimeFileName(true), "a15.asl");
}

TEST(BestTimes, ReportsAndRecordsOnlyAStrictlyFasterTime) {
    struct Case {
        std::int32_t puzzle, elapsed;
        const char* report;
        const char* file;
    };
    const Case cases[] = {
        {0, 161, "Time taken: 02:41... Previous best was 05:00... Recording new record.",
         "161\r\n161\r\n930\r\n45\r\n"},
        {2, 929, "Time taken: 15:29... Previous best was 15:30... Recording new record.",
         "300\r\n161\r\n929\r\n45\r\n"},
        {3, 0, "Time taken: 00:00... Previous best was 00:45... Recording new record.",
         "300\r\n161\r\n930\r\n0\r\n"},
        {1, 161, "Time taken: 02:41... Previous best was 02:41...You did not beat the old record.",
         Times.c_str()},
        {2, 3601,
         "Time taken: 1:00:01... Previous best was 15:30...You did not beat the old record.",
         Times.c_str()},
    };
    for (bool backwardWords : {false, true}) {
        for (const Case& c : cases) {
            TempFolder dir;
            const std::string other = BestTimeFileName(!backwardWords);
            WriteBytes(dir / BestTimeFileName(backwardWords), Times);
            WriteBytes(dir / other, Times);
            WriteBytes(dir / "a8.asl", Titles);
            EXPECT_EQ(
                RecordAndReport(dir.Path(), Title(c.puzzle), c.puzzle, c.elapsed, backwardWords),
                c.report);
            EXPECT_EQ(ReadBytes(dir / BestTimeFileName(backwardWords)), c.file)
                << c.puzzle << " in " << c.elapsed;
            EXPECT_EQ(ReadBytes(dir / other), Times) << "other file touched";
        }
    }
}

TEST(BestTimes, NewRecordRewritesTheWholeListWithCrLf) {
    TempFolder dir;
    WriteBytes(dir / "a14.asl", "300\n200\r100");
    WriteBytes(dir / "a8.asl", Titles);
    EXPECT_EQ(RecordAndReport(dir.Path(), "P1", 1, 150, false),
              "Time taken: 02:30... Previous best was 03:20... Recording new record.");
    EXPECT_EQ(ReadBytes(dir / "a14.asl"), "300\r\n150\r\n100\r\n");
}

TEST(BestTimes, FileThatCannotServeThePuzzleRaisesItsErrorAndStaysUnchanged) {
    struct Case {
        const char* contents; // nullptr: no file
        std::int32_t puzzle;
        std::string error;
    };
    TempFolder dir;
    const std::string path = (dir / "a15.asl");
    const Case cases[] = {
        {nullptr, 0, "Cannot open file " + path},
        {"300\r\n930\r\n", 2, "List index out of bounds"},
        {"300\r\n930\r\n", -1, "List index out of bounds"},
        {"", 0, "List index out of bounds"},
        {"300\r\n9 30\r\n", 1, "'9 30' is not a valid integer value"},
        {"300\r\n\r\n", 1, "'' is not a valid integer value"},
        {"300\r\nabc\r\n", 1, "'abc' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(path);
        if (c.contents != nullptr) {
            WriteBytes(path, c.contents);
        }
        try {
            RecordAndReport(dir.Path(), Title(c.puzzle), c.puzzle, 10, true);
            ADD_FAILURE() << "no error for " << c.error;
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.what(), c.error);
        }
        EXPECT_EQ(std::filesystem::exists(path), c.contents != nullptr);
        if (c.contents != nullptr) {
            EXPECT_EQ(ReadBytes(path), c.contents) << c.error;
        }
    }
}

TEST(BestTimes, ANewRecordIsNotSavedIntoADamagedOrBusyOrReadOnlyList) {
    TempFolder dir;
    const std::string path = dir / "a14.asl";
    WriteBytes(dir / "a8.asl", Titles);
    // A NUL byte would cut the list short when it is written back.
    const std::string damaged("300\r\n200\r\n\0"
                              "100\r\n",
                              13);
    WriteBytes(path, damaged);
    EXPECT_EQ(test::ErrorOf([&] { RecordAndReport(dir.Path(), "P1", 1, 150, false); }),
              "The list " + path + " is damaged: it holds a NUL byte");
    EXPECT_EQ(ReadBytes(path), damaged);

    // Another program holds the library: the game waits a moment, then reports it.
    WriteBytes(path, Times);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const LibraryLock lock(dir.Path());
        ::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(test::ErrorOf([&] { RecordAndReport(dir.Path(), "P1", 1, 150, false); }),
              "The library is in use by another program; try again in a moment");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(ReadBytes(path), Times);
    // A time that is no record needs no lock.
    EXPECT_EQ(RecordAndReport(dir.Path(), "P1", 1, 170, false),
              "Time taken: 02:50... Previous best was 02:41...You did not beat the old record.");

    // A list the player may not write: read-only (and, run as root, another user's).
    ::chmod(dir.Path().c_str(), 0777);
    ::chmod(path.c_str(), 0444);
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return test::ErrorOf([&] { RecordAndReport(dir.Path(), "P1", 1, 150, false); }) ==
               "Cannot create file " + path;
    }));
    EXPECT_EQ(ReadBytes(path), Times);
}

TEST(BestTimes, ANewRecordGoesToThePuzzlesLineAsTheLibraryNowStands) {
    struct Case {
        const char* titles; // "a8.asl" at the win, the puzzle "P2" loaded as puzzle 2
        const char* file;   // "a14.asl" after it; none: refused
    };
    const Case cases[] = {
        {"P0\r\nP1\r\nP2\r\nP3\r\n", "300\r\n161\r\n100\r\n45\r\n"},
        {"P0\r\nP2\r\nP3\r\n", "300\r\n100\r\n930\r\n45\r\n"}, // P1 removed meanwhile
        {"P0\r\nP1\r\nRenamed\r\nP3\r\n", nullptr},
        {"P2\r\nP1\r\nP2\r\nP3\r\n", "300\r\n161\r\n100\r\n45\r\n"}, // still its line
    };
    for (const Case& c : cases) {
        TempFolder dir;
        WriteBytes(dir / "a14.asl", Times);
        WriteBytes(dir / "a8.asl", c.titles);
        const std::string error =
            test::ErrorOf([&] { RecordAndReport(dir.Path(), "P2", 2, 100, false); });
        EXPECT_EQ(error, c.file ? "" : "Puzzle \"P2\" is not in the library") << c.titles;
        EXPECT_EQ(ReadBytes(dir / "a14.asl"), c.file ? c.file : Times) << c.titles;
    }
}

} // namespace
} // namespace lexiglade
