#pragma once
// The placement loop's draws worked out ahead: the generator's state a few steps on is an affine
// map of its state now, so the states of one attempt are computed side by side, and attempts
// known to fail are passed over without drawing them one by one.
#include "engine/Random.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace lexiglade::placement {

// The generator's state k steps on is seed * StepMultiplier[k] + StepIncrement[k].
inline constexpr std::size_t MostSteps = 6;
inline constexpr std::array<std::uint32_t, MostSteps + 1> StepIncrement = [] {
    std::array<std::uint32_t, MostSteps + 1> increments{};
    for (std::size_t k = 0; k <= MostSteps; ++k) {
        increments[k] = SkipDraws(0, k);
    }
    return increments;
}();
inline constexpr std::array<std::uint32_t, MostSteps + 1> StepMultiplier = [] {
    std::array<std::uint32_t, MostSteps + 1> multipliers{};
    for (std::size_t k = 0; k <= MostSteps; ++k) {
        multipliers[k] = SkipDraws(1, k) - SkipDraws(0, k);
    }
    return multipliers;
}();

inline std::uint32_t StepsOn(std::uint32_t seed, std::size_t steps) {
    return seed * StepMultiplier[steps] + StepIncrement[steps];
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

// The generator after `count` attempts that all fail, for a word whose direction is possible
// exactly when the direction draw's state lies below `possibleBelow`: an attempt takes one draw
// for the direction and two more when it is possible. Two attempts a round, without a branch
// (whether a direction is possible is a coin toss the processor cannot foresee): the first
// attempt draws one step on and ends one or three on, the second draws the step after that.
inline std::uint32_t AfterFailingAttempts(std::uint32_t seed, std::uint64_t possibleBelow,
                                          int count) {
    std::uint32_t state = seed;
    for (; count >= 2; count -= 2) {
        const std::uint32_t one = StepsOn(state, 1), two = StepsOn(state, 2);
        const std::uint32_t four = StepsOn(state, 4), six = StepsOn(state, 6);
        const std::uint32_t first = AllOnesWhen(one < possibleBelow);
        const std::uint32_t secondDraw = Choose(first, four, two);
        const std::uint32_t second = AllOnesWhen(secondDraw < possibleBelow);
        state = Choose(second, Choose(first, six, four), secondDraw);
    }
    if (count == 1) {
        state = StepsOn(state, 1) < possibleBelow ? StepsOn(state, 3) : StepsOn(state, 1);
    }
    return state;
}

} // namespace lexiglade::placement
