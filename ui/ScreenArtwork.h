#pragma once
// The screen artwork at the resolution of the screen it is drawn on.
#include "library/DataFolder.h"
#include "platform/GdiBitmap.h"

namespace lexiglade {

// Loads the screen artwork file `name` of `folders` (see LibraryFiles::ScreenArtwork) for a surface
// of `scale` device pixels per pixel: from the least dense shipped set at least as dense as the
// screen, else the densest set, and from the library's own file on an unscaled screen, where a set
// is missing or where the player has a picture of their own. Of a shipped set, the file in the
// language the game speaks (SpokenLanguage) is read, the English one where that language has none.
// The picture keeps the size of the library's file and comes at the surface's density, so that
// drawing it copies its pixels. It is made once for each file and scale and kept: later loads read
// no file while the file stays as it was (its size and time), and one that can no longer be read is
// refused as the first load would refuse it.
void LoadScreenArtwork(Bitmap& picture, const DataFolders& folders, const char* name, double scale);

} // namespace lexiglade
