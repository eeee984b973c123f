#pragma once
// The one process-wide pseudo-random generator; every random decision of the game draws from it.
#include <cstdint>

namespace lexiglade {

// The generator's step on the given state: seed <- seed * 134775813 + 1 (mod 2^32), then the upper
// 32 bits of the 64-bit product of the new seed and n; uniform on 0 to n - 1, 0 when n is 0.
// n must not be negative.
constexpr std::int32_t NextBelow(std::uint32_t& seed, std::int32_t n) {
    seed = seed * 134775813u + 1u;
    return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
}

// The state after `draws` steps of the generator from `seed`, in a few dozen multiplications: the
// same as drawing that many numbers and discarding them.
constexpr std::uint32_t SkipDraws(std::uint32_t seed, std::uint64_t draws) {
    std::uint32_t multiplier = 1, increment = 0;                   // the steps taken so far
    std::uint32_t stepMultiplier = 134775813u, stepIncrement = 1u; // 2^k steps at once
    for (; draws > 0; draws >>= 1) {
        if ((draws & 1u) != 0) {
            multiplier *= stepMultiplier;
            increment = increment * stepMultiplier + stepIncrement;
        }
        stepIncrement *= stepMultiplier + 1u;
        stepMultiplier *= stepMultiplier;
    }
    return seed * multiplier + increment;
}

// NextBelow on the process-wide state.
std::int32_t RandomBelow(std::int32_t n);

void SetRandomSeed(std::uint32_t seed);
std::uint32_t RandomSeed();

// Milliseconds since midnight: ((hour * 60 + minute) * 60 + second) * 1000 + millisecond.
std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond);
// SeedFromTimeOfDay of the current coordinated universal time.
std::uint32_t SeedFromUtcClock();

} // namespace lexiglade
