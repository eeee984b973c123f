#include "library/Paths.h"

#include "library/Errors.h"

#include <filesystem>
#include <system_error>

namespace lexiglade {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// A file or a link, not followed.
bool IsFileOrLink(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    return !error &&
           (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status));
}

// A folder or a link, not followed.
bool IsFolderOrLink(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    return !error && (std::filesystem::is_directory(status) || std::filesystem::is_symlink(status));
}

// The entry of `folder` named `name` ignoring ASCII case for which `counts` holds: the exact name
// first, among several others the byte-wise smallest.
template <typename Counts>
std::optional<std::string> FindEntry(const std::filesystem::path& folder, const std::string& name,
                                     Counts counts) {
    if (counts(folder / name)) {
        return name;
    }
    std::optional<std::string> best;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (EqualIgnoringAsciiCase(entry, name) && (!best || entry < *best) &&
            counts(folder / entry)) {
            best = entry;
        }
    }
    return best;
}

} // namespace

std::filesystem::path DataDirOf(const std::filesystem::path& executablePath) {
    return std::filesystem::path(executablePath).remove_filename();
}

std::filesystem::path ExecutableDataDir() {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : DataDirOf(target);
}

std::filesystem::path DirectoryForm(const std::filesystem::path& folder) {
    return folder / ""; // appending nothing adds the separator, unless there is one or no folder
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

void RequirePlainFileName(const std::string& name) {
    if (!IsPlainFileName(name)) {
        RaiseNotPlainName(name);
    }
}

std::filesystem::path PictureFolder(const std::filesystem::path& dataDir) {
    const std::string name = kPictureFolder;
    return dataDir / FindEntry(dataDir, name, IsFolderOrLink).value_or(name);
}

std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& dataDir,
                                                 const std::string& name) {
    if (!IsPlainFileName(name)) {
        return std::nullopt;
    }
    const std::filesystem::path folder = PictureFolder(dataDir);
    const std::optional<std::string> entry = FindEntry(folder, name, IsFileOrLink);
    if (!entry) {
        return std::nullopt;
    }
    return folder / *entry;
}

std::filesystem::path PicturePath(const std::filesystem::path& dataDir, const std::string& name) {
    RequirePlainFileName(name);
    return FindPicture(dataDir, name).value_or(PictureFolder(dataDir) / name);
}

} // namespace lexiglade
