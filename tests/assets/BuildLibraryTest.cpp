// The build step that files the shipped puzzles: the tree follows the order of the puzzle files,
// and a puzzle the library command refuses stops the build, naming its file.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

using namespace lexiglade::test;

namespace {

const char* const kWords[] = {"Alpha", "Bravo", "Charlie", "Delta",  "Echo",
                              "Golf",  "Hotel", "India",   "Juliet", "Kilo",
                              "Lima",  "Mike",  "Oscar",   "Quebec", "Romeo"};

// A puzzle file of `words` code words, each hinted by its place in the list.
std::string PuzzleText(const std::string& title, const std::string& folder, std::size_t words) {
    std::string text = title + "\n" + folder + "\n";
    for (std::size_t i = 0; i < words; ++i) {
        text += std::string(kWords[i]) + "\tCode word number " + std::to_string(i + 1) + "\n";
    }
    return text;
}

TEST(BuildLibrary, FilesInTheOrderOfThePuzzleFilesAndStopsAtARefusedOne) {
    TempFolder puzzles;
    TempFolder work;
    const struct {
        const char* path;
        const char* title;
        const char* folder;
    } files[] = {{"01-birds/01-robin.txt", "Robin", "Birds"},
                 {"01-birds/02-wren.txt", "Wren", "Birds"},
                 {"02-trees/01-oak.txt", "Oak", "Trees"}};
    for (const auto& file : files) {
        fs::create_directories(fs::path(puzzles / file.path).parent_path());
        WriteBytes(puzzles / file.path, PuzzleText(file.title, file.folder, std::size(kWords)));
    }
    const std::string library = work / "library";
    const std::string stamp = work / "library.stamp";
    const std::string output = work / "output";
    const std::string build =
        "'" LEXIGLADE_CMAKE "' -DPUZZLES=" + puzzles.Path() + " -DPICTURES=" + work.Path() +
        " -DCANVAS=" LEXIGLADE_CANVAS " -DCOMMAND=" LEXIGLADE_LIBRARY_COMMAND " -DLIBRARY=" +
        library + " -DSTAMP=" + stamp + " -P " LEXIGLADE_BUILD_SCRIPT " >" + output + " 2>&1";
    ASSERT_TRUE(RunCommand(build)) << ReadBytes(output);
    EXPECT_EQ(ReadBytes(library + "/a7.asl"), "Birds\r\n\tRobin\r\n\tWren\r\nTrees\r\n\tOak\r\n");
    EXPECT_EQ(
        FolderEntries(library),
        (std::vector<std::string>{"a10.asl", "a11.asl", "a12.asl", "a14.asl", "a15.asl", "a7.asl",
                                  "a8.asl", "a9.asl", "b1.asl", "b2.asl", "pictures"}));
    EXPECT_TRUE(fs::exists(stamp));

    WriteBytes(puzzles / "02-trees/02-ash.txt", PuzzleText("Ash", "Trees", 14));
    EXPECT_FALSE(RunCommand(build));
    EXPECT_NE(ReadBytes(output).find("02-trees/02-ash.txt"), std::string::npos);
    EXPECT_NE(ReadBytes(output).find("between 15 and 25"), std::string::npos);
    EXPECT_FALSE(fs::exists(stamp));
}

} // namespace
