// Drawing on a surface with a device pixel ratio: the game's logical pixels on a scaled screen.
#include "platform/DisplayScale.h"
#include "platform/GdiBitmap.h"
#include "platform/GdiDeviceContext.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace lexiglade {
namespace {

constexpr int kLogicalWidth = 80;
constexpr int kLogicalHeight = 60;
const double kScales[] = {1.25, 1.5, 2.0, 4.25};

QImage ScaledNoise(double scale, std::uint32_t seed) {
    QImage image =
        test::Noise(DevicePixel(kLogicalWidth, scale), DevicePixel(kLogicalHeight, scale), seed);
    image.setDevicePixelRatio(scale);
    return image;
}

// The device pixels of the blocks of the logical pixels.
test::PixelSet Blocks(const std::vector<DevicePoint>& logical, double scale) {
    test::PixelSet device;
    for (const DevicePoint p : logical) {
        for (int y = DevicePixel(p.y, scale); y < DevicePixel(p.y + 1, scale); ++y) {
            for (int x = DevicePixel(p.x, scale); x < DevicePixel(p.x + 1, scale); ++x) {
                device.insert({x, y});
            }
        }
    }
    return device;
}

// A capsule as the rubber band draws one: two half arcs joined by two lines, a wide pen.
void DrawCapsule(DeviceContext& dc) {
    dc.Arc(10, 10, 30, 30, 20, 10, 20, 30);
    dc.Arc(50, 30, 70, 50, 60, 50, 60, 30);
    dc.MoveToEx(20, 10);
    dc.LineTo(60, 30);
    dc.MoveToEx(20, 30);
    dc.LineTo(60, 50);
}

TEST(ScaledDrawing, ExclusiveOrFiguresRestoreEveryDevicePixel) {
    for (const double scale : kScales) {
        const QImage original = ScaledNoise(scale, 5);
        QImage image = original;
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 2, PaletteRgb(0, 156, 156)));
        dc.SetROP2(R2_XORPEN);
        DrawCapsule(dc);
        EXPECT_FALSE(test::Changed(original, image).empty()) << scale;
        DrawCapsule(dc);
        EXPECT_EQ(image, original) << scale;
    }
}

// A logical pixel of an exclusive-or line covers its whole block of device pixels and nothing
// beside it.
TEST(ScaledDrawing, ExclusiveOrLinePixelsBecomeTheirDeviceBlocks) {
    for (const double scale : kScales) {
        QImage image = test::Filled(DevicePixel(kLogicalWidth, scale),
                                    DevicePixel(kLogicalHeight, scale), qRgb(0, 0, 0));
        image.setDevicePixelRatio(scale);
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(255, 0, 0)));
        dc.SetROP2(R2_XORPEN);
        dc.MoveToEx(3, 4);
        dc.LineTo(71, 37);
        EXPECT_EQ(test::WithColour(image, qRgb(255, 0, 0)),
                  Blocks(LinePixels({3, 4}, {71, 37}), scale))
            << scale;
    }
}

// In copy mode (a found word's capsule) the figure is drawn as its pixels at scale 1, and smooth at
// the device resolution above it: shades between pen and ground along its edges, the pen's own
// colour along its middle, nothing farther than a pixel from it.
TEST(ScaledDrawing, CopyModeFiguresAreSmoothAboveScaleOne) {
    constexpr QRgb kPen = qRgb(0, 0, 179);
    const std::vector<DevicePoint> figure = [] {
        std::vector<DevicePoint> pixels = ArcPixels(10, 10, 30, 30, {20, 10}, {20, 30});
        for (const DevicePoint p : ArcPixels(50, 30, 70, 50, {60, 50}, {60, 30})) {
            pixels.push_back(p);
        }
        for (const DevicePoint p : LinePixels({20, 10}, {60, 30})) {
            pixels.push_back(p);
        }
        for (const DevicePoint p : LinePixels({20, 30}, {60, 50})) {
            pixels.push_back(p);
        }
        return pixels;
    }();
    const struct {
        double scale;
        bool smooth;
    } cases[] = {{1.0, false}, {2.0, true}, {4.25, true}};
    for (const auto& c : cases) {
        QImage image = test::Filled(DevicePixel(kLogicalWidth, c.scale),
                                    DevicePixel(kLogicalHeight, c.scale), qRgb(0, 0, 0));
        image.setDevicePixelRatio(c.scale);
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(0, 0, 179)));
        DrawCapsule(dc);
        const test::PixelSet drawn =
            test::Changed(test::Filled(image.width(), image.height(), qRgb(0, 0, 0)), image);
        std::set<QRgb> shades;
        for (const DevicePoint p : drawn) {
            shades.insert(image.pixel(p.x, p.y));
        }
        EXPECT_TRUE(shades.contains(kPen)) << c.scale;
        EXPECT_EQ(shades.size() > 2, c.smooth) << c.scale;
        if (c.smooth) {
            const test::PixelSet reach = Blocks(WidenPixels(figure, 3), c.scale);
            EXPECT_TRUE(std::includes(reach.begin(), reach.end(), drawn.begin(), drawn.end()))
                << c.scale;
        } else {
            EXPECT_EQ(drawn, Blocks(figure, c.scale));
        }
    }
}

