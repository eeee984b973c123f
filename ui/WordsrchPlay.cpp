// The puzzle screen's play: the drag selection, matching a released selection, the clock.
#include "ui/Wordsrch.h"

#include "app/SharedState.h"
#include "engine/BestTimes.h"
#include "engine/Clock.h"
#include "engine/Matching.h"
#include "platform/MessageBoxes.h"
#include "platform/Texts.h"
#include "ui/Drawkit.h"
#include "ui/HintCombo.h"

#include <QComboBox>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace lexiglade {

namespace {

// The screen area a capsule can touch: both ends and the radius around them.
QRect CapsuleArea(int ax, int ay, int fx, int fy) {
    return QRect(QPoint(std::min(ax, fx) - 11, std::min(ay, fy) - 11),
                 QPoint(std::max(ax, fx) + 11, std::max(ay, fy) + 11));
}

BoardOrigin OriginOf(const Tsearcher& form) {
    return {form.BoardLeft, form.BoardTop};
}

} // namespace

void Tsearcher::UseSelectionPen(DeviceContext& dc) {
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteColour(SelectionColour)));
    dc.SetROP2(R2_XORPEN);
}

void Tsearcher::DrawCapsule(DeviceContext& dc, int ax, int ay, int fx, int fy, int bearing) {
    const Capsule capsule = CapsuleFigure({ax, ay}, {fx, fy}, bearing);
    for (const CapFigure& cap : {capsule.anchorCap, capsule.farCap}) {
        dc.Arc(cap.topLeft.x, cap.topLeft.y, cap.bottomRight.x, cap.bottomRight.y, cap.arc.start.x,
               cap.arc.start.y, cap.arc.end.x, cap.arc.end.y);
    }
    for (const Segment& side : {capsule.side1, capsule.side2}) {
        DrawSegment(dc, side.from.x, side.from.y, side.to.x, side.to.y);
    }
}

bool Tsearcher::BeginSelection(int x, int y) {
    const std::optional<SnappedCell> anchor = BeginAnchor(OriginOf(*this), {x, y});
    if (!anchor) {
        return false;
    }
    const Point centre = anchor->centre;
    WindowDC dc(*this, CapsuleArea(centre.x, centre.y, centre.x, centre.y));
    SelectedPalette palette(*dc);
    UseSelectionPen(*dc);
    DrawCapsule(*dc, centre.x, centre.y, centre.x, centre.y, 90);
    Selection.AnchorColumn = anchor->cell.column;
    Selection.AnchorRow = anchor->cell.row;
    Selection.AnchorX = Selection.RubberX = centre.x;
    Selection.AnchorY = Selection.RubberY = centre.y;
    Selection.RubberBearing = 90;
    return true;
}

void Tsearcher::TrackSelection(int x, int y) {
    SelectionState& s = Selection;
    if (PixelDistance(s.AnchorX, s.AnchorY, x, y) <= 10) {
        return;
    }
    const QRect area = CapsuleArea(s.AnchorX, s.AnchorY, s.RubberX, s.RubberY)
                           .united(CapsuleArea(s.AnchorX, s.AnchorY, x, y));
    WindowDC dc(*this, area);
    SelectedPalette palette(*dc);
    UseSelectionPen(*dc);
    DrawCapsule(*dc, s.AnchorX, s.AnchorY, s.RubberX, s.RubberY, s.RubberBearing);
    const int bearing = QuantiseBearing({s.AnchorX, s.AnchorY}, {x, y});
    DrawCapsule(*dc, s.AnchorX, s.AnchorY, x, y, bearing);
    s.RubberX = x;
    s.RubberY = y;
    s.RubberBearing = bearing;
}

