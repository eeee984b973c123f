#include "GridChecks.h"
#include "GridModel.h"
#include "engine/GridGenerator.h"
#include "engine/Random.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>

namespace lexiglade {
namespace {

using test::ExpectSameAsModel;
using test::ModelGenerate;
using test::ReadLine;
using test::Repeat;

const TextList Animals = {"horse",  "Cow",    "sheep",  "goat",    "pig",   "chicken", "duck",
                          "goose",  "turkey", "donkey", "rabbit",  "llama", "alpaca",  "bull",
                          "calf",   "lamb",   "piglet", "rooster", "hen",   "mule",    "pony",
                          "ferret", "quail",  "bison",  "yak"};

const TextList LongAndShort = {"Constellation",  "photosynthesis", "tyrannosaurus",
                               "Microprocessor", "Thermodynamics", "zebra",
                               "lion",           "giraffe",        "hippopotamus",
                               "elephant",       "crocodile",      "Antelope"};

std::uint32_t Generate(GridState& state, std::uint32_t seed, const TextList& words,
                       bool backwardWords) {
    SetRandomSeed(seed);
    EXPECT_NO_THROW(state = GenerateGrid(words, backwardWords));
    return seed;
}

std::string Upper(std::string text) {
    for (char& ch : text) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return text;
}

TEST(GenerateGrid, PlacesOneWordWhereTheDrawsFromSeedOneSay) {
    GridState state;
    Generate(state, 1, {"abcd"}, false);
    EXPECT_EQ(state.LastWordIndex, 0);
    ASSERT_EQ(state.PlacedWords.size(), 1u);
    EXPECT_EQ(state.PlacedWords[0], (PlacedWord{"ABCD", false, {15, 3}, {18, 3}}));
    EXPECT_EQ(ReadLine(state.LetterGrid, {15, 3}, {18, 3}), "ABCD");
    EXPECT_EQ(ReadLine(state.LetterGrid, {0, 0}, {0, 14}), "HRIEJLCMBVBHXJU");
    EXPECT_EQ(ReadLine(state.LetterGrid, {21, 0}, {21, 14}), "ZEBBCUYCFTZMAPU");
    EXPECT_EQ(RandomSeed(), 3445532030u);
}

TEST(GenerateGrid, WithoutBackwardWordsDrawsThreePerAttemptAndOnePerFilledCell) {
    long collisions = 0;
    for (const TextList* words : {&Animals, &LongAndShort}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            GridState state;
            const auto model = ModelGenerate(Generate(state, seed, *words, false), *words, false);
            ExpectSameAsModel(state, model);
            std::set<Cell> covered;
            for (const PlacedWord& word : state.PlacedWords) {
                EXPECT_FALSE(word.reversed);
                const std::vector<Cell> cells = test::LineCells(word.start, word.end);
                covered.insert(cells.begin(), cells.end());
            }
            const long filled = Grid::CellCount - static_cast<long>(covered.size());
            test::ModelRandom replay(seed);
            for (long draw = 0; draw < 3 * model.attempts + filled; ++draw) {
                replay.Below(1);
            }
            EXPECT_EQ(RandomSeed(), replay.seed()) << "seed " << seed;
            collisions += model.collisions;
        }
    }
    EXPECT_GT(collisions, 0); // the sets did make failed attempts
}

TEST(GenerateGrid, WithBackwardWordsReversesAboutOneWordInThree) {
    long reversed = 0, total = 0;
    for (const TextList* words : {&Animals, &LongAndShort}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            GridState state;
            ExpectSameAsModel(state,
                              ModelGenerate(Generate(state, seed, *words, true), *words, true));
            for (const PlacedWord& word : state.PlacedWords) {
                reversed += word.reversed;
                ++total;
            }
        }
    }
    EXPECT_GT(reversed * 5, total);      // above one in five
    EXPECT_LT(reversed * 20, total * 9); // below nine in twenty
}