// Artwork of logical pixels fills exactly the device pixels of its rectangle.
TEST(ScaledDrawing, PicturesFillTheirDeviceRectangle) {
    Bitmap picture(12, 7);
    picture.Canvas().BitBlt(0, 0, 12, 7, nullptr, 0, 0, WHITENESS);
    for (const double scale : kScales) {
        const QImage original = ScaledNoise(scale, 3);
        QImage image = original;
        DeviceContext dc(image);
        dc.BitBlt(5, 9, 12, 7, picture, 0, 0, SRCCOPY);
        std::vector<DevicePoint> logical;
        for (int y = 9; y < 16; ++y) {
            for (int x = 5; x < 17; ++x) {
                logical.push_back({x, y});
            }
        }
        const test::PixelSet expected = Blocks(logical, scale);
        EXPECT_EQ(test::Changed(original, image), expected) << scale;
        for (const DevicePoint p : expected) {
            ASSERT_EQ(image.pixel(p.x, p.y), qRgb(255, 255, 255)) << scale;
        }
    }
}

// A window saved and put back at the same scale keeps every device pixel (the found capsules).
TEST(ScaledDrawing, CopiesBetweenScaledSurfacesKeepDevicePixels) {
    for (const double scale : kScales) {
        QImage window = ScaledNoise(scale, 21);
        const QImage original = window;
        Bitmap copy;
        copy.SetPixelRatio(scale);
        copy.SetWidth(kLogicalWidth);
        copy.SetHeight(kLogicalHeight);
        DeviceContext windowDc(window);
        copy.Canvas().BitBlt(0, 0, kLogicalWidth, kLogicalHeight, &windowDc, 0, 0, SRCCOPY);
        window.fill(Qt::black);
        windowDc.BitBlt(0, 0, kLogicalWidth, kLogicalHeight, &copy.Canvas(), 0, 0, SRCCOPY);
        EXPECT_EQ(window, original) << scale;
    }
}

// The size and pixels a form reads are logical whatever the scale.
TEST(ScaledDrawing, SizeAndPixelsAreLogical) {
    QImage image = ScaledNoise(1.5, 2);
    DeviceContext dc(image);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), kLogicalWidth);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), kLogicalHeight);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(1, 2, 3)));
    dc.MoveToEx(7, 7);
    dc.LineTo(8, 7);
    EXPECT_EQ(dc.GetPixel(7, 7), PaletteRgb(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(kLogicalWidth, 0), CLR_INVALID);
}

// Device rows holding ink, and whether some logical pixel's block holds two colours: text drawn at
// the device resolution, not an enlarged low-resolution bitmap.
struct Ink {
    int rows = 0;
    bool finerThanBlocks = false;
};

Ink TextInk(double scale) {
    QImage image = test::Filled(DevicePixel(kLogicalWidth, scale),
                                DevicePixel(kLogicalHeight, scale), qRgb(0, 0, 0));
    image.setDevicePixelRatio(scale);
    DeviceContext dc(image);
    dc.SelectObject(CreateFont("System", -13));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(PaletteRgb(255, 255, 255));
    dc.TextOutA(4, 4, "Wag");
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                ++ink.rows;
                break;
            }
        }
    }
    const auto block = [&](int lx, int ly) {
        return image.pixel(DevicePixel(lx, scale), DevicePixel(ly, scale));
    };
    for (int ly = 0; ly < kLogicalHeight && !ink.finerThanBlocks; ++ly) {
        for (int lx = 0; lx < kLogicalWidth && !ink.finerThanBlocks; ++lx) {
            for (int y = DevicePixel(ly, scale); y < DevicePixel(ly + 1, scale); ++y) {
                for (int x = DevicePixel(lx, scale); x < DevicePixel(lx + 1, scale); ++x) {
                    ink.finerThanBlocks |= image.pixel(x, y) != block(lx, ly);
                }
            }
        }
    }
    return ink;
}

TEST(ScaledDrawing, TextIsDrawnAtDeviceResolution) {
    const Ink plain = TextInk(1.0);
    const Ink doubled = TextInk(2.0);
    ASSERT_GT(plain.rows, 5);
    EXPECT_GE(doubled.rows, plain.rows * 2 - 3);
    EXPECT_LE(doubled.rows, plain.rows * 2 + 3);
    EXPECT_TRUE(doubled.finerThanBlocks);
}

} // namespace
} // namespace lexiglade
