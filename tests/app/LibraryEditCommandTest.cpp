// The library command's work on puzzles already filed: export, remove, rename, move, and the list
// of one folder.
#include "CommandFixture.h"
#include "LibraryMaker.h"

#include "library/TextList.h"
#include "wizard/Validation.h"

#include <filesystem>
#include <map>

namespace lexiglade::test {
namespace {

namespace fs = std::filesystem;

using LibraryEditCommandTest = CommandTest;

TEST_F(LibraryEditCommandTest, AnExportedPuzzleIsAddedBackAsTheSamePuzzleTextOrPictures) {
    fs::create_directory(library / "pictures");
    WriteBytes(library / "a6.asl", Bitmap(150, 80, 0x40));
    std::string pictures = "Pictures\nPlan\xC3\xA8tes\n";
    for (int i = 0; i < 15; ++i) {
        WriteBytes(library / ("pictures/P" + std::to_string(i) + ".BMP"), Bitmap(150, 80, 0x80));
        pictures += "WORD" + std::string(1, static_cast<char>('A' + i)) + "\tP" +
                    std::to_string(i) + ".BMP\n";
    }
    const std::string text =
        "Caf\xC3\xA9 words\nPlan\xC3\xA8tes\n" + WordLines(14) + "WORDO\tplan\xC3\xA8te\n";
    const TempFolder other;
    MakeLibrary(other.Path(), 2, 15);
    WriteBytes(other / "a6.asl", Bitmap(150, 80, 0x40));
    for (const std::string& original : {text, pictures}) {
        const std::string title = original.substr(0, original.find('\n'));
        ASSERT_EQ(
            RunLibrary({"--library", library.Path(), "add", Write("in.txt", original)}).status, 0);
        const std::string file = files / "out.txt";
        EXPECT_EQ(RunLibrary({"--library", library.Path(), "export", title}).out, original);
        const CommandResult written =
            RunLibrary({"--library", library.Path(), "export", title, file});
        EXPECT_EQ(written.out.rfind("Wrote \"" + title + "\" (15 words) to " + file + ".\n", 0), 0u)
            << written.out << written.err;
        EXPECT_EQ(ReadBytes(file), original);
        fs::copy(library / "pictures", other / "pictures",
                 fs::copy_options::recursive | fs::copy_options::update_existing);
        ASSERT_EQ(RunLibrary({"--library", other.Path(), "add", file}).status, 0) << title;
        const std::string stored = ReadList(library / "a8.asl").back();
        EXPECT_EQ(PlayEveryPuzzle(other.Path()).at(stored),
                  PlayEveryPuzzle(library.Path()).at(stored));
        EXPECT_EQ(RunLibrary({"check", other.Path()}).out, "");
    }
}

TEST_F(LibraryEditCommandTest, RemoveRenameAndMoveChangeOnePuzzleAndKeepEveryOther) {
    for (std::size_t k = 0; k < 12; ++k) {
        ReplaceLine(library / "a14.asl", k, std::to_string(100 + k));
        ReplaceLine(library / "a15.asl", k, std::to_string(200 + k));
    }
    std::map<std::string, PlayedPuzzle> expected = PlayEveryPuzzle(library.Path());
    struct Row {
        std::vector<std::string> args;
        std::string out;
        std::string gone; // the title the library no longer has
        std::string now;  // the title its puzzle has now, if any
    };
    const Row table[] = {
        {{"--verbose", "remove", "Puzzle 3"},
         "Removed \"Puzzle 3\" from the folder \"Folder 0\".\nIt was puzzle 3; lines 45 to 59 of "
         "b1.asl and b2.asl, which held its words and hints, stay unused.\n",
         "Puzzle 3",
         ""},
        {{"rename", "Puzzle 4", "Fourth"},
         "Renamed \"Puzzle 4\" to \"Fourth\".\n",
         "Puzzle 4",
         "Fourth"},
        {{"move", "Fourth", "Later"}, "Moved \"Fourth\" to the folder \"Later\".\n", "", ""},
        {{"move", "Puzzle 0", "Later"}, "Moved \"Puzzle 0\" to the folder \"Later\".\n", "", ""},
        {{"remove", "Puzzle 11"},
         "Removed \"Puzzle 11\" from the folder \"Folder 0\".\n",
         "Puzzle 11",
         ""},
    };
    for (const Row& row : table) {
        std::vector<std::string> args = {"--library", library.Path()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CommandResult result = RunLibrary(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, row.out);
        Retitle(expected, row.gone, row.now);
        EXPECT_EQ(PlayEveryPuzzle(library.Path()), expected) << row.out;
        EXPECT_EQ(RunLibrary({"check", library.Path()}).out, "") << row.out;
    }
    EXPECT_EQ(RunLibrary({"--library", library.Path(), "list", "Later"}).out,
              "Later\n\tFourth\t15 words\tbest 01:44 / 03:24\n"
              "\tPuzzle 0\t15 words\tbest 01:40 / 03:20\n");
    EXPECT_EQ(ReadList(library / "a7.asl").size(), 1u + 8u + 1u + 2u); // two folders
}

TEST_F(LibraryEditCommandTest, RefusalsSayWhyAndChangeNothing) {
    const std::pair<std::vector<std::string>, std::string> table[] = {
        {{"remove", "Puzzle 99"}, "Puzzle \"Puzzle 99\" is not in the library"},
        {{"export", "Puzzle 99"}, "Puzzle \"Puzzle 99\" is not in the library"},
        {{"rename", "Puzzle 1", "Puzzle 2"},
         std::string("Cannot rename \"Puzzle 1\" to \"Puzzle 2\": ") + kNameTaken},
        {{"rename", "Puzzle 1", "P"},
         std::string("Cannot rename \"Puzzle 1\" to \"P\": ") + kNameMissing},
        {{"rename", "Puzzle 1", "Euro \xE2\x82\xAC"},
         "\"Euro \xE2\x82\xAC\" holds the character \"\xE2\x82\xAC\" (U+20AC), which the library "
         "cannot store: it keeps Latin-1 characters only"},
        {{"move", "Puzzle 1", " Indented"},
         std::string("Cannot move \"Puzzle 1\" to the folder \" Indented\": ") +
             kFolderNameBreaksTree},
        {{"move", "Puzzle 99", "Folder 0"}, "Puzzle \"Puzzle 99\" is not in the library"},
        {{"list", "Nowhere"}, "There is no folder \"Nowhere\" in the library"},
    };
    const FileSnapshot before = SnapshotFiles(library.Path());
    for (const auto& [command, message] : table) {
        std::vector<std::string> args = {"--library", library.Path()};
        args.insert(args.end(), command.begin(), command.end());
        const CommandResult result = RunLibrary(args);
        EXPECT_EQ(result.status, 1) << message;
        EXPECT_EQ(result.err, message + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(SnapshotFiles(library.Path()), before) << message;
    }
}

} // namespace
} // namespace lexiglade::test
