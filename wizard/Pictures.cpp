#include "wizard/Pictures.h"

#include "library/Paths.h"
#include "platform/GdiBitmap.h"
#include "wizard/Validation.h"

#include <algorithm>

namespace lexiglade {

void NormalizePictures(const DataFolders& folders, const TextList& hints,
                       const PaletteRef& palette) {
    Bitmap canvas;
    canvas.LoadFromFile(ShippedFilePath(folders, "a6.asl"));
    for (const std::string& hint : hints) {
        const std::string path = PicturePath(folders.dataDir, UpperCase(hint));
        Bitmap picture;
        picture.LoadFromFile(path);
        picture.Canvas().SelectPalette(palette, true);
        picture.Canvas().RealizePalette();
        DeviceContext& frame = canvas.Canvas();
        frame.BitBlt(0, 0, kPictureFrameWidth, kPictureFrameHeight, nullptr, 0, 0, WHITENESS);
        frame.BitBlt(0, 0, std::min(picture.Width(), kPictureFrameWidth),
                     std::min(picture.Height(), kPictureFrameHeight), picture, 0, 0, SRCCOPY);
        canvas.SaveToFile(path);
    }
}

} // namespace lexiglade
