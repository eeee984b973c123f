#pragma once
// The placement loop's draws worked out ahead: the generator's state a few steps on is an affine
// map of its state now, so the states of one attempt, or of a block of draws, are computed side by
// side, and attempts known to fail are passed over without drawing them one by one.
#include "engine/Random.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace lexiglade::placement {

// The generator's state k steps on is seed * StepMultiplier[k] + StepIncrement[k].
inline constexpr std::size_t kMostSteps = 8;
inline constexpr std::array<std::uint32_t, kMostSteps + 1> kStepIncrement = [] {
    std::array<std::uint32_t, kMostSteps + 1> increments{};
    for (std::size_t k = 0; k <= kMostSteps; ++k) {
        increments[k] = SkipDraws(0, k);
    }
    return increments;
}();
inline constexpr std::array<std::uint32_t, kMostSteps + 1> kStepMultiplier = [] {
    std::array<std::uint32_t, kMostSteps + 1> multipliers{};
    for (std::size_t k = 0; k <= kMostSteps; ++k) {
        multipliers[k] = SkipDraws(1, k) - SkipDraws(0, k);
    }
    return multipliers;
}();

inline std::uint32_t StepsOn(std::uint32_t seed, std::size_t steps) {
    return seed * kStepMultiplier[steps] + kStepIncrement[steps];
}

// NextBelow's result for the state it has just stepped to.
inline std::int32_t Below(std::uint32_t state, std::int32_t n) {
    return static_cast<std::int32_t>((std::uint64_t{state} * static_cast<std::uint32_t>(n)) >> 32);
}

// The direction draw, below 16, of the state it stepped to.
inline std::size_t DirectionDraw(std::uint32_t state) {
    return state >> 28;
}

// The states after an attempt's direction, column and row draws.
struct AttemptStates {
    explicit AttemptStates(std::uint32_t seed)
        : direction(StepsOn(seed, 1)), column(StepsOn(seed, 2)), row(StepsOn(seed, 3)) {}
    std::uint32_t direction, column, row;
};

inline std::uint32_t AllOnesWhen(bool condition) {
    return 0u - static_cast<std::uint32_t>(condition);
}

// `ifAllOnes` where the mask is all ones, `ifZero` where it is zero.
inline std::uint32_t Choose(std::uint32_t mask, std::uint32_t ifAllOnes, std::uint32_t ifZero) {
    return (ifAllOnes & mask) | (ifZero & ~mask);
}

// How attempts walk through a block of eight direction draws, bit i of `possible` set where draw
// i is of a possible direction: for each phase the walk can enter the block at (0 to 2 draws in),
// six bits, the attempts it makes in the block (low four) and the phase it enters the next block
// at. The three walks are looked up together, so the lookup waits for no earlier block.
inline constexpr std::size_t kBlockDraws = 8;
inline constexpr std::size_t kPhaseBits = 6;
inline constexpr std::array<std::uint32_t, 256> kBlockWalks = [] {
    std::array<std::uint32_t, 256> walks{};
    for (std::size_t possible = 0; possible < 256; ++possible) {
        for (std::size_t phase = 0; phase < 3; ++phase) {
            std::size_t at = phase, attempts = 0;
            for (; at < kBlockDraws; ++attempts) {
                at += ((possible >> at) & 1u) != 0 ? 3 : 1;
            }
            const std::size_t walk = attempts | (at - kBlockDraws) << 4;
            walks[possible] |= static_cast<std::uint32_t>(walk << (kPhaseBits * phase));
        }
    }
    return walks;
}();

// The generator after `count` attempts that all fail, for a word whose direction is possible
// exactly when the direction draw's state lies below `possibleBelow`: an attempt takes one draw
// for the direction and two more when it is possible. The draws are looked at eight at a time:
// which of them are possible directions is worked out for the block at once, without a branch (in
// one set of vector instructions where the processor has them, unless `vectors` is false), and
// BlockWalks says how the attempts walk through it; the last few attempts go one at a time.
std::uint32_t AfterFailingAttempts(std::uint32_t seed, std::uint64_t possibleBelow, int count,
                                   bool vectors = true);

} // namespace lexiglade::placement
