#include "platform/GdiDeviceContext.h"
#include "platform/GdiRaster.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace lexiglade {
namespace {

using test::PixelSet;
using test::WithColour;

constexpr QRgb kPen = qRgb(0, 156, 156);

PixelSet DrawArc(int cx, int cy, int radius, DevicePoint start, DevicePoint end) {
    QImage image = test::Filled(64, 64, qRgb(0, 0, 0));
    DeviceContext dc(image);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRgb(0, 156, 156)));
    dc.Arc(cx - radius, cy - radius, cx + radius, cy + radius, start.x, start.y, end.x, end.y);
    return WithColour(image, kPen);
}

// Every pixel has two neighbours among the others (8-connected), so the outline is closed.
bool IsClosedOutline(const PixelSet& pixels) {
    for (const DevicePoint p : pixels) {
        int neighbours = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                neighbours += (dx != 0 || dy != 0) && pixels.contains({p.x + dx, p.y + dy});
            }
        }
        if (neighbours < 2) {
            return false;
        }
    }
    return !pixels.empty();
}

TEST(Arc, EqualRadialsDrawTheWholeCircle) {
    const struct {
        DevicePoint start, end;
    } cases[] = {
        {{32, 22}, {32, 22}}, {{42, 32}, {60, 32}}, {{37, 24}, {37, 24}}, {{0, 0}, {5, 5}}};
    for (const auto& c : cases) {
        const PixelSet circle = DrawArc(32, 32, 10, c.start, c.end);
        EXPECT_TRUE(IsClosedOutline(circle));
        EXPECT_GT(circle.size(), 50u);
        for (const DevicePoint p : circle) {
            EXPECT_NEAR(std::hypot(p.x - 32, p.y - 32), 10.0, 0.6) << p.x << "," << p.y;
        }
        for (const DevicePoint p : {DevicePoint{22, 32}, {42, 32}, {32, 22}, {32, 42}}) {
            EXPECT_TRUE(circle.contains(p)) << p.x << "," << p.y;
        }
        EXPECT_EQ(circle, DrawArc(32, 32, 10, {32, 22}, {32, 22}));
    }
}

TEST(Arc, RunsCounterclockwiseFromStartToEnd) {
    const PixelSet left = DrawArc(32, 32, 10, {32, 22}, {32, 42});
    const PixelSet right = DrawArc(32, 32, 10, {32, 42}, {32, 22});
    EXPECT_TRUE(left.contains({22, 32}));
    EXPECT_FALSE(left.contains({42, 32}));
    EXPECT_TRUE(right.contains({42, 32}));
    EXPECT_FALSE(right.contains({22, 32}));
    for (const DevicePoint p : left) {
        EXPECT_LE(p.x, 32);
        EXPECT_FALSE(right.contains(p)) << "both halves hold " << p.x << "," << p.y;
    }
    PixelSet both = left;
    both.insert(right.begin(), right.end());
    EXPECT_EQ(both, DrawArc(32, 32, 10, {0, 0}, {0, 0}));
}

TEST(Arc, QuartersLieInTheirQuadrants) {
    const struct {
        DevicePoint start, end;
        int sx, sy; // signs of x - cx and y - cy allowed
    } cases[] = {{{42, 32}, {32, 22}, 1, -1},
                 {{32, 22}, {22, 32}, -1, -1},
                 {{22, 32}, {32, 42}, -1, 1},
                 {{32, 42}, {42, 32}, 1, 1}};
    for (const auto& c : cases) {
        const PixelSet quarter = DrawArc(32, 32, 10, c.start, c.end);
        EXPECT_GT(quarter.size(), 10u);
        EXPECT_TRUE(quarter.contains(c.start));
        EXPECT_FALSE(quarter.contains(c.end));
        for (const DevicePoint p : quarter) {
            EXPECT_GE((p.x - 32) * c.sx, 0) << p.x << "," << p.y;
            EXPECT_GE((p.y - 32) * c.sy, 0) << p.x << "," << p.y;
        }
    }
}

TEST(Arc, EllipseTouchesEveryEdgeOfItsBox) {
    const struct {
        int left, top, right, bottom;
    } boxes[] = {{2, 3, 40, 13}, {5, 5, 12, 30}, {0, 0, 1, 1},
                 {7, 7, 7, 12},  {3, 9, 20, 9},  {10, 10, 31, 25}};
    for (const auto& b : boxes) {
        const std::vector<DevicePoint> pixels = EllipsePixels(b.left, b.top, b.right, b.bottom);
        const PixelSet unique(pixels.begin(), pixels.end());
        EXPECT_EQ(unique.size(), pixels.size());
        int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
        for (const DevicePoint p : pixels) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        EXPECT_EQ(minX, b.left);
        EXPECT_EQ(maxX, b.right);
        EXPECT_EQ(minY, b.top);
        EXPECT_EQ(maxY, b.bottom);
    }
}

TEST(Arc, IsClippedToTheSurface) {
    const PixelSet clipped = DrawArc(2, 2, 10, {0, 0}, {0, 0});
    EXPECT_FALSE(clipped.empty());
    const std::vector<DevicePoint> whole = EllipsePixels(-8, -8, 12, 12);
    std::size_t inside = 0;
    for (const DevicePoint p : whole) {
        inside += p.x >= 0 && p.y >= 0;
    }
    EXPECT_EQ(clipped.size(), inside);
}

TEST(WidePen, CoversASquarePerPixel) {
    const std::vector<DevicePoint> wide = WidenPixels({{5, 5}, {6, 5}}, 3);
    EXPECT_EQ(PixelSet(wide.begin(), wide.end()), test::Box(4, 4, 7, 6));
    EXPECT_EQ(wide.size(), 12u);
}

} // namespace
} // namespace lexiglade
