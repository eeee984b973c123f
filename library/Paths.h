#pragma once
// Where the data files live: the executable's own folder, and the hint pictures below it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lexiglade {

// The executable's folder: its path without the file name, as written ("/usr/games/"); empty
// when there is none. Never shortened.
std::filesystem::path DataDirOf(const std::filesystem::path& executablePath);
// DataDirOf the running executable; empty when its path cannot be read.
std::filesystem::path ExecutableDataDir();

// `folder` ending with its separator ("/usr/games/"), as messages name folders; empty stays
// empty. Joining a name to a folder needs no such form: `folder / name`.
std::filesystem::path DirectoryForm(const std::filesystem::path& folder);

// A name that stays in its folder: not empty, no '/' nor NUL, not "." or "..".
bool IsPlainFileName(std::string_view name);
// "\"%s\" is not a plain file name of the library folder" unless IsPlainFileName.
void RequirePlainFileName(const std::string& name);

// The hint pictures' folder below the data folder, and the originals' folder below that.
inline constexpr const char* kPictureFolder = "pictures";
inline constexpr const char* kOriginalsFolder = "originals";

// The hint pictures' folder: the entry of dataDir named "pictures" in any case
// ("pictures", "PICTURES", "Pictures", ...), the exact name first, among several others the
// byte-wise smallest; dataDir / "pictures" when there is none. Only folders and symbolic links
// count (a link is found so that reading through it can be refused by name).
std::filesystem::path PictureFolder(const std::filesystem::path& dataDir);

// The file in PictureFolder(dataDir) whose name equals `name` ignoring ASCII case, the exact name
// first; among several others the byte-wise smallest. Only files and symbolic links count (a link
// is found so that reading it can be refused by name). A name that is not plain never matches.
std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& dataDir,
                                                 const std::string& name);
// FindPicture's path, or PictureFolder(dataDir) / name when there is none (so opening it fails
// with that path). A name that is not plain is refused.
std::filesystem::path PicturePath(const std::filesystem::path& dataDir, const std::string& name);

} // namespace lexiglade
