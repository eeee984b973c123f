#include "engine/Clock.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

GameOptions Timed(bool timed, std::int32_t choice) {
    GameOptions options;
    options.timedGame = timed;
    options.timeLimitChoice = choice;
    return options;
}

TEST(TimeExpired, OnlyInATimedGameAndOnlyOncePastTheLimit) {
    struct Case {
        bool timed;
        std::int32_t choice, elapsed;
        bool expired;
    };
    const Case cases[] = {
        {true, 1, 0, false},           {true, 1, 180, false},  {true, 1, 181, true},
        {true, 2, 181, false},         {true, 2, 360, false},  {true, 2, 361, true},
        {true, 3, 361, false},         {true, 3, 540, false},  {true, 3, 541, true},
        {true, 3, 100000, true},       {false, 1, 181, false}, {false, 3, 541, false},
        {false, 1, 2147483647, false},
    };
    for (const auto& [timed, choice, elapsed, expired] : cases) {
        EXPECT_EQ(TimeExpired(Timed(timed, choice), elapsed), expired)
            << (timed ? "timed" : "untimed") << " choice " << choice << " at " << elapsed;
    }
}

TEST(ClockText, ElapsedFollowedByTheDuration) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "Elapsed: 00:00"},   {1, "Elapsed: 00:01"},      {181, "Elapsed: 03:01"},
        {600, "Elapsed: 10:00"}, {3601, "Elapsed: 1:00:01"},
    };
    for (const auto& [elapsed, text] : cases) {
        EXPECT_EQ(ClockText(elapsed), text) << elapsed;
    }
}

} // namespace
} // namespace lexiglade
