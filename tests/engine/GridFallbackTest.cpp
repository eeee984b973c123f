// Generation where the placement loop needs many passes: they stay exactly as they were.
#include "GridChecks.h"
#include "GridModel.h"
#include "WordSets.h"
#include "engine/Grid.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

TEST(GenerateGrid, PassesThatRunOutOfRoomAreSkippedWithTheSameDraws) {
    // Sets the loop places only after dozens of passes, many of which end with a word that fits
    // nowhere: of fewer than 15 letters (every direction drawn) and of 15 or more.
    test::SyllableWords maker(202);
    std::vector<TextList> middling;
    while (middling.size() < 38) {
        middling.push_back(maker.TwentyFiveMiddling());
    }
    const TextList longAmongShort = test::SyllableWords(101).LongAmongShort();
    struct Row {
        const TextList* words;
        std::uint32_t seed;
        bool backwardWords;
    };
    const Row table[] = {
        {&middling[36], 1, false}, {&middling[37], 1, false}, {&longAmongShort, 8, true}};
    int roomless = 0, roomlessLong = 0;
    for (const Row& row : table) {
        GridState state;
        SetRandomSeed(row.seed);
        GenerateGrid(state, *row.words, row.backwardWords);
        const auto model = test::ModelGenerate(row.seed, *row.words, row.backwardWords, 1000);
        test::ExpectSameAsModel(state, model);
        EXPECT_GT(model.restarts, 20);
        roomless += model.roomlessPasses;
        roomlessLong += model.roomlessPassesOfLongWords;
    }
    EXPECT_GT(roomless, 10);
    EXPECT_GT(roomlessLong, 10);
}

} // namespace
} // namespace lexiglade
