// The build step that puts the library beside the game must never replace what is there.
#include "TempFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

using namespace lexiglade::test;

namespace {

bool CopyIfAbsent(const fs::path& source, const fs::path& destination) {
    return RunCommand("'" LEXIGLADE_CMAKE "' -DSOURCE='" + source.string() + "' -DDESTINATION='" +
                      destination.string() + "' -P '" LEXIGLADE_COPY_SCRIPT "' >/dev/null");
}

TEST(CopyIfAbsent, CopiesMissingFilesAndKeepsPresentOnes) {
    const struct {
        const char* name;
        const char* present; // in the destination beforehand, or null
        const char* expected;
    } cases[] = {{"a7.asl", nullptr, "shipped a7"},
                 {"a14.asl", "player's times", "player's times"},
                 {"b1.asl", "", ""},
                 {"b2.asl", nullptr, "shipped b2"}};
    TempFolder source;
    TempFolder destination;
    for (const auto& c : cases) {
        WriteBytes(fs::path(source.Path()) / c.name, std::string("shipped ") + (c.name + 0));
        if (c.present != nullptr) {
            WriteBytes(fs::path(destination.Path()) / c.name, c.present);
        }
    }
    WriteBytes(fs::path(source.Path()) / "a7.asl", "shipped a7");
    WriteBytes(fs::path(source.Path()) / "b2.asl", "shipped b2");
    ASSERT_TRUE(CopyIfAbsent(fs::path(source.Path()), fs::path(destination.Path())));
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBytes(fs::path(destination.Path()) / c.name), c.expected) << c.name;
    }
}

TEST(CopyIfAbsent, CreatesTheDestinationAndFailsWithoutASource) {
    TempFolder source;
    WriteBytes(fs::path(source.Path()) / "APPLE.BMP", "picture");
    TempFolder root;
    const fs::path pictures = fs::path(root.Path()) / "bin" / "pictures";
    ASSERT_TRUE(CopyIfAbsent(fs::path(source.Path()), pictures));
    EXPECT_EQ(ReadBytes(pictures / "APPLE.BMP"), "picture");
    EXPECT_FALSE(CopyIfAbsent(fs::path(root.Path()) / "missing", pictures));
}

} // namespace
