#pragma once
// The time format shared by the game clock and the best-time report.
#include <cstdint>
#include <string>

namespace lexiglade {

// mm:ss, with an hours part h: in front only above 3600 seconds (3600 reads 60:00).
std::string FormatDuration(std::int32_t seconds);

} // namespace lexiglade
