#include "TempFolder.h"

#include "library/Puzzle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace lexiglade {
namespace {

using test::ErrorOf;
using test::TempFolder;
using test::WriteBytes;

TextList BankLines(const std::string& prefix, int first, int last) {
    TextList lines;
    for (int i = first; i <= last; ++i) {
        lines.push_back(prefix + std::to_string(i));
    }
    return lines;
}

std::string Lines(const TextList& lines) {
    return FormatList(lines);
}

// A library of six puzzles in two bank pairs; b1.asl and b2.asl hold 70 lines each.
std::string NotPlain(const std::string& name) {
    std::string text = "\"";
    text += name;
    text += "\" is not a plain file name of the library folder";
    return text;
}

class LibraryFixture : public ::testing::Test {
  public:
    void SetUp() override {
        Write("a8.asl", {"Farm Animals", "Pets", "pets", "Dup", "Dup", "Backwards", "Small"});
        Write("a9.asl", {"b1.asl", "b1.asl", "b3.asl", "b1.asl", "b1.asl", "b1.asl", "b3.asl"});
        Write("a10.asl", {"b2.asl", "b2.asl", "b4.asl", "b2.asl", "b2.asl", "b2.asl", "b4.asl"});
        Write("a11.asl", {"45", "0", "0", "10", "20", "69", "1"});
        Write("a12.asl", {"61", "3", "1", "10", "20", "68", "2"});
        Write("b1.asl", BankLines("W", 0, 69));
        Write("b2.asl", BankLines("H", 0, 69));
        Write("b3.asl", {"APPLE", "PEAR", "PLUM"});
        Write("b4.asl", {"red", "green", "blue"});
    }

    void Write(const std::string& name, const TextList& lines) {
        WriteBytes(folder_ / name, Lines(lines));
    }

    // One puzzle item per title, under one folder, then the others as asked.
    static TreeModel TreeOf(const TextList& titles) {
        TreeModel tree = {{"Folder", 1}};
        for (const std::string& title : titles) {
            tree.push_back({title, 2});
        }
        return tree;
    }

    static LoadedPuzzle Previous() { return {"Before", 3, {"OLD"}, {"old hint"}}; }

    static void ExpectSame(const LoadedPuzzle& a, const LoadedPuzzle& b) {
        EXPECT_EQ(a.title, b.title);
        EXPECT_EQ(a.puzzleIndex, b.puzzleIndex);
        EXPECT_EQ(a.words, b.words);
        EXPECT_EQ(a.hints, b.hints);
    }

    // A sibling folder holding a complete bank pair, as seen from the library folder.
    std::string Outside() const {
        return "../" + std::filesystem::path(outside_.Path()).parent_path().filename().string();
    }
    void MakeOutsideBanks() const {
        WriteBytes(outside_ / "b1.asl", Lines(BankLines("OUTSIDE", 0, 69)));
        WriteBytes(outside_ / "b2.asl", Lines(BankLines("outside", 0, 69)));
    }

