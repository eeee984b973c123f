#include "engine/Random.h"

#include <chrono>

namespace lexiglade {

namespace {
std::uint32_t seed = 0;
} // namespace

std::int32_t RandomBelow(std::int32_t n) {
    return NextBelow(seed, n);
}

void SetRandomSeed(std::uint32_t value) {
    seed = value;
}

std::uint32_t RandomSeed() {
    return seed;
}

std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond) {
    const auto seconds = (static_cast<std::uint32_t>(hour) * 60 + minute) * 60 + second;
    return seconds * 1000 + static_cast<std::uint32_t>(millisecond);
}

std::uint32_t SeedFromUtcClock() {
    using namespace std::chrono;
    const auto now = floor<milliseconds>(system_clock::now());
    const hh_mm_ss time{now - floor<days>(now)};
    return SeedFromTimeOfDay(
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
        static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
}

} // namespace lexiglade
