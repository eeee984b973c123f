#include "platform/GdiBitmap.h"
#include "platform/GdiDeviceContext.h"

#include "TestImages.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

using test::Box;
using test::PixelSet;
using test::WithColour;

constexpr QRgb kBack = qRgb(0, 0, 0);
constexpr QRgb kPen = qRgb(255, 0, 0);
constexpr QRgb kBrush = qRgb(0, 255, 0);

PixelSet Minus(PixelSet a, const PixelSet& b) {
    for (const DevicePoint p : b) {
        a.erase(p);
    }
    return a;
}

PixelSet Clip(const PixelSet& pixels, int width, int height) {
    PixelSet inside;
    for (const DevicePoint p : pixels) {
        if (p.x >= 0 && p.y >= 0 && p.x < width && p.y < height) {
            inside.insert(p);
        }
    }
    return inside;
}

TEST(Rectangle, OutlineAndInteriorLeaveRightAndBottomEdgesOut) {
    struct Case {
        int left, top, right, bottom, penWidth;
        PixelSet outer; // pixels of the pen and brush together
        PixelSet inner; // brush only
    };
    const Case cases[] = {
        {2, 3, 6, 8, 1, Box(2, 3, 5, 7), Box(3, 4, 4, 6)},
        {6, 8, 2, 3, 1, Box(2, 3, 5, 7), Box(3, 4, 4, 6)},
        {4, 4, 5, 5, 1, Box(4, 4, 4, 4), {}},
        {4, 4, 6, 6, 1, Box(4, 4, 5, 5), {}},
        {4, 4, 4, 9, 1, {}, {}},
        {-3, -2, 3, 4, 1, Box(-3, -2, 2, 3), Box(-2, -1, 1, 2)},
        {10, 10, 30, 30, 1, Box(10, 10, 15, 15), Box(11, 11, 15, 15)},
        {3, 3, 11, 11, 3, Box(2, 2, 11, 11), Box(5, 5, 8, 8)},
        {3, 3, 11, 11, 2, Box(3, 3, 11, 11), Box(5, 5, 9, 9)},
    };
    for (const Case& c : cases) {
        QImage image = test::Filled(16, 16, kBack);
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, c.penWidth, PaletteRgb(255, 0, 0)));
        dc.SelectObject(CreateSolidBrush(PaletteRgb(0, 255, 0)));
        dc.Rectangle(c.left, c.top, c.right, c.bottom);
        const PixelSet outer = Clip(c.outer, 16, 16);
        const PixelSet inner = Clip(c.inner, 16, 16);
        SCOPED_TRACE(testing::Message() << c.left << "," << c.top << "," << c.right << ","
                                        << c.bottom << " width " << c.penWidth);
        EXPECT_EQ(WithColour(image, kBrush), inner);
        EXPECT_EQ(WithColour(image, kPen), Minus(outer, inner));
    }
}

TEST(LineTo, DrawsUpToButNotIncludingTheEndPoint) {
    struct Case {
        DevicePoint from, to;
        PixelSet pixels;
    };
    const Case cases[] = {
        {{1, 2}, {6, 2}, Box(1, 2, 5, 2)},
        {{6, 2}, {1, 2}, Box(2, 2, 6, 2)},
        {{3, 1}, {3, 5}, Box(3, 1, 3, 4)},
        {{3, 5}, {3, 1}, Box(3, 2, 3, 5)},
        {{1, 1}, {5, 5}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {{5, 1}, {1, 5}, {{5, 1}, {4, 2}, {3, 3}, {2, 4}}},
        {{0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
        {{0, 0}, {2, 6}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}}},
        {{4, 4}, {4, 4}, {}},
        {{-2, 3}, {3, 3}, Box(0, 3, 2, 3)},
        {{0, 3}, {100000, 3}, {}},
    };
    for (const Case& c : cases) {
        QImage image = test::Filled(8, 8, kBack);
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(255, 0, 0)));
        dc.MoveToEx(c.from.x, c.from.y);
        dc.LineTo(c.to.x, c.to.y);
        EXPECT_EQ(WithColour(image, kPen), c.pixels)
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    }
}