    TempFolder folder_;
    TempFolder outside_;
};

TEST(IsPuzzleItem, FoldersAreItemsWithDeeperItemsOrAtTheTop) {
    const TreeModel tree = {{"Folder", 1}, {"Puzzle", 2},   {"Sub", 2}, {"Deep", 3},
                            {"Empty", 2},  {"Folder 2", 1}, {"Last", 2}};
    const bool expected[] = {false, true, false, true, true, false, true, false};
    for (std::size_t s = 0; s < std::size(expected); ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(IsPuzzleItem(tree, s), expected[s]);
    }
    EXPECT_FALSE(IsPuzzleItem({}, 0));
}

TEST_F(LibraryFixture, LoadsWordsAndHintsOfTheTitle) {
    struct Case {
        std::string title;
        std::int32_t index;
        TextList words;
        TextList hints;
    };
    const Case cases[] = {
        {"Farm Animals", 0, BankLines("W", 45, 61), BankLines("H", 45, 61)},
        {"Pets", 1, {"W0", "W1", "W2", "W3"}, {"H0", "H1", "H2", "H3"}},
        {"pets", 2, {"APPLE", "PEAR"}, {"red", "green"}},
        {"Dup", 3, {"W10"}, {"H10"}},
        {"Backwards", 5, {}, {}},
        {"Small", 6, {"PEAR", "PLUM"}, {"green", "blue"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        LoadedPuzzle puzzle = Previous();
        ASSERT_TRUE(LoadPuzzle(TreeOf({c.title}), 1, folder_.Path(), puzzle));
        EXPECT_EQ(puzzle.title, c.title);
        EXPECT_EQ(puzzle.puzzleIndex, c.index);
        EXPECT_EQ(puzzle.words, c.words);
        EXPECT_EQ(puzzle.hints, c.hints);
    }
    EXPECT_EQ(BankLines("W", 45, 61).size(), 17u);
}

TEST_F(LibraryFixture, OnlyPuzzleItemsLoad) {
    const TreeModel tree = {{"Farm Animals", 1}, {"Pets", 2},  {"Dup", 2},  {"Small", 3},
                            {"pets", 2},         {"Small", 1}, {"Small", 2}};
    struct Case {
        std::size_t selected;
        bool loads;
        std::string title;
    };
    const Case cases[] = {
        {0, false, ""},    {1, true, "Pets"}, {2, false, ""},     {3, true, "Small"},
        {4, true, "pets"}, {5, false, ""},    {6, true, "Small"}, {7, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        LoadedPuzzle puzzle = Previous();
        EXPECT_EQ(LoadPuzzle(tree, c.selected, folder_.Path(), puzzle), c.loads);
        EXPECT_EQ(puzzle.title, c.loads ? c.title : Previous().title);
        if (!c.loads) {
            ExpectSame(puzzle, Previous());
        }
    }
}

TEST_F(LibraryFixture, FailuresChangeNothing) {
    const std::string dir = folder_.Path();
    struct Case {
        const char* name;
        std::string title;
        std::function<void(LibraryFixture&)> breakLibrary;
        std::string error;
    };
    const auto remove = [](const std::string& name) {
        return [name](LibraryFixture& f) { std::filesystem::remove(f.folder_ / name); };
    };
    const auto write = [](const std::string& name, TextList lines) {
        return [name, lines](LibraryFixture& f) { f.Write(name, lines); };
    };
    const auto both = [](std::function<void(LibraryFixture&)> a,
                         std::function<void(LibraryFixture&)> b) {
        return [a, b](LibraryFixture& f) {
            a(f);
            b(f);
        };
    };
    const std::string bad = "' is not a valid integer value";
    MakeOutsideBanks(); // loaded, were the names not refused
    const std::string outsideWords = Outside() + "/b1.asl";
    const std::string outsideHints = Outside() + "/b2.asl";
    const Case cases[] = {
        {"title not in the list", "Ghost", [](LibraryFixture&) {},
         "Puzzle \"Ghost\" is not in the library"},
        {"title differs in trailing blank", "Pets ", [](LibraryFixture&) {},
         "Puzzle \"Pets \" is not in the library"},
        {"title with a Latin-1 letter, quoted as UTF-8", "Caf\xe9", [](LibraryFixture&) {},
         "Puzzle \"Caf\xc3\xa9\" is not in the library"},
        {"title list missing", "Pets", remove("a8.asl"), "Cannot open file " + dir + "a8.asl"},
        {"word bank names missing", "Pets", remove("a9.asl"), "Cannot open file " + dir + "a9.asl"},
        {"hint bank names missing", "Pets", remove("a10.asl"),
         "Cannot open file " + dir + "a10.asl"},
        {"first lines missing", "Pets", remove("a11.asl"), "Cannot open file " + dir + "a11.asl"},
        {"last lines missing", "Pets", remove("a12.asl"), "Cannot open file " + dir + "a12.asl"},
        {"word bank missing", "Pets", remove("b1.asl"), "Cannot open file " + dir + "b1.asl"},
        {"hint bank missing", "Pets", remove("b2.asl"), "Cannot open file " + dir + "b2.asl"},
        {"hint bank missing, empty range", "Backwards", remove("b2.asl"),
         "Cannot open file " + dir + "b2.asl"},
        {"index past word bank names", "Pets", write("a9.asl", {"b1.asl"}),
         "List index out of bounds"},
        {"index past hint bank names", "Pets", write("a10.asl", {"b2.asl"}),
         "List index out of bounds"},
        {"index past first lines", "Small", write("a11.asl", {"0"}), "List index out of bounds"},
        {"index past last lines", "Small", write("a12.asl", {}), "List index out of bounds"},
        {"first line not a number", "Pets", write("a11.asl", {"45", "x1"}), "'x1" + bad},
        {"last line not a number", "Pets", write("a12.asl", {"61", "1.0"}), "'1.0" + bad},
        {"last line with a space", "Pets", write("a12.asl", {"61", " 3"}), "' 3" + bad},
        {"bank shorter than the last line", "Small", write("b4.asl", {"red", "green"}),
         "List index out of bounds"},
        {"word bank shorter", "Farm Animals", write("b1.asl", BankLines("W", 0, 60)),
         "List index out of bounds"},
        {"negative first line", "Pets", write("a11.asl", {"45", "-1"}), "List index out of bounds"},
        {"huge range", "Pets", write("a12.asl", {"61", "2000000000"}), "List index out of bounds"},
        {"bad index line before missing last lines", "Pets",
         both(write("a11.asl", {"45", "$1"}), remove("a12.asl")), "'$1" + bad},
        {"short word bank names before missing hint bank names", "Pets",
         both(write("a9.asl", {"b1.asl"}), remove("a10.asl")), "List index out of bounds"},
        {"bank name that is empty", "Pets", write("a9.asl", {"b1.asl", ""}), NotPlain("")},
        {"word bank outside the library", "Pets", write("a9.asl", {"b1.asl", outsideWords}),
         NotPlain(outsideWords)},
        {"hint bank outside the library", "Pets", write("a10.asl", {"b2.asl", outsideHints}),
         NotPlain(outsideHints)},
        {"hint bank by its full path", "Pets", write("a10.asl", {"b2.asl", "/etc/hostname"}),
         NotPlain("/etc/hostname")},
        {"bank name that is the parent folder", "Pets", write("a10.asl", {"b2.asl", ".."}),
         NotPlain("..")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.breakLibrary(*this);
        LoadedPuzzle puzzle = Previous();
        EXPECT_EQ(ErrorOf([&] { LoadPuzzle(TreeOf({c.title}), 1, dir, puzzle); }), c.error);
        ExpectSame(puzzle, Previous());
    }
}

TEST_F(LibraryFixture, AnEmptyRangeNeedsNoBankLines) {
    Write("a11.asl", {"45", "100"});
    Write("a12.asl", {"61", "99"});
    LoadedPuzzle puzzle = Previous();
    ASSERT_TRUE(LoadPuzzle(TreeOf({"Pets"}), 1, folder_.Path(), puzzle));
    EXPECT_EQ(puzzle.puzzleIndex, 1);
    EXPECT_TRUE(puzzle.words.empty());
    EXPECT_TRUE(puzzle.hints.empty());
}

TEST_F(LibraryFixture, ReadsListsByTheListRules) {
    WriteBytes(folder_ / "a8.asl", "Farm Animals\rPets\nDup");
    WriteBytes(folder_ / "a9.asl", "b1.asl\nb3.asl");
    WriteBytes(folder_ / "a10.asl", "b2.asl\r\nb4.asl");
    WriteBytes(folder_ / "a11.asl", "45\r1\r");
    WriteBytes(folder_ / "a12.asl", "61\n2\n");
    WriteBytes(folder_ / "b3.asl", std::string("APPLE\r\n\r\nPLUM\0TAIL", 18));
    LoadedPuzzle puzzle;
    ASSERT_TRUE(LoadPuzzle(TreeOf({"Pets"}), 1, folder_.Path(), puzzle));
    EXPECT_EQ(puzzle.words, (TextList{"", "PLUM"}));
    EXPECT_EQ(puzzle.hints, (TextList{"green", "blue"}));
    EXPECT_EQ(ErrorOf([&] { LoadPuzzle(TreeOf({"Dup"}), 1, folder_.Path(), puzzle); }),
              "List index out of bounds");
}

} // namespace
} // namespace lexiglade
