#include "library/PictureFiles.h"

#include "library/AtomicFile.h"
#include "library/Errors.h"
#include "library/InputFile.h"
#include "library/ListAppend.h"
#include "library/Paths.h"

#include <cerrno>
#include <sys/stat.h>

namespace lexiglade {

namespace {

// A folder that exists as a folder of its own, not through a link. False when it is missing.
bool IsOwnFolder(const std::filesystem::path& folder) {
    const std::string name = folder; // without a final separator, so that a link is not followed
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) {
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        RaiseSymbolicLink(name);
    }
    return S_ISDIR(info.st_mode);
}

} // namespace

PictureFile ReadPicture(const std::filesystem::path& dataDir, const std::string& name) {
    PictureFile picture{PicturePath(dataDir, name).string(), {}};
    IsOwnFolder(PictureFolder(dataDir));
    InputFile file(picture.path, InputFile::Links::Refuse);
    ReadOpenFileInto(file, picture.bytes);
    return picture;
}

bool KeepOriginalPicture(const std::filesystem::path& dataDir, const std::string& fileName,
                         const std::string& bytes) {
    RequirePlainFileName(fileName);
    const std::filesystem::path folder = PictureFolder(dataDir) / kOriginalsFolder;
    const std::string path = folder / fileName;
    if (!IsOwnFolder(folder) && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        RaiseCannotCreate(path);
    }
    if (!IsOwnFolder(folder)) {
        RaiseCannotCreate(path);
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        return false;
    }
    ReplaceFile(path, bytes);
    return true;
}

} // namespace lexiglade
