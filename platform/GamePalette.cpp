#include "platform/GamePalette.h"

#include <cstdint>
#include <utility>

namespace lexiglade {

namespace {

struct Rgb {
    std::uint8_t red, green, blue;
};

constexpr Rgb kPaletteValues[] = {
#include "platform/PaletteTable.inc"
};
static_assert(std::size(kPaletteValues) == kGamePaletteSize - 1);

constexpr std::size_t kLogicalPaletteSize = 256;

} // namespace

void BuildPalette(GamePaletteTable& palette) {
    for (std::size_t i = 0; i < std::size(kPaletteValues); ++i) {
        const Rgb& v = kPaletteValues[i];
        palette[i] = PaletteRgb(v.red, v.green, v.blue);
    }
}

PaletteRef CreateGamePalette(const GamePaletteTable& palette) {
    LogPalette description;
    description.entries.resize(kLogicalPaletteSize);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        description.entries[i] = {GetRValue(palette[i]), GetGValue(palette[i]),
                                  GetBValue(palette[i]), 0};
    }
    return CreatePalette(std::move(description));
}

PaletteRef GamePaletteHandle() {
    GamePaletteTable table{};
    BuildPalette(table);
    return CreateGamePalette(table);
}

} // namespace lexiglade
