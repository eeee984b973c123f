#pragma once
// One game, without a window: the grid and its words, the hints still to be found in their
// on-screen order, the drag selection, the clock and the end of the game. The puzzle screen asks
// it and then draws what it answers.
#include "engine/GameOptions.h"
#include "engine/Grid.h"
#include "engine/Matching.h"
#include "engine/Selection.h"
#include "library/Puzzle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// A capsule as drawn: caps around both ends oriented by the bearing, sides between them.
struct Band {
    Point anchor;
    Point farEnd;
    std::int32_t bearing = 0;
    bool operator==(const Band&) const = default;
};

// A move of the rubber band: the capsule to draw again (which erases it), then the new one.
struct RubberMove {
    Band erased;
    Band drawn;
};

// A word found by a release: its permanent mark, and the hint positions removed for it, each a
// position in the hint list at the moment of its removal, in the order they go.
struct Find {
    std::int32_t word = 0;
    Band mark;
    std::vector<std::int32_t> removedHints;
};

// A timed game whose limit has passed: the rubber band to erase when a selection was running
// (it is dropped), and every word not yet found, to be shown to the player (WordBand).
struct TimeOut {
    std::optional<Band> erased;
    std::vector<PlacedWord> unfound;
};

// The capsule of a placed word: from the centre of its first cell to that of its last.
Band WordBand(BoardOrigin origin, const PlacedWord& word);

struct ReleaseResult {
    Band erased;             // the rubber band as last drawn
    std::vector<Find> found; // in the order they were found
    bool won = false;        // the last hint has gone; no word after the winning one counts
};

class PuzzleSession {
  public:
    // The generation: the clock back to 0, then the hint list of words 0 to n - 1 built (picture
    // hints when hint 0 holds a full stop; "List index out of bounds" for a missing hint 0 or hint
    // of a word) before any random number is drawn, then the grid (GenerateGrid, and its
    // GridError).
    void Start(const LoadedPuzzle& puzzle, const GameOptions& options);

    // A left press at p: within the board's press area the selection becomes active when p
    // snaps to a cell short of the limits, and inactive otherwise; elsewhere it stays as it was.
    // True when a selection has started: a full circle at the anchor.
    bool Press(BoardOrigin origin, Point p);
    // The pointer of an active selection at p: no move within 10 pixels of the anchor.
    std::optional<RubberMove> Track(Point p);
    // The left button let go at p: the selection ends and the pair of cells is matched both ways.
    ReleaseResult Release(BoardOrigin origin, Point p);
    // The running selection is dropped: nothing is matched; the band drawn last is to be erased.
    void Cancel() { selection_.SelectionActive = false; }
    // One second more; when a timed game's limit has just passed and the game is not won, the
    // time-out.
    std::optional<TimeOut> Tick();
    // The game is over, won or not; the music is not to start again.
    void EndGame() { gameOver_ = true; }

    // The grid of the latest copy printed with a grid of its own.
    void KeepPrintGrid(const Grid& printed) { grids_.PrintGrid = printed; }

    const GridState& Grids() const { return grids_; }
    const RetiredWords& Retired() const { return retired_; }
    // The hints still to be found, in their on-screen order.
    const std::vector<std::string>& Hints() const { return hints_; }
    // The hints are picture files: the first hint holds a full stop.
    bool PictureHints() const { return pictureHints_; }
    const SelectionState& Selection() const { return selection_; }
    bool SelectionActive() const { return selection_.SelectionActive; }
    // The rubber band as last drawn: from the anchor to the pointer, with its bearing.
    Band RubberBand() const;
    std::int32_t ElapsedSeconds() const { return elapsed_; }
    // The time limit of a timed game in seconds; none when the game is not timed.
    std::optional<std::int32_t> TimeLimit() const;
    bool Won() const { return won_; }
    // The elapsed time at the last find of a won game.
    std::int32_t TimeTaken() const { return timeTaken_; }
    bool GameOver() const { return gameOver_; }
    const GameOptions& Options() const { return options_; }

  private:
    void BuildHintList();
    std::vector<PlacedWord> UnfoundWords() const;
    std::vector<std::int32_t> RemoveHints(const std::string& text);

    TextList words_;
    TextList wordHints_; // the hint of each word, as loaded
    GameOptions options_;
    GridState grids_;
    RetiredWords retired_;
    std::vector<std::string> hints_;
    SelectionState selection_;
    std::int32_t elapsed_ = 0;
    std::int32_t timeTaken_ = 0;
    bool pictureHints_ = false;
    bool won_ = false;
    bool gameOver_ = false;
};

} // namespace lexiglade
