#include "engine/Grid.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexiglade {
namespace {

TEST(Grid, ContainsExactlyTwentyTwoColumnsByFifteenRows) {
    const std::pair<Cell, bool> cases[] = {
        {{0, 0}, true},   {{21, 14}, true}, {{21, 0}, true},  {{0, 14}, true},   {{22, 0}, false},
        {{0, 15}, false}, {{-1, 0}, false}, {{0, -1}, false}, {{22, 15}, false}, {{10, 7}, true},
    };
    for (const auto& [cell, inside] : cases) {
        EXPECT_EQ(Grid::Contains(cell), inside) << cell.column << "," << cell.row;
    }
}

TEST(Grid, HoldsCellsColumnByColumn) {
    Grid grid;
    grid.at({0, 1}) = 'A';
    grid.at({1, 0}) = 'B';
    grid.at({21, 14}) = 'C';
    const auto bytes = grid.bytes();
    EXPECT_EQ(bytes[1], 'A');
    EXPECT_EQ(bytes[15], 'B');
    EXPECT_EQ(bytes[329], 'C');
    EXPECT_EQ(bytes.size(), 330u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0), 327);
}

TEST(Grid, StartsEmptyAndClearsToEmpty) {
    Grid grid;
    EXPECT_EQ(grid, Grid{});
    for (int column = 0; column < kGridColumns; ++column) {
        grid.at({column, column % kGridRows}) = 'Q';
    }
    EXPECT_NE(grid, Grid{});
    grid.clear();
    EXPECT_EQ(grid, Grid{});
}

TEST(Grid, RefusesCellsOutsideIt) {
    Grid grid;
    const Grid& view = grid;
    for (Cell cell : {Cell{22, 0}, Cell{0, 15}, Cell{-1, 3}, Cell{5, -1}}) {
        EXPECT_THROW(grid.at(cell) = 'X', std::out_of_range);
        EXPECT_THROW(static_cast<void>(view.at(cell)), std::out_of_range);
    }
    EXPECT_EQ(grid, Grid{});
}

} // namespace
} // namespace lexiglade
