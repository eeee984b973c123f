#include "engine/PlacementSearch.h"
#include "GridChecks.h"
#include "WordSets.h"
#include "engine/Grid.h"
#include "engine/Random.h"
#include "engine/WordPlacement.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using test::Repeat;

std::vector<std::string> Upper(const TextList& words) {
    std::vector<std::string> texts;
    for (std::string word : words) {
        for (char& letter : word) {
            letter = (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 32) : letter;
        }
        texts.push_back(word);
    }
    return texts;
}

// Words of `length` letters, the first all A, the next all B, and so on.
std::vector<std::string> OneLetterWords(int count, int length) {
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        words.push_back(Repeat(static_cast<char>('A' + i), length));
    }
    return words;
}

// Searches from `seed` and checks what it found against the rules.
bool SearchAndCheck(const std::vector<std::string>& texts, std::uint32_t seed,
                    long budget = kSearchBudget) {
    Grid grid;
    const std::uint32_t before = seed;
    const auto spans = SearchPlacement(seed, grid, texts, budget);
    if (!spans) {
        EXPECT_EQ(grid, Grid{});
        return false;
    }
    EXPECT_NE(seed, before); // the order of the tries was drawn
    std::vector<Cell> starts, ends;
    for (const WordSpan& span : *spans) {
        starts.push_back(span.start);
        ends.push_back(span.end);
    }
    test::ExpectPlacedByTheRules(grid, texts, starts, ends, true);
    return true;
}

TEST(StartAllowed, FollowsTheTableOfDirections) {
    struct Row {
        Cell start, step;
        int length;
        bool allowed;
    };
    const Row table[] = {
        {{17, 14}, {1, 0}, 4, true},  {{18, 0}, {1, 0}, 4, false}, // column 21 is never reached
        {{0, 3}, {1, 0}, 22, true},   {{1, 3}, {1, 0}, 22, false},   {{21, 10}, {0, 1}, 4, true},
        {{21, 11}, {0, 1}, 4, false}, {{5, 0}, {0, 1}, 15, true},    {{5, 1}, {0, 1}, 15, false},
        {{0, 0}, {0, 1}, 16, false},  {{6, 0}, {1, 1}, 15, true},    {{7, 0}, {1, 1}, 15, false},
        {{0, 4}, {1, -1}, 4, true},   {{0, 3}, {1, -1}, 4, false},   {{17, 14}, {1, -1}, 4, true},
        {{0, 14}, {1, -1}, 14, true}, {{0, 14}, {1, -1}, 15, false}, {{0, 0}, {-1, 0}, 4, false},
        {{3, 3}, {0, -1}, 4, false},  {{3, 3}, {1, 2}, 4, false},
    };
    for (const Row& row : table) {
        EXPECT_EQ(test::StartAllowed(row.start, row.step, row.length), row.allowed)
            << row.start.column << "," << row.start.row << " by " << row.step.column << ","
            << row.step.row << " length " << row.length;
    }
}

TEST(PlacementSearch, KeepsEveryWordWithinItsDirectionAndStartRange) {
    std::vector<std::string> lastColumn = OneLetterWords(15, 21);
    lastColumn.push_back("WXYZ"); // fits only down the last column
    std::vector<std::string> longest = {"ABCDEFGHIJKLMNOPQRSTUV", Repeat('O', 15), Repeat('P', 15),
                                        Repeat('Q', 14),          "HEN",           "OWL"};
    std::vector<std::string> sharing = {Repeat('A', 22), Repeat('A', 15), Repeat('A', 7), "AB"};
    for (const auto* texts : {&lastColumn, &longest, &sharing}) {
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            EXPECT_TRUE(SearchAndCheck(*texts, seed)) << (*texts)[0] << " seed " << seed;
        }
    }
    Grid grid;
    std::uint32_t seed = 9;
    const auto spans = SearchPlacement(seed, grid, lastColumn, kSearchBudget);
    ASSERT_TRUE(spans);
    EXPECT_EQ(spans->back().start.column, 21);
    EXPECT_EQ(spans->back().end.column, 21);
}

