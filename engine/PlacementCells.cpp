#include "engine/PlacementCells.h"

namespace lexiglade {

CellSet StartCells(const Layout& layout) {
    CellSet starts;
    for (std::int32_t column = 0; layout.possible && column < StartsIn(layout.columns); ++column) {
        for (std::int32_t row = 0; row < StartsIn(layout.rows); ++row) {
            starts.Add(CellIndex({column, row + layout.rowOffset}));
        }
    }
    return starts;
}

} // namespace lexiglade
