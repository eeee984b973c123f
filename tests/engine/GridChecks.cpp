#include "GridChecks.h"

#include "engine/Random.h"

#include <algorithm>
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
    while (cells.back() != end && cells.size() <= kGridColumns) {
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
    for (int column = 0; column < kGridColumns; ++column) {
        for (int row = 0; row < kGridRows; ++row) {
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
    for (int column = 0; column < kGridColumns; ++column) {
        for (int row = 0; row < kGridRows; ++row) {
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

bool StartAllowed(Cell start, Cell step, int length) {
    const auto within = [](int value, int range) {
        return value >= 0 && value < std::max(range, 1);
    };
    const bool right = kGridColumns - length >= 0 && within(start.column, kGridColumns - length);
    const bool down = kGridRows - length >= 0 && within(start.row, kGridRows - length);
    if (step == Cell{1, 0}) {
        return right && within(start.row, kGridRows);
    }
    if (step == Cell{0, 1}) {
        return within(start.column, kGridColumns) && down;
    }
    if (step == Cell{1, 1}) {
        return right && down;
    }
    if (step == Cell{1, -1}) {
        return right && kGridRows - length > 0 && within(start.row - length, kGridRows - length);
    }
    return false;
}

void ExpectPlacedByTheRules(const Grid& grid, const std::vector<std::string>& texts,
                            const std::vector<Cell>& starts, const std::vector<Cell>& ends,
                            bool onlyWords) {
    ASSERT_EQ(starts.size(), texts.size());
    ASSERT_EQ(ends.size(), texts.size());
    std::vector<bool> covered(Grid::kCellCount, false);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int length = static_cast<int>(texts[i].size());
        const Cell step{Sign(ends[i].column - starts[i].column), Sign(ends[i].row - starts[i].row)};
        EXPECT_TRUE(StartAllowed(starts[i], step, length))
            << texts[i] << " from " << starts[i].column << "," << starts[i].row << " by "
            << step.column << "," << step.row;
        EXPECT_EQ(ends[i], (Cell{starts[i].column + (length - 1) * step.column,
                                 starts[i].row + (length - 1) * step.row}))
            << texts[i];
        EXPECT_EQ(ReadLine(grid, starts[i], ends[i]), texts[i]);
        for (Cell cell : LineCells(starts[i], ends[i])) {
            covered[static_cast<std::size_t>(cell.column * kGridRows + cell.row)] = true;
        }
    }
    for (std::size_t at = 0; onlyWords && at < Grid::kCellCount; ++at) {
        EXPECT_EQ(grid.bytes()[at] != 0, covered[at]) << "cell " << at;
    }
}

void ExpectGameOf(const GridState& state, const TextList& words) {
    ASSERT_EQ(state.PlacedWords.size(), words.size());
    std::vector<std::string> texts;
    std::vector<Cell> starts, ends;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PlacedWord& word = state.PlacedWords[i];
        std::string upper = words[i];
        for (char& letter : upper) {
            letter = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
        }
        EXPECT_EQ(word.reversed ? std::string(word.text.rbegin(), word.text.rend()) : word.text,
                  upper);
        texts.push_back(word.text);
        starts.push_back(word.start);
        ends.push_back(word.end);
    }
    ExpectPlacedByTheRules(state.LetterGrid, texts, starts, ends, false);
    EXPECT_EQ(CountCells(state.LetterGrid, 0), 0);
}

std::string Repeat(char ch, int count) {
    return std::string(static_cast<std::size_t>(count), ch);
}

} // namespace lexiglade::test
