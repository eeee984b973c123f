#include "TempFolder.h"

#include "library/AtomicFile.h"
#include "library/TextList.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace lexiglade {
namespace {

using test::ErrorOf;
using test::FolderEntries;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// The fault to inject: at the `failAt`-th call for `failStep` (1-based), with `failError`.
ReplaceStep failStep = ReplaceStep::Create;
int failAt = 0;
int failError = 0;
int callsSeen = 0;

int InjectFault(ReplaceStep step) {
    if (step != failStep) {
        return 0;
    }
    return ++callsSeen == failAt ? failError : 0;
}

class ReplaceFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetReplaceFaultHook(InjectFault); }
    void TearDown() override { SetReplaceFaultHook(nullptr); }

    static void Inject(ReplaceStep step, int at, int error) {
        failStep = step;
        failAt = at;
        failError = error;
        callsSeen = 0;
    }

    TempFolder folder_;
};

TEST_F(ReplaceFileTest, ReplacesTheWholeFile) {
    const std::string path = folder_ / "a8.asl";
    WriteBytes(path, std::string(5000, 'o'));
    const std::string bytes(3 * kReplaceChunkSize + 17, 'n');
    ReplaceFile(path, bytes);
    EXPECT_EQ(ReadBytes(path), bytes);
    ReplaceFile(path, "");
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"a8.asl"});
}

TEST_F(ReplaceFileTest, KeepsTheOldFilesPermissions) {
    const std::string path = folder_ / "a14.asl";
    WriteBytes(path, "300\r\n");
    ::chmod(path.c_str(), 0640);
    ReplaceFile(path, "250\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const std::string fresh = folder_ / "b1.asl";
    const mode_t mask = ::umask(022);
    ReplaceFile(fresh, "WORD\r\n");
    ::umask(mask);
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(ReplaceFileTest, LeavesTheOldFileWholeOnEveryFailure) {
    struct Case {
        const char* name;
        ReplaceStep step;
        int at;
        int error;
        const char* message; // after the path
    };
    const Case cases[] = {
        {"temporary file", ReplaceStep::Create, 1, EACCES, ""},
        {"first write", ReplaceStep::Write, 1, ENOSPC, ": No space left on device"},
        {"later write", ReplaceStep::Write, 3, ENOSPC, ": No space left on device"},
        {"sync", ReplaceStep::Sync, 1, EIO, ": Input/output error"},
        {"close", ReplaceStep::Close, 1, EIO, ": Input/output error"},
        {"rename", ReplaceStep::Rename, 1, EXDEV, ": Invalid cross-device link"},
    };
    const std::string path = folder_ / "a9.asl";
    const std::string old = "b1.asl\r\nb3.asl\r\n";
    const std::string bytes(4 * kReplaceChunkSize, 'x');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, old);
        Inject(c.step, c.at, c.error);
        const std::string prefix =
            c.step == ReplaceStep::Create ? "Cannot create file " : "Cannot write file ";
        EXPECT_EQ(ErrorOf([&] { ReplaceFile(path, bytes); }), prefix + path + c.message);
        EXPECT_EQ(callsSeen, c.at);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"a9.asl"});

        std::filesystem::remove(path);
        Inject(c.step, c.at, c.error);
        EXPECT_NE(ErrorOf([&] { WriteList(path, TextList(70000, "x")); }), "");
        EXPECT_TRUE(FolderEntries(folder_.Path()).empty());
    }
}

TEST_F(ReplaceFileTest, ReportsAReadOnlyFolder) {
    const std::string path = folder_ / "a7.asl";
    const std::string old = "Animals\r\n\tPets\r\n";
    WriteBytes(path, old);
    ::chmod(folder_.Path().c_str(), 0555);
    EXPECT_TRUE(test::RunWithoutPrivileges([&] {
        return ErrorOf([&] { WriteText(path, "Sky\r\n"); }) == "Cannot create file " + path;
    }));
    ::chmod(folder_.Path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"a7.asl"});
}

TEST_F(ReplaceFileTest, RefusesToReplaceAFolder) {
    const std::string path = folder_ / "pictures";
    std::filesystem::create_directory(path);
    WriteBytes(folder_ / "pictures/CAT.BMP", "BM");
    EXPECT_EQ(ErrorOf([&] { ReplaceFile(path, "x"); }).rfind("Cannot write file " + path, 0), 0u);
    EXPECT_EQ(ReadBytes(folder_ / "pictures/CAT.BMP"), "BM");
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"pictures"});
}

} // namespace
} // namespace lexiglade
