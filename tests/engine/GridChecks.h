#pragma once
// Checks on grids shared by the engine's tests.
#include "GridModel.h"
#include "engine/Grid.h"
#include "library/TextList.h"

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

// Whether a word of `length` letters may start at `start` and run by `step` under the placement
// rules: across, down, down-right or up-right, each range one start short of what would fit (a
// range of none holding start 0), and up-right only for words shorter than 15 letters.
bool StartAllowed(Cell start, Cell step, int length);

// Each text reads from its span's start to its end, in an allowed direction from an allowed start;
// with `onlyWords`, every other cell is empty.
void ExpectPlacedByTheRules(const Grid& grid, const std::vector<std::string>& texts,
                            const std::vector<Cell>& starts, const std::vector<Cell>& ends,
                            bool onlyWords);

// The game's words of `state` lie by the rules, read forwards (or back to front when reversed) as
// the upper-cased words, and no cell of the grid is empty.
void ExpectGameOf(const GridState& state, const TextList& words);

// A text of `count` copies of `ch`.
std::string Repeat(char ch, int count);

} // namespace lexiglade::test
