// The puzzle screen's play without a drag: a click that leaves the selection open to follow the
// pointer, and a cell cursor that the keys move, anchor and end selections with, shown as a frame.
#include "ui/Wordsrch.h"

#include "platform/FocusMarks.h"
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
    SetFocusMarkColour(*this, kit_.PaletteQColor(PaletteRole::Cursor)); // on the dark band
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

// Ends the selection as a release at (x, y) does.
void Tsearcher::FinishSelection(int x, int y) {
    Input.Ended();
    EndSelection(x, y);
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
    if (!releaseRequested_ && !newGame_) {
        PlayKeyPressed(*key);
    }
}

void Tsearcher::PlayKeyPressed(PlayKey key) {
    const KeyAction action = Input.Key(key);
    ShowCursorFrame();
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
    painter_.DrawBands({Session.RubberBand()}, SelectionColour, R2_XORPEN);
}

// The frame is shown from the first play key on, until the game ends, while the keys go to the
// board rather than to the hint list. Only the areas it leaves and enters are put on the screen
// again.
void Tsearcher::ShowCursorFrame() {
    std::optional<Cell> wanted;
    if (Input.CursorShown() && !releaseRequested_ && focusWidget() == this) {
        wanted = Input.Cursor();
    }
    painter_.ShowFrame(wanted, Origin());
}

// The frame lies over the form's pixels, never in them.
void Tsearcher::PaintOverlay(QPainter& painter) {
    if (!releaseRequested_) {
        painter_.PaintFrame(painter, Origin());
    }
}

void Tsearcher::focusInEvent(QFocusEvent* event) {
    SurfaceForm::focusInEvent(event);
    ShowCursorFrame();
}

void Tsearcher::focusOutEvent(QFocusEvent* event) {
    SurfaceForm::focusOutEvent(event);
    ShowCursorFrame();
}

// A paint has drawn the screen afresh: the running band goes back on it.
void Tsearcher::DrawInputMarks() {
    if (Session.SelectionActive()) {
        DrawRubberBand();
    }
}

} // namespace lexiglade
