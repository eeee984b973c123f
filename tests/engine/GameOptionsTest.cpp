#include "engine/GameOptions.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

TEST(GameOptions, StartWithSoundMusicAndBackwardWordsOnAndNoTimeLimit) {
    const GameOptions options;
    EXPECT_TRUE(options.soundsOn);
    EXPECT_TRUE(options.musicOn);
    EXPECT_TRUE(options.backwardWords);
    EXPECT_FALSE(options.timedGame);
    EXPECT_EQ(options.timeLimitChoice, 1);
}

TEST(GameOptions, TimeLimitOfEachChoice) {
    static_assert(TimeLimitSeconds(1) == 180);
    const std::pair<std::int32_t, std::int32_t> cases[] = {{1, 180}, {2, 360}, {3, 540}};
    for (const auto& [choice, seconds] : cases) {
        EXPECT_EQ(TimeLimitSeconds(choice), seconds) << "choice " << choice;
    }
    for (std::int32_t choice : {0, 4, -1}) {
        EXPECT_THROW(TimeLimitSeconds(choice), std::invalid_argument) << "choice " << choice;
    }
}

} // namespace
} // namespace lexiglade
