#pragma once
// Checks on grids shared by the engine's tests.
#include "GridModel.h"
#include "engine/Grid.h"

#include <string>
#include <vector>

namespace lexiglade::test {

// The cells of the straight line from start to end, both included.
std::vector<Cell> LineCells(Cell start, Cell end);

// The letters on the straight line from start to end, both included.
std::string ReadLine(const Grid& grid, Cell start, Cell end);

long CountCells(const Grid& grid, char value);

// Whether the text lies in the grid in any of the eight directions.
bool HoldsWord(const Grid& grid, const std::string& text);

// Grid, placed words and generator state are exactly those of the model.
void ExpectSameAsModel(const GridState& state, const ModelOutcome& model);

// A text of `count` copies of `ch`.
std::string Repeat(char ch, int count);

} // namespace lexiglade::test
