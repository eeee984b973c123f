#include "ui/Drawkit.h"

#include "ModalDriver.h"
#include "platform/SurfaceForm.h"

#include <gtest/gtest.h>

namespace lexiglade::test {
namespace {

TEST(PaletteTest, TableEntriesAndTheLogicalPalette) {
    GamePaletteTable table{};
    table.fill(PaletteRgb(1, 2, 3));
    BuildPalette(table);
    struct Case {
        int index;
        int r, g, b;
    };
    const Case cases[] = {{0, 229, 186, 255},   {9, 96, 0, 159},    {27, 0, 156, 156},
                          {35, 0, 0, 179},      {69, 0, 0, 0},      {94, 255, 32, 32},
                          {95, 255, 0, 0},      {99, 185, 0, 0},    {160, 255, 255, 254},
                          {209, 255, 251, 250}, {210, 43, 199, 183}};
    for (const Case& c : cases) {
        EXPECT_EQ(table[static_cast<std::size_t>(c.index)], PaletteRgb(c.r, c.g, c.b)) << c.index;
    }
    EXPECT_EQ(table[211], PaletteRgb(1, 2, 3)) << "entry 211 is not the builder's";

    table[211] = PaletteRgb(0, 0, 0);
    const PaletteRef palette = CreateGamePalette(table);
    ASSERT_EQ(palette->Size(), 256u);
    EXPECT_EQ(palette->Version(), 0x300);
    for (std::size_t i = 211; i < 256; ++i) {
        const PaletteEntry& e = palette->Entry(i);
        EXPECT_EQ(e.red + e.green + e.blue + e.flags, 0) << i;
    }
    EXPECT_EQ(palette->Entry(27).green, 156);
    EXPECT_EQ(palette->Entry(27).flags, 0);
}

TEST(PaletteTest, ColoursReachTheGraphicsSystemPaletteRelative) {
    DrawkitState kit;
    BuildPalette(kit.GamePalette);
    EXPECT_EQ(kit.PaletteColour(69), 0x02000000u);
    EXPECT_EQ(kit.PaletteColour(95), 0x020000FFu);
    EXPECT_EQ(kit.PaletteColour(212), 0x02000000u);
    EXPECT_EQ(kit.PaletteColour(255), 0x02000000u);
}

TEST(DrawkitTest, PointInBoxIncludesEveryEdge) {
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{10, 20, true}, {40, 20, true},  {10, 50, true},  {40, 50, true},
                          {9, 30, false}, {41, 30, false}, {20, 19, false}, {20, 51, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(PointInBox(c.x, c.y, 10, 40, 20, 50), c.inside) << c.x << "," << c.y;
    }
}

TEST(DrawkitTest, PixelDistanceRoundsToTheNearestPixel) {
    struct Case {
        int x1, y1, x2, y2, distance;
    };
    const Case cases[] = {{0, 0, 3, 4, 5},
                          {0, 0, 1, 1, 1},
                          {5, 5, 2, 1, 5},
                          {0, 0, 0, 0, 0},
                          {0, 0, 10, 0, 10},
                          {0, 0, 7, 7, 10},
                          {0, 0, 8, 8, 11},
                          {3, 0, 0, 0, 3},
                          {0, 0, 1, 2, 2},
                          {0, 0, 2, 2, 3},
                          // Beyond 4096 pixels: the root of 16789505 is 4097.49985, which single
                          // precision holds as 4097.5, a half that goes to the even 4098.
                          {0, 0, 3316, 2407, 4098},
                          {3316, 2407, 0, 0, 4098},
                          {0, 0, 4120, 2575, 4859}, // 4858.50028, just above the half
                          {-3000, 100, 1000, -2900, 5000},
                          {0, 0, 8191, 0, 8191},
                          {0, 0, 5000, 1, 5000}};
    for (const Case& c : cases) {
        EXPECT_EQ(PixelDistance(c.x1, c.y1, c.x2, c.y2), c.distance)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }
}

class PlainForm : public SurfaceForm {
  protected:
    void FormPaint() override {}
};

TEST(DrawkitTest, FillBoxSaveAndRestoreWorkOnTheDrawWindow) {
    DrawkitState kit;
    BuildPalette(kit.GamePalette);
    kit.PaletteHandle = CreateGamePalette(kit.GamePalette);
    PlainForm form;
    form.resize(120, 80);
    form.show();
    WaitFor([&] { return form.FormPaintCount() > 0; });
    kit.DrawWindow = &form;
    kit.ScreenWidth = 100;
    kit.ScreenHeight = 60;
    kit.ScreenCopy.SetWidth(100);
    kit.ScreenCopy.SetHeight(60);
    form.Surface().fill(qRgb(10, 10, 10));

    kit.FillBox(5, 5, 20, 15, 1, 1, kit.GamePalette[94]);
    const QImage& s = form.Surface();
    EXPECT_EQ(s.pixel(5, 5), qRgb(255, 32, 32));
    EXPECT_EQ(s.pixel(19, 14), qRgb(255, 32, 32));
    EXPECT_EQ(s.pixel(20, 10), qRgb(10, 10, 10));

    kit.SaveScreen();
    form.Surface().fill(qRgb(200, 200, 200));
    kit.RestoreScreen();
    EXPECT_EQ(s.pixel(10, 10), qRgb(255, 32, 32));
    EXPECT_EQ(s.pixel(50, 50), qRgb(10, 10, 10));
    EXPECT_EQ(s.pixel(100, 10), qRgb(200, 200, 200)) << "outside the screen size stays";
    EXPECT_EQ(s.pixel(10, 60), qRgb(200, 200, 200));
}

} // namespace
} // namespace lexiglade::test
