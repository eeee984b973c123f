#pragma once
// The player's options; in memory only, every run starts from these defaults.
#include <cstdint>
#include <stdexcept>

namespace lexiglade {

struct GameOptions {
    bool soundsOn = true;
    bool musicOn = true;
    bool backwardWords = true;
    bool timedGame = false;
    std::int32_t timeLimitChoice = 1; // 1, 2 or 3: 3, 6 or 9 minutes
};

// Limit of a timed game in seconds for choice 1, 2 or 3; any other choice is a fault.
constexpr std::int32_t TimeLimitSeconds(std::int32_t choice) {
    if (choice < 1 || choice > 3) {
        throw std::invalid_argument("time-limit choice must be 1, 2 or 3");
    }
    return choice * 180;
}

} // namespace lexiglade
