#include "TempFolder.h"

#include "library/Errors.h"
#include "library/TreeFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace lexiglade {
namespace {

using namespace std::string_literals;
using test::ErrorOf;
using test::TempFolder;
using test::WriteBytes;

struct Loaded {
    TreeModel tree;
    std::string error;
};

Loaded LoadBytes(const std::string& bytes) {
    Loaded loaded{{{"stale", 1}}, ""};
    std::istringstream in(bytes);
    loaded.error = ErrorOf([&] { LoadTree(in, loaded.tree); });
    return loaded;
}

Loaded LoadFile(const std::string& bytes) {
    TempFolder folder;
    WriteBytes(folder / "a7.asl", bytes);
    Loaded loaded{{{"stale", 1}}, ""};
    loaded.error = ErrorOf([&] { LoadTreeFile(folder / "a7.asl", loaded.tree); });
    return loaded;
}

void ExpectLoads(const std::string& bytes, const TreeModel& tree, const std::string& error) {
    for (const Loaded& loaded : {LoadBytes(bytes), LoadFile(bytes)}) {
        EXPECT_EQ(loaded.error, error);
        EXPECT_EQ(loaded.tree, tree);
    }
}

TEST(TreeFile, PlacesItemsByIndentation) {
    struct Case {
        const char* name;
        std::string bytes;
        TreeModel tree;
        std::string error = "";
    };
    const Case cases[] = {
        {"folder and puzzle",
         "Animals\r\n\tFarm Animals\r\n",
         {{"Animals", 1}, {"Farm Animals", 2}}},
        {"two folders",
         "Animals\r\n\tFarm Animals\r\n\tPets\r\nSky\r\n\tPlanets\r\n",
         {{"Animals", 1}, {"Farm Animals", 2}, {"Pets", 2}, {"Sky", 1}, {"Planets", 2}}},
        {"two tabs after one tab", "A\r\n\tB\r\n\t\tC\r\n", {{"A", 1}, {"B", 2}, {"C", 3}}},
        {"two tabs after a folder", "A\r\n\t\tB\r\nC\r\n", {{"A", 1}}, "File load error"},
        {"space indentation", "A\r\n B\r\n", {{"A", 1}, {"B", 2}}},
        {"tab and space are one step each", "A\r\n\tB\r\n \tC\r\n", {{"A", 1}, {"B", 2}, {"C", 3}}},
        {"bare line feeds", "A\n\tB\nC\n", {{"A\n\tB\nC\n", 1}}},
        {"tab first, then no indentation", "\tA\r\nB\r\n", {{"A", 1}}, "File load error"},
        {"tab first, then tab", "\tA\r\n\tB", {{"A", 1}, {"B", 1}}},
        {"two tabs first", "\t\tA\r\n", {}, "File load error"},
        {"empty line", "A\r\n\tB\r\n\r\nC\r\n", {{"A", 1}, {"B", 2}, {"", 1}, {"C", 1}}},
        {"empty line under a deeper item",
         "A\r\n\tB\r\n\t\tC\r\n\r\n",
         {{"A", 1}, {"B", 2}, {"C", 3}, {"", 1}}},
        {"up one level", "A\r\n\tB\r\n\t\tC\r\n\tD", {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 2}}},
        {"byte 26 ends the file", "A\r\nB\x1a\r\nC\r\n", {{"A", 1}, {"B", 1}}},
        {"byte 26 at a line start", "A\r\n\x1a\tB\r\n", {{"A", 1}}},
        {"byte 26 in the indentation",
         "A\r\n\t\x1a"
         "B\r\n",
         {{"A", 1}, {"", 2}}},
        {"items before the error stay",
         "A\r\n\tB\r\n\t\t\tC\r\nD\r\n",
         {{"A", 1}, {"B", 2}},
         "File load error"},
        {"carriage returns alone", "A\r\tB\r", {{"A", 1}, {"B", 2}}},
        {"second line feed is text", "A\r\n\nB\r\n", {{"A", 1}, {"\nB", 1}}},
        {"no final line end", "A\r\n\tB", {{"A", 1}, {"B", 2}}},
        {"indentation only", "A\r\n\t", {{"A", 1}, {"", 2}}},
        {"NUL is text", "A\0B\r\n"s, {{"A\0B"s, 1}}},
        {"trailing blanks kept", "A \t\r\n", {{"A \t", 1}}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectLoads(c.bytes, c.tree, c.error);
    }
}

TEST(TreeFile, LinesMustFitTheBuffer) {
    const std::string limit(kTreeBufferSize - 1, 'x'); // with its carriage return: a full buffer
    const std::string over(kTreeBufferSize, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        TreeModel tree;
        std::string error = "";
    };
    const Case cases[] = {
        {"line of the limit first", limit + "\r\nB\r\n", {{limit, 1}, {"B", 1}}},
        {"line of the limit later",
         "A\r\n\t" + limit.substr(1) + "\r\nB",
         {{"A", 1}, {limit.substr(1), 2}, {"B", 1}}},
        {"line of the limit, no line end", "A\r\n" + limit, {{"A", 1}, {limit, 1}}},
        {"line of the limit before byte 26",
         "A\r\n" + limit + "\x1a" + over,
         {{"A", 1}, {limit, 1}}},
        {"too long first", over + "\r\n", {}, "Line too long"},
        {"too long later",
         "A\r\n\tB\r\n" + over + "\r\nC\r\n",
         {{"A", 1}, {"B", 2}},
         "Line too long"},
        {"too long at the end", "A\r\n" + over, {{"A", 1}}, "Line too long"},
        {"indentation counts", "A\r\n\t" + limit + "\r\n", {{"A", 1}}, "Line too long"},
        {"bare line feeds count",
         "A\r\n" + std::string(kTreeBufferSize, '\n'),
         {{"A", 1}},
         "Line too long"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectLoads(c.bytes, c.tree, c.error);
    }
}

TEST(TreeFile, BufferBoundariesDoNotChangeTheTree) {
    const std::string tail = "Folder\r\n\tPuzzle one\r\n\r\n Two\r\n\t\tThree\r\n\r\nLast";
    const TreeModel tailTree = {{"Folder", 1}, {"Puzzle one", 2}, {"", 1},    {"Two", 2},
                                {"Three", 3},  {"", 1},           {"Last", 1}};
    // Moves the tail across the end of the first buffer, a byte at a time.
    for (std::size_t pad = kTreeBufferSize - 60; pad < kTreeBufferSize; ++pad) {
        SCOPED_TRACE(pad);
        TreeModel tree = {{std::string(pad, 'p'), 1}};
        tree.insert(tree.end(), tailTree.begin(), tailTree.end());
        ExpectLoads(std::string(pad, 'p') + "\r\n" + tail, tree, "");
    }
    // Many short lines, so that line ends fall across every later buffer end too.
    std::string bytes;
    TreeModel tree;
    for (int i = 0; i < 3000; ++i) {
        const std::string text = std::string(static_cast<std::size_t>(i % 13), 'q') + "#";
        bytes += (i % 2 ? "\t" : "") + text + "\r\n";
        tree.push_back({text, 1 + i % 2});
    }
    for (std::size_t pad = 0; pad < 16; ++pad) {
        SCOPED_TRACE(pad);
        TreeModel padded = {{std::string(pad, 'p'), 1}};
        padded.insert(padded.end(), tree.begin(), tree.end());
        ExpectLoads(std::string(pad, 'p') + "\r\n" + bytes, padded, "");
    }
}

TEST(TreeFile, CrLfSplitAcrossTheBufferEndIsOneLineEnd) {
    // The carriage return is the buffer's last byte; the line feed opens the next fill.
    const std::string first(kTreeBufferSize - 1, 'a');
    const std::string next(kTreeBufferSize - 1, 'b'); // fits only once its line feed is skipped
    ExpectLoads(first + "\r\n" + next + "\r\n\tc\r\n", {{first, 1}, {next, 1}, {"c", 2}}, "");
    ExpectLoads(first + "\r\n", {{first, 1}}, "");
    ExpectLoads(first + "\r\n\n", {{first, 1}, {"\n", 1}}, "");
    ExpectLoads(first + "\r", {{first, 1}}, "");
    ExpectLoads(first + "\r\tb", {{first, 1}, {"b", 2}}, "");
}

TEST(TreeFile, LoadsLargeTrees) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) {
        bytes += i % 50 == 0 ? "Folder " : "\tPuzzle ";
        bytes += std::to_string(i) + "\r\n";
    }
    const Loaded loaded = LoadFile(bytes);
    ASSERT_EQ(loaded.error, "");
    ASSERT_EQ(loaded.tree.size(), 100000u);
    EXPECT_EQ(loaded.tree[0], (TreeItem{"Folder 0", 1}));
    EXPECT_EQ(loaded.tree[99999], (TreeItem{"Puzzle 99999", 2}));
    EXPECT_EQ(loaded.tree[50000], (TreeItem{"Folder 50000", 1}));
}

TEST(TreeFile, LeavesTheTreeAsItWasWhenTheFileCannotBeOpened) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "a7.asl");
    const TreeModel before = {{"Animals", 1}, {"Pets", 2}};
    for (const std::string& path : {folder / "missing.asl", folder / "a7.asl"}) {
        SCOPED_TRACE(path);
        TreeModel tree = before;
        EXPECT_EQ(ErrorOf([&] { LoadTreeFile(path, tree); }), "Cannot open file " + path);
        EXPECT_EQ(tree, before);
    }
}

} // namespace
} // namespace lexiglade
