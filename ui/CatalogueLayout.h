#pragma once
// Where everything lies on the catalogue, relative to the backdrop picture's top-left corner: the
// tree, the instructions and the finder picture fill the open book drawn on it, and the three
// hotspots are the pictures of the exit, the options and the puzzle maker painted on its left.
#include "engine/BoardLayout.h"

#include <cstdint>

namespace lexiglade::CatalogueLayout {

// The tree's corner; it reaches down to the backdrop's bottom edge.
inline constexpr std::int32_t kTreeLeft = 190, kTreeTop = 180;
// The tree is a third of the screen wide, whatever the backdrop's size.
inline constexpr std::int32_t kTreeWidthDivisor = 3;
// `Label2` stands this far right of the tree's right edge, at this height.
inline constexpr std::int32_t kInstructionGap = 5, kInstructionTop = 190;
// `Label2` keeps its designed square size: the program moves it but never resizes it.
inline constexpr std::int32_t kInstructionSize = 119;
// The finder picture stands this far right of the tree, right under `Label2`.
inline constexpr std::int32_t kFinderGap = 10;

// The hotspots, all edges included, tested in this order.
inline constexpr std::int32_t kExitSize = 40; // a square in the bottom-left corner
inline constexpr BoxOffsets kOptionsHotspot{0, 140, 310, 395};
inline constexpr BoxOffsets kWizardHotspot{0, 110, 210, 300};

} // namespace lexiglade::CatalogueLayout
