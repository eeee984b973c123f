#include "LibraryMaker.h"
#include "TempFolder.h"

#include "library/Append.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lexiglade::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

struct Ownership {
    uid_t owner;
    gid_t group;
    mode_t mode;
    friend bool operator==(const Ownership&, const Ownership&) = default;
};

Ownership OwnershipOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return {info.st_uid, info.st_gid, info.st_mode & 07777};
}

std::map<std::string, Ownership> OwnershipOfAll(const std::string& folder) {
    std::map<std::string, Ownership> all;
    for (const auto& [name, bytes] : SnapshotFiles(folder)) {
        all[name] = OwnershipOf(folder + name);
    }
    return all;
}

// Every file of the library given to nobody, readable and writable by its owner only, and the
// folder open to all: so that nobody may replace what the table does not take away.
void GiveToNobody(const std::string& folder) {
    ::chmod(folder.c_str(), 0777);
    for (const auto& [name, bytes] : SnapshotFiles(folder)) {
        ::chown((folder + name).c_str(), kNobody, kNoGroup);
        ::chmod((folder + name).c_str(), 0600);
    }
}

TEST(PermissionsTest, AListThePlayerCouldNotWriteInPlaceIsLeftAloneAndNothingIsFiled) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving files to other users needs root";
    }
    struct Row {
        const char* why;
        const char* list;
        uid_t owner;
        mode_t mode;
    };
    const Row table[] = {
        {"another user's file, read-only for the player", "a8.asl", 0, 0644},
        {"another user's file that the player may write", "a11.asl", 0, 0666},
        {"the player's own file, made read-only", "a15.asl", kNobody, 0444},
        {"another user's bank", "b2.asl", 0, 0644},
    };
    for (const Row& row : table) {
        const TempFolder library;
        MakeLibrary(library.Path(), 12, 15);
        GiveToNobody(library.Path());
        ::chown((library / row.list).c_str(), row.owner, row.owner == 0 ? 0 : kNoGroup);
        ::chmod((library / row.list).c_str(), row.mode);
        const FileSnapshot before = SnapshotFiles(library.Path());
        const auto owners = OwnershipOfAll(library.Path());
        EXPECT_TRUE(RunWithoutPrivileges([&] {
            return ErrorOf([&] {
                       AppendPuzzleToFolder(library.Path(), MakePuzzle("New", 15), "Folder 0", {});
                   }) == "Cannot create file " + library / row.list;
        })) << row.why;
        EXPECT_EQ(SnapshotFiles(library.Path()), before) << row.why;
        EXPECT_EQ(OwnershipOfAll(library.Path()), owners) << row.why;
    }
}

TEST(PermissionsTest, ReplacedFilesKeepTheirModeOwnerAndGroup) {
    const TempFolder library;
    MakeLibrary(library.Path(), 12, 15);
    ::chmod((library / "a8.asl").c_str(), 0640);
    ::chmod((library / "b1.asl").c_str(), 0600);
    ::chmod((library / "a14.asl").c_str(), 0604);
    if (::geteuid() == 0) {
        ::chown((library / "a8.asl").c_str(), kNobody, kNoGroup);
        ::chown((library / "b2.asl").c_str(), kNobody, 0);
    }
    const auto owners = OwnershipOfAll(library.Path());
    AppendPuzzleToFolder(library.Path(), MakePuzzle("New", 15), "Folder 0", {});
    ASSERT_EQ(ReadList(library / "a8.asl").back(), "New");
    ASSERT_EQ(ReadList(library / "b1.asl").size(), 12u * 15u + 15u);
    EXPECT_EQ(OwnershipOfAll(library.Path()), owners);
}

TEST(PermissionsTest, AListThatIsALinkIsNeitherFollowedNorReplaced) {
    const TempFolder library;
    const TempFolder outside;
    MakeLibrary(library.Path(), 12, 15);
    std::filesystem::rename(library / "a9.asl", outside / "a9.asl");
    std::filesystem::create_symlink(outside / "a9.asl", library / "a9.asl");
    const FileSnapshot before = SnapshotFiles(library.Path());
    const std::string outsideBefore = ReadBytes(outside / "a9.asl");
    EXPECT_EQ(ErrorOf([&] {
                  AppendPuzzleToFolder(library.Path(), MakePuzzle("New", 15), "Folder 0", {});
              }),
              "Cannot use file " + library / "a9.asl" + ": it is a symbolic link");
    EXPECT_EQ(SnapshotFiles(library.Path()), before);
    EXPECT_TRUE(std::filesystem::is_symlink(library / "a9.asl"));
    EXPECT_EQ(ReadBytes(outside / "a9.asl"), outsideBefore);
}

TEST(PermissionsTest, AListHardLinkedOutsideIsReplacedNotWrittenThrough) {
    const TempFolder library;
    const TempFolder outside;
    MakeLibrary(library.Path(), 12, 15);
    std::filesystem::create_hard_link(library / "a10.asl", outside / "a10.asl");
    const std::string outsideBefore = ReadBytes(outside / "a10.asl");
    AppendPuzzleToFolder(library.Path(), MakePuzzle("New", 15), "Folder 0", {});
    EXPECT_EQ(ReadList(library / "a10.asl").size(), 13u);
    EXPECT_EQ(ReadBytes(outside / "a10.asl"), outsideBefore);
}

} // namespace
} // namespace lexiglade::test
