#include "TempFolder.h"

#include "library/DataFolder.h"
#include "library/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace lexiglade {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;
using test::FolderEntries;
using test::ReadBytes;
using test::RunWithoutPrivileges;
using test::TempFolder;
using test::WriteBytes;

std::string Canonical(const std::string& folder) {
    return fs::canonical(folder).string() + "/";
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

TEST(DataFolder, ThePlayersFolderFollowsXdgDataHome) {
    struct Case {
        DataEnvironment environment;
        std::string playerDir;
    };
    const Case cases[] = {
        {{"/data/home", "/home/ann"}, "/data/home/lexiglade/"},
        {{"/data/home/", "/home/ann"}, "/data/home/lexiglade/"},
        {{"/", "/home/ann"}, "/lexiglade/"},
        {{"", "/home/ann"}, "/home/ann/.local/share/lexiglade/"},
        {{"", "/home/ann/"}, "/home/ann/.local/share/lexiglade/"},
        // A relative XDG_DATA_HOME is invalid and ignored.
        {{"data/home", "/home/ann"}, "/home/ann/.local/share/lexiglade/"},
        {{"./data", "/home/bob"}, "/home/bob/.local/share/lexiglade/"},
        {{"data/home", ""}, ""},
        {{"", ""}, ""},
        {{"", "home/ann"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment.xdgDataHome + " | " + c.environment.home);
        EXPECT_EQ(PlayerDataDir(c.environment), c.playerDir);
    }
}

TEST(DataFolder, TheProcessEnvironmentNamesAHome) {
    EXPECT_FALSE(ProcessEnvironment().home.empty());
}

TEST(DataFolder, AWritableProgramFolderKeepsEverything) {
    TempFolder program;
    const DataFolders folders = ChooseDataFolders(program.Path(), {"/data/home", "/home/ann"});
    EXPECT_EQ(folders.dataDir, program.Path());
    EXPECT_EQ(folders.shippedDir, program.Path());
    const DataFolders none = ChooseDataFolders("", {"/data/home", "/home/ann"});
    EXPECT_EQ(none.dataDir, "");
    EXPECT_EQ(none.shippedDir, "");
}

TEST(DataFolder, AReadOnlyProgramFolderSendsTheLibraryToThePlayersFolder) {
    TempFolder program;
    ::chmod(program.Path().c_str(), 0555);
    const std::string dir = program.Path();
    EXPECT_TRUE(RunWithoutPrivileges([&] {
        const DataFolders xdg = ChooseDataFolders(dir, {"/data/home", "/home/ann"});
        const DataFolders home = ChooseDataFolders(dir, {"", "/home/ann"});
        const DataFolders relative = ChooseDataFolders(dir, {"rel", "/home/ann"});
        const DataFolders unknown = ChooseDataFolders(dir, {"", ""});
        return xdg.dataDir == "/data/home/lexiglade/" && xdg.shippedDir == dir &&
               home.dataDir == "/home/ann/.local/share/lexiglade/" && home.shippedDir == dir &&
               relative.dataDir == "/home/ann/.local/share/lexiglade/" && unknown.dataDir == dir &&
               unknown.shippedDir == dir;
    }));
}

TEST(DataFolder, AnInstalledGameReadsItsShareFolderAndWritesThePlayersFolder) {
    TempFolder prefix;
    const std::string bin = prefix / "bin/";
    fs::create_directories(bin);
    fs::create_directories(bin + kInstalledShippedDir);
    const std::string shipped = Canonical(bin + kInstalledShippedDir);
    EXPECT_EQ(shipped, Canonical(prefix.Path()) + "share/lexiglade/");
    // Even a writable install tree is left alone.
    const DataFolders folders = ChooseDataFolders(bin, {"/data/home", "/home/ann"});
    EXPECT_EQ(folders.dataDir, "/data/home/lexiglade/");
    EXPECT_EQ(folders.shippedDir, shipped);
    const DataFolders homeless = ChooseDataFolders(bin, {"", ""});
    EXPECT_EQ(homeless.dataDir, shipped);
    EXPECT_EQ(homeless.shippedDir, shipped);
}

TEST(DataFolder, OnlyArtworkSoundsAndMusicAreShippedOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"a1.asl", true},   {"a4.asl", true},      {"a6.asl", true},    {"s2.asl", true},
        {"s12.asl", true},  {"arc1.mid", true},    {"arc11.mid", true}, {"a7.asl", false},
        {"a8.asl", false},  {"a14.asl", false},    {"a15.asl", false},  {"a0.asl", false},
        {"a16.asl", false}, {"b1.asl", false},     {"b2.asl", false},   {"s.asl", false},
        {"sx.asl", false},  {"s2.asl.bak", false}, {"A1.asl", false},   {"a1.ASL", false},
        {"mid", false},     {"", false},
    };
    for (const auto& [name, shippedOnly] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IsShippedOnlyFile(name), shippedOnly);
    }
}

