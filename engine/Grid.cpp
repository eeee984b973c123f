#include "engine/Grid.h"

#include <stdexcept>

namespace lexiglade {

std::size_t Grid::Index(Cell cell) {
    if (!Contains(cell)) {
        throw std::out_of_range("cell outside the grid");
    }
    return static_cast<std::size_t>(cell.column * GridRows + cell.row);
}

} // namespace lexiglade
