#include "GridChecks.h"
#include "engine/Grid.h"
#include "engine/Random.h"
#include "library/Errors.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

const TextList Planets = {"Mercury", "venus",  "earth",    "Mars",  "jupiter",
                          "saturn",  "Uranus", "neptune",  "pluto", "ceres",
                          "eris",    "haumea", "makemake", "moon",  "titan"};

TEST(BuildPrintGrid, FillsOnlyThePrintGridAndLeavesTheGameAsItWas) {
    for (bool backwardWords : {false, true}) {
        GridState state;
        SetRandomSeed(2024);
        GenerateGrid(state, Planets, backwardWords);
        const GridState game = state;
        BuildPrintGrid(state, Planets, backwardWords);
        EXPECT_EQ(state.LetterGrid, game.LetterGrid);
        EXPECT_EQ(state.PlacedWords, game.PlacedWords);
        EXPECT_EQ(state.LastWordIndex, game.LastWordIndex);
        EXPECT_NE(state.PrintGrid, game.LetterGrid);
        EXPECT_EQ(test::CountCells(state.PrintGrid, 0), 0);
        for (const PlacedWord& word : game.PlacedWords) {
            EXPECT_TRUE(test::HoldsWord(state.PrintGrid, word.text)) << word.text;
        }
    }
}

TEST(BuildPrintGrid, RunsTheGamesPlacementOnWordsUpToLastWordIndex) {
    // Drawn from the same seed, a printed grid equals the game grid of the same words.
    for (bool backwardWords : {false, true}) {
        for (std::int32_t last : {-1, 0, 4, 14}) {
            const TextList words(Planets.begin(), Planets.begin() + last + 1);
            GridState game;
            SetRandomSeed(77);
            GenerateGrid(game, words, backwardWords);
            const std::uint32_t seedAfterGame = RandomSeed();

            GridState print;
            print.LastWordIndex = last;
            SetRandomSeed(77);
            BuildPrintGrid(print, Planets, backwardWords);
            EXPECT_EQ(print.PrintGrid, game.LetterGrid) << "last " << last;
            EXPECT_EQ(RandomSeed(), seedAfterGame);
            EXPECT_EQ(print.LetterGrid, Grid{});
            EXPECT_TRUE(print.PlacedWords.empty());
        }
    }
}

TEST(BuildPrintGrid, WordListShorterThanTheGameRaisesListIndexOutOfBounds) {
    GridState state;
    state.LastWordIndex = 5;
    const TextList words = {"alpha", "beta", "gamma"};
    try {
        BuildPrintGrid(state, words, false);
        FAIL() << "no error for a missing word";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds");
    }
}

} // namespace
} // namespace lexiglade
