#pragma once
// Where the data files live: the executable's own folder, and the hint pictures below it.
#include <optional>
#include <string>

namespace lexiglade {

// Everything up to and including the last '/'; empty when there is none. Never shortened.
std::string DataDirOf(const std::string& executablePath);
// DataDirOf the running executable; empty when its path cannot be read.
std::string ExecutableDataDir();
// A data file's path: the folder followed directly by the name.
std::string DataPath(const std::string& dataDir, const std::string& name);

// The file in dataDir + "pictures/" whose name equals `name` ignoring ASCII case, the exact name
// first; among several others the byte-wise smallest. An empty name, or one holding '/' or NUL,
// never matches.
std::optional<std::string> FindPicture(const std::string& dataDir, const std::string& name);
// FindPicture's path, or dataDir + "pictures/" + name when there is none (so opening it fails
// with that path).
std::string PicturePath(const std::string& dataDir, const std::string& name);

} // namespace lexiglade
