#include "engine/BoardLayout.h"

#include <cmath>

namespace lexiglade {

bool PointInBox(int x, int y, int left, int right, int top, int bottom) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

// The sum of squares is exact in double precision for any two points of a screen, and only the
// root is kept in single precision: each distance rounds as its exact root in single precision.
int PixelDistance(int x1, int y1, int x2, int y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    const float distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    return static_cast<int>(std::nearbyint(distance)); // halves go to the even neighbour
}

BoardOrigin BoardOriginFor(std::int32_t screenWidth, std::int32_t screenHeight,
                           std::int32_t boardWidth, std::int32_t boardHeight) {
    return {screenWidth > Board::kCentredAboveWidth ? screenWidth / 2 - boardWidth / 2 : 0,
            screenHeight > Board::kCentredAboveHeight ? screenHeight / 2 - boardHeight / 2 : 0};
}

} // namespace lexiglade
