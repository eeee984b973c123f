// GCC 12 warns falsely about string concatenation at -O3 (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/AppendPlan.h"
#include "library/LibraryCheck.h"
#include "library/LibraryLock.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace lexiglade {
namespace {

using test::ErrorOf;
using test::FileSnapshot;
using test::MakeLibrary;
using test::MakePuzzle;
using test::ReadBytes;
using test::SnapshotFiles;
using test::TempFolder;
using test::WriteBytes;

// Four puzzles of 15 words in b1.asl and b2.asl, under "Folder 0".
struct ProofTest : testing::Test {
    void SetUp() override { MakeLibrary(dir, 4, 15); }
    std::string Refused(const std::string& reason) const {
        return reason + " (found when the filing was read back before it was committed; the "
                        "library was left as it is)";
    }

    TempFolder folder;
    const std::string& dir = folder.Path();
};

std::string& BytesOf(LibraryChange& change, const std::string& name) {
    const auto file = std::find_if(change.files.begin(), change.files.end(),
                                   [&](const FileReplacement& f) { return f.name == name; });
    return file->bytes;
}

std::string WithoutLastLine(std::string bytes) {
    bytes.resize(bytes.rfind("\r\n", bytes.size() - 3) + 2);
    return bytes;
}

TEST_F(ProofTest, StagedFilesThatDifferFromThePlanAreRefusedAndChangeNothing) {
    const std::string b1 = folder / "b1.asl", b2 = folder / "b2.asl";
    struct Row {
        const char* spoiled;
        std::function<void(LibraryChange&)> spoil;
        std::string error;
    };
    const Row table[] = {
        {"a hint line dropped",
         [](LibraryChange& c) { BytesOf(c, "b2.asl") = WithoutLastLine(BytesOf(c, "b2.asl")); },
         Refused("The banks " + b1 + " and " + b2 + " are out of step: " + b1 +
                 " has 75 lines where " + b2 + " has 74")},
        {"a NUL byte in the word bank",
         [](LibraryChange& c) { BytesOf(c, "b1.asl").insert(100, 1, '\0'); },
         Refused("The list " + b1 + " is damaged: it holds a NUL byte")},
        {"a word changed", [](LibraryChange& c) { BytesOf(c, "b1.asl").end()[-3] = 'Z'; },
         Refused("The new puzzle \"Proved\" loads other words or hints than it was given")},
        {"the title's line dropped",
         [](LibraryChange& c) { BytesOf(c, "a8.asl") = WithoutLastLine(BytesOf(c, "a8.asl")); },
         Refused("The list " + folder / "a9.asl" + " is damaged: it has 5 lines where " +
                 folder / "a8.asl" + " has 4")},
        {"a first line off by one",
         [](LibraryChange& c) {
             BytesOf(c, "a11.asl").replace(BytesOf(c, "a11.asl").size() - 4, 2, "61");
         },
         Refused("Line 5 of a11.asl is \"61\" where the new puzzle needs \"60\"")},
    };
    const FileSnapshot before = SnapshotFiles(dir);
    NewPuzzle puzzle = MakePuzzle("Proved", 15);
    puzzle.tree = before.at("a7.asl") + "\tProved\r\n";
    const LibraryLock lock(dir);
    for (const Row& row : table) {
        PlannedAppend plan = PlanAppend(dir, puzzle, {});
        row.spoil(plan.change);
        EXPECT_EQ(ErrorOf([&] { FileChange(dir, plan.change, {}); }), row.error) << row.spoiled;
        EXPECT_EQ(SnapshotFiles(dir), before) << row.spoiled;
    }
    FileChange(dir, PlanAppend(dir, puzzle, {}).change, {});
    EXPECT_EQ(LibraryProblems(dir), std::vector<std::string>{});
}

TEST_F(ProofTest, ADamagedPairOrAPuzzleTheGameCouldNotPlayIsRefusedBeforeAnythingIsWritten) {
    const std::string b1 = folder / "b1.asl", b2 = folder / "b2.asl";
    const auto puzzle = [](const std::string& title, std::size_t hint, const std::string& text) {
        NewPuzzle made = MakePuzzle(title, 15);
        TextList hints = ParseList(made.hints);
        hints[hint] = text;
        made.hints = JoinMemoLines(hints);
        return made;
    };
    const auto notFileable = [](const std::string& title, const std::string& reason) {
        return "The puzzle \"" + title + "\" cannot be filed: " + reason;
    };
    struct Row {
        const char* what;
        std::function<void()> damage;
        NewPuzzle puzzle;
        std::string folder, error;
    };
    const Row table[] = {
        {"an empty last hint", [] {}, puzzle("Oscar", 14, ""), "Folder 0",
         notFileable("Oscar", "it has 15 words and 14 hints")},
        {"an empty hint", [] {}, puzzle("Gap", 2, ""), "Folder 0",
         notFileable("Gap", "hint 3 is empty")},
        {"one empty word and hint", [] {}, NewPuzzle{"Blank", "", "", {}}, "Folder 0",
         notFileable("Blank", "it has no words")},
        {"a NUL byte in the word bank",
         [&] { WriteBytes(b1, std::string("WORD\0", 5) + ReadBytes(b1)); }, MakePuzzle("N", 15),
         "Folder 0", "The list " + b1 + " is damaged: it holds a NUL byte"},
        {"a hint bank one line longer", [&] { WriteBytes(b2, ReadBytes(b2) + "extra\r\n"); },
         MakePuzzle("Longer", 15), "Folder 0",
         "The banks " + b1 + " and " + b2 + " are out of step: " + b1 + " has 60 lines where " +
             b2 + " has 61"},
        {"both banks cut short",
         [&] {
             WriteBytes(b1, FormatList(TextList(50, "WORD")));
             WriteBytes(b2, FormatList(TextList(50, "hint")));
         },
         MakePuzzle("Short", 15), "Folder 0",
         Refused("The puzzle \"Puzzle 3\" (line 4 of a8.asl) already points into lines 50 to 64 "
                 "of b1.asl and b2.asl")},
        {"a title already filed", [] {}, MakePuzzle("Puzzle 2", 15), "Folder 0",
         Refused("The title \"Puzzle 2\" loads the puzzle on line 3 of a8.asl")},
        {"a full stop in a text puzzle's first hint", [] {},
         puzzle("Capitals", 0, "Capital of the U.S."), "Folder 0",
         notFileable("Capitals", "its first hint holds a full stop, so the game takes its hints "
                                 "for pictures, and hint 1 names no picture of " +
                                     folder / "pictures/")},
        {"a C1 control in the title", [] {}, MakePuzzle("Caf\x85", 15), "Folder 0",
         notFileable("Caf\xC2\x85", "its title begins with a space or holds a control character")},
        {"a DEL in a hint", [] {}, puzzle("Del", 1, "a\x7F"), "Folder 0",
         notFileable("Del", "hint 2 holds a control character")},
        {"a control in a new folder's name", [] {}, MakePuzzle("Folded", 15), "New\x9F",
         notFileable("Folded", "the name of its new folder is empty, begins with a space or "
                               "holds a control character")},
    };
    const FileSnapshot sound = SnapshotFiles(dir);
    for (const Row& row : table) {
        test::RestoreFiles(dir, sound);
        row.damage();
        const FileSnapshot before = SnapshotFiles(dir);
        EXPECT_EQ(ErrorOf([&] { AppendPuzzleToFolder(dir, row.puzzle, row.folder, {}); }),
                  row.error)
            << row.what;
        EXPECT_EQ(SnapshotFiles(dir), before) << row.what;
    }
}

} // namespace
} // namespace lexiglade
