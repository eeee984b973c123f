#pragma once
// The box that follows a won game: its time against the puzzle's best.
#include "library/BestTimes.h"

#include <cstdint>
#include <string>

namespace lexiglade {

// "Time taken: mm:ss... Previous best was mm:ss... Recording new record." or "...You did not beat
// the old record.", in English as the library's messages are, translated where it is shown.
std::string BestTimeReport(std::int32_t elapsedSeconds, const BestTimeRecord& record);

} // namespace lexiglade