TEST(PlacementSearch, PlacesTheHardSetsTheLoopGivesUpOn) {
    // Sets of five long words among twenty of 4 to 12 letters all fit; of twenty-five words of 10
    // to 15 letters most do, some need nearly every cell. From this maker the loop gives up on
    // five of the first six with seed 7.
    test::SyllableWords maker(1);
    int middlingFound = 0;
    for (int set = 0; set < 6; ++set) {
        const bool middling = set % 2 == 1;
        const std::vector<std::string> texts =
            Upper(middling ? maker.TwentyFiveMiddling() : maker.LongAmongShort());
        const bool found = SearchAndCheck(texts, 100 + static_cast<std::uint32_t>(set));
        EXPECT_TRUE(found || middling) << "set " << set;
        middlingFound += found && middling;
    }
    EXPECT_GE(middlingFound, 2);
}

TEST(PlacementSearch, WordsThatOnlyLieAcrossAndShareNoRowNeedARowEach) {
    std::vector<std::string> twin = OneLetterWords(15, 21);
    twin.push_back(twin[4]); // shares its twin's row
    std::vector<std::string> overlapping = OneLetterWords(15, 16);
    overlapping.push_back(overlapping[2].substr(5) + "ABCDE"); // from column 5 over its row
    std::vector<std::string> sixteen16 = OneLetterWords(16, 16);
    std::vector<std::string> ranged;
    for (int i = 0; i < 16; ++i) {
        ranged.push_back(Repeat(static_cast<char>('A' + i), 16 + i % 6));
    }
    std::vector<std::string> mixed = OneLetterWords(16, 21);
    mixed[3] = Repeat('A', 15); // lies down or diagonally as well
    struct Row {
        const char* what;
        std::vector<std::string> texts;
        bool tooMany;
    };
    const Row table[] = {
        {"fifteen of 21", OneLetterWords(15, 21), false},
        {"sixteen of 21", OneLetterWords(16, 21), true},
        {"sixteen of 22", OneLetterWords(16, 22), true},
        {"sixteen of 16 to 21", ranged, true},
        {"a twin shares a row", twin, false},
        {"overlapping where letters agree", overlapping, false},
        {"sixteen of 16 that cannot overlap", sixteen16, true},
        {"one of fifteen letters among them", mixed, false},
    };
    for (const Row& row : table) {
        EXPECT_EQ(NeedsMoreRowsThanTheGrid(row.texts), row.tooMany) << row.what;
        std::uint32_t seed = 3;
        Grid grid;
        if (row.tooMany) {
            EXPECT_FALSE(SearchPlacement(seed, grid, row.texts, kSearchBudget)) << row.what;
            EXPECT_FALSE(CanPlaceWords(row.texts)) << row.what;
        } else if (row.texts.size() == 16) {
            EXPECT_TRUE(SearchAndCheck(row.texts, seed)) << row.what;
        }
    }
}

TEST(PlacementSearch, GivesUpAfterItsBudgetWithTheGridEmpty) {
    // Fifteen rows filled from edge to edge leave no cell for a sixteenth word.
    std::vector<std::string> full = OneLetterWords(15, 22);
    full.push_back("ZZZZ");
    ASSERT_FALSE(NeedsMoreRowsThanTheGrid(full));
    EXPECT_FALSE(SearchAndCheck(full, 5, 2000));
    const std::vector<std::string> ordinary = Upper(test::SyllableWords(5).Words(25, 4, 12));
    EXPECT_FALSE(SearchAndCheck(ordinary, 5, 10)); // fewer tries than words
    EXPECT_TRUE(SearchAndCheck(ordinary, 5, 25));
}

// A search asked to stop gives up at its next try, leaving the grid empty.
TEST(PlacementSearch, AStoppedSearchGivesUp) {
    const std::vector<std::string> texts = Upper(test::SyllableWords(3).TwentyFiveMiddling());
    for (bool stopped : {false, true}) {
        const std::atomic<bool> stop{stopped};
        Grid grid;
        std::uint32_t seed = 5;
        const auto found =
            SearchPlacement(seed, grid, texts, kSearchBudget, Pruning::ByRoom, &stop);
        EXPECT_EQ(found.has_value(), !stopped);
        EXPECT_EQ(grid == Grid{}, stopped);
    }
}

} // namespace
} // namespace lexiglade
