#pragma once
// Making the grids of a puzzle: the game's grid and the printed ones.
#include "engine/Grid.h"
#include "engine/WordPlacement.h"
#include "library/TextList.h"

#include <vector>

namespace lexiglade {

// The game's grid of the words: every word hidden, the rest filled with random letters, with
// where each lies (PlacedWords) and LastWordIndex; PrintGrid stays empty. Throws GridError when
// neither the placement loop nor the searches after it place the words (never for words that
// AlwaysPlaceable accepts).
GridState GenerateGrid(const TextList& words, bool backwardWords);

// Whether GenerateGrid and BuildPrintGrid place these words whatever the generator holds and
// whether or not backward words are allowed: the check a new puzzle's words must pass.
bool AlwaysPlaceable(const TextList& words);

// A fresh grid of words 0 to LastWordIndex into PrintGrid; nothing else changes. Returns where each
// word lies in it, as GenerateGrid records PlacedWords. Throws GridError as GenerateGrid does, and
// "List index out of bounds" when words is shorter than that.
std::vector<PlacedWord> BuildPrintGrid(GridState& state, const TextList& words, bool backwardWords);

} // namespace lexiglade
