#include "engine/SelectionInput.h"

#include <algorithm>

namespace lexiglade {

namespace {

// Frame corners from a cell's centre: the frame fills the cell's pitch box, both corners on it.
constexpr std::int32_t kFrameLeft = -Board::kColumnPitch / 2,
                       kFrameRight = Board::kColumnPitch / 2 - 1;
constexpr std::int32_t kFrameTop = -Board::kRowPitch / 2, kFrameBottom = Board::kRowPitch / 2 - 1;

} // namespace

bool WithinDeadZone(Point anchor, Point p) {
    return PixelDistance(anchor.x, anchor.y, p.x, p.y) <= kDeadZone;
}

Point CellCentre(BoardOrigin origin, Cell cell) {
    return {ColumnCentreX(origin, cell.column), RowCentreY(origin, cell.row)};
}

CursorFrame CursorFrameOf(BoardOrigin origin, Cell cell) {
    const Point c = CellCentre(origin, cell);
    return {{c.x + kFrameLeft, c.y + kFrameTop}, {c.x + kFrameRight, c.y + kFrameBottom}};
}

Cell StepCursor(Cell cell, PlayKey key) {
    switch (key) {
    case PlayKey::Left:
        --cell.column;
        break;
    case PlayKey::Right:
        ++cell.column;
        break;
    case PlayKey::Up:
        --cell.row;
        break;
    case PlayKey::Down:
        ++cell.row;
        break;
    default:
        break;
    }
    return {std::clamp(cell.column, 0, kGridColumns - 1), std::clamp(cell.row, 0, kGridRows - 1)};
}

void SelectionInput::DragBegan() {
    hold_ = SelectionHold::Drag;
    leftDeadZone_ = false;
}

bool SelectionInput::LeftPressEnds() {
    if (!IsOpen()) {
        return false;
    }
    hold_ = SelectionHold::None;
    return true;
}

bool SelectionInput::RightPressCancels() {
    return LeftPressEnds();
}

bool SelectionInput::PointerMoved(Point anchor, Point p) {
    if (hold_ == SelectionHold::Drag && !WithinDeadZone(anchor, p)) {
        leftDeadZone_ = true;
    }
    return hold_ != SelectionHold::Cursor;
}

bool SelectionInput::LeftReleaseEnds(Point anchor, Point p) {
    if (IsOpen()) {
        return false;
    }
    if (hold_ == SelectionHold::Drag && !leftDeadZone_ && WithinDeadZone(anchor, p)) {
        hold_ = SelectionHold::Pointer;
        return false;
    }
    hold_ = SelectionHold::None;
    return true;
}

KeyAction SelectionInput::Key(PlayKey key) {
    switch (key) {
    case PlayKey::Confirm:
        cursorShown_ = true;
        if (hold_ == SelectionHold::None) {
            hold_ = SelectionHold::Cursor;
            return KeyAction::Begin;
        }
        if (hold_ == SelectionHold::Cursor) {
            hold_ = SelectionHold::None;
            return KeyAction::End;
        }
        return KeyAction::None; // a selection of the mouse is ended by the mouse
    case PlayKey::Cancel:
        if (!IsOpen()) {
            return KeyAction::None;
        }
        hold_ = SelectionHold::None;
        return KeyAction::Cancel;
    default:
        break;
    }
    const Cell next = StepCursor(cursor_, key);
    if (next == cursor_ && cursorShown_) {
        return KeyAction::None; // held at the edge
    }
    cursor_ = next;
    cursorShown_ = true;
    return hold_ == SelectionHold::Cursor ? KeyAction::MoveCursorAndBand : KeyAction::MoveCursor;
}

} // namespace lexiglade