TEST(DataFolder, ArtworkIsThePlayersCopyWhenThereIsOneElseTheShippedOne) {
    TempFolder player;
    TempFolder shipped;
    WriteBytes(player / "a4.asl", "mine");
    fs::create_directory(player / "a3.asl"); // not a file
    const DataFolders folders{player.Path(), shipped.Path()};
    EXPECT_EQ(ShippedFilePath(folders, "a4.asl"), player / "a4.asl");
    EXPECT_EQ(ShippedFilePath(folders, "a3.asl"), shipped / "a3.asl");
    EXPECT_EQ(ShippedFilePath(folders, "s2.asl"), shipped / "s2.asl");
    EXPECT_EQ(ShippedFilePath(folders, "arc5.mid"), shipped / "arc5.mid");
    EXPECT_EQ(ShippedFilePath({player.Path(), player.Path()}, "s2.asl"), player / "s2.asl");
}

// A shipped folder with artwork, sound, music, a library of one bank pair and two pictures.
class FillTest : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"a1.asl", "a6.asl", "s2.asl", "arc3.mid", "lexiglade", "notes.txt"}) {
            WriteBytes(shipped / name, std::string("program ") + name);
        }
        for (const char* name : kLibrary) {
            WriteBytes(shipped / name, std::string("shipped ") + name);
        }
        fs::create_directory(shipped / "pictures");
        WriteBytes(shipped / "pictures/CAT.BMP", "shipped cat");
        WriteBytes(shipped / "pictures/DOG.BMP", "shipped dog");
    }

    static constexpr const char* kLibrary[] = {"a10.asl", "a11.asl", "a12.asl", "a14.asl",
                                               "a15.asl", "a7.asl",  "a8.asl",  "a9.asl",
                                               "b1.asl",  "b2.asl"};
    TempFolder shipped;
    TempFolder home;
};

TEST(DataFolder, LibraryFilesAreTheListsAndBanks) {
    const std::pair<const char*, bool> cases[] = {
        {"a7.asl", true},     {"a8.asl", true},  {"a12.asl", true},  {"a14.asl", true},
        {"a15.asl", true},    {"b1.asl", true},  {"b2.asl", true},   {"b17.asl", true},
        {"a1.asl", false},    {"a6.asl", false}, {"s2.asl", false},  {"arc1.mid", false},
        {"b.asl", false},     {"bx.asl", false}, {"b1.asl~", false}, {"B1.asl", false},
        {"lexiglade", false}, {"README", false}, {"", false},
    };
    for (const auto& [name, library] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IsLibraryFile(name), library);
    }
}

TEST_F(FillTest, AFirstStartCopiesTheLibraryAndPicturesButNotTheProgramFiles) {
    const std::string player = home / "data/lexiglade/";
    FillPlayerFolder({player, shipped.Path()});
    EXPECT_EQ(
        FolderEntries(player),
        (std::vector<std::string>{"a10.asl", "a11.asl", "a12.asl", "a14.asl", "a15.asl", "a7.asl",
                                  "a8.asl", "a9.asl", "b1.asl", "b2.asl", "offered-puzzles.txt",
                                  "pictures"}));
    for (const char* name : kLibrary) {
        EXPECT_EQ(ReadBytes(player + name), ReadBytes(shipped / name)) << name;
    }
    // Every shipped title is offered: "a8.asl" holds the one line "shipped a8.asl".
    EXPECT_EQ(ReadBytes(player + "offered-puzzles.txt"), "shipped a8.asl\n");
    EXPECT_EQ(FolderEntries(player + "pictures"), (std::vector<std::string>{"CAT.BMP", "DOG.BMP"}));
    EXPECT_EQ(ReadBytes(player + "pictures/DOG.BMP"), "shipped dog");
    EXPECT_EQ(ModeOf(home / "data"), 0700u);
    EXPECT_EQ(ModeOf(player), 0700u);
}

