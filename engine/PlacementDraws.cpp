#include "engine/PlacementDraws.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define LEXIGLADE_AVX2_BLOCKS 1
#endif

namespace lexiglade::placement {

namespace {

// Bit k set where the direction draw k + 1 steps after `base` is of a possible direction.
std::size_t PossibleDraws(std::uint32_t base, std::uint64_t possibleBelow) {
    std::size_t possible = 0;
    for (std::size_t k = 0; k < kBlockDraws; ++k) {
        possible |= static_cast<std::size_t>(StepsOn(base, k + 1) < possibleBelow) << k;
    }
    return possible;
}

#ifdef LEXIGLADE_AVX2_BLOCKS
// The same eight draws side by side; unsigned order is signed order with the top bit flipped.
__attribute__((target("avx2"))) std::size_t PossibleDrawsAvx2(std::uint32_t base,
                                                              std::uint64_t possibleBelow) {
    constexpr auto kLane = [](std::uint32_t value) { return static_cast<int>(value); };
    const __m256i multipliers = _mm256_setr_epi32(
        kLane(kStepMultiplier[1]), kLane(kStepMultiplier[2]), kLane(kStepMultiplier[3]),
        kLane(kStepMultiplier[4]), kLane(kStepMultiplier[5]), kLane(kStepMultiplier[6]),
        kLane(kStepMultiplier[7]), kLane(kStepMultiplier[8]));
    const __m256i increments = _mm256_setr_epi32(
        kLane(kStepIncrement[1]), kLane(kStepIncrement[2]), kLane(kStepIncrement[3]),
        kLane(kStepIncrement[4]), kLane(kStepIncrement[5]), kLane(kStepIncrement[6]),
        kLane(kStepIncrement[7]), kLane(kStepIncrement[8]));
    const __m256i flip = _mm256_set1_epi32(kLane(0x80000000u));
    const __m256i below =
        _mm256_set1_epi32(kLane(static_cast<std::uint32_t>(possibleBelow) ^ 0x80000000u));
    const __m256i states = _mm256_add_epi32(
        _mm256_mullo_epi32(multipliers, _mm256_set1_epi32(kLane(base))), increments);
    const __m256i less = _mm256_cmpgt_epi32(below, _mm256_xor_si256(states, flip));
    return static_cast<std::size_t>(_mm256_movemask_ps(_mm256_castsi256_ps(less)));
}

// The block walk with the vector draws, compiled for processors that have them.
__attribute__((target("avx2"))) std::uint32_t
WalkBlocksAvx2(std::uint32_t& base, std::uint64_t possibleBelow, int& count) {
    std::uint32_t phase = 0;
    for (; count >= static_cast<int>(kBlockDraws); base = StepsOn(base, kBlockDraws)) {
        const std::uint32_t walk =
            kBlockWalks[PossibleDrawsAvx2(base, possibleBelow)] >> (kPhaseBits * phase);
        count -= static_cast<int>(walk & 15u);
        phase = (walk >> 4) & 3u;
    }
    return phase;
}

bool HasAvx2() {
    static const bool kHas = __builtin_cpu_supports("avx2");
    return kHas;
}
#endif

// Walks whole blocks while at least eight attempts are left: a block takes at most eight. Leaves
// `base` at the last block's start and returns the phase the walk stands at in it.
std::uint32_t WalkBlocks(std::uint32_t& base, std::uint64_t possibleBelow, int& count,
                         bool vectors) {
#ifdef LEXIGLADE_AVX2_BLOCKS
    if (vectors && HasAvx2()) {
        return WalkBlocksAvx2(base, possibleBelow, count);
    }
#endif
    (void)vectors;
    std::uint32_t phase = 0;
    for (; count >= static_cast<int>(kBlockDraws); base = StepsOn(base, kBlockDraws)) {
        const std::uint32_t walk =
            kBlockWalks[PossibleDraws(base, possibleBelow)] >> (kPhaseBits * phase);
        count -= static_cast<int>(walk & 15u);
        phase = (walk >> 4) & 3u;
    }
    return phase;
}

} // namespace

std::uint32_t AfterFailingAttempts(std::uint32_t seed, std::uint64_t possibleBelow, int count,
                                   bool vectors) {
    std::uint32_t base = seed;
    const std::uint32_t phase = WalkBlocks(base, possibleBelow, count, vectors);
    std::uint32_t state = StepsOn(base, phase);
    for (; count > 0; --count) {
        state = StepsOn(state, 1) < possibleBelow ? StepsOn(state, 3) : StepsOn(state, 1);
    }
    return state;
}

} // namespace lexiglade::placement
