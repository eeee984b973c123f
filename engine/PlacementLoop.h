#pragma once
// The placement loop: each word in turn at a drawn direction and start cell, and every word again
// from an empty grid after 5000 attempts.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lexiglade {

// The placement loop gives up after this many passes of 5000 attempts each (a tenth of a second
// or so, where puzzles of ordinary words need a few passes at most); a search then takes over.
inline constexpr int PlacementPassLimit = 5001;

// Places every text in the cleared grid drawing from `seed`, and records where each one lies in
// `spans` (one per text). Returns the pass, counted from 1, that placed them; 0, with the grid
// cleared, once `passLimit` passes have not. Texts must not be longer than the grid is wide.
int RunPlacementLoop(std::uint32_t& seed, Grid& grid, const std::vector<std::string>& texts,
                     std::vector<WordSpan>& spans, int passLimit = PlacementPassLimit);

} // namespace lexiglade
