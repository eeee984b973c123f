// Attempts passed over in one go end where drawing them one by one ends.
#include "engine/PlacementDraws.h"
#include "engine/Layouts.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

TEST(PlacementDraws, FailingAttemptsEndWhereDrawingThemOneByOneEnds) {
    struct Row {
        int length;            // of the word: 15 lies three ways, 16 to 22 only across
        std::int32_t possible; // its possible direction draws, 0 up to this
    };
    for (const Row row : {Row{15, 12}, Row{16, 3}, Row{22, 3}}) {
        const Layouts layouts = LayoutsFor(row.length);
        for (int count : {0, 1, 2, 3, 7, 8, 9, 4998, 5001}) {
            for (std::uint32_t seed : {1u, 77u, 4294967295u}) {
                std::uint32_t drawn = seed;
                for (int attempt = 0; attempt < count; ++attempt) {
                    const auto draw = static_cast<std::size_t>(NextBelow(drawn, kDirectionDraws));
                    if (layouts[kDirectionOfDraw[draw]].possible) {
                        NextBelow(drawn, 1);
                        NextBelow(drawn, 1);
                    }
                }
                const std::uint64_t below = std::uint64_t{static_cast<std::uint32_t>(row.possible)}
                                            << 28;
                for (bool vectors : {false, true}) {
                    EXPECT_EQ(placement::AfterFailingAttempts(seed, below, count, vectors), drawn)
                        << row.length << " letters, " << count << " attempts from " << seed;
                }
            }
        }
    }
}

} // namespace
} // namespace lexiglade
