#include "GridChecks.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"
#include "library/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace lexiglade {
namespace {

const TextList Planets = {"Mercury", "venus",  "earth",    "Mars",  "jupiter",
                          "saturn",  "Uranus", "neptune",  "pluto", "ceres",
                          "eris",    "haumea", "makemake", "moon",  "titan"};

TEST(BuildPrintGrid, FillsOnlyThePrintGridAndLeavesTheGameAsItWas) {
    for (bool backwardWords : {false, true}) {
        GridState state;
        SetRandomSeed(2024);
        state = GenerateGrid(Planets, backwardWords);
        const GridState game = state;
        const std::vector<PlacedWord> placed = BuildPrintGrid(state, Planets, backwardWords);
        EXPECT_EQ(state.LetterGrid, game.LetterGrid);
        EXPECT_EQ(state.PlacedWords, game.PlacedWords);
        EXPECT_EQ(state.LastWordIndex, game.LastWordIndex);
        EXPECT_NE(state.PrintGrid, game.LetterGrid);
        EXPECT_EQ(test::CountCells(state.PrintGrid, 0), 0);
        for (const PlacedWord& word : game.PlacedWords) {
            EXPECT_TRUE(test::HoldsWord(state.PrintGrid, word.text)) << word.text;
        }
        // Where the printed grid holds each word, the way the game's table says it.
        ASSERT_EQ(placed.size(), Planets.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const PlacedWord& word = placed[i];
            std::string forwards(word.text);
            if (word.reversed) {
                std::reverse(forwards.begin(), forwards.end());
            }
            std::string upper = Planets[i];
            std::transform(upper.begin(), upper.end(), upper.begin(),
                           [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
            EXPECT_EQ(forwards, upper) << i;
            EXPECT_EQ(test::ReadLine(state.PrintGrid, word.start, word.end), word.text) << i;
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
            game = GenerateGrid(words, backwardWords);
            const std::uint32_t seedAfterGame = RandomSeed();

            GridState print;
            print.LastWordIndex = last;
            SetRandomSeed(77);
            const std::vector<PlacedWord> placed = BuildPrintGrid(print, Planets, backwardWords);
            EXPECT_EQ(print.PrintGrid, game.LetterGrid) << "last " << last;
            EXPECT_EQ(placed, game.PlacedWords) << "last " << last;
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
