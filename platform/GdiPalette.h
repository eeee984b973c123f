#pragma once
// Logical palettes: palette-relative colours are drawn as their nearest entry.
#include "platform/GdiTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexiglade {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

inline constexpr std::uint16_t kPaletteVersion = 0x300;

struct LogPalette {
    std::uint16_t version = kPaletteVersion;
    std::vector<PaletteEntry> entries;
};

class LogicalPalette {
  public:
    explicit LogicalPalette(LogPalette description);

    std::uint16_t Version() const { return version_; }
    std::size_t Size() const { return entries_.size(); }
    const PaletteEntry& Entry(std::size_t index) const { return entries_.at(index); }

    // Smallest squared RGB distance; the first of equally near entries wins.
    std::size_t NearestIndex(ColorRef colour) const;
    // The nearest entry as a plain colour (top byte 0).
    ColorRef NearestColour(ColorRef colour) const;

  private:
    std::uint16_t version_;
    std::vector<PaletteEntry> entries_;
};

using PaletteRef = std::shared_ptr<const LogicalPalette>;

// Throws PlatformError for a palette without entries.
PaletteRef CreatePalette(LogPalette description);

// The plain colour that `colour` is drawn as: the nearest palette entry when it is palette-relative
// and a palette is given, otherwise its own red, green and blue.
ColorRef ResolveColour(ColorRef colour, const LogicalPalette* palette);

} // namespace lexiglade