TEST(GenerateGrid, EveryWordReadsFromItsStartToItsEndAndNoCellIsEmpty) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        GridState state;
        Generate(state, seed, Animals, true);
        EXPECT_EQ(test::CountCells(state.LetterGrid, 0), 0);
        for (char cell : state.LetterGrid.bytes()) {
            EXPECT_TRUE(cell >= 'A' && cell <= 'Z') << int(cell);
        }
        for (std::size_t i = 0; i < Animals.size(); ++i) {
            const PlacedWord& word = state.PlacedWords[i];
            const std::string upper = Upper(Animals[i]);
            EXPECT_EQ(ReadLine(state.LetterGrid, word.start, word.end), word.text);
            const std::string forwards(word.text.rbegin(), word.text.rend());
            EXPECT_EQ(word.reversed ? forwards : word.text, upper);
            EXPECT_EQ(state.LetterGrid.at(word.start), word.reversed ? upper.back() : upper[0]);
        }
    }
}

TEST(GenerateGrid, UpperCasesOnlyPlainLettersAndKeepsTheRest) {
    GridState state;
    const TextList words = {"abc-xyz", "Mr.o'k{z}~", "\xe9t\xe9`"};
    Generate(state, 5, words, false);
    EXPECT_EQ(state.PlacedWords[0].text, "ABC-XYZ");
    EXPECT_EQ(state.PlacedWords[1].text, "MR.O'K{Z}~");
    EXPECT_EQ(state.PlacedWords[2].text, "\xe9T\xe9`");
    ExpectSameAsModel(state, ModelGenerate(5, words, false));
}

TEST(GenerateGrid, ReplacesEverythingTheGameHeldBefore) {
    GridState state;
    for (int column = 0; column < GridColumns; ++column) {
        for (int row = 0; row < GridRows; ++row) {
            state.LetterGrid.at({column, row}) = 'Z';
        }
    }
    state.PlacedWords = {PlacedWord{"OLD", true, {1, 1}, {3, 1}}};
    SetRandomSeed(99);
    state = GenerateGrid(Animals, true);
    ExpectSameAsModel(state, ModelGenerate(99, Animals, true));
}

TEST(GenerateGrid, TwentyTwoLetterWordFillsOneRowAcross) {
    const TextList words = {"abcdefghijklmnopqrstuv", "cat", "dog", "emu"};
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        GridState state;
        ExpectSameAsModel(state, ModelGenerate(Generate(state, seed, words, true), words, true));
        const PlacedWord& word = state.PlacedWords[0];
        EXPECT_EQ(word.start, (Cell{0, word.start.row}));
        EXPECT_EQ(word.end, (Cell{21, word.start.row}));
        EXPECT_EQ(ReadLine(state.LetterGrid, word.start, word.end), word.text);
    }
}

TEST(GenerateGrid, OneCellHoldingAnotherLetterRejectsTheAttempt) {
    const TextList words = {Repeat('1', 22), "2222"};
    long collisions = 0, oneCell = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        GridState state;
        const auto model = ModelGenerate(Generate(state, seed, words, false), words, false);
        ExpectSameAsModel(state, model);
        const int row = state.PlacedWords[0].start.row;
        EXPECT_EQ(test::CountCells(state.LetterGrid, '1'), 22);
        EXPECT_EQ(test::CountCells(state.LetterGrid, '2'), 4);
        EXPECT_EQ(ReadLine(state.LetterGrid, {0, row}, {21, row}), Repeat('1', 22));
        collisions += model.collisions;
        oneCell += model.oneCellCollisions;
    }
    EXPECT_GT(collisions, 0);
    EXPECT_GT(oneCell, 0);
}

TEST(GenerateGrid, WordsShareCellsWhereTheirLettersAgree) {
    const TextList words = {Repeat('1', 22), Repeat('1', 4), Repeat('1', 7), Repeat('1', 14)};
    long shared = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        GridState state;
        const auto model = ModelGenerate(Generate(state, seed, words, false), words, false);
        ExpectSameAsModel(state, model);
        EXPECT_EQ(model.collisions, 0);
        EXPECT_EQ(test::CountCells(state.LetterGrid, '1'), 22 + 4 + 7 + 14 - model.sharedCells);
        shared += model.sharedCells;
    }
    EXPECT_GT(shared, 0);
}

