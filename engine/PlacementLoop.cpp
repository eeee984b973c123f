#include "engine/PlacementLoop.h"

#include "engine/Random.h"

#include <bitset>
#include <span>
#include <stdexcept>

namespace lexiglade {

namespace {

constexpr int AttemptsPerPass = 5000;
// A word that failed this many attempts in a row on an unchanged grid has its fitting starts
// listed once, so that later attempts look them up instead of reading cells.
constexpr int FailuresBeforeListing = 64;

struct Word {
    const std::string* text;
    Layouts layouts;
    std::uint32_t possibleDraws; // bit d set when the direction of draw d is possible
};

constexpr std::uint32_t EveryDraw = (1u << DirectionDraws) - 1;

// Each cell must be empty or already hold the word's letter; the first that does not decides.
bool CellsFit(std::span<const char> cells, const std::string& text, Line line) {
    for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
        if (cells[at] != 0 && cells[at] != text[k]) {
            return false;
        }
    }
    return true;
}

// Both ends inside the grid keep the whole straight line inside it.
Line LineOf(Cell start, Cell last, Cell step) {
    if (!Grid::Contains(start) || !Grid::Contains(last)) {
        throw std::logic_error("word placed outside the grid");
    }
    return {CellIndex(start), StrideOf(step)};
}

// The starts at which one word fits the grid as it stands, by direction, column and drawn row.
class FitTable {
  public:
    void List(const Grid& grid, const Word& word) {
        fits_.reset();
        for (std::size_t direction = 0; direction < DirectionCount; ++direction) {
            const Layout& layout = word.layouts[direction];
            for (std::int32_t column = 0; layout.possible && column < StartsIn(layout.columns);
                 ++column) {
                for (std::int32_t row = 0; row < StartsIn(layout.rows); ++row) {
                    const Cell start{column, row + layout.rowOffset};
                    const Line line{CellIndex(start), StrideOf(layout.step)};
                    fits_[Key(direction, column, row)] = CellsFit(grid.bytes(), *word.text, line);
                }
            }
        }
    }
    bool Empty() const { return fits_.none(); }
    bool Fits(std::size_t direction, std::int32_t column, std::int32_t row) const {
        return fits_[Key(direction, column, row)];
    }

  private:
    static std::size_t Key(std::size_t direction, std::int32_t column, std::int32_t row) {
        return direction * Grid::CellCount + static_cast<std::size_t>(column * GridRows + row);
    }
    std::bitset<DirectionCount * Grid::CellCount> fits_;
};

// One attempt: the direction, then (only when the word can lie that way) column and row. With a
// table, the word's fit is looked up there instead of in the cells.
bool TryPlace(std::uint32_t& seed, Grid& grid, const Word& word, const FitTable* table,
              WordSpan& span) {
    const std::size_t direction =
        DirectionOfDraw[static_cast<std::size_t>(NextBelow(seed, DirectionDraws))];
    const Layout& layout = word.layouts[direction];
    if (!layout.possible) {
        return false;
    }
    const std::int32_t column = NextBelow(seed, layout.columns);
    const std::int32_t row = NextBelow(seed, layout.rows);
    const std::string& text = *word.text;
    const Cell start{column, row + layout.rowOffset};
    const WordSpan placed{start,
                          LastCell(start, layout.step, static_cast<std::int32_t>(text.size()))};
    if (!text.empty()) {
        const Line line = LineOf(placed.start, placed.end, layout.step);
        const std::span<char, Grid::CellCount> cells = grid.bytes();
        if (table != nullptr ? !table->Fits(direction, column, row)
                             : !CellsFit(cells, text, line)) {
            return false;
        }
        for (std::size_t k = 0, at = line.first; k < text.size(); ++k, at += line.stride) {
            cells[at] = text[k];
        }
    }
    span = placed;
    return true;
}

// Moves the generator past `count` attempts that are known to fail: three draws each when every
// direction is possible, otherwise one for the direction and two more when it is possible.
void SkipFailingAttempts(std::uint32_t& seed, const Word& word, int count) {
    if (word.possibleDraws == EveryDraw) {
        seed = SkipDraws(seed, 3 * static_cast<std::uint64_t>(count));
        return;
    }
    std::uint32_t state = seed;
    for (; count > 0; --count) {
        const auto draw = static_cast<std::uint32_t>(NextBelow(state, DirectionDraws));
        // Without a branch: which way it goes is a coin toss the processor cannot foresee.
        const std::uint32_t possible = 0u - ((word.possibleDraws >> draw) & 1u);
        state = (SkipDraws(state, 2) & possible) | (state & ~possible);
    }
    seed = state;
}

// One pass of at most 5001 attempts; true when the last word was placed by attempt 5000. A word
// with no fitting start left fails every remaining attempt of the pass, whose draws are skipped.
bool RunPass(std::uint32_t& seed, Grid& grid, const std::vector<Word>& words,
             std::vector<WordSpan>& spans) {
    std::size_t index = 0;
    int failures = 0;
    FitTable table;
    for (int attempt = 1; attempt <= AttemptsPerPass + 1; ++attempt) {
        const bool listed = failures >= FailuresBeforeListing;
        if (listed && table.Empty()) {
            SkipFailingAttempts(seed, words[index], AttemptsPerPass + 2 - attempt);
            return false;
        }
        if (!TryPlace(seed, grid, words[index], listed ? &table : nullptr, spans[index])) {
            if (++failures == FailuresBeforeListing) {
                table.List(grid, words[index]);
            }
            continue;
        }
        failures = 0;
        if (++index == words.size()) {
            return attempt <= AttemptsPerPass; // checked before completion: 5001 starts over
        }
    }
    return false;
}

} // namespace

bool RunPlacementLoop(std::uint32_t& seed, Grid& grid, const std::vector<std::string>& texts,
                      std::vector<WordSpan>& spans) {
    std::vector<Word> words;
    words.reserve(texts.size());
    for (const std::string& text : texts) {
        const Layouts layouts = LayoutsFor(static_cast<std::int32_t>(text.size()));
        std::uint32_t possibleDraws = 0;
        for (std::size_t draw = 0; draw < DirectionOfDraw.size(); ++draw) {
            possibleDraws |= layouts[DirectionOfDraw[draw]].possible ? 1u << draw : 0u;
        }
        words.push_back({&text, layouts, possibleDraws});
    }
    if (words.empty()) {
        return true;
    }
    for (int restarts = 0;; ++restarts) {
        if (RunPass(seed, grid, words, spans)) {
            return true;
        }
        grid.clear();
        if (restarts == GridRestartLimit) {
            return false;
        }
    }
}

} // namespace lexiglade
