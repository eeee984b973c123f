#include "TempFolder.h"

#include "library/PictureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiglade {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(PictureFilesTest, APictureIsReadByItsNameButNeverThroughALinkOrFromOutside) {
    const TempFolder library;
    const TempFolder outside;
    fs::create_directory(library / "pictures");
    WriteBytes(library / "pictures/Cat.bmp", "cat");
    WriteBytes(outside / "secret.bmp", "secret");
    fs::create_symlink(outside / "secret.bmp", library / "pictures/LINK.BMP");

    const PictureFile cat = ReadPicture(library.Path(), "CAT.BMP");
    EXPECT_EQ(cat.path, library / "pictures/Cat.bmp");
    EXPECT_EQ(cat.bytes, "cat");
    EXPECT_EQ(ErrorOf([&] { ReadPicture(library.Path(), "link.bmp"); }),
              "Cannot use file " + library / "pictures/LINK.BMP" + ": it is a symbolic link");
    const std::string up =
        "../" + fs::path(outside.Path()).parent_path().filename().string() + "/secret.bmp";
    std::string refused = "\"";
    refused += up;
    refused += "\" is not a plain file name of the library folder";
    EXPECT_EQ(ErrorOf([&] { ReadPicture(library.Path(), up); }), refused);
    EXPECT_EQ(ErrorOf([&] { ReadPicture(library.Path(), "DOG.BMP"); }),
              "Cannot open file " + library / "pictures/DOG.BMP");

    const TempFolder linked;
    fs::create_directory_symlink(outside.Path(), linked / "pictures");
    EXPECT_EQ(ErrorOf([&] { ReadPicture(linked.Path(), "secret.bmp"); }),
              "Cannot use file " + linked / "pictures" + ": it is a symbolic link");
}

// A pictures folder named in capitals is read from, and keeps the originals, as "pictures" is;
// through a link of that name nothing is read.
TEST(PictureFilesTest, ThePicturesFolderIsUsedWhateverItsCase) {
    const TempFolder library;
    fs::create_directory(library / "PICTURES");
    WriteBytes(library / "PICTURES/Cat.bmp", "cat");
    const PictureFile cat = ReadPicture(library.Path(), "CAT.BMP");
    EXPECT_EQ(cat.path, library / "PICTURES/Cat.bmp");
    EXPECT_EQ(cat.bytes, "cat");
    EXPECT_EQ(ErrorOf([&] { ReadPicture(library.Path(), "DOG.BMP"); }),
              "Cannot open file " + library / "PICTURES/DOG.BMP");
    EXPECT_TRUE(KeepOriginalPicture(library.Path(), "Cat.bmp", "first"));
    EXPECT_EQ(ReadBytes(library / "PICTURES/originals/Cat.bmp"), "first");
    EXPECT_FALSE(fs::exists(library / "pictures"));

    const TempFolder outside;
    WriteBytes(outside / "secret.bmp", "secret");
    const TempFolder linked;
    fs::create_directory_symlink(outside.Path(), linked / "Pictures");
    EXPECT_EQ(ErrorOf([&] { ReadPicture(linked.Path(), "secret.bmp"); }),
              "Cannot use file " + linked / "Pictures" + ": it is a symbolic link");
}

TEST(PictureFilesTest, TheFirstOriginalIsKeptAndNeverOverwritten) {
    const TempFolder library;
    fs::create_directory(library / "pictures");
    EXPECT_TRUE(KeepOriginalPicture(library.Path(), "Cat.bmp", "first"));
    EXPECT_FALSE(KeepOriginalPicture(library.Path(), "Cat.bmp", "second"));
    EXPECT_EQ(ReadBytes(library / "pictures/originals/Cat.bmp"), "first");
    EXPECT_EQ(test::FolderEntries(library / "pictures/originals"),
              std::vector<std::string>{"Cat.bmp"});

    const TempFolder outside;
    const TempFolder linked;
    fs::create_directory(linked / "pictures");
    fs::create_directory_symlink(outside.Path(), linked / "pictures/originals");
    EXPECT_EQ(ErrorOf([&] { KeepOriginalPicture(linked.Path(), "Cat.bmp", "x"); }),
              "Cannot use file " + linked / "pictures/originals" + ": it is a symbolic link");
    EXPECT_TRUE(test::FolderEntries(outside.Path()).empty());
}

} // namespace
} // namespace lexiglade
