#include "platform/audio/SoundFontSearch.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <system_error>

namespace lexiglade {

namespace {

namespace fs = std::filesystem;

struct SoundFontFolder {
    const char* folder;                      // under a data folder
    std::initializer_list<const char*> best; // looked at first, in this order
};

// Debian's timgm6mb-soundfont is small and the game's package depends on it; default-GM.sf2 is
// the soundfont Debian's alternatives choose, default.sf2 Fedora's and Arch's.
const SoundFontFolder kFolders[] = {
    {"sounds/sf2", {"TimGM6mb.sf2", "default-GM.sf2", "FluidR3_GM.sf2"}},
    {"soundfonts", {"default.sf2", "FluidR3_GM.sf2"}},
};

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// Every soundfont in `folder`, in name order.
std::vector<fs::path> SoundFontsIn(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".sf2" && IsFile(it->path())) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string SearchIn(const fs::path& folder, const SoundFontFolder& where) {
    for (const char* name : where.best) {
        if (IsFile(folder / name)) {
            return (folder / name).string();
        }
    }
    const std::vector<fs::path> others = SoundFontsIn(folder);
    return others.empty() ? std::string() : others.front().string();
}

} // namespace

std::string ConfiguredSoundFont() {
#ifdef LEXIGLADE_SOUNDFONT
    return LEXIGLADE_SOUNDFONT;
#else
    return {};
#endif
}

std::vector<std::string> SystemDataFolders() {
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::vector<std::string> folders;
    std::istringstream list(dirs != nullptr && *dirs != '\0' ? dirs
                                                             : "/usr/local/share:/usr/share");
    for (std::string folder; std::getline(list, folder, ':');) {
        if (!folder.empty() && folder.front() == '/') { // relative entries are invalid
            folders.push_back(folder);
        }
    }
    return folders;
}

SoundFontSearch FindSoundFont(const std::string& configured,
                              const std::vector<std::string>& dataFolders) {
    SoundFontSearch search;
    if (!configured.empty()) {
        search.places.push_back(configured);
        if (IsFile(configured)) {
            search.found = configured;
            return search;
        }
    }
    for (const std::string& dataFolder : dataFolders) {
        for (const SoundFontFolder& where : kFolders) {
            const fs::path folder = fs::path(dataFolder) / where.folder;
            search.places.push_back(folder.string());
            search.found = SearchIn(folder, where);
            if (!search.found.empty()) {
                return search;
            }
        }
    }
    return search;
}

} // namespace lexiglade
