#include "library/DataFolder.h"

#include "library/Append.h"
#include "library/AtomicFile.h"
#include "library/Errors.h"
#include "library/OfferedRecord.h"
#include "library/Paths.h"
#include "library/PictureFiles.h"
#include "library/TextList.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#ifndef LEXIGLADE_INSTALLED_SHIPPED_DIR
#define LEXIGLADE_INSTALLED_SHIPPED_DIR "../share/lexiglade"
#endif

namespace lexiglade {

const char* const kInstalledShippedDir = LEXIGLADE_INSTALLED_SHIPPED_DIR;

namespace {

namespace fs = std::filesystem;

constexpr const char* kPlayerFolderName = "lexiglade";
constexpr const char* kDefaultDataHome = ".local/share";
constexpr mode_t kPrivateFolderMode = 0700;

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool IsWritableFolder(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

// The installed shipped folder beside programDir with symbolic links and ".." resolved; empty
// when there is none.
fs::path InstalledShippedDir(const fs::path& programDir) {
    std::error_code error;
    const fs::path resolved = fs::canonical(programDir / kInstalledShippedDir, error);
    if (error || !IsDirectory(resolved)) {
        return {};
    }
    return DirectoryForm(resolved);
}

// Makes each missing folder on the way to `folder` private to the player.
void MakeFolders(const fs::path& folder) {
    fs::path prefix;
    for (const fs::path& part : folder) {
        prefix /= part;
        if (part.empty() || part == prefix.root_path()) {
            continue; // the separator that ends the folder, or the root that holds it
        }
        if (::mkdir(prefix.c_str(), kPrivateFolderMode) != 0) {
            const int error = errno;
            if (!IsDirectory(prefix)) {
                throw LibraryError("Cannot create folder " + prefix.string() + ": " +
                                   std::strerror(error));
            }
        }
    }
}

// The names of the regular files in `folder`, sorted; none when it does not exist.
std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    if (!IsDirectory(folder)) {
        return names;
    }
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsRegularFile(folder / name)) {
            names.push_back(name);
        }
    }
    if (error) {
        throw LibraryError("Cannot read folder " + DirectoryForm(folder).string() + ": " +
                           error.message());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A name that cannot be examined is copied too, so that the copy reports why it fails.
void CopyIfAbsent(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(to, error))) {
        ReplaceFile(to, ReadFileBytes(from));
    }
}

} // namespace

DataEnvironment ProcessEnvironment() {
    DataEnvironment environment;
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) {
        environment.xdgDataHome = xdg;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        environment.home = home;
    } else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
        environment.home = entry->pw_dir;
    }
    return environment;
}

fs::path PlayerDataDir(const DataEnvironment& environment) {
    // A relative XDG_DATA_HOME is invalid and is ignored.
    if (fs::path(environment.xdgDataHome).is_absolute()) {
        return DirectoryForm(fs::path(environment.xdgDataHome) / kPlayerFolderName);
    }
    if (fs::path(environment.home).is_absolute()) {
        return DirectoryForm(fs::path(environment.home) / kDefaultDataHome / kPlayerFolderName);
    }
    return {};
}

DataFolders ChooseDataFolders(const fs::path& programDir, const DataEnvironment& environment) {
    const fs::path playerDir = PlayerDataDir(environment);
    if (programDir.empty()) {
        return {};
    }
    if (const fs::path installed = InstalledShippedDir(programDir); !installed.empty()) {
        return {playerDir.empty() ? installed : playerDir, installed};
    }
    if (IsWritableFolder(programDir) || playerDir.empty()) {
        return {programDir, programDir};
    }
    return {playerDir, programDir};
}

DataFolders RunningDataFolders() {
    return ChooseDataFolders(ExecutableDataDir(), ProcessEnvironment());
}

bool IsShippedOnlyFile(const std::string& name) {
    const std::string_view view(name);
    const bool artwork = name.size() == 6 && name[0] == 'a' && name[1] >= '1' && name[1] <= '6' &&
                         view.ends_with(".asl");
    const bool sound = name.size() > 5 && name[0] == 's' && view.ends_with(".asl") &&
                       IsDecimalDigits(view.substr(1, name.size() - 5));
    const bool music = view.ends_with(".mid");
    return artwork || sound || music;
}

bool IsLibraryFile(const std::string& name) {
    const std::string_view view(name);
    const bool numbered = name.size() > 5 && (name[0] == 'a' || name[0] == 'b') &&
                          view.ends_with(".asl") &&
                          IsDecimalDigits(view.substr(1, name.size() - 5));
    return numbered && !IsShippedOnlyFile(name);
}

fs::path ShippedFilePath(const DataFolders& folders, const std::string& name) {
    const fs::path own = folders.dataDir / name;
    if (folders.dataDir == folders.shippedDir || IsRegularFile(own)) {
        return own;
    }
    return folders.shippedDir / name;
}

void FillPlayerFolder(const DataFolders& folders) {
    const fs::path& from = folders.shippedDir;
    const fs::path& to = folders.dataDir;
    if (to.empty() || to == from || IsRegularFile(to / kTreeFile)) {
        return;
    }
    MakeFolders(to);
    for (const std::string& name : FileNames(from)) {
        if (IsLibraryFile(name) && name != kTreeFile) {
            CopyIfAbsent(from / name, to / name);
        }
    }
    const fs::path shippedPictures = PictureFolder(from);
    const fs::path playerPictures = PictureFolder(to); // one of any case the player made
    const std::vector<std::string> pictures = FileNames(shippedPictures);
    if (!pictures.empty()) {
        MakeFolders(playerPictures);
    }
    for (const std::string& name : pictures) {
        CopyIfAbsent(shippedPictures / name, playerPictures / name);
    }
    if (!ReadOfferedRecord(to) && IsRegularFile(from / kMasterList)) {
        WriteOfferedRecord(to, ReadList(from / kMasterList)); // the shipped puzzles it starts with
    }
    if (IsRegularFile(from / kTreeFile)) {
        CopyIfAbsent(from / kTreeFile, to / kTreeFile);
    }
}

void CopyShippedPictures(const DataFolders& folders, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (FindPicture(folders.dataDir, name) || !FindPicture(folders.shippedDir, name)) {
            continue;
        }
        const PictureFile shipped = ReadPicture(folders.shippedDir, name);
        const fs::path pictures = PictureFolder(folders.dataDir);
        MakeFolders(pictures);
        ReplaceFile(pictures / fs::path(shipped.path).filename(), shipped.bytes);
    }
}

} // namespace lexiglade
