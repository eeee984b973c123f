// Generation where the placement loop gives up: the search takes over, and the loop's own passes
// stay exactly as they were.
#include "GridChecks.h"
#include "GridModel.h"
#include "WordSets.h"
#include "engine/GridGenerator.h"
#include "engine/PlacementLoop.h"
#include "engine/Random.h"
#include "engine/WordPlacement.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using test::ModelRandom;

// The texts as GenerateGrid prepares them from `seed`, which is left where the loop starts.
std::vector<std::string> PreparedTexts(std::uint32_t& seed, const TextList& words,
                                       bool backwardWords) {
    ModelRandom reversals(seed);
    std::vector<std::string> texts;
    for (std::string word : words) {
        for (char& letter : word) {
            letter = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
        }
        if (backwardWords && reversals.Below(3) == 2) {
            word.assign(word.rbegin(), word.rend());
        }
        texts.push_back(word);
    }
    seed = reversals.seed();
    return texts;
}

// Whether the loop alone gives up on the words as GenerateGrid draws them from this seed.
bool LoopGivesUp(std::uint32_t seed, const TextList& words, bool backwardWords) {
    const std::vector<std::string> texts = PreparedTexts(seed, words, backwardWords);
    Grid grid;
    std::vector<WordSpan> spans(texts.size());
    return !RunPlacementLoop(seed, grid, texts, spans);
}

// The first set of each hard family from the same maker.
std::vector<TextList> HardSets() {
    test::SyllableWords maker(1);
    TextList longAmongShort = maker.LongAmongShort();
    return {longAmongShort, maker.TwentyFiveMiddling()};
}

TEST(GridFallback, EveryAcceptedSetIsPlacedWhateverTheDrawsAndTheBackwardWords) {
    int fallbacks = 0;
    for (const TextList& words : HardSets()) {
        ASSERT_TRUE(AlwaysPlaceable(words));
        for (bool backwardWords : {false, true}) {
            const std::uint32_t seed = backwardWords ? 31 : 32;
            fallbacks += LoopGivesUp(seed, words, backwardWords);
            GridState state;
            SetRandomSeed(seed);
            EXPECT_NO_THROW(state = GenerateGrid(words, backwardWords));
            test::ExpectGameOf(state, words);
        }
    }
    EXPECT_GE(fallbacks, 3);
}

// The loop that stops after some passes and goes on from where it stood runs the passes it would
// have run in one go: the search beside it starts in between.
TEST(GridFallback, TheLoopRunInTwoGoesIsTheLoopRunInOne) {
    test::SyllableWords maker(202);
    for (int set = 0; set < 2; ++set) {
        std::uint32_t once = 1;
        const std::vector<std::string> texts =
            PreparedTexts(once, maker.TwentyFiveMiddling(), set == 1);
        std::uint32_t twice = once;
        Grid onceGrid, twiceGrid;
        std::vector<WordSpan> onceSpans(texts.size()), twiceSpans(texts.size());
        const int pass = RunPlacementLoop(once, onceGrid, texts, onceSpans);
        int later = RunPlacementLoop(twice, twiceGrid, texts, twiceSpans, 100);
        if (later == 0) {
            later = RunPlacementLoop(twice, twiceGrid, texts, twiceSpans, PlacementPassLimit - 100);
            later += later != 0 ? 100 : 0;
        }
        EXPECT_GT(pass == 0 ? PlacementPassLimit : pass, 100) << "set " << set;
        EXPECT_EQ(later, pass) << "set " << set;
        EXPECT_EQ(twice, once) << "set " << set;
        EXPECT_EQ(twiceGrid, onceGrid) << "set " << set;
    }
}

TEST(GridFallback, PrintGridOfAnAcceptedSetHoldsEveryWordAndLeavesTheGame) {
    const TextList words = HardSets()[1];
    GridState state;
    state.LetterGrid.bytes()[7] = 'Q';
    state.PlacedWords = {PlacedWord{"GAME", true, {1, 1}, {4, 1}}};
    state.LastWordIndex = static_cast<std::int32_t>(words.size()) - 1;
    const GridState game = state;
    for (std::uint32_t seed : {41u, 42u}) {
        SetRandomSeed(seed);
        BuildPrintGrid(state, words, true);
        EXPECT_EQ(test::CountCells(state.PrintGrid, 0), 0);
        for (std::string word : words) {
            for (char& letter : word) {
                letter = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
            }
            EXPECT_TRUE(test::HoldsWord(state.PrintGrid, word)) << word;
        }
        EXPECT_EQ(state.LetterGrid, game.LetterGrid);
        EXPECT_EQ(state.PlacedWords, game.PlacedWords);
        EXPECT_EQ(state.LastWordIndex, game.LastWordIndex);
    }
}

