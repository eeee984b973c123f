#include "platform/GdiDeviceContext.h"
#include "platform/GdiError.h"
#include "platform/GdiPalette.h"

#include "TestImages.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

// A 256-entry palette like the game's: a few colours, near-whites after white, black to the end.
PaletteRef GameLikePalette() {
    LogPalette description;
    description.entries.assign(256, PaletteEntry{});
    description.entries[1] = {255, 255, 255, 0};
    description.entries[2] = {255, 255, 254, 0};
    description.entries[3] = {0, 156, 156, 0};
    description.entries[4] = {255, 0, 0, 0};
    description.entries[5] = {255, 32, 32, 0};
    description.entries[6] = {0, 0, 179, 0};
    return CreatePalette(description);
}

TEST(Palette, CreatePaletteKeepsVersionAndEntries) {
    const PaletteRef palette = GameLikePalette();
    EXPECT_EQ(palette->Version(), 0x300);
    ASSERT_EQ(palette->Size(), 256u);
    EXPECT_EQ(palette->Entry(3).green, 156);
    EXPECT_EQ(palette->Entry(255).red, 0);
    EXPECT_THROW(CreatePalette(LogPalette{}), PlatformError);
}

TEST(Palette, PaletteRelativeColoursTakeTheNearestEntry) {
    const PaletteRef palette = GameLikePalette();
    struct Case {
        ColorRef colour;
        ColorRef drawn;
    };
    const Case cases[] = {
        {PaletteRelative(PaletteRgb(255, 255, 255)), PaletteRgb(255, 255, 255)},
        {PaletteRelative(PaletteRgb(255, 255, 253)), PaletteRgb(255, 255, 254)},
        {PaletteRelative(PaletteRgb(0, 150, 160)), PaletteRgb(0, 156, 156)},
        {PaletteRelative(PaletteRgb(250, 10, 10)), PaletteRgb(255, 0, 0)},
        {PaletteRelative(PaletteRgb(250, 30, 30)), PaletteRgb(255, 32, 32)},
        {PaletteRelative(PaletteRgb(10, 10, 10)), PaletteRgb(0, 0, 0)},
        {PaletteRelative(PaletteRgb(0, 0, 100)), PaletteRgb(0, 0, 179)},
        {PaletteRgb(250, 10, 10), PaletteRgb(250, 10, 10)},
        {PaletteRgb(1, 2, 3), PaletteRgb(1, 2, 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveColour(c.colour, palette.get()), c.drawn) << std::hex << c.colour;
        EXPECT_EQ(ResolveColour(c.colour, nullptr), c.colour & 0xFFFFFF) << std::hex << c.colour;
    }
}

TEST(Palette, FirstOfEquallyNearEntriesWins) {
    LogPalette description;
    description.entries = {{0, 0, 0, 0}, {10, 0, 0, 0}, {0, 10, 0, 0}, {10, 0, 0, 0}};
    const PaletteRef palette = CreatePalette(description);
    EXPECT_EQ(palette->NearestIndex(PaletteRgb(5, 0, 0)), 0u);
    EXPECT_EQ(palette->NearestIndex(PaletteRgb(6, 0, 0)), 1u);
    EXPECT_EQ(palette->NearestIndex(PaletteRgb(5, 5, 0)), 0u);
    EXPECT_EQ(palette->NearestIndex(PaletteRgb(6, 6, 0)), 1u);
    EXPECT_EQ(palette->NearestIndex(PaletteRgb(5, 6, 0)), 2u);
}

TEST(Palette, DrawingMapsThroughTheSelectedPalette) {
    QImage image = test::Filled(4, 1, qRgb(9, 9, 9));
    DeviceContext dc(image);
    const PaletteRef palette = GameLikePalette();
    EXPECT_EQ(dc.SelectPalette(palette, false), nullptr);
    EXPECT_EQ(dc.RealizePalette(), 256);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRelative(PaletteRgb(250, 10, 10))));
    dc.MoveToEx(0, 0);
    dc.LineTo(1, 0);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(250, 10, 10)));
    dc.LineTo(2, 0);
    EXPECT_EQ(dc.SelectPalette(nullptr, true), palette);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRelative(PaletteRgb(250, 10, 10))));
    dc.LineTo(3, 0);
    EXPECT_EQ(dc.GetPixel(0, 0), PaletteRgb(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 0), PaletteRgb(250, 10, 10));
    EXPECT_EQ(dc.GetPixel(2, 0), PaletteRgb(250, 10, 10));
    EXPECT_EQ(dc.GetPixel(3, 0), PaletteRgb(9, 9, 9));
}

TEST(Palette, ColourParts) {
    constexpr ColorRef kColour = PaletteRgb(1, 2, 3);
    static_assert(kColour == 0x030201);
    static_assert(PaletteRelative(kColour) == 0x02030201);
    static_assert(PaletteRelative(PaletteRgb(0, 0, 0)) == 0x02000000);
    EXPECT_EQ(GetRValue(PaletteRelative(kColour)), 1);
    EXPECT_EQ(GetGValue(PaletteRelative(kColour)), 2);
    EXPECT_EQ(GetBValue(PaletteRelative(kColour)), 3);
    EXPECT_TRUE(IsPaletteRelative(PaletteRelative(kColour)));
    EXPECT_FALSE(IsPaletteRelative(kColour));
}

} // namespace
} // namespace lexiglade
