#include "engine/Selection.h"

#include <gtest/gtest.h>
#include <set>

namespace lexiglade {
namespace {

constexpr Point kAnchor{250, 180};

std::int32_t BearingTo(std::int32_t dx, std::int32_t dy) {
    return QuantiseBearing(kAnchor, {kAnchor.x + dx, kAnchor.y + dy});
}

TEST(ElevationDegrees, RoundsTheSinglePrecisionAngleHalvesToEven) {
    struct Case {
        std::int32_t dx, dy, degrees;
    };
    const Case cases[] = {
        {0, 0, 90},
        {0, 7, 90},
        {7, 0, 0},
        {5, 5, 45},
        {13, 3, 13},
        {4, 1, 14},
        {1, 4, 76},
        {1, 1000, 90},
        // 180 / 3.14159 rather than 180 / pi moves these two across a half.
        {488, 323, 34},
        {165, 811, 79},
        // Exactly 78.5 once stored in single precision; 78.5000028 before.
        {271, 1332, 78},
    };
    for (const auto& [dx, dy, degrees] : cases) {
        EXPECT_EQ(ElevationDegrees(dx, dy), degrees) << dx << "," << dy;
    }
}

TEST(BearingSector, FiveBandsOfElevation) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0},  {13, 0}, {14, 1}, {33, 1}, {34, 2}, {56, 2},
        {57, 3}, {78, 3}, {79, 4}, {90, 4}, {45, 2}, {22, 1},
    };
    for (const auto& [elevation, sector] : cases) {
        EXPECT_EQ(BearingSector(elevation), sector) << elevation << " degrees";
    }
}

TEST(QuantiseBearing, AxesDiagonalsAndSectorEdges) {
    struct Case {
        std::int32_t dx, dy, bearing;
    };
    const Case cases[] = {
        {30, 0, 90},     {-30, 0, 270},   {0, -30, 0},      {0, 30, 180},    {0, 0, 0},
        {30, 30, 135},   {30, -30, 45},   {-30, 30, 225},   {-30, -30, 315}, {13, 3, 90},
        {13, -3, 90},    {-13, 3, 270},   {4, 1, 112},      {4, -1, 67},     {-4, 1, 247},
        {-4, -1, 292},   {1, 4, 157},     {1, -4, 22},      {-1, 4, 202},    {-1, -4, 337},
        {488, 323, 135}, {165, 811, 180}, {271, 1332, 157}, {3, -1000, 0},   {-1000, 3, 270},
    };
    for (const auto& [dx, dy, bearing] : cases) {
        EXPECT_EQ(BearingTo(dx, dy), bearing) << dx << "," << dy;
    }
}

TEST(QuantiseBearing, ReachesAllSixteenBearingsAndNoOther) {
    const std::set<std::int32_t> bearings{0,   22,  45,  67,  90,  112, 135, 157,
                                          180, 202, 225, 247, 270, 292, 315, 337};
    std::set<std::int32_t> seen;
    for (std::int32_t dx = -40; dx <= 40; ++dx) {
        for (std::int32_t dy = -40; dy <= 40; ++dy) {
            const std::int32_t bearing = BearingTo(dx, dy);
            EXPECT_TRUE(bearings.contains(bearing)) << dx << "," << dy << " gave " << bearing;
            seen.insert(bearing);
        }
    }
    EXPECT_EQ(seen, bearings);
}

} // namespace
} // namespace lexiglade
