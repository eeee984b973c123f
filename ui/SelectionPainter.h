#pragma once
// The marks a selection leaves on the puzzle screen: bands drawn and erased with an exclusive-or
// pen, capsules drawn for good, and the keyboard's cell frame laid over the form's pixels.
#include "engine/BoardLayout.h"
#include "engine/PuzzleSession.h"
#include "platform/GdiTypes.h"

#include <QRect>

#include <initializer_list>
#include <optional>

class QPainter;

namespace lexiglade {

struct DrawkitState;
class SurfaceForm;

class SelectionPainter {
  public:
    // Draws on `form` with the palette of `kit`; both outlive the painter.
    SelectionPainter(SurfaceForm& form, const DrawkitState& kit);

    // Each band in palette entry `colour`; with R2_XORPEN a band drawn twice is gone.
    void DrawBands(std::initializer_list<Band> bands, int colour, PenMix mix);

    // Shows the frame on `cell`, or none; only the areas it leaves and enters are put on the
    // screen again.
    void ShowFrame(std::optional<Cell> cell, BoardOrigin origin);
    // The frame, when one is shown: a dark edge inside the cell's box and a light one outside it,
    // placed on whole device pixels. Whatever it passes over comes back as it was.
    void PaintFrame(QPainter& painter, BoardOrigin origin) const;

  private:
    QRect FrameArea(BoardOrigin origin, Cell cell) const;

    SurfaceForm& form_;
    const DrawkitState& kit_;
    std::optional<Cell> frameShownAt_; // the cell the keyboard's frame is shown on
};

} // namespace lexiglade
