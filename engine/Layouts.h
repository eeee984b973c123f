#pragma once
// Where a word may lie: the directions and start ranges shared by the placement loop and the
// placement search.
#include "engine/Grid.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace lexiglade {

// Where a placed word lies: the cells of its text's first and last letters.
struct WordSpan {
    Cell start;
    Cell end;
};

// Where a word may start in one direction and how its letters follow one another.
struct Layout {
    bool possible = false;
    std::int32_t columns = 0; // start column drawn below this
    std::int32_t rows = 0;    // start row drawn below this, then rowOffset added
    std::int32_t rowOffset = 0;
    Cell step;
};

inline constexpr std::size_t kDirectionCount = 4;
using Layouts = std::array<Layout, kDirectionCount>;

// Across, Down, DownRight, UpRight for a word of `length` letters. A direction is impossible when
// its range is negative, and upward also when the start row would be 15.
constexpr Layouts LayoutsFor(std::int32_t length) {
    const std::int32_t columns = kGridColumns - length;
    const std::int32_t rows = kGridRows - length;
    return {{
        {columns >= 0, columns, kGridRows, 0, {1, 0}},
        {rows >= 0, kGridColumns, rows, 0, {0, 1}},
        {columns >= 0 && rows >= 0, columns, rows, 0, {1, 1}},
        {columns >= 0 && rows > 0, columns, rows, length, {1, -1}},
    }};
}

// A draw below n gives 0 to n - 1, and 0 when n is 0: a range of n starts holds max(n, 1).
constexpr std::int32_t StartsIn(std::int32_t range) {
    return range > 0 ? range : 1;
}

// Draws 0 to 2 lie across, 3 to 7 down, 8 to 11 down-right, 12 to 15 up-right.
inline constexpr std::int32_t kDirectionDraws = 16;
inline constexpr std::array<std::size_t, kDirectionDraws> kDirectionOfDraw = {
    0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};

// A word's cells as positions in the column-major bytes: first, first + stride, ...; every
// direction runs to the right or down, so the stride is positive.
struct Line {
    std::size_t first = 0;
    std::size_t stride = 0;
};

constexpr std::size_t CellIndex(Cell cell) {
    return static_cast<std::size_t>(cell.column * kGridRows + cell.row);
}

constexpr std::size_t StrideOf(Cell step) {
    return static_cast<std::size_t>(step.column * kGridRows + step.row);
}

// The cell of the text's last letter, for a text of `length` letters starting at `start`.
constexpr Cell LastCell(Cell start, Cell step, std::int32_t length) {
    return {start.column + (length - 1) * step.column, start.row + (length - 1) * step.row};
}

} // namespace lexiglade