TEST(LineTo, MovesTheCurrentPositionToTheEndPoint) {
    QImage image = test::Filled(8, 8, kBack);
    DeviceContext dc(image);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(255, 0, 0)));
    EXPECT_EQ(dc.MoveToEx(1, 1), (DevicePoint{0, 0}));
    dc.LineTo(4, 1);
    dc.LineTo(4, 3);
    EXPECT_EQ(dc.MoveToEx(0, 0), (DevicePoint{4, 3}));
    PixelSet expected = Box(1, 1, 4, 1);
    expected.insert({4, 2});
    EXPECT_EQ(WithColour(image, kPen), expected);
}

TEST(BitBlt, CopiesAClippedBlock) {
    Bitmap source(12, 10);
    QImage noise = test::Noise(12, 10, 7);
    const QImage target = test::Filled(16, 12, kBack);
    const DeviceContext noiseDc(noise);
    source.Canvas().BitBlt(0, 0, 12, 10, &noiseDc, 0, 0, SRCCOPY);
    ASSERT_EQ(source.Image(), noise);
    struct Case {
        int x, y, width, height, sx, sy;
    };
    const Case cases[] = {{3, 2, 5, 4, 2, 3}, {12, 9, 8, 8, 0, 0},  {-2, -1, 5, 5, 0, 0},
                          {0, 0, 6, 6, 9, 7}, {1, 1, 4, 4, -2, -3}, {0, 0, 0, 3, 0, 0}};
    for (const Case& c : cases) {
        QImage image = target;
        DeviceContext dc(image);
        dc.BitBlt(c.x, c.y, c.width, c.height, source, c.sx, c.sy, SRCCOPY);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int sx = x - c.x + c.sx;
                const int sy = y - c.y + c.sy;
                const bool copied = x >= c.x && x < c.x + c.width && y >= c.y &&
                                    y < c.y + c.height && noise.valid(sx, sy);
                ASSERT_EQ(image.pixel(x, y), copied ? noise.pixel(sx, sy) : kBack)
                    << "case " << c.x << "," << c.y << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(BitBlt, CopiesWithinOneSurfaceAsIfFromACopy) {
    const QImage original = test::Noise(10, 10, 3);
    QImage image = original;
    DeviceContext dc(image);
    dc.BitBlt(2, 1, 6, 6, &dc, 0, 0, SRCCOPY);
    for (int y = 1; y < 7; ++y) {
        for (int x = 2; x < 8; ++x) {
            ASSERT_EQ(image.pixel(x, y), original.pixel(x - 2, y - 1)) << x << "," << y;
        }
    }
    EXPECT_EQ(image.pixel(0, 0), original.pixel(0, 0));
}

TEST(BitBlt, WhitenessFillsTheBlockWhite) {
    const QImage original = test::Noise(10, 8, 5);
    QImage image = original;
    DeviceContext dc(image);
    dc.SetROP2(R2_XORPEN);
    dc.BitBlt(3, 2, 150, 80, nullptr, 0, 0, WHITENESS);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool white = x >= 3 && y >= 2;
            ASSERT_EQ(image.pixel(x, y), white ? qRgb(255, 255, 255) : original.pixel(x, y));
        }
    }
}

TEST(DeviceContext, ReadsPixelsAndCapabilities) {
    QImage image = test::Filled(7, 5, qRgb(1, 2, 3));
    DeviceContext dc(image);
    EXPECT_EQ(dc.GetPixel(6, 4), PaletteRgb(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(7, 0), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(0, -1), CLR_INVALID);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 7);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 5);
}

TEST(DeviceContext, ConvertsOtherSurfaceFormats) {
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(qRgb(5, 5, 5));
    DeviceContext dc(image);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(255, 0, 0)));
    dc.MoveToEx(0, 0);
    dc.LineTo(2, 0);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(dc.GetPixel(1, 0), PaletteRgb(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 0), PaletteRgb(5, 5, 5));
}

} // namespace
} // namespace lexiglade