// The player's own pictures folder, named in any case, receives the shipped pictures: the game
// would not look in a second one.
TEST_F(FillTest, ThePlayersPicturesFolderOfAnyCaseReceivesTheShippedPictures) {
    const std::string player = home / "lexiglade/";
    fs::create_directories(player + "Pictures");
    WriteBytes(player + "Pictures/CAT.BMP", "my cat");
    FillPlayerFolder({player, shipped.Path()});
    EXPECT_FALSE(fs::exists(player + "pictures"));
    EXPECT_EQ(FolderEntries(player + "Pictures"), (std::vector<std::string>{"CAT.BMP", "DOG.BMP"}));
    EXPECT_EQ(ReadBytes(player + "Pictures/CAT.BMP"), "my cat");
    EXPECT_EQ(ReadBytes(player + "Pictures/DOG.BMP"), "shipped dog");
}

TEST_F(FillTest, ThePlayersFilesAreNeverReplaced) {
    const std::string player = home / "lexiglade/";
    fs::create_directories(player + "pictures");
    WriteBytes(player + "a14.asl", "my best times");
    WriteBytes(player + "b1.asl", "my words");
    WriteBytes(player + "b3.asl", "my next bank");
    WriteBytes(player + "pictures/CAT.BMP", "my cat");
    FillPlayerFolder({player, shipped.Path()});
    EXPECT_EQ(ReadBytes(player + "a14.asl"), "my best times");
    EXPECT_EQ(ReadBytes(player + "b1.asl"), "my words");
    EXPECT_EQ(ReadBytes(player + "b3.asl"), "my next bank");
    EXPECT_EQ(ReadBytes(player + "pictures/CAT.BMP"), "my cat");
    EXPECT_EQ(ReadBytes(player + "pictures/DOG.BMP"), "shipped dog");
    EXPECT_EQ(ReadBytes(player + "a7.asl"), "shipped a7.asl");

    // Once the folder tree is there, nothing more comes from the shipped folder.
    fs::remove(player + "a8.asl");
    WriteBytes(player + "a7.asl", "my tree");
    FillPlayerFolder({player, shipped.Path()});
    EXPECT_FALSE(fs::exists(player + "a8.asl"));
    EXPECT_EQ(ReadBytes(player + "a7.asl"), "my tree");
}

TEST_F(FillTest, TheShippedFolderItselfIsLeftAsItIs) {
    const std::vector<std::string> before = FolderEntries(shipped.Path());
    fs::remove(shipped / "a7.asl");
    FillPlayerFolder({shipped.Path(), shipped.Path()});
    FillPlayerFolder({"", shipped.Path()});
    std::vector<std::string> expected = before;
    std::erase(expected, "a7.asl");
    EXPECT_EQ(FolderEntries(shipped.Path()), expected);
}

TEST_F(FillTest, AnInterruptedFillIsCompletedByTheNextStart) {
    const std::string player = home / "lexiglade/";
    fs::create_directory(player);
    ::chmod(player.c_str(), 0777);
    ::chmod((shipped / "b2.asl").c_str(), 0);
    EXPECT_TRUE(RunWithoutPrivileges([&] {
        const std::string error = ErrorOf([&] { FillPlayerFolder({player, shipped.Path()}); });
        return error == "Cannot open file " + shipped / "b2.asl" && fs::exists(player + "b1.asl") &&
               !fs::exists(player + "a7.asl");
    }));
    ::chmod((shipped / "b2.asl").c_str(), 0644);
    FillPlayerFolder({player, shipped.Path()});
    for (const char* name : kLibrary) {
        EXPECT_EQ(ReadBytes(player + name), ReadBytes(shipped / name)) << name;
    }
}

TEST_F(FillTest, AFolderThatCannotBeMadeIsNamed) {
    fs::create_directory(home / "locked");
    ::chmod((home / "locked").c_str(), 0555);
    const std::string player = home / "locked/lexiglade/";
    EXPECT_TRUE(RunWithoutPrivileges([&] {
        const std::string error = ErrorOf([&] { FillPlayerFolder({player, shipped.Path()}); });
        return error.rfind("Cannot create folder " + home / "locked/lexiglade", 0) == 0 &&
               !fs::exists(player);
    }));
}

} // namespace
} // namespace lexiglade
