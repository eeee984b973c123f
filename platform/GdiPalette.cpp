#include "platform/GdiPalette.h"

#include "platform/GdiError.h"

#include <utility>

namespace lexiglade {

namespace {

int Squared(int value) {
    return value * value;
}

int Distance(const PaletteEntry& entry, ColorRef colour) {
    return Squared(entry.red - GetRValue(colour)) + Squared(entry.green - GetGValue(colour)) +
           Squared(entry.blue - GetBValue(colour));
}

} // namespace

LogicalPalette::LogicalPalette(LogPalette description)
    : version_(description.version), entries_(std::move(description.entries)) {}

std::size_t LogicalPalette::NearestIndex(ColorRef colour) const {
    std::size_t best = 0;
    int bestDistance = Distance(entries_.front(), colour);
    for (std::size_t i = 1; i < entries_.size(); ++i) {
        const int distance = Distance(entries_[i], colour);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

ColorRef LogicalPalette::NearestColour(ColorRef colour) const {
    const PaletteEntry& entry = entries_[NearestIndex(colour)];
    return PaletteRgb(entry.red, entry.green, entry.blue);
}

PaletteRef CreatePalette(LogPalette description) {
    if (description.entries.empty()) {
        throw PlatformError("Palette has no entries");
    }
    return std::make_shared<const LogicalPalette>(std::move(description));
}

ColorRef ResolveColour(ColorRef colour, const LogicalPalette* palette) {
    if (IsPaletteRelative(colour) && palette != nullptr) {
        return palette->NearestColour(colour);
    }
    return colour & 0x00FFFFFF;
}

} // namespace lexiglade
