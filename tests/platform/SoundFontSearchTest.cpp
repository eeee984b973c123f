// The soundfont search: the configured file, then each data folder's usual places in turn.
#include "TempFolder.h"

#include "platform/audio/SoundFontSearch.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lexiglade::test {
namespace {

namespace fs = std::filesystem;

TEST(SoundFontSearch, FindsTheFirstSoundFontInTheUsualOrder) {
    struct Case {
        const char* what;
        std::vector<std::string> files; // under the temporary folder; a name ending in / a folder
        std::string configured;
        std::string found;
    };
    const Case cases[] = {
        {"nothing anywhere", {"one/sounds/sf2/notes.txt", "one/soundfonts/big.sf2/"}, "", ""},
        {"Fedora, Arch",
         {"two/soundfonts/FluidR3_GM.sf2", "two/soundfonts/default.sf2"},
         "",
         "two/soundfonts/default.sf2"},
        {"Debian's small one first",
         {"one/sounds/sf2/FluidR3_GM.sf2", "one/sounds/sf2/TimGM6mb.sf2"},
         "",
         "one/sounds/sf2/TimGM6mb.sf2"},
        {"any other, by name",
         {"one/sounds/sf2/zeta.sf2", "one/sounds/sf2/alpha.sf2"},
         "",
         "one/sounds/sf2/alpha.sf2"},
        {"the first data folder",
         {"one/soundfonts/x.sf2", "two/sounds/sf2/TimGM6mb.sf2"},
         "",
         "one/soundfonts/x.sf2"},
        {"configured first", {"own.font", "one/sounds/sf2/TimGM6mb.sf2"}, "own.font", "own.font"},
        {"configured but missing",
         {"two/sounds/sf2/default-GM.sf2"},
         "gone.sf2",
         "two/sounds/sf2/default-GM.sf2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder root;
        for (const std::string& file : c.files) {
            fs::create_directories(fs::path(root / file).parent_path());
            if (file.ends_with('/')) {
                fs::create_directory(root / file);
            } else {
                WriteBytes(root / file, "sfbk");
            }
        }
        const std::string configured = c.configured.empty() ? "" : root / c.configured;
        const SoundFontSearch search = FindSoundFont(configured, {root / "one", root / "two"});
        EXPECT_EQ(search.found, c.found.empty() ? "" : root / c.found);
        if (c.found.empty()) {
            const std::vector<std::string> places = {
                root / "one/sounds/sf2", root / "one/soundfonts", root / "two/sounds/sf2",
                root / "two/soundfonts"};
            EXPECT_EQ(search.places, places);
        }
        if (!configured.empty()) {
            EXPECT_EQ(search.places.front(), configured);
        }
    }
}

TEST(SoundFontSearch, DataFoldersComeFromXdgDataDirs) {
    const struct {
        const char* value; // null: unset
        std::vector<std::string> folders;
    } cases[] = {{nullptr, {"/usr/local/share", "/usr/share"}},
                 {"", {"/usr/local/share", "/usr/share"}},
                 {"/app/share:relative::/usr/share", {"/app/share", "/usr/share"}}};
    const char* old = std::getenv("XDG_DATA_DIRS");
    const std::string saved = old != nullptr ? old : "";
    for (const auto& c : cases) {
        if (c.value == nullptr) {
            unsetenv("XDG_DATA_DIRS");
        } else {
            setenv("XDG_DATA_DIRS", c.value, 1);
        }
        EXPECT_EQ(SystemDataFolders(), c.folders) << (c.value ? c.value : "unset");
    }
    old != nullptr ? setenv("XDG_DATA_DIRS", saved.c_str(), 1) : unsetenv("XDG_DATA_DIRS");
}

} // namespace
} // namespace lexiglade::test