void Tsearcher::EndSelection(int x, int y) {
    SelectionState& s = Selection;
    {
        WindowDC dc(*this, CapsuleArea(s.AnchorX, s.AnchorY, s.RubberX, s.RubberY));
        SelectedPalette palette(*dc);
        UseSelectionPen(*dc);
        DrawCapsule(*dc, s.AnchorX, s.AnchorY, s.RubberX, s.RubberY, s.RubberBearing);
    }
    s.SelectionActive = false;
    const std::optional<SnappedCell> end = ReleaseCell(OriginOf(*this), {x, y});
    if (!end) {
        return; // outside the grid, or beside its cells: nothing matches
    }
    const GridState& grids = Shared().Grids;
    const Cell anchor{s.AnchorColumn, s.AnchorRow};
    for (const std::int32_t k : FindMatches(grids.PlacedWords, retired_, anchor, end->cell)) {
        FoundWord(static_cast<std::size_t>(k), end->centre.x, end->centre.y);
        if (Combo1->count() == 0) {
            // The time taken is that of the last find, however long the message stays open; the
            // game is won, even if the time limit passes meanwhile.
            const std::int32_t timeTaken = ElapsedSeconds;
            won_ = true;
            ShowInformation(QStringLiteral("Very Good! You found them all!"));
            if (!GameOver) {
                RecordBestTime(timeTaken);
                EndGame();
            }
            return;
        }
    }
}

void Tsearcher::FoundWord(std::size_t k, int x, int y) {
    const SharedState& state = Shared();
    PlaySoundEffect(2);
    {
        WindowDC dc(*this, CapsuleArea(Selection.AnchorX, Selection.AnchorY, x, y));
        SelectedPalette palette(*dc);
        dc->SelectObject(CreatePen(PS_SOLID, 1, PaletteColour(35)));
        dc->SetROP2(R2_COPYPEN);
        DrawCapsule(*dc, Selection.AnchorX, Selection.AnchorY, x, y, Selection.RubberBearing);
    }
    const PlacedWord& word = state.Grids.PlacedWords[k];
    RemoveHints(ReadingOrder(word.text, word.reversed, state.GameOptions.backwardWords));
    Combo1->setCurrentIndex(0);
    if (PictureHints) {
        Combo2->setCurrentIndex(0);
    }
}

void Tsearcher::RemoveHints(const std::string& text) {
    const LoadedPuzzle& puzzle = Shared().LoadedPuzzle;
    std::vector<std::string> entries;
    for (int j = 0; j < Combo1->count(); ++j) {
        entries.push_back(LibraryBytes(Combo1->itemText(j)));
    }
    for (const std::int32_t j : HintRemovals(puzzle.words, puzzle.hints, text, entries)) {
        SaveScreen();
        Combo1->removeItem(j);
        Combo2->removeItem(j);
    }
}

void Tsearcher::RecordBestTime(std::int32_t timeTaken) {
    const SharedState& state = Shared();
    std::string report;
    try {
        report = lexiglade::RecordBestTime(state.DataDir, state.LoadedPuzzle.puzzleIndex, timeTaken,
                                           state.GameOptions.backwardWords);
    } catch (const std::exception& error) {
        ShowErrorBox(ErrorText(error)); // the game still ends
        return;
    }
    ShowInformation(LibraryText(report));
}

void Tsearcher::Timer1Timer() {
    HandlerScope scope(*this);
    const SharedState& state = Shared();
    ++ElapsedSeconds;
    const std::string text = ClockText(ElapsedSeconds);
    FillBox(BoardLeft, BoardTop, BoardLeft + 300, BoardTop + 15, 1, 1, Kit().GamePalette[69]);
    {
        WindowDC dc(*this, QRect(BoardLeft, BoardTop, 300, 15));
        SelectedPalette palette(*dc);
        dc->SelectObject(CreateFont("System", -13));
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextAlign(TA_LEFT | TA_TOP);
        dc->SetTextColor(PaletteColour(94));
        dc->TextOutA(BoardLeft, BoardTop, text);
        dc->SetBkMode(OPAQUE);
    }
    if (!won_ && TimeExpired(state.GameOptions, ElapsedSeconds)) {
        Timer1->stop();
        ShowInformation(QStringLiteral("Uh-oh... the timer has expired! Better luck next time!"));
        EndGame();
    }
}

} // namespace lexiglade
