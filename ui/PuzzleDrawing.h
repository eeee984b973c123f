#pragma once
// What the puzzle screen draws: the artwork, the letters, the title, the clock and the capsules,
// each placed by the board's layout.
#include "engine/BoardLayout.h"
#include "engine/Grid.h"
#include "engine/PuzzleSession.h"
#include "library/DataFolder.h"
#include "platform/GdiDeviceContext.h"
#include "platform/GdiFont.h"

#include <QRect>

#include <string>

namespace lexiglade {

class Bitmap;
class SurfaceForm;
struct DrawkitState;

// The form's font, which the letters, the title and the clock use.
Font SystemFont();

// The screen area a capsule can touch: both ends and the radius around them.
QRect CapsuleArea(const Band& band);
// Both caps, then both sides, with the pen already chosen by the caller.
void DrawCapsule(DeviceContext& dc, const Band& band);

// The board picture at the origin, the end-game and printing pictures below its right edge.
void DrawArtwork(DeviceContext& dc, const DataFolders& folders, BoardOrigin origin,
                 const Bitmap& board);
// The 22 x 15 letters, centred on their columns; leaves the text aligned centre and top.
void DrawLetters(const DrawkitState& kit, DeviceContext& dc, BoardOrigin origin, const Grid& grid);
// The title centred on `middle`, its shadow one pixel left and down.
void DrawTitle(const DrawkitState& kit, DeviceContext& dc, int middle, BoardOrigin origin,
               const std::string& title);
// The clock's text in its cleared area at the board's corner.
void DrawClock(const DrawkitState& kit, SurfaceForm& form, BoardOrigin origin,
               const std::string& text);

} // namespace lexiglade
