#pragma once
// The letter grid and the table of placed words.
#include "library/TextList.h"

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexiglade {

inline constexpr int GridColumns = 22, GridRows = 15;

struct Cell {
    std::int32_t column = 0;
    std::int32_t row = 0;
    auto operator<=>(const Cell&) const = default;
};

// 22 x 15 one-byte cells held column by column; 0 marks an empty cell.
class Grid {
  public:
    static constexpr std::size_t CellCount = GridColumns * GridRows;

    static bool Contains(Cell cell) {
        return cell.column >= 0 && cell.column < GridColumns && cell.row >= 0 &&
               cell.row < GridRows;
    }

    // Throws std::out_of_range for a cell outside the grid.
    char& at(Cell cell) { return cells_[Index(cell)]; }
    char at(Cell cell) const { return cells_[Index(cell)]; }

    void clear() { cells_.fill(0); }

    // Column 0 rows 0 to 14, then column 1, and so on.
    std::span<const char, CellCount> bytes() const { return cells_; }
    std::span<char, CellCount> bytes() { return cells_; }

    bool operator==(const Grid&) const = default;

  private:
    static std::size_t Index(Cell cell);

    std::array<char, CellCount> cells_{};
};

struct PlacedWord {
    std::string text; // upper-cased, back to front when reversed
    bool reversed = false;
    Cell start; // cell of text's first character
    Cell end;   // cell of text's last character
    bool operator==(const PlacedWord&) const = default;
};

struct GridState {
    Grid LetterGrid;
    Grid PrintGrid;
    std::vector<PlacedWord> PlacedWords;
    std::int32_t LastWordIndex = -1;
};

// The placement loop gives up after this many passes of 5000 attempts each (a tenth of a second
// or so, where puzzles of ordinary words need a few passes at most); a search then takes over.
inline constexpr int PlacementPassLimit = 5001;

// The words of a puzzle cannot all be placed together.
class GridError : public std::runtime_error {
  public:
    GridError() : std::runtime_error("The words of this puzzle do not fit in the grid") {}
};

// Clears LetterGrid, runs buildHintLists (which must draw no random numbers), then hides every
// word and fills the rest with random letters. Always true; throws GridError, leaving LetterGrid
// empty, when neither the placement loop nor the searches after it place the words (never for
// words that AlwaysPlaceable accepts).
bool GenerateGrid(GridState& state, const TextList& words, bool backwardWords,
                  const std::function<void()>& buildHintLists = {});

// Whether GenerateGrid and BuildPrintGrid place these words whatever the generator holds and
// whether or not backward words are allowed: the check a new puzzle's words must pass.
bool AlwaysPlaceable(const TextList& words);

// A fresh grid of words 0 to LastWordIndex into PrintGrid; nothing else changes. Returns where each
// word lies in it, as GenerateGrid records PlacedWords. Throws GridError as GenerateGrid does, and
// "List index out of bounds" when words is shorter than that.
std::vector<PlacedWord> BuildPrintGrid(GridState& state, const TextList& words, bool backwardWords);

} // namespace lexiglade
