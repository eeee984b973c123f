#include "engine/PuzzleSession.h"

#include "engine/Clock.h"
#include "engine/GridGenerator.h"

namespace lexiglade {

void PuzzleSession::Start(const LoadedPuzzle& puzzle, const GameOptions& options) {
    elapsed_ = 0;
    words_ = puzzle.words;
    wordHints_ = puzzle.hints;
    options_ = options;
    BuildHintList(); // before any random number is drawn
    grids_ = GenerateGrid(words_, options_.backwardWords);
    retired_.assign(grids_.PlacedWords.size(), false);
    won_ = false;
    gameOver_ = false;
}

void PuzzleSession::BuildHintList() {
    pictureHints_ = ListItem(wordHints_, 0).find('.') != std::string::npos; // only hint 0 decides
    hints_.clear();
    for (std::size_t i = 0; i < words_.size(); ++i) {
        hints_.push_back(ListItem(wordHints_, static_cast<std::int64_t>(i)));
    }
}

bool PuzzleSession::Press(BoardOrigin origin, Point p) {
    if (!InPressRectangle(origin, p)) {
        return false;
    }
    const std::optional<SnappedCell> anchor = BeginAnchor(origin, p);
    if (!anchor) {
        selection_.SelectionActive = false;
        return false;
    }
    selection_ = StartedSelection(*anchor);
    return true;
}

Band PuzzleSession::RubberBand() const {
    return {AnchorPoint(selection_), RubberPoint(selection_), selection_.RubberBearing};
}

std::optional<RubberMove> PuzzleSession::Track(Point p) {
    const Point anchor = AnchorPoint(selection_);
    if (PixelDistance(anchor.x, anchor.y, p.x, p.y) <= Board::DragThreshold) {
        return std::nullopt; // measured from the anchor, not from the last pointer position
    }
    const Band erased = RubberBand();
    selection_.RubberX = p.x;
    selection_.RubberY = p.y;
    selection_.RubberBearing = QuantiseBearing(anchor, p);
    return RubberMove{erased, RubberBand()};
}

ReleaseResult PuzzleSession::Release(BoardOrigin origin, Point p) {
    ReleaseResult result{RubberBand(), {}, false};
    selection_.SelectionActive = false;
    const std::optional<SnappedCell> end = ReleaseCell(origin, p);
    if (!end) {
        return result; // outside the grid, or beside its cells: nothing matches
    }
    for (const std::int32_t k :
         FindMatches(grids_.PlacedWords, retired_, AnchorCell(selection_), end->cell)) {
        const PlacedWord& word = grids_.PlacedWords[static_cast<std::size_t>(k)];
        const Band mark{AnchorPoint(selection_), end->centre, selection_.RubberBearing};
        result.found.push_back(
            {k, mark, RemoveHints(ReadingOrder(word.text, word.reversed, options_.backwardWords))});
        if (hints_.empty()) {
            won_ = true; // the time taken is that of this find
            timeTaken_ = elapsed_;
            result.won = true;
            break;
        }
    }
    return result;
}

std::vector<std::int32_t> PuzzleSession::RemoveHints(const std::string& text) {
    const std::vector<std::int32_t> removals = HintRemovals(words_, wordHints_, text, hints_);
    for (const std::int32_t j : removals) {
        hints_.erase(hints_.begin() + j);
    }
    return removals;
}

std::optional<TimeOut> PuzzleSession::Tick() {
    ++elapsed_;
    if (won_ || !TimeExpired(options_, elapsed_)) {
        return std::nullopt;
    }
    TimeOut timeOut{std::nullopt, UnfoundWords()};
    if (selection_.SelectionActive) {
        timeOut.erased = RubberBand();
        selection_.SelectionActive = false;
    }
    return timeOut;
}

std::optional<std::int32_t> PuzzleSession::TimeLimit() const {
    if (!options_.timedGame) {
        return std::nullopt;
    }
    return TimeLimitSeconds(options_.timeLimitChoice);
}

std::vector<PlacedWord> PuzzleSession::UnfoundWords() const {
    std::vector<PlacedWord> unfound;
    for (std::size_t k = 0; k < grids_.PlacedWords.size(); ++k) {
        if (k >= retired_.size() || !retired_[k]) {
            unfound.push_back(grids_.PlacedWords[k]);
        }
    }
    return unfound;
}

Band WordBand(BoardOrigin origin, const PlacedWord& word) {
    const Point start{ColumnCentreX(origin, word.start.column), RowCentreY(origin, word.start.row)};
    const Point end{ColumnCentreX(origin, word.end.column), RowCentreY(origin, word.end.row)};
    return {start, end, QuantiseBearing(start, end)};
}

} // namespace lexiglade
