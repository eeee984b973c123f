#include "TempFolder.h"

#include "library/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lexiglade {
namespace {

using namespace std::string_literals;
using test::TempFolder;
using test::WriteBytes;

TEST(Paths, DataDirIsTheExecutablesFolderWithItsSlash) {
    std::string longFolder = "/";
    longFolder.append(150, 'd').append("/").append(150, 'e').append("/");
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/games/lexiglade", "/usr/games/"},
        {"/lexiglade", "/"},
        {"lexiglade", ""},
        {"", ""},
        {"games/lexiglade", "games/"},
        {"/usr/games/", "/usr/games/"},
        {longFolder + "lexiglade", longFolder},
    };
    for (const auto& [executable, dataDir] : cases) {
        SCOPED_TRACE(executable);
        EXPECT_EQ(DataDirOf(executable), dataDir);
    }
    EXPECT_GT(longFolder.size(), 300u);
}

TEST(Paths, MessagesNameAFolderWithOneSlash) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/games", "/usr/games/"},
        {"/usr/games/", "/usr/games/"},
        {"games", "games/"},
        {"/", "/"},
        {"", ""},
    };
    for (const auto& [folder, shown] : cases) {
        EXPECT_EQ(DirectoryForm(folder).string(), shown) << folder;
        EXPECT_EQ((std::filesystem::path(folder) / "a8.asl").string(), shown + "a8.asl") << folder;
    }
}

TEST(Paths, ExecutableDataDirHoldsTheRunningProgram) {
    const std::string dataDir = ExecutableDataDir();
    ASSERT_FALSE(dataDir.empty());
    EXPECT_EQ(dataDir.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(ExecutableDataDir() / "library_tests"));
    EXPECT_EQ(DataDirOf("/opt/lexiglade/lexiglade") / "a8.asl", "/opt/lexiglade/a8.asl");
}

TEST(Paths, FindsPicturesIgnoringAsciiCase) {
    TempFolder folder;
    const std::string pictures = folder / "pictures/";
    std::filesystem::create_directory(pictures);
    for (const char* name : {"CAT.BMP", "dog.bmp", "Fox.bmp", "FOX.BMP", "CAF\xc3\x89.BMP"}) {
        WriteBytes(pictures + name, "BM");
    }
    std::filesystem::create_directory(pictures + "FOLDER.BMP");
    const std::pair<std::string, std::string> cases[] = {
        {"CAT.BMP", "CAT.BMP"},
        {"cat.bmp", "CAT.BMP"},
        {"Cat.Bmp", "CAT.BMP"},
        {"DOG.BMP", "dog.bmp"},
        {"Fox.bmp", "Fox.bmp"},
        {"FOX.BMP", "FOX.BMP"},
        {"fox.bmp", "FOX.BMP"},
        {"CAF\xc3\x89.BMP", "CAF\xc3\x89.BMP"},
        {"caf\xc3\xa9.bmp", ""},
        {"cat.bm", ""},
        {"fish.bmp", ""},
        {"folder.bmp", ""},
        {"", ""},
        {".", ""},
        {"..", ""},
        {"/etc/passwd", ""},
        {"../pictures/CAT.BMP", ""},
        {"CAT.BMP\0x"s, ""},
    };
    for (const auto& [name, found] : cases) {
        SCOPED_TRACE(name);
        const std::optional<std::string> path = FindPicture(folder.Path(), name);
        EXPECT_EQ(path.value_or(""), found.empty() ? "" : pictures + found);
        if (IsPlainFileName(name)) {
            EXPECT_EQ(PicturePath(folder.Path(), name), pictures + (found.empty() ? name : found));
        } else {
            const std::string message =
                "\"" + name + "\" is not a plain file name of the library folder";
            const std::string& refused = name; // a structured binding cannot be captured
            EXPECT_EQ(test::ErrorOf([&] { PicturePath(folder.Path(), refused); }),
                      message.c_str()); // the text of an exception ends at a NUL
        }
    }
}

// The pictures' folder is found whatever its case, "pictures" itself first, else the byte-wise
// smallest name; a file of the name is no folder, a link is found (and refused when read).
TEST(Paths, FindsThePicturesFolderIgnoringAsciiCase) {
    struct Case {
        std::vector<std::string> folders;
        std::vector<std::string> files;
        std::vector<std::string> links;
        std::string found;
    };
    const Case cases[] = {
        {{"pictures"}, {}, {}, "pictures"},
        {{"PICTURES"}, {}, {}, "PICTURES"},
        {{"Pictures"}, {}, {}, "Pictures"},
        {{"Pictures", "PICTURES"}, {}, {}, "PICTURES"},
        {{"Pictures", "pictures", "PICTURES"}, {}, {}, "pictures"},
        {{"PICTURES"}, {"pictures"}, {}, "PICTURES"},
        {{}, {"PICTURES"}, {}, "pictures"},
        {{"pictures2", "picture"}, {}, {}, "pictures"},
        {{}, {}, {"Pictures"}, "Pictures"},
        {{}, {}, {}, "pictures"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string trace;
        for (const std::string& name : c.folders) {
            std::filesystem::create_directory(folder / name);
            WriteBytes(folder / (name + "/CAT.BMP"), name);
            trace += name + "/ ";
        }
        for (const std::string& name : c.files) {
            WriteBytes(folder / name, "not a folder");
            trace += name + " ";
        }
        for (const std::string& name : c.links) {
            std::filesystem::create_directory_symlink(folder.Path(), folder / name);
            trace += name + "@ ";
        }
        SCOPED_TRACE(trace);
        const std::filesystem::path pictures = folder / c.found;
        const bool holdsCat =
            std::find(c.folders.begin(), c.folders.end(), c.found) != c.folders.end();
        EXPECT_EQ(PictureFolder(folder.Path()), pictures);
        EXPECT_EQ(PicturePath(folder.Path(), "cat.bmp"),
                  pictures / (holdsCat ? "CAT.BMP" : "cat.bmp"));
        if (holdsCat) {
            EXPECT_EQ(FindPicture(folder.Path(), "Cat.Bmp").value_or(""), pictures / "CAT.BMP");
            EXPECT_EQ(test::ReadBytes(pictures / "CAT.BMP"), c.found);
        }
    }
}

TEST(Paths, NoPicturesFolderFindsNothing) {
    TempFolder folder;
    EXPECT_FALSE(FindPicture(folder.Path(), "CAT.BMP").has_value());
    EXPECT_EQ(PicturePath(folder.Path(), "cat.bmp"), folder / "pictures/cat.bmp");
}

} // namespace
} // namespace lexiglade
