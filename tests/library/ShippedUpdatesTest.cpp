// GCC 12 warns falsely about string concatenation at -O3 (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/DataFolder.h"
#include "library/LibraryCheck.h"
#include "library/OfferedRecord.h"
#include "library/PuzzleEdit.h"
#include "library/ShippedUpdates.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace lexiglade {
namespace {

using test::MakeLibrary;
using test::MakePuzzle;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// A picture puzzle of 15 words whose hints name the pictures P0.BMP to P14.BMP of `dataDir`.
NewPuzzle PicturePuzzle(const std::string& dataDir, const std::string& title) {
    NewPuzzle puzzle = MakePuzzle(title, 15);
    puzzle.hints.clear();
    std::filesystem::create_directories(dataDir + "pictures");
    for (int i = 0; i < 15; ++i) {
        const std::string name = "P" + std::to_string(i) + ".BMP";
        WriteBytes(dataDir + "pictures/" + name, "shipped " + name);
        puzzle.hints += (i == 0 ? "" : "\r\n") + name;
    }
    return puzzle;
}

TEST(ShippedUpdates, ShippedPuzzlesOfALaterVersionReachAPlayerOnceAndNeverTouchTheirOwn) {
    struct Case {
        const char* what;
        bool seededWithRecord; // seeded by this version, or by one that kept no record
    };
    for (const Case c : {Case{"seeded with a record", true}, Case{"seeded before", false}}) {
        SCOPED_TRACE(c.what);
        const TempFolder shipped, home;
        const DataFolders folders{home / "lexiglade/", shipped.Path()};
        const std::string& player = folders.dataDir;
        MakeLibrary(shipped.Path(), 3, 15); // version N: "Puzzle 0" to "Puzzle 2" in "Folder 0"
        FillPlayerFolder(folders);
        EXPECT_EQ(OfferShippedPuzzles(folders), std::vector<std::string>{});
        AppendPuzzleToFolder(player, MakePuzzle("Mine", 15), "My Folder", {});
        TextList best = ReadList(player + "a14.asl");
        best[1] = "42";
        WriteList(player + "a14.asl", best);
        std::filesystem::create_directories(player + "pictures");
        WriteBytes(player + "pictures/P0.BMP", "the player's own");
        if (c.seededWithRecord) {
            RemovePuzzle(player, "Puzzle 2");
        } else {
            std::filesystem::remove(player + kOfferedRecord);
        }
        const auto before = test::PlayEveryPuzzle(player);

        // Version N + 1 ships two puzzles more, one of them with pictures in a new folder.
        AppendPuzzleToFolder(shipped.Path(), MakePuzzle("New Text", 15), "Folder 0", {});
        AppendPuzzleToFolder(shipped.Path(), PicturePuzzle(shipped.Path(), "New Pictures"),
                             "Pictures", {});
        const std::vector<std::string> both = {"New Text", "New Pictures"};
        EXPECT_EQ(OfferShippedPuzzles(folders), both);
        EXPECT_EQ(OfferShippedPuzzles(folders), std::vector<std::string>{});

        const TextList titles = ReadList(player + "a8.asl");
        for (const std::string title : {"New Text", "New Pictures", "Puzzle 2"}) {
            const bool expected = title != "Puzzle 2" || !c.seededWithRecord;
            EXPECT_EQ(std::count(titles.begin(), titles.end(), title), expected ? 1 : 0) << title;
        }
        auto after = test::PlayEveryPuzzle(player);
        EXPECT_EQ(after.at("New Pictures").hints.front(), "P0.BMP");
        for (const std::string& title : both) {
            after.erase(title);
        }
        EXPECT_EQ(after, before);
        EXPECT_EQ(ReadBytes(player + "pictures/P0.BMP"), "the player's own");
        EXPECT_EQ(ReadBytes(player + "pictures/P7.BMP"), "shipped P7.BMP");
        const TextList tree = ReadList(player + "a7.asl");
        const auto newText = std::find(tree.begin(), tree.end(), "\tNew Text");
        ASSERT_NE(newText, tree.end());
        EXPECT_EQ(*(newText + 1), "My Folder") << "last in its folder";
        EXPECT_EQ(std::vector<std::string>(tree.end() - 2, tree.end()),
                  (std::vector<std::string>{"Pictures", "\tNew Pictures"}));
        EXPECT_EQ(CheckLibrary(player).problems, std::vector<std::string>{});
    }
}

} // namespace
} // namespace lexiglade
