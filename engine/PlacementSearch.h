#pragma once
// A search through every place each word may lie, for the word sets the placement loop gives up on.
#include "engine/Grid.h"
#include "engine/Layouts.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexiglade {

// What makes the search give up a partial placement. ByOpenPlaces: some word has no place left.
// ByRoom as well: the words still to come have more letters than the cells left for them, with a
// few overlaps among themselves allowed; it finds placements of crowded sets far sooner.
enum class Pruning { ByRoom, ByOpenPlaces };

// Looks for places for every text in the cleared grid, in the loop's directions and start ranges,
// trying at most `budget` placements and drawing the order of the tries from `seed`. When found,
// the grid holds the texts and the result says where each one lies; otherwise the grid is left
// empty. Texts must not be longer than the grid is wide. Once `stop` holds, the search gives up
// at its next try.
std::optional<std::vector<WordSpan>> SearchPlacement(std::uint32_t& seed, Grid& grid,
                                                     const std::vector<std::string>& texts,
                                                     long budget, Pruning pruning = Pruning::ByRoom,
                                                     const std::atomic<bool>* stop = nullptr);

// Whether the texts hold more than 15 words too long to lie any way but across of which no two
// can share a row (side by side, or overlapping where their letters agree): they need a row each,
// so nothing places them all.
bool NeedsMoreRowsThanTheGrid(const std::vector<std::string>& texts);

} // namespace lexiglade
