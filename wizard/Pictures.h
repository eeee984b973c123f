#pragma once
// Reshaping the hint pictures of a new puzzle to the 150 x 80 frame of the canvas picture.
#include "library/DataFolder.h"
#include "library/TextList.h"
#include "platform/GdiPalette.h"

#include <string>

namespace lexiglade {

inline constexpr int kPictureFrameWidth = 150;
inline constexpr int kPictureFrameHeight = 80;

// For each hint, first to last: its picture (found under DataDir's pictures/ whatever the case of
// its name) is copied, not scaled, into the whitened top-left 150 x 80 of the canvas "a6.asl" (a
// shipped file, ShippedFilePath), and the
// canvas is saved over the file the picture was read from. "Cannot open file %s" when "a6.asl"
// or a picture cannot be read, "Bitmap image is not valid" for one that is no bitmap: the pictures
// before it stay rewritten, the rest untouched.
void NormalizePictures(const DataFolders& folders, const TextList& hints,
                       const PaletteRef& palette);

} // namespace lexiglade
