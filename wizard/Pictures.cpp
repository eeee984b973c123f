#include "wizard/Pictures.h"

#include "library/AtomicFile.h"
#include "library/LibraryFiles.h"
#include "library/LibraryLock.h"
#include "library/Paths.h"
#include "library/PictureFiles.h"
#include "platform/GdiBitmap.h"
#include "wizard/Validation.h"

#include <algorithm>
#include <filesystem>

namespace lexiglade {

namespace {

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

void NormalizePictures(const DataFolders& folders, const TextList& hints,
                       const PaletteRef& palette) {
    const std::filesystem::path& dataDir = folders.dataDir;
    const LibraryLock lock(dataDir);
    Bitmap canvas;
    canvas.LoadFromFile(ShippedFilePath(folders, LibraryFiles::kHintCanvas));
    for (const std::string& hint : hints) {
        const PictureFile original = ReadPicture(dataDir, UpperCase(hint));
        Bitmap picture;
        picture.LoadFromBytes(original.bytes);
        picture.Canvas().SelectPalette(palette, true);
        picture.Canvas().RealizePalette();
        DeviceContext& frame = canvas.Canvas();
        frame.BitBlt(0, 0, kPictureFrameWidth, kPictureFrameHeight, nullptr, 0, 0, WHITENESS);
        frame.BitBlt(0, 0, std::min(picture.Width(), kPictureFrameWidth),
                     std::min(picture.Height(), kPictureFrameHeight), picture, 0, 0, SRCCOPY);
        KeepOriginalPicture(dataDir, FileNameOf(original.path), original.bytes);
        ReplaceFile(original.path, canvas.ToBmpBytes());
    }
}

} // namespace lexiglade
