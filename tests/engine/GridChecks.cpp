#include "GridChecks.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

namespace lexiglade::test {

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

bool HoldsFrom(const Grid& grid, const std::string& text, Cell start, Cell step) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const int offset = static_cast<int>(k);
        const Cell cell{start.column + offset * step.column, start.row + offset * step.row};
        if (!Grid::Contains(cell) || grid.at(cell) != text[k]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<Cell> LineCells(Cell start, Cell end) {
    const Cell step{Sign(end.column - start.column), Sign(end.row - start.row)};
    std::vector<Cell> cells{start};
    while (cells.back() != end && cells.size() <= GridColumns) {
        cells.push_back({cells.back().column + step.column, cells.back().row + step.row});
    }
    return cells;
}

std::string ReadLine(const Grid& grid, Cell start, Cell end) {
    std::string text;
    for (Cell cell : LineCells(start, end)) {
        text += grid.at(cell);
    }
    return text;
}

long CountCells(const Grid& grid, char value) {
    long count = 0;
    for (char cell : grid.bytes()) {
        count += cell == value;
    }
    return count;
}

bool HoldsWord(const Grid& grid, const std::string& text) {
    for (int column = 0; column < GridColumns; ++column) {
        for (int row = 0; row < GridRows; ++row) {
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    if ((dc != 0 || dr != 0) && HoldsFrom(grid, text, {column, row}, {dc, dr})) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

void ExpectSameAsModel(const GridState& state, const ModelOutcome& model) {
    for (int column = 0; column < GridColumns; ++column) {
        for (int row = 0; row < GridRows; ++row) {
            ASSERT_EQ(state.LetterGrid.at({column, row}), model.at(row, column))
                << "cell " << column << "," << row;
        }
    }
    ASSERT_EQ(state.PlacedWords.size(), model.words.size());
    for (std::size_t i = 0; i < model.words.size(); ++i) {
        EXPECT_EQ(state.PlacedWords[i], model.words[i]) << "word " << i;
    }
    EXPECT_EQ(state.LastWordIndex, static_cast<std::int32_t>(model.words.size()) - 1);
    EXPECT_EQ(RandomSeed(), model.seed);
}

std::string Repeat(char ch, int count) {
    return std::string(static_cast<std::size_t>(count), ch);
}

} // namespace lexiglade::test
