#pragma once
// The hint pictures' files: read without following links, the player's originals kept aside.
#include <filesystem>
#include <string>

namespace lexiglade {

struct PictureFile {
    std::string path; // where it was found
    std::string bytes;
};

// The picture named `name` (found as FindPicture finds it) read whole. "\"%s\" is not a plain file
// name of the library folder" for a name that would leave the folder; "Cannot use file %s: it is a
// symbolic link" when the picture or the pictures folder is a link; "Cannot open file %s" when it
// is missing.
PictureFile ReadPicture(const std::filesystem::path& dataDir, const std::string& name);

// Keeps `bytes`, the picture file `fileName` as the player made it, as
// PictureFolder(dataDir) / "originals" / fileName, unless a file of that name is there already:
// the first original is never overwritten. True when it was written now. The folder is made when
// missing; "Cannot create file %s" when it cannot be, "Cannot use file %s: ..." when it is a link.
bool KeepOriginalPicture(const std::filesystem::path& dataDir, const std::string& fileName,
                         const std::string& bytes);

} // namespace lexiglade
