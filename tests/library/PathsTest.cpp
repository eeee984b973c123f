#include "TempFolder.h"

#include "library/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(Paths, ExecutableDataDirHoldsTheRunningProgram) {
    const std::string dataDir = ExecutableDataDir();
    ASSERT_FALSE(dataDir.empty());
    EXPECT_EQ(dataDir.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(DataPath(dataDir, "library_tests")));
    EXPECT_EQ(DataPath("/opt/lexiglade/", "a8.asl"), "/opt/lexiglade/a8.asl");
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

TEST(Paths, NoPicturesFolderFindsNothing) {
    TempFolder folder;
    EXPECT_FALSE(FindPicture(folder.Path(), "CAT.BMP").has_value());
    EXPECT_EQ(PicturePath(folder.Path(), "cat.bmp"), folder / "pictures/cat.bmp");
}

} // namespace
} // namespace lexiglade
