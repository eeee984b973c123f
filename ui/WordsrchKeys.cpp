// The puzzle screen's play without a drag: a click that leaves the selection open to follow the
// pointer, and a cell cursor that the keys move, anchor and end selections with.
#include "ui/Wordsrch.h"

#include "app/SharedState.h"
#include "platform/GdiTypes.h"
#include "ui/Drawkit.h"

#include <QKeyEvent>

#include <optional>

namespace lexiglade {

namespace {

std::optional<PlayKey> PlayKeyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return PlayKey::Left;
    case Qt::Key_Right:
        return PlayKey::Right;
    case Qt::Key_Up:
        return PlayKey::Up;
    case Qt::Key_Down:
        return PlayKey::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PlayKey::Confirm;
    case Qt::Key_Escape:
        return PlayKey::Cancel;
    default:
        return std::nullopt;
    }
}

} // namespace

void Tsearcher::SetUpKeyboardPlay() {
    setMouseTracking(true); // an open selection follows the pointer with no button held
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
}

// A press while a selection is open ends it (left) or drops it (right); true when it took the
// press.
bool Tsearcher::OpenSelectionTakesPress(Qt::MouseButton button, int x, int y) {
    if (!Session.SelectionActive()) {
        return false;
    }
    if (button == Qt::LeftButton && Input.LeftPressEnds()) {
        FinishSelection(x, y);
        return true;
    }
    if (button == Qt::RightButton && Input.RightPressCancels()) {
        CancelSelection();
        return true;
    }
    return false;
}

// Ends the selection as a release at (x, y) does; the cursor is off while a found word is saved.
void Tsearcher::FinishSelection(int x, int y) {
    Input.Ended();
    cursorSuspended_ = true;
    HideCursor();
    EndSelection(x, y);
    cursorSuspended_ = false;
    ShowCursor();
}

void Tsearcher::CancelSelection() {
    Input.Ended();
    DrawRubberBand(); // the second drawing erases it
    Session.Cancel();
}

void Tsearcher::keyPressEvent(QKeyEvent* event) {
    const std::optional<PlayKey> key = PlayKeyOf(event->key());
    if (!key || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        SurfaceForm::keyPressEvent(event);
        return;
    }
    HandlerScope scope(*this);
    if (!releaseRequested_ && !Shared().NewGame) {
        PlayKeyPressed(*key);
    }
}

void Tsearcher::PlayKeyPressed(PlayKey key) {
    HideCursor();
    const KeyAction action = Input.Key(key);
    ShowCursor();
    const Point centre = CellCentre(Origin(), Input.Cursor());
    switch (action) {
    case KeyAction::MoveCursorAndBand:
        TrackSelection(centre.x, centre.y);
        break;
    case KeyAction::Begin:
        if (!BeginSelection(centre.x, centre.y)) {
            Input.Ended();
        }
        break;
    case KeyAction::End:
        FinishSelection(centre.x, centre.y);
        break;
    case KeyAction::Cancel:
        CancelSelection();
        break;
    case KeyAction::None:
    case KeyAction::MoveCursor:
        break;
    }
}

void Tsearcher::DrawRubberBand() {
    DrawBands({Session.RubberBand()}, SelectionColour, R2_XORPEN);
}

// Four sides of one pixel, each pixel drawn once, so a second drawing erases the frame.
void Tsearcher::DrawCursorFrame(Cell cell) {
    const CursorFrame frame = CursorFrameOf(Origin(), cell);
    const Point a = frame.topLeft;
    const Point b = frame.bottomRight;
    WindowDC dc(*this, QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)));
    SelectedPalette palette(*dc);
    dc->SelectObject(CreatePen(PS_SOLID, 1, PaletteColour(PaletteRole::Cursor)));
    dc->SetROP2(R2_XORPEN);
    dc->MoveToEx(a.x, a.y);
    dc->LineTo(b.x, a.y);
    dc->LineTo(b.x, b.y);
    dc->LineTo(a.x, b.y);
    dc->LineTo(a.x, a.y);
}

void Tsearcher::ShowCursor() {
    if (!cursorOnScreen_ && !cursorSuspended_ && Input.CursorShown() && !releaseRequested_) {
        DrawCursorFrame(Input.Cursor());
        cursorOnScreen_ = true;
    }
}

void Tsearcher::HideCursor() {
    if (cursorOnScreen_) {
        DrawCursorFrame(Input.Cursor());
        cursorOnScreen_ = false;
    }
}

// A paint has drawn the screen afresh: the running band and the cursor go back on it.
void Tsearcher::DrawInputMarks() {
    cursorOnScreen_ = false;
    if (Session.SelectionActive()) {
        DrawRubberBand();
    }
    ShowCursor();
}

} // namespace lexiglade
