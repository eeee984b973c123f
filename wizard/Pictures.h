#pragma once
// Reshaping the hint pictures of a new puzzle to the 150 x 80 frame of the canvas picture.
#include "library/DataFolder.h"
#include "library/TextList.h"
#include "platform/GdiPalette.h"

#include <string>

namespace lexiglade {

inline constexpr int kPictureFrameWidth = 150;
inline constexpr int kPictureFrameHeight = 80;

// Under the library's lock, for each hint, first to last: its picture (found under pictures/
// whatever the case of its name, never through a symbolic link) is copied, not scaled, into the
// whitened top-left 150 x 80 of the canvas "a6.asl" (a shipped file); the picture as it was is kept
// as pictures/originals/NAME unless an original of that name is kept already, and the canvas
// replaces the picture's file atomically. "Cannot open file %s" when "a6.asl" or a picture cannot
// be read, "Bitmap image is not valid" for one that is no bitmap, "Cannot use file %s: it is a
// symbolic link" for a link: the pictures before it stay rewritten, the rest untouched. A failed
// write leaves the picture whole.
void NormalizePictures(const DataFolders& folders, const TextList& hints,
                       const PaletteRef& palette);

} // namespace lexiglade
