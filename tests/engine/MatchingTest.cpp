#include "engine/Matching.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using Found = std::vector<std::int32_t>;

// CAT across from (2,3), DOG stored reversed down from (5,9) to (5,7), BIRD diagonal.
const std::vector<PlacedWord> kWords{
    {"CAT", false, {2, 3}, {4, 3}},
    {"GOD", true, {5, 9}, {5, 7}},
    {"BIRD", false, {0, 0}, {3, 3}},
};

TEST(FindMatches, EitherEndFirstOffByOneOrSingleCellFindsNothing) {
    struct Case {
        Cell anchor, end;
        Found found;
    };
    const Case cases[] = {
        {{2, 3}, {4, 3}, {0}}, {{4, 3}, {2, 3}, {0}}, {{5, 9}, {5, 7}, {1}}, {{5, 7}, {5, 9}, {1}},
        {{0, 0}, {3, 3}, {2}}, {{3, 3}, {0, 0}, {2}}, {{2, 3}, {5, 3}, {}},  {{2, 3}, {3, 3}, {}},
        {{2, 3}, {4, 4}, {}},  {{3, 3}, {4, 3}, {}},  {{2, 3}, {2, 3}, {}},  {{4, 3}, {4, 3}, {}},
        {{5, 9}, {5, 8}, {}},  {{0, 0}, {0, 0}, {}},  {{2, 3}, {0, 0}, {}},
    };
    for (const auto& [anchor, end, found] : cases) {
        RetiredWords retired(kWords.size(), false);
        EXPECT_EQ(FindMatches(kWords, retired, anchor, end), found)
            << anchor.column << "," << anchor.row << " to " << end.column << "," << end.row;
        RetiredWords expected(kWords.size(), false);
        for (std::int32_t k : found) {
            expected[static_cast<std::size_t>(k)] = true;
        }
        EXPECT_EQ(retired, expected);
    }
}

TEST(FindMatches, AFoundWordIsRetiredAndFoundNoMoreFromEitherEnd) {
    RetiredWords retired(kWords.size(), false);
    EXPECT_EQ(FindMatches(kWords, retired, {4, 3}, {2, 3}), Found{0});
    EXPECT_EQ(FindMatches(kWords, retired, {4, 3}, {2, 3}), Found{});
    EXPECT_EQ(FindMatches(kWords, retired, {2, 3}, {4, 3}), Found{});
    EXPECT_EQ(FindMatches(kWords, retired, {5, 7}, {5, 9}), Found{1});
    EXPECT_EQ(retired, (RetiredWords{true, true, false}));
}

TEST(FindMatches, WordsOnTheSameCellsForwardPassFirstEachOnce) {
    const std::vector<PlacedWord> words{
        {"TOP", false, {1, 1}, {3, 1}}, {"POT", false, {1, 1}, {3, 1}},
        {"POT", true, {3, 1}, {1, 1}},  {"ABC", false, {0, 5}, {2, 5}},
        {"X", false, {7, 7}, {7, 7}},   {"TIP", false, {1, 1}, {3, 1}},
    };
    RetiredWords retired(words.size(), false);
    retired[5] = true;
    EXPECT_EQ(FindMatches(words, retired, {3, 1}, {1, 1}), (Found{2, 0, 1}));
    EXPECT_EQ(FindMatches(words, retired, {7, 7}, {7, 7}), Found{4});
    EXPECT_EQ(retired, (RetiredWords{true, true, true, false, true, true}));
}

TEST(FindMatches, NeedsOneRetiredFlagPerWord) {
    RetiredWords retired(kWords.size() - 1, false);
    EXPECT_THROW(FindMatches(kWords, retired, {2, 3}, {4, 3}), std::invalid_argument);
}

TEST(ReadingOrder, TurnsAReversedWordBackOnlyWithBackwardWordsOn) {
    EXPECT_EQ(ReadingOrder("GOD", true, true), "DOG");
    EXPECT_EQ(ReadingOrder("GOD", true, false), "GOD");
    EXPECT_EQ(ReadingOrder("DOG", false, true), "DOG");
    EXPECT_EQ(ReadingOrder("DOG", false, false), "DOG");
    EXPECT_EQ(ReadingOrder("", true, true), "");
}

TEST(UpperAscii, UpperCasesOnlyAToZ) {
    EXPECT_EQ(UpperAscii("abc xyz"), "ABC XYZ");
    EXPECT_EQ(UpperAscii("MiXeD-09_{}`@"), "MIXED-09_{}`@");
    EXPECT_EQ(UpperAscii("\xe9t\xe9"), "\xe9T\xe9");
    EXPECT_EQ(UpperAscii(""), "");
}

} // namespace
} // namespace lexiglade
