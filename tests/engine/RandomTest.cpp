#include "engine/Random.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace lexiglade {
namespace {

// Expected values worked out from seed' = seed * 134775813 + 1 and (seed' * n) >> 32.
TEST(RandomBelow, FollowsTheGeneratorFromSeedOne) {
    struct Case {
        std::int32_t n;
        std::vector<std::int32_t> values;
    };
    const std::vector<Case> cases = {
        {16, {0, 13, 3, 4, 10, 5, 2, 5}},
        {22, {0, 18, 4, 6, 14, 7, 3, 8}},
        {26, {0, 22, 5, 7, 17, 8, 4, 9}},
        {3, {0, 2, 0, 0, 2, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        SetRandomSeed(1);
        std::vector<std::int32_t> drawn;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            drawn.push_back(RandomBelow(c.n));
        }
        EXPECT_EQ(drawn, c.values) << "n = " << c.n;
    }
}

TEST(SkipDraws, EqualsDrawingThatManyNumbers) {
    for (std::uint32_t seed : {0u, 1u, 2024u, 0xFFFFFFFFu}) {
        std::uint32_t drawn = seed;
        std::uint64_t draws = 0;
        for (std::uint64_t skip : {0u, 1u, 2u, 3u, 15000u, 15001u, 65536u}) {
            for (; draws < skip; ++draws) {
                NextBelow(drawn, 7);
            }
            EXPECT_EQ(SkipDraws(seed, skip), drawn) << "seed " << seed << " skip " << skip;
        }
    }
}

TEST(RandomBelow, AdvancesTheSeedOncePerDrawEvenForZero) {
    SetRandomSeed(1);
    const std::vector<std::uint32_t> seeds = {134775814u, 3698175007u, 870078620u};
    for (std::uint32_t expected : seeds) {
        EXPECT_EQ(RandomBelow(0), 0);
        EXPECT_EQ(RandomSeed(), expected);
    }
}

TEST(RandomBelow, UsesTheFull64BitProduct) {
    SetRandomSeed(0xFFFFFFFFu);
    const std::vector<std::int32_t> expected = {2080095741, 433171958, 1115652048, 283984661};
    for (std::int32_t value : expected) {
        EXPECT_EQ(RandomBelow(INT32_MAX), value);
    }
}

TEST(RandomSeed, FromTimeOfDayCountsMillisecondsSinceMidnight) {
    struct Case {
        int hour, minute, second, millisecond;
        std::uint32_t seed;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0, 0u},
        {0, 0, 1, 5, 1005u},
        {12, 34, 56, 789, 45296789u},
        {23, 59, 59, 999, 86399999u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeedFromTimeOfDay(c.hour, c.minute, c.second, c.millisecond), c.seed)
            << c.hour << ":" << c.minute << ":" << c.second << "." << c.millisecond;
    }
}

TEST(RandomSeed, FromUtcClockIsTheTimeOfDayNow) {
    using namespace std::chrono;
    const auto before = floor<milliseconds>(system_clock::now());
    const std::uint32_t seed = SeedFromUtcClock();
    const auto after = floor<milliseconds>(system_clock::now());
    const auto ofDay = [](auto time) {
        return static_cast<std::uint32_t>((time - floor<days>(time)).count());
    };
    ASSERT_LT(seed, 86400000u);
    if (ofDay(before) <= ofDay(after)) { // the day did not turn meanwhile
        EXPECT_GE(seed, ofDay(before));
        EXPECT_LE(seed, ofDay(after));
    }
}

} // namespace
} // namespace lexiglade
