// GCC 12 warns falsely about string concatenation at -O3 (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/FileBatch.h"
#include "library/LibraryCheck.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace lexiglade {
namespace {

using test::MakeLibrary;
using test::MakePuzzle;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

using Problems = std::vector<std::string>;

// Five puzzles of 15 words in b1/b2 (the last of them of pictures), under "Folder 0".
struct CheckTest : testing::Test {
    void SetUp() override {
        MakeLibrary(dir, 4, 15);
        NewPuzzle pictures = MakePuzzle("Pictures", 15);
        pictures.hints.clear();
        std::filesystem::create_directory(folder / "pictures");
        for (int i = 0; i < 15; ++i) {
            const std::string name = "P" + std::to_string(i) + ".BMP";
            pictures.hints += (i == 0 ? "" : "\r\n") + name;
            WriteBytes(folder / "pictures/" + name, "BM");
        }
        AppendPuzzleToFolder(dir, pictures, "Folder 0", {});
    }
    void SetLine(const std::string& list, std::size_t line, const std::string& text) const {
        TextList lines = ReadList(folder / list);
        lines.at(line) = text;
        WriteList(folder / list, lines);
    }
    std::string Path(const std::string& name) const { return folder / name; }

    TempFolder folder;
    const std::string& dir = folder.Path();
};

std::string Puzzle(int index, const std::string& problem) {
    const std::string title = index == 4 ? "Pictures" : "Puzzle " + std::to_string(index);
    return "Puzzle \"" + title + "\" (line " + std::to_string(index + 1) +
           " of a8.asl): " + problem;
}

TEST_F(CheckTest, EveryBrokenInvariantGivesItsOwnLine) {
    const std::string a8 = Path("a8.asl");
    struct Row {
        const char* damage;
        std::function<void()> apply;
        Problems expected;
    };
    const Row table[] = {
        {"none", [] {}, {}},
        {"a list missing",
         [&] { std::filesystem::remove(Path("a12.asl")); },
         {"Cannot open file " + Path("a12.asl")}},
        {"a NUL byte",
         [&] { WriteBytes(Path("a9.asl"), std::string("b1.asl\r\n\0b1.asl\r\n", 17)); },
         {"The list " + Path("a9.asl") + " is damaged: it holds a NUL byte",
          "The list " + Path("a9.asl") + " is damaged: it has 1 lines where " + a8 + " has 5"}},
        {"a line too many",
         [&] { WriteBytes(Path("a14.asl"), ReadBytes(Path("a14.asl")) + "300\r\n"); },
         {"The list " + Path("a14.asl") + " is damaged: it has 6 lines where " + a8 + " has 5"}},
        {"banks not a pair",
         [&] { SetLine("a10.asl", 1, "b4.asl"); },
         {Puzzle(1, "its banks b1.asl and b4.asl are not a pair")}},
        {"two puzzles on the same wrong pair",
         [&] {
             SetLine("a9.asl", 2, "b2.asl");
             SetLine("a9.asl", 3, "b2.asl");
         },
         {Puzzle(2, "its banks b2.asl and b2.asl are not a pair"),
          Puzzle(3, "its banks b2.asl and b2.asl are not a pair")}},
        {"a bank outside the library",
         [&] { SetLine("a9.asl", 0, "../b1.asl"); },
         {Puzzle(0, "\"../b1.asl\" is not a plain file name of the library folder")}},
        {"a last line past the banks",
         [&] { SetLine("a12.asl", 2, "75"); },
         {Puzzle(2, "its lines 30 to 75 lie outside its banks (b1.asl has 75 lines, b2.asl has "
                    "75)")}},
        {"a first line that is no number",
         [&] { SetLine("a11.asl", 0, "x"); },
         {Puzzle(0, "'x' is not a valid integer value")}},
        {"a last line before the first",
         [&] { SetLine("a12.asl", 1, "13"); },
         {Puzzle(1, "its lines 15 to 13 lie outside its banks (b1.asl has 75 lines, b2.asl has "
                    "75)")}},
        {"an empty puzzle is no fault", [&] { SetLine("a12.asl", 1, "14"); }, {}},
        {"a hint bank missing",
         [&] { std::filesystem::remove(Path("b2.asl")); },
         {Puzzle(0, "Cannot open file " + Path("b2.asl")),
          Puzzle(1, "Cannot open file " + Path("b2.asl")),
          Puzzle(2, "Cannot open file " + Path("b2.asl")),
          Puzzle(3, "Cannot open file " + Path("b2.asl")),
          Puzzle(4, "Cannot open file " + Path("b2.asl"))}},
        {"a picture missing",
         [&] { std::filesystem::remove(Path("pictures/P7.BMP")); },
         {Puzzle(4, "its picture " + Path("pictures/P7.BMP") + " is missing")}},
        {"a title renamed",
         [&] { SetLine("a8.asl", 2, "Renamed"); },
         {"Puzzle \"Renamed\" (line 3 of a8.asl) is under no folder of a7.asl",
          "Puzzle \"Puzzle 2\" (line 5 of a7.asl) is not in a8.asl"}},
        {"a tree that cannot be loaded",
         [&] { WriteBytes(Path("a7.asl"), "Folder\r\n\t\tDeep\r\n"); },
         {Path("a7.asl") + ": File load error"}},
        {"best times that are no seconds",
         [&] {
             SetLine("a14.asl", 0, "5:00");
             SetLine("a15.asl", 3, "-930");
         },
         {"Best time \"5:00\" (line 1 of a14.asl) is not a whole number of seconds",
          "Best time \"-930\" (line 4 of a15.asl) is not a whole number of seconds"}},
        {"a NUL byte at the end of a bank",
         [&] { WriteBytes(Path("b2.asl"), ReadBytes(Path("b2.asl")) + std::string(1, '\0')); },
         {"The list " + Path("b2.asl") + " is damaged: it holds a NUL byte"}},
        {"a hint bank one line longer",
         [&] { WriteBytes(Path("b2.asl"), ReadBytes(Path("b2.asl")) + "extra\r\n"); },
         {"The banks " + Path("b1.asl") + " and " + Path("b2.asl") + " are out of step: " +
          Path("b1.asl") + " has 75 lines where " + Path("b2.asl") + " has 76"}},
        {"an empty hint",
         [&] { SetLine("b2.asl", 17, ""); },
         {Puzzle(1, "its hint 3 (line 18 of b2.asl) is empty")}},
        {"a text puzzle taken for pictures",
         [&] { SetLine("b2.asl", 30, "Capital of the U.S."); },
         {Puzzle(2, "its first hint \"Capital of the U.S.\" holds a full stop, so the game takes "
                    "its text hints for pictures")}},
        {"a title in Latin-1 is shown in UTF-8",
         [&] { SetLine("a8.asl", 2, "Caf\xE9"); },
         {"Puzzle \"Caf\xC3\xA9\" (line 3 of a8.asl) is under no folder of a7.asl",
          "Puzzle \"Puzzle 2\" (line 5 of a7.asl) is not in a8.asl"}},
        // Last: it leaves the pictures in a folder named in capitals.
        {"a picture missing from a folder named in capitals",
         [&] {
             std::filesystem::rename(Path("pictures"), Path("PICTURES"));
             std::filesystem::remove(Path("PICTURES/P7.BMP"));
         },
         {Puzzle(4, "its picture " + Path("PICTURES/P7.BMP") + " is missing")}},
    };
    const test::FileSnapshot sound = test::SnapshotFiles(dir);
    for (const Row& row : table) {
        test::RestoreFiles(dir, sound);
        std::filesystem::create_directory(folder / "pictures");
        WriteBytes(Path("pictures/P7.BMP"), "BM");
        row.apply();
        EXPECT_EQ(LibraryProblems(dir), row.expected) << row.damage;
    }
}

TEST_F(CheckTest, TheCheckSettlesAnInterruptedFilingFirst) {
    WriteBytes(folder / ".lexiglade-new-a8.asl", "unfinished");
    const LibraryReport report = CheckLibrary(dir);
    EXPECT_EQ(report.recovery, Recovery::Cleared);
    EXPECT_EQ(report.problems, Problems{});
    EXPECT_FALSE(HasFilingLeftovers(dir));
    EXPECT_EQ(CheckLibrary(dir).recovery, Recovery::Nothing);
}

TEST_F(CheckTest, TheListingShowsFoldersWithTheirPuzzlesWordCountsAndBestTimes) {
    SetLine("a14.asl", 1, "95");
    SetLine("a15.asl", 1, "x");
    WriteBytes(Path("a7.asl"), ReadBytes(Path("a7.asl")) + "Empty\r\nOther\r\n\tGhost\r\n");
    const std::vector<ListedFolder> folders = ListLibrary(dir);
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0].name, "Folder 0");
    ASSERT_EQ(folders[0].puzzles.size(), 5u);
    EXPECT_EQ(folders[0].puzzles[0].title, "Pictures"); // filed as the folder's first entry
    const ListedPuzzle& second = folders[0].puzzles[2];
    EXPECT_EQ(second.title, "Puzzle 1");
    EXPECT_TRUE(second.inLibrary);
    EXPECT_EQ(second.words, 15);
    EXPECT_EQ(second.plainBest, 95);
    EXPECT_EQ(second.backwardBest, std::nullopt);
    EXPECT_EQ(folders[1].name, "Empty");
    EXPECT_TRUE(folders[1].puzzles.empty());
    ASSERT_EQ(folders[2].puzzles.size(), 1u);
    EXPECT_FALSE(folders[2].puzzles[0].inLibrary);
    EXPECT_EQ(folders[2].puzzles[0].words, std::nullopt);
}

} // namespace
} // namespace lexiglade
