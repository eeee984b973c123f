#pragma once
// The letter grid and the table of placed words.
#include <array> // and <compare>, for Cell's ordering
#include <cstdint>
#include <span>
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

} // namespace lexiglade