TEST(GridFallback, AWordThatFitsOnlyForwardsIsTurnedForwards) {
    // Fifteen words of 21 letters fill fifteen rows; the sixteenth, a twin of the fifth, fits only
    // on its twin's row, and only while both read the same way.
    TextList words;
    for (int i = 0; i < GridRows; ++i) {
        std::string word;
        for (int k = 0; k < 21; ++k) {
            word += static_cast<char>('A' + (i + k) % 26);
        }
        words.push_back(word);
    }
    words.push_back(words[4]);
    ASSERT_TRUE(AlwaysPlaceable(words));
    std::uint32_t seed = 1;
    std::vector<bool> drawn;
    for (;; ++seed) {
        ModelRandom random(seed);
        drawn.clear();
        for (std::size_t i = 0; i < words.size(); ++i) {
            drawn.push_back(random.Below(3) == 2);
        }
        if (drawn[4] != drawn[15]) {
            break;
        }
    }
    GridState state;
    SetRandomSeed(seed);
    ASSERT_NO_THROW(state = GenerateGrid(words, true));
    test::ExpectGameOf(state, words);
    EXPECT_FALSE(state.PlacedWords[4].reversed);
    EXPECT_FALSE(state.PlacedWords[15].reversed);
    EXPECT_EQ(state.PlacedWords[4].start, state.PlacedWords[15].start);
    int keptReversed = 0;
    for (std::size_t i = 0; i < GridRows; ++i) {
        if (i != 4) {
            EXPECT_EQ(state.PlacedWords[i].reversed, drawn[i]) << "word " << i;
            keptReversed += drawn[i];
        }
    }
    EXPECT_GT(keptReversed, 0);
}

TEST(GridFallback, KeepsAReversedWordBackToFrontOnlyWhereNoOtherWordChanges) {
    struct Row {
        const char* what;
        std::vector<PreparedWord> words; // reversed ones as drawn, back to front
        std::vector<WordSpan> spans;
        std::vector<bool> keptReversed;
    };
    const WordSpan row0{{0, 0}, {4, 0}}, row1{{0, 1}, {4, 1}};
    const Row table[] = {
        {"alone", {{"EDCBA", true}, {"QRST", false}}, {row0, {{0, 2}, {3, 2}}}, {true, false}},
        {"crossed where its turned letter differs",
         {{"EDCBA", true}, {"BXY", false}},
         {row0, {{1, 0}, {1, 2}}},
         {false, false}},
        {"crossed on its middle letter",
         {{"EDCBA", true}, {"CXY", false}},
         {row0, {{2, 0}, {2, 2}}},
         {true, false}},
        {"two crossing on their middle letters",
         {{"EDCBA", true}, {"YCX", true}},
         {row1, {{2, 0}, {2, 2}}},
         {true, true}},
        {"crossed by a reversed word on its first letter",
         {{"EDCBA", true}, {"YXA", true}},
         {row0, {{0, 0}, {0, 2}}},
         {false, false}},
    };
    for (const Row& row : table) {
        std::vector<PreparedWord> words = row.words;
        Grid grid;
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string& text = words[i].text;
            const std::string forwards(text.rbegin(), text.rend());
            std::size_t k = 0;
            for (Cell cell : test::LineCells(row.spans[i].start, row.spans[i].end)) {
                grid.at(cell) = words[i].reversed ? forwards[k++] : text[k++];
            }
        }
        KeepReversalsWhereFree(grid, words, row.spans);
        for (std::size_t i = 0; i < words.size(); ++i) {
            const PreparedWord& drawn = row.words[i];
            EXPECT_EQ(words[i].reversed, bool(row.keptReversed[i])) << row.what << " word " << i;
            EXPECT_EQ(words[i].text, words[i].reversed || !drawn.reversed
                                         ? drawn.text
                                         : std::string(drawn.text.rbegin(), drawn.text.rend()))
                << row.what;
            EXPECT_EQ(test::ReadLine(grid, row.spans[i].start, row.spans[i].end), words[i].text)
                << row.what << " word " << i;
        }
    }
}

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
        state = GenerateGrid(*row.words, row.backwardWords);
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
