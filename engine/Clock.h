#pragma once
// The game clock's text and the time limit of a timed game.
#include "engine/GameOptions.h"

#include <cstdint>
#include <string>

namespace lexiglade {

// True once a timed game's clock has passed its limit (strictly): a 3-minute game ends at 181.
bool TimeExpired(const GameOptions& options, std::int32_t elapsedSeconds);

// "Elapsed: " followed by FormatDuration(elapsedSeconds).
std::string ClockText(std::int32_t elapsedSeconds);

} // namespace lexiglade
