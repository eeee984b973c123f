#include "engine/Matching.h"

#include "library/Errors.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using Positions = std::vector<std::int32_t>;

std::vector<std::string> AfterRemovals(std::vector<std::string> entries,
                                       const Positions& removals) {
    for (std::int32_t j : removals) {
        entries.erase(entries.begin() + j);
    }
    return entries;
}

TEST(HintRemovals, RemovesMatchingEntriesButSkipsTheOneBehindEachRemoval) {
    struct Case {
        TextList words, hints;
        std::string found;
        std::vector<std::string> entries;
        Positions removals;
    };
    const Case cases[] = {
        {{"CAT", "DOG"}, {"pet", "bark"}, "CAT", {"pet", "bark"}, {0}},
        {{"cat", "DOG"}, {"Pet", "bark"}, "Cat", {"PET", "bark"}, {0}},
        {{"CAT", "DOG"}, {"pet", "bark"}, "DOG", {"bark"}, {0}},
        {{"CAT", "DOG"}, {"pet", "bark"}, "DOG", {"pet"}, {}},
        {{"CAT", "DOG"}, {"pet", "bark"}, "COW", {"pet", "bark"}, {}},
        // Equal hints next to each other: one goes; apart: both go.
        {{"CAT", "DOG", "RAT"}, {"pet", "pet", "rodent"}, "CAT", {"pet", "pet", "rodent"}, {0}},
        {{"CAT", "RAT", "DOG"}, {"pet", "rodent", "pet"}, "CAT", {"pet", "rodent", "pet"}, {0, 1}},
        {{"A", "B", "C", "D"}, {"x", "x", "y", "x"}, "B", {"x", "x", "y", "x"}, {0, 2}},
        {{"A", "B"}, {"y", "x"}, "B", {"y", "x", "x", "x"}, {1, 2}},
        // A second word with the same text removes its own hint as well.
        {{"CAT", "DOG", "CAT"},
         {"pet", "bark", "feline"},
         "CAT",
         {"pet", "bark", "feline"},
         {0, 1}},
        // ...and a second pass over the shortened list catches an equal hint left behind.
        {{"CAT", "CAT"}, {"pet", "pet"}, "CAT", {"pet", "pet"}, {0, 0}},
        {{"CAT"}, {"pet"}, "CAT", {}, {}},
    };
    for (const auto& [words, hints, found, entries, removals] : cases) {
        EXPECT_EQ(HintRemovals(words, hints, found, entries), removals) << found;
    }
}

TEST(HintRemovals, PositionsApplyOneByOneToTheShrinkingList) {
    const std::vector<std::string> entries{"pet", "rodent", "pet", "bark", "pet", "pet"};
    const Positions removals =
        HintRemovals({"CAT", "RAT", "DOG"}, {"pet", "rodent", "bark"}, "CAT", entries);
    EXPECT_EQ(removals, (Positions{0, 1, 2}));
    EXPECT_EQ(AfterRemovals(entries, removals),
              (std::vector<std::string>{"rodent", "bark", "pet"}));
}

TEST(HintRemovals, AMatchingWordWithoutAHintIsAListFault) {
    try {
        HintRemovals({"CAT", "DOG"}, {"pet"}, "DOG", {"pet"});
        ADD_FAILURE() << "no error for a word without a hint";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds");
    }
    EXPECT_EQ(HintRemovals({"CAT", "DOG"}, {"pet"}, "CAT", {"pet"}), Positions{0});
}

} // namespace
} // namespace lexiglade
