#include "engine/Duration.h"

namespace lexiglade {

namespace {

void AppendTwoDigits(std::string& text, std::int32_t value) {
    if (value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

} // namespace

std::string FormatDuration(std::int32_t seconds) {
    std::int32_t hours = 0;
    if (seconds > 3600) {
        hours = seconds / 3600;
        seconds %= 3600;
    }
    std::string text;
    if (hours > 0) {
        text += std::to_string(hours);
        text += ':';
    }
    AppendTwoDigits(text, seconds / 60);
    text += ':';
    AppendTwoDigits(text, seconds % 60);
    return text;
}

} // namespace lexiglade
