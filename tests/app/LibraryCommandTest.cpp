// GCC 12 warns falsely about string concatenation at -O3 (its bug 105329).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "CommandFixture.h"
#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/FileBatch.h"
#include "library/Journal.h"
#include "library/Latin1.h"
#include "library/LibraryCheck.h"
#include "library/TextList.h"
#include "wizard/Validation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace lexiglade::test {
namespace {

namespace fs = std::filesystem;

const std::string kCommand = LEXIGLADE_LIBRARY_COMMAND;

void AppendBytes(const std::string& path, const std::string& bytes) {
    WriteBytes(path, ReadBytes(path) + bytes);
}

// Width and height from a BMP file's header.
std::pair<int, int> BitmapSize(const std::string& bmp) {
    const auto le = [&](std::size_t at) {
        return static_cast<int>(static_cast<std::uint8_t>(bmp[at]) |
                                static_cast<std::uint8_t>(bmp[at + 1]) << 8);
    };
    return {le(18), le(22)};
}

using LibraryCommandTest = CommandTest;

TEST_F(LibraryCommandTest, HelpAndWrongCommandLines) {
    const CommandResult help = RunLibrary({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: lexiglade-library [--library DIR] [--verbose] COMMAND\n", 0),
              0u)
        << help.out;
    for (const char* part : {"add FILE", "list [FOLDER]", "export TITLE [FILE]", "remove TITLE",
                             "rename TITLE NEW", "move TITLE FOLDER", "check --discard-journal",
                             "--verbose", "--version", "<TAB>", "UTF-8", "Exit status: 0"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }
    for (const std::string& line : ParseList(help.out)) {
        EXPECT_LT(DecodeUtf8(line)->size(), 80u) << line;
    }
    const std::vector<std::vector<std::string>> misuses = {
        {},
        {"bogus"},
        {"check", "a", "b"},
        {"add"},
        {"add", "a", "b", "c"},
        {"list", "a", "b", "c"},
        {"--help", "check"},
        {"CHECK"},
        {"export"},
        {"remove", "a", "b"},
        {"rename", "a"},
        {"move", "a", "b", "c"},
        {"list", "--library"},
        {"list", "--colour"},
        {"add", "--discard-journal", "f"},
        {"--library", library.Path(), "check", library.Path()},
    };
    for (const auto& args : misuses) {
        const CommandResult result = RunLibrary(args);
        EXPECT_EQ(result.status, 2) << args.size();
        EXPECT_EQ(result.err.rfind("lexiglade-library: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(LibraryCommandTest, CheckSaysNothingOfASoundLibraryAndOneLinePerProblem) {
    const CommandResult sound = RunLibrary({"check", library.Path()});
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.out, "");

    ReplaceLine(library / "a15.asl", 3, "soon");
    AppendBytes(library / "a12.asl", "7\r\n");
    const CommandResult damaged = RunLibrary({"check", library.Path()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "The list " + library / "a12.asl" +
                               " is damaged: it has 13 lines where " + library / "a8.asl" +
                               " has 12\n" +
                               "Best time \"soon\" (line 4 of a15.asl) is not a whole number of "
                               "seconds\n");
}

TEST_F(LibraryCommandTest, CheckRemovesWhatAFilingLeftSaysWhatItSettledAndPassesASoundLibrary) {
    const std::string cutShort = "A filing had been cut short before it changed the library; its "
                                 "unfinished files were removed\n";
    const std::pair<std::string, std::string> table[] = {
        {".lexiglade-new-a8.asl", cutShort},
        {".lexiglade-old-a8.asl",
         "A filing had ended without removing its backups; its backups were removed\n"},
        {"pictures/.lexiglade-new-Ab12Cd", cutShort},
        {"pictures/originals/.lexiglade-new-Xy34Zw", cutShort},
    };
    fs::create_directories(library / "pictures/originals");
    for (const auto& [left, note] : table) {
        WriteBytes(library / left, "left behind");
        const CommandResult result = RunLibrary({"check", library.Path()});
        EXPECT_EQ(result.status, 0) << left;
        EXPECT_EQ(result.out, note) << left;
        EXPECT_FALSE(fs::exists(library / left)) << left;
    }
    WriteBytes(library / ".lexiglade-old-b1.asl", "left behind");
    AppendBytes(library / "a12.asl", "7\r\n");
    const CommandResult damaged = RunLibrary({"check", library.Path()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out.rfind(table[1].second, 0), 0u) << damaged.out;
}

TEST_F(LibraryCommandTest, WithoutAFolderTheCommandWorksOnItsOwn) {
    const std::string own = library / "lexiglade-library";
    fs::copy_file(kCommand, own);
    const std::string added = Write("p.txt", "Own Folder\nFolder 0\n" + WordLines());
    EXPECT_EQ(RunProgram(own, {"check"}).status, 0);
    EXPECT_EQ(RunProgram(own, {"add", added}).status, 0);
    EXPECT_EQ(ReadList(library / "a8.asl").back(), "Own Folder");
    const CommandResult listed = RunProgram(own, {"list"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out.rfind("Folder 0\n\tOwn Folder\t15 words\tbest 05:00 / 15:30\n", 0), 0u);
}

TEST_F(LibraryCommandTest, AddFilesUnderAnExistingFolderFirstOrInANewFolderAtTheEnd) {
    const std::string first = Write("first.txt", "Garden\r\nFolder 0\r\n" + WordLines(17));
    const CommandResult filed = RunLibrary({"--verbose", "add", library.Path(), first});
    EXPECT_EQ(filed.status, 0) << filed.err;
    EXPECT_EQ(filed.out, "Filed \"Garden\" in the folder \"Folder 0\" (17 words).\n"
                         "It is puzzle 12, on lines 180 to 196 of b1.asl and b2.asl.\n");
    TextList tree = ReadList(library / "a7.asl");
    EXPECT_EQ(tree[0], "Folder 0");
    EXPECT_EQ(tree[1], "\tGarden");
    EXPECT_EQ(ReadList(library / "b2.asl").back(), "hint 16");

    const std::string second = Write("second.txt", "Moon\nNight Sky\n" + WordLines(15) + "\n\n");
    EXPECT_EQ(RunLibrary({"--library", library.Path(), "add", second}).out,
              "Filed \"Moon\" in the folder \"Night Sky\" (15 words).\n");
    tree = ReadList(library / "a7.asl");
    EXPECT_EQ(tree[tree.size() - 2], "Night Sky");
    EXPECT_EQ(tree.back(), "\tMoon");
    EXPECT_EQ(ReadList(library / "a8.asl").size(), 14u);
    EXPECT_EQ(LibraryProblems(library.Path()), std::vector<std::string>{});
}

TEST_F(LibraryCommandTest, AddRefusesWithTheWizardsMessagesNamingTheLineAndChangesNothing) {
    const std::string missingPicture =
        std::string(kPictureMissing) + library.Path() + kPictureMissingEnd;
    std::string pictures;
    for (int i = 0; i < 15; ++i) {
        pictures += "WORD" + std::string(1, static_cast<char>('A' + i)) + "\tP" +
                    std::to_string(i) + ".BMP\n";
    }
    std::string mixed = pictures;
    mixed.replace(mixed.find("P3.BMP"), 6, "a cat");
    std::string tooLong;
    for (int i = 0; i < 16; ++i) {
        tooLong += std::string(i == 9 ? 21 : 20, static_cast<char>('A' + i)) + "\tx\n";
    }
    const std::string file = files / "puzzle.txt";
    struct Row {
        const char* why;
        std::string text; // the puzzle file
        std::string line; // the line and its title, folder or word, as the refusal names them
        std::string message;
    };
    const Row table[] = {
        {"a title already filed", "Puzzle 3\nFolder 0\n" + WordLines(), "1 (\"Puzzle 3\")",
         kNameTaken},
        {"a title too long", std::string(41, 'T') + "\nFolder 0\n" + WordLines(),
         "1 (\"" + std::string(41, 'T') + "\")", kNameTooLong},
        {"a title of one letter", "T\nFolder 0\n" + WordLines(), "1 (\"T\")", kNameMissing},
        {"a title with a tab", "Tab\tTitle\nFolder 0\n" + WordLines(), "1 (\"Tab\tTitle\")",
         kNameBreaksTree},
        {"too few words", "Few\nFolder 0\n" + WordLines(14), "16 (\"WORDN\")", kWordCount},
        {"too many words", "Many\nFolder 0\n" + WordLines(26), "28 (\"WORDZ\")", kWordCount},
        {"a short word", "Short\nFolder 0\n" + WordLines(4) + "CAT\tpet\n" + WordLines(10),
         "7 (\"CAT\")", kWordLength},
        {"a digit in a word", "Digit\nFolder 0\nWORD9\tx\n" + WordLines(14), "3 (\"WORD9\")",
         kWordLetters},
        {"words that do not fit", "Long\nFolder 0\n" + tooLong,
         "12 (\"" + std::string(21, 'J') + "\")", kWordsDoNotFit},
        {"a picture that is not there", "Pics\nFolder 0\n" + pictures, "3 (\"WORDA\")",
         missingPicture},
        {"pictures and text mixed", "Mixed\nFolder 0\n" + mixed, "6 (\"WORDD\")", kPicturesOnly},
        {"a new folder that would break the tree", "Folder\n New\n" + WordLines(), "2 (\" New\")",
         kFolderNameBreaksTree},
        {"a word without its hint", "NoTab\nFolder 0\n" + WordLines(3) + "WORDX hint\n",
         "6 (\"WORDX hint\")", "There is no tab between the word and its hint."},
    };
    const FileSnapshot before = SnapshotFiles(library.Path());
    for (const Row& row : table) {
        Write("puzzle.txt", row.text);
        const CommandResult result = RunLibrary({"add", library.Path(), file});
        EXPECT_EQ(result.status, 1) << row.why;
        const std::string line = row.line.substr(0, row.line.find(' '));
        EXPECT_EQ(result.err, "Line " + line + " of " + file + row.line.substr(line.size()) + ": " +
                                  row.message + "\n")
            << row.why;
        EXPECT_EQ(result.out, "") << row.why;
        EXPECT_EQ(SnapshotFiles(library.Path()), before) << row.why;
    }
    Write("puzzle.txt", "Title only\n");
    EXPECT_EQ(RunLibrary({"add", library.Path(), file}).err,
              "Line 2 of " + file +
                  " is missing: a puzzle file holds the title on its first line and the folder "
                  "on its second.\n");
    const CommandResult missing = RunLibrary({"add", library.Path(), files / "absent.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file " + files / "absent.txt" + "\n");
}

TEST_F(LibraryCommandTest, AddRefusesWhatWouldCorruptTheLibraryNamingTheLine) {
    const std::string file = files / "puzzle.txt";
    const std::string b1 = library / "b1.asl", b2 = library / "b2.asl";
    struct Row {
        const char* why;
        std::string text;
        std::function<void()> damage;
        std::string message;
    };
    const Row table[] = {
        {"an empty last hint", "Oscar\nFolder 0\n" + WordLines(14) + "OSCAR\t\n", [] {},
         "Line 17 of " + file + " (\"OSCAR\"): The hint of OSCAR is empty."},
        {"a NUL byte in the word bank", "Nul\nFolder 0\n" + WordLines(),
         [&] { WriteBytes(b1, "WORD" + std::string(1, '\0') + ReadBytes(b1)); },
         "The list " + b1 + " is damaged: it holds a NUL byte"},
        {"a hint bank one line longer", "Longer\nFolder 0\n" + WordLines(),
         [&] { AppendBytes(b2, "extra\r\n"); },
         "The banks " + b1 + " and " + b2 + " are out of step: " + b1 + " has 180 lines where " +
             b2 + " has 181"},
        {"a full stop in a text puzzle's first hint",
         "Capitals\nFolder 0\nWASHINGTON\tCapital of the U.S.\n" + WordLines(14), [] {},
         "Line 3 of " + file + " (\"WASHINGTON\"): " + kFirstHintFullStop},
        {"a character beyond Latin-1", "Euro \xE2\x82\xAC\nFolder 0\n" + WordLines(), [] {},
         "Line 1 of " + file +
             " (\"Euro \xE2\x82\xAC\"): It holds the character \"\xE2\x82\xAC\" (U+20AC), which "
             "the library cannot store: it keeps Latin-1 characters only."},
        {"a NUL byte in the file", "Nul\nFolder 0\nWORD" + std::string(1, '\0') + "\tx\n", [] {},
         "Line 3 of " + file + " (\"WORD\"): It holds a NUL byte."},
        {"a C1 control in the title", "Next\xC2\x85Line\nFolder 0\n" + WordLines(), [] {},
         "Line 1 of " + file + " (\"Next\xC2\x85Line\"): " + kNameControl},
        {"a DEL in a new folder's name", "Deleted\nNew\x7F\n" + WordLines(), [] {},
         "Line 2 of " + file + " (\"New\x7F\"): " + kFolderNameControl},
        {"a control character in a hint",
         "Bell\nFolder 0\n" + WordLines(2) + "WORDC\ta\x07\n" + WordLines(12), [] {},
         "Line 5 of " + file +
             " (\"WORDC\"): The hint of WORDC cannot contain control characters."},
    };
    const FileSnapshot sound = SnapshotFiles(library.Path());
    for (const Row& row : table) {
        RestoreFiles(library.Path(), sound);
        row.damage();
        const FileSnapshot before = SnapshotFiles(library.Path());
        const CommandResult result =
            RunLibrary({"add", library.Path(), Write("puzzle.txt", row.text)});
        EXPECT_EQ(result.status, 1) << row.why;
        EXPECT_EQ(result.err, row.message + "\n") << row.why;
        EXPECT_EQ(SnapshotFiles(library.Path()), before) << row.why;
    }
}

TEST_F(LibraryCommandTest, AddReadsUtf8OrLatin1AndStoresLatin1WhichListShowsInUtf8) {
    const std::pair<const char*, std::string> table[] = {
        {"UTF-8 after a byte-order mark", "\xEF\xBB\xBF"
                                          "Caf\xC3\xA9 words\nPlan\xC3\xA8tes\n" +
                                              WordLines(14) + "WORDO\tplan\xC3\xA8te\n"},
        {"Latin-1", "Caf\xE9 words\nPlan\xE8tes\n" + WordLines(14) + "WORDO\tplan\xE8te\n"},
    };
    const FileSnapshot sound = SnapshotFiles(library.Path());
    for (const auto& [encoding, text] : table) {
        RestoreFiles(library.Path(), sound);
        const CommandResult filed = RunLibrary({"add", library.Path(), Write("puzzle.txt", text)});
        EXPECT_EQ(filed.out, "Filed \"Caf\xC3\xA9 words\" in the folder \"Plan\xC3\xA8tes\" (15 "
                             "words).\n")
            << encoding << filed.err;
        EXPECT_EQ(ReadList(library / "a8.asl").back(), "Caf\xE9 words") << encoding;
        EXPECT_EQ(ReadList(library / "b2.asl").back(), "plan\xE8te") << encoding;
        const std::string listed = RunLibrary({"list", library.Path()}).out;
        EXPECT_NE(listed.find("Plan\xC3\xA8tes\n\tCaf\xC3\xA9 words\t15 words"), std::string::npos)
            << encoding;
        EXPECT_EQ(RunLibrary({"check", library.Path()}).status, 0) << encoding;
    }
}

TEST_F(LibraryCommandTest, AForeignJournalIsReportedNotActedOnAndCanBeSetAside) {
    WriteBytes(library / "lexiglade", "the program");
    const std::string a8 = ReadBytes(library / "a8.asl");
    WriteBytes(
        library / kJournalName,
        FormatJournal(
            {{"lexiglade", ".lexiglade-new-lexiglade", std::nullopt, DigestOf("the program"), {}},
             {"a8.asl", ".lexiglade-new-a8.asl", ".lexiglade-old-a8.asl", DigestOf("never written"),
              DigestOf(a8)}}));
    const std::string damaged = "The library has a damaged filing record, " +
                                library / kJournalName +
                                ", which was not acted on: after looking at it, set it aside with "
                                "\"lexiglade-library check --discard-journal " +
                                library.Path() + "\" and file again\n";
    const CommandResult check = RunLibrary({"check", library.Path()});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, damaged);
    const CommandResult add =
        RunLibrary({"add", library.Path(), Write("p.txt", "New\nFolder 0\n" + WordLines())});
    EXPECT_EQ(add.status, 1);
    EXPECT_EQ(add.err, damaged);
    const CommandResult discarded = RunLibrary({"check", "--discard-journal", library.Path()});
    EXPECT_EQ(discarded.status, 0);
    const std::string setAside = "The filing record " + library / kJournalName +
                                 " was set aside with the files beside it in " +
                                 library / "discarded-filing-";
    EXPECT_EQ(discarded.out.rfind(setAside, 0), 0u) << discarded.out;
    EXPECT_EQ(ReadBytes(library / "lexiglade"), "the program");
    EXPECT_EQ(RunLibrary({"add", library.Path(), files / "p.txt"}).status, 0);
}

TEST_F(LibraryCommandTest, AddReshapesPicturesAsTheWizardDoesAndKeepsTheOriginals) {
    fs::create_directory(library / "pictures");
    WriteBytes(library / "a6.asl", Bitmap(150, 80, 0x40));
    std::string lines = "Pictures\nFolder 0\n";
    for (int i = 0; i < 15; ++i) {
        const std::string name = "p" + std::to_string(i) + ".bmp";
        WriteBytes(library / ("pictures/" + name), Bitmap(300 - i, 200, 0x80));
        lines += "WORD" + std::string(1, static_cast<char>('A' + i)) + "\tP" + std::to_string(i) +
                 ".BMP\n";
    }
    const CommandResult result = RunLibrary({"add", library.Path(), Write("pictures.txt", lines)});
    EXPECT_EQ(result.status, 0) << result.err;
    for (int i = 0; i < 15; ++i) {
        const std::string name = "p" + std::to_string(i) + ".bmp";
        EXPECT_EQ(BitmapSize(ReadBytes(library / ("pictures/" + name))), std::make_pair(150, 80));
        EXPECT_EQ(ReadBytes(library / ("pictures/originals/" + name)), Bitmap(300 - i, 200, 0x80));
    }
    EXPECT_EQ(ReadList(library / "b2.asl").back(), "P14.BMP");
    EXPECT_EQ(RunLibrary({"check", library.Path()}).status, 0);
}

TEST_F(LibraryCommandTest, ListShowsEachFolderWithItsPuzzlesWordsAndBestTimes) {
    const TempFolder small;
    MakeLibrary(small.Path(), 2, 15);
    ReplaceLine(small / "a14.asl", 1, "95");
    AppendBytes(small / "a7.asl", "Later\r\n\tGhost\r\n");
    const CommandResult listed = RunLibrary({"list", small.Path()});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "Folder 0\n"
                          "\tPuzzle 0\t15 words\tbest 05:00 / 15:30\n"
                          "\tPuzzle 1\t15 words\tbest 01:35 / 15:30\n"
                          "Later\n"
                          "\tGhost\t(not in the library)\n");
    fs::remove(small / "a7.asl");
    const CommandResult broken = RunLibrary({"list", small.Path()});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "Cannot open file " + small / "a7.asl" + "\n");
}

// Runs the command as the user nobody, as a player without rights to the files would.
CommandResult RunAsNobody(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                    kCommand};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram("/usr/bin/setpriv", all);
}

TEST_F(LibraryCommandTest, AsAnotherUserAReadOnlyListOrFolderIsLeftAlone) {
    if (::geteuid() != 0 || !fs::exists("/usr/bin/setpriv")) {
        GTEST_SKIP() << "running as another user needs root and setpriv";
    }
    ::chmod(files.Path().c_str(), 0755);
    const std::string puzzle = Write("p.txt", "Nobody's\nFolder 0\n" + WordLines());
    ::chmod(puzzle.c_str(), 0644);
    ::chmod(library.Path().c_str(), 0777); // the folder is open, the lists are root's
    const FileSnapshot before = SnapshotFiles(library.Path());

    const CommandResult list = RunAsNobody({"add", library.Path(), puzzle});
    EXPECT_EQ(list.status, 1);
    EXPECT_EQ(list.err, "Cannot create file " + library / "a7.asl" + "\n");
    EXPECT_EQ(SnapshotFiles(library.Path()), before);
    struct stat info {};
    ASSERT_EQ(::stat((library / "a8.asl").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(RunAsNobody({"check", library.Path()}).status, 0);

    fs::remove(library / kLockFileName);
    ::chmod(library.Path().c_str(), 0555);
    const CommandResult folder = RunAsNobody({"add", library.Path(), puzzle});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err,
              "Cannot write to the library folder " + library.Path() + ": Permission denied\n");
    EXPECT_EQ(SnapshotFiles(library.Path()), before);
    EXPECT_EQ(RunAsNobody({"check", library.Path()}).status, 0); // a reader needs no lock
    ::chmod(library.Path().c_str(), 0755);
}

} // namespace
} // namespace lexiglade::test
