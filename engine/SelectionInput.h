#pragma once
// Ways to make a selection besides the drag: a click that leaves the selection open to follow the
// pointer, and the keyboard's cell cursor. The screen draws what these rules decide with the
// selection geometry; a drag goes on exactly as before.
#include "engine/BoardLayout.h"
#include "engine/Grid.h"
#include "engine/Selection.h"

#include <cstdint>

namespace lexiglade {

// What moves the far end of the running selection.
enum class SelectionHold : std::uint8_t {
    None,    // no selection runs
    Drag,    // the left button is held since the press
    Pointer, // a click left it open: the pointer moves it, the next left press ends it
    Cursor,  // anchored by a key: the cell cursor moves it, the next Space or Enter ends it
};

// A pointer at most this many pixels from the anchor leaves the rubber band where it is.
inline constexpr std::int32_t kDeadZone = Board::kDragThreshold;
// The pixel distance from anchor to p, rounded as the screen rounds it, is at most DeadZone.
bool WithinDeadZone(Point anchor, Point p);

enum class PlayKey : std::uint8_t { Left, Right, Up, Down, Confirm, Cancel };

// What the screen draws for a key.
enum class KeyAction : std::uint8_t {
    None,
    MoveCursor,        // erase the cursor where it was (if shown), draw it at Cursor()
    MoveCursorAndBand, // the same, and the band follows to the cursor's centre
    Begin,             // anchor a selection at the cursor's centre (the cursor is shown first)
    End,               // end the selection at the cursor's centre, as a release there
    Cancel,            // erase the band; nothing is matched
};

// The cursor's thin frame, both corners on the frame, inside the cell's 20 by 18 pixel box.
struct CursorFrame {
    Point topLeft;
    Point bottomRight;
    bool operator==(const CursorFrame&) const = default;
};
CursorFrame CursorFrameOf(BoardOrigin origin, Cell cell);
Point CellCentre(BoardOrigin origin, Cell cell);
// One cell in the key's direction, held at the grid's edges.
Cell StepCursor(Cell cell, PlayKey key);

class SelectionInput {
  public:
    SelectionHold Hold() const { return hold_; }
    // A selection that waits for a click or a key to end it.
    bool IsOpen() const {
        return hold_ == SelectionHold::Pointer || hold_ == SelectionHold::Cursor;
    }

    // A left press starts a drag once the screen has begun the selection.
    void DragBegan();
    // A left press: true when it ends an open selection, as a release at that point would.
    bool LeftPressEnds();
    // A right press: true when it cancels an open selection.
    bool RightPressCancels();
    // The pointer moved to p: true when the band follows it.
    bool PointerMoved(Point anchor, Point p);
    // A left release at p: true when it ends the selection; false when the press and release
    // stayed within the dead zone and the selection stays open, or when it was open already.
    bool LeftReleaseEnds(Point anchor, Point p);
    // The selection has ended or been dropped however it was held.
    void Ended() { hold_ = SelectionHold::None; }

    Cell Cursor() const { return cursor_; }
    // The cursor is drawn from the first play key on.
    bool CursorShown() const { return cursorShown_; }
    KeyAction Key(PlayKey key);

  private:
    SelectionHold hold_ = SelectionHold::None;
    bool leftDeadZone_ = false;
    Cell cursor_{};
    bool cursorShown_ = false;
};

} // namespace lexiglade
