#include "engine/Clock.h"

#include "engine/Duration.h"

namespace lexiglade {

bool TimeExpired(const GameOptions& options, std::int32_t elapsedSeconds) {
    return options.timedGame && elapsedSeconds > TimeLimitSeconds(options.timeLimitChoice);
}

std::string ClockText(std::int32_t elapsedSeconds) {
    return "Elapsed: " + FormatDuration(elapsedSeconds);
}

} // namespace lexiglade
