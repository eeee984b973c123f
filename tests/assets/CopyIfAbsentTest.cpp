// The build step that puts the library beside the game must never replace what is there.
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

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
        WriteBytes(source.path() / c.name, std::string("shipped ") + (c.name + 0));
        if (c.present != nullptr) {
            WriteBytes(destination.path() / c.name, c.present);
        }
    }
    WriteBytes(source.path() / "a7.asl", "shipped a7");
    WriteBytes(source.path() / "b2.asl", "shipped b2");
    ASSERT_TRUE(CopyIfAbsent(source.path(), destination.path()));
    for (const auto& c : cases) {
        EXPECT_EQ(ReadBytes(destination.path() / c.name), c.expected) << c.name;
    }
}

TEST(CopyIfAbsent, CreatesTheDestinationAndFailsWithoutASource) {
    TempFolder source;
    WriteBytes(source.path() / "APPLE.BMP", "picture");
    TempFolder root;
    const fs::path pictures = root.path() / "bin" / "pictures";
    ASSERT_TRUE(CopyIfAbsent(source.path(), pictures));
    EXPECT_EQ(ReadBytes(pictures / "APPLE.BMP"), "picture");
    EXPECT_FALSE(CopyIfAbsent(root.path() / "missing", pictures));
}

} // namespace
