#pragma once
// The placement loop shared by the game's grid and the printed grids.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <string>
#include <vector>

namespace lexiglade {

// Hides every text in the cleared grid and returns where each one lies. Throws GridError,
// leaving the grid empty, when they cannot all be placed.
std::vector<WordSpan> PlaceWords(Grid& grid, const std::vector<std::string>& texts);

} // namespace lexiglade