TEST(GenerateGrid, RestartAfter5000AttemptsRemovesEveryPlacedWord) {
    // Lying down or diagonally, the 15-letter word blocks every row the 22-letter word needs.
    const TextList words = {Repeat('1', 15), Repeat('2', 22)};
    int restarted = 0;
    for (bool backwardWords : {false, true}) {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            test::ModelRandom random(seed);
            if (backwardWords) {
                random.Below(3);
                random.Below(3);
            }
            std::int32_t direction = random.Below(16);
            while (direction >= 12) { // upward has no room for 15 letters
                direction = random.Below(16);
            }
            GridState state;
            const auto model =
                ModelGenerate(Generate(state, seed, words, backwardWords), words, backwardWords);
            ExpectSameAsModel(state, model);
            EXPECT_EQ(test::CountCells(state.LetterGrid, '1'), 15);
            EXPECT_EQ(test::CountCells(state.LetterGrid, '2'), 22);
            EXPECT_EQ(state.PlacedWords[0].start.row, state.PlacedWords[0].end.row);
            if (direction >= 3) {
                EXPECT_GT(model.restarts, 0);
                ++restarted;
            }
        }
    }
    EXPECT_GE(restarted, 10);
}

TEST(GenerateGrid, RestartsEvenWhenAttempt5001PlacesTheLastWord) {
    // Fifteen rows of one letter each, then words that can only lie on the row of A's.
    TextList words;
    for (char letter = 'A'; letter < 'A' + GridRows; ++letter) {
        words.push_back(Repeat(letter, 22));
    }
    words.insert(words.end(), 60, Repeat('A', 22));
    std::uint32_t seed = 1;
    while (seed < 5000 && ModelGenerate(seed, words, false).completedRestarts == 0) {
        ++seed;
    }
    ASSERT_LT(seed, 5000u);
    GridState state;
    const auto model = ModelGenerate(Generate(state, seed, words, false), words, false);
    ExpectSameAsModel(state, model);
    EXPECT_GT(model.completedRestarts, 0);
    EXPECT_EQ(test::CountCells(state.LetterGrid, 0), 0);
}

TEST(GenerateGrid, LongWordsLieOnlyInDirectionsWithRoomForThem) {
    const std::vector<int> lengths = {14, 15, 16, 21};
    for (int length : lengths) {
        std::string word;
        for (int k = 0; k < length; ++k) {
            word += static_cast<char>('a' + k);
        }
        const TextList alone = {word};
        const TextList mixed = {"owl", word, "crow", "wren", "robin", "heron"};
        for (const TextList* words : {&alone, &mixed}) {
            for (std::uint32_t seed = 1; seed <= 60; ++seed) {
                GridState state;
                ExpectSameAsModel(state,
                                  ModelGenerate(Generate(state, seed, *words, true), *words, true));
                const PlacedWord& placed = state.PlacedWords[words == &alone ? 0 : 1];
                EXPECT_EQ(ReadLine(state.LetterGrid, placed.start, placed.end), placed.text);
                if (length >= 15) {
                    EXPECT_GE(placed.end.row, placed.start.row) << "upward " << length;
                }
                if (length > 15) {
                    EXPECT_EQ(placed.end.row, placed.start.row) << "not across " << length;
                }
            }
        }
    }
}

TEST(GenerateGrid, GivesUpOnWordsThatCannotAllLieTogether) {
    TextList words;
    for (char letter = 'a'; letter < 'a' + 16; ++letter) {
        words.push_back(Repeat(letter, 21));
    }
    SetRandomSeed(7);
    try {
        (void)GenerateGrid(words, true);
        FAIL() << "sixteen 21-letter words were placed in fifteen rows";
    } catch (const GridError& error) {
        EXPECT_STREQ(error.what(), "The words of this puzzle do not fit in the grid");
    }
}

TEST(GenerateGrid, WordLongerThanTheGridGivesUpWithoutDrawing) {
    for (int length : {23, 30, 64}) {
        const TextList words = {"abc", Repeat('x', length)};
        SetRandomSeed(11);
        EXPECT_THROW((void)GenerateGrid(words, false), GridError) << length;
        EXPECT_EQ(RandomSeed(), 11u);
    }
}

TEST(GenerateGrid, HoldsMoreThanFortyOneWords) {
    TextList words;
    for (int i = 0; i < 50; ++i) {
        const char letter = static_cast<char>('a' + i % 3);
        words.push_back(std::string("ab").append(static_cast<std::size_t>(i % 4 + 2), letter));
    }
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        GridState state;
        ExpectSameAsModel(state, ModelGenerate(Generate(state, seed, words, true), words, true));
        ASSERT_EQ(state.PlacedWords.size(), 50u);
        for (const PlacedWord& word : state.PlacedWords) {
            EXPECT_EQ(ReadLine(state.LetterGrid, word.start, word.end), word.text);
        }
    }
}

} // namespace
} // namespace lexiglade
