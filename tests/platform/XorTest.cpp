#include "platform/GdiDeviceContext.h"

#include "TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace lexiglade {
namespace {

using Figure = std::function<void(DeviceContext&)>;

struct Named {
    std::string name;
    Figure draw;
    std::size_t pixels; // how many pixels inside the surface it must change once drawn
};

// Draws the figure once (it must change exactly `pixels` pixels) and again (the noise returns).
void ExpectXorRoundTrip(const Named& figure) {
    const QImage original = test::Noise(80, 60, 11);
    QImage image = original;
    DeviceContext dc(image);
    dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRelative(PaletteRgb(0, 156, 156))));
    dc.SetROP2(R2_XORPEN);
    figure.draw(dc);
    EXPECT_EQ(test::Changed(original, image).size(), figure.pixels) << figure.name;
    figure.draw(dc);
    EXPECT_EQ(image, original) << figure.name;
}

std::size_t Inside(const std::vector<DevicePoint>& pixels) {
    std::size_t inside = 0;
    for (const DevicePoint p : pixels) {
        inside += p.x >= 0 && p.y >= 0 && p.x < 80 && p.y < 60;
    }
    return inside;
}

TEST(Xor, LinesOfEverySlopeCancelWhenDrawnTwice) {
    std::vector<Named> figures;
    for (int step = 0; step < 48; ++step) {
        const double angle = step * std::numbers::pi / 24;
        const int length = 10 + step % 5 * 12;
        const DevicePoint from{40, 30};
        const DevicePoint to{40 + static_cast<int>(std::lround(length * std::cos(angle))),
                             30 - static_cast<int>(std::lround(length * std::sin(angle)))};
        figures.push_back({"line " + std::to_string(step),
                           [=](DeviceContext& dc) {
                               dc.MoveToEx(from.x, from.y);
                               dc.LineTo(to.x, to.y);
                           },
                           Inside(LinePixels(from, to))});
    }
    for (const Named& figure : figures) {
        ExpectXorRoundTrip(figure);
    }
}

TEST(Xor, ArcsCancelWhenDrawnTwice) {
    const DevicePoint offsets[] = {{0, -10}, {5, -8},  {7, -7},  {8, -5}, {10, 0}, {8, 5},
                                   {7, 7},   {5, 8},   {0, 10},  {-5, 8}, {-7, 7}, {-8, 5},
                                   {-10, 0}, {-8, -5}, {-7, -7}, {-5, -8}};
    const struct {
        int left, top, right, bottom;
    } boxes[] = {{30, 20, 50, 40}, {25, 22, 56, 37}, {-5, -5, 15, 15}, {70, 50, 90, 70}};
    for (const auto& b : boxes) {
        const int cx = (b.left + b.right) / 2;
        const int cy = (b.top + b.bottom) / 2;
        for (const DevicePoint s : offsets) {
            for (const DevicePoint e : offsets) {
                const DevicePoint start{cx + s.x, cy + s.y};
                const DevicePoint end{cx + e.x, cy + e.y};
                ExpectXorRoundTrip(
                    {"arc",
                     [=](DeviceContext& dc) {
                         dc.Arc(b.left, b.top, b.right, b.bottom, start.x, start.y, end.x, end.y);
                     },
                     Inside(ArcPixels(b.left, b.top, b.right, b.bottom, start, end))});
            }
        }
    }
}

// The selection capsule: two half circles of radius 10 joined by two sides.
void Capsule(DeviceContext& dc, DevicePoint a, DevicePoint f, DevicePoint offset) {
    const DevicePoint s1{a.x - offset.x, a.y - offset.y};
    const DevicePoint e1{a.x + offset.x, a.y + offset.y};
    const DevicePoint s2{f.x + offset.x, f.y + offset.y};
    const DevicePoint e2{f.x - offset.x, f.y - offset.y};
    dc.Arc(a.x - 10, a.y - 10, a.x + 10, a.y + 10, s1.x, s1.y, e1.x, e1.y);
    dc.Arc(f.x - 10, f.y - 10, f.x + 10, f.y + 10, s2.x, s2.y, e2.x, e2.y);
    dc.MoveToEx(s1.x, s1.y);
    dc.LineTo(e2.x, e2.y);
    dc.MoveToEx(e1.x, e1.y);
    dc.LineTo(s2.x, s2.y);
}

TEST(Xor, CapsulesCancelWhenDrawnTwice) {
    const struct {
        DevicePoint anchor, far, offset;
    } cases[] = {{{20, 30}, {20, 30}, {0, 10}}, {{20, 30}, {60, 30}, {0, 10}},
                 {{20, 20}, {50, 40}, {5, -8}}, {{60, 45}, {25, 12}, {-5, 8}},
                 {{40, 30}, {42, 50}, {7, 7}},  {{15, 15}, {75, 55}, {-8, 5}},
                 {{5, 50}, {78, 58}, {10, 0}},  {{40, 30}, {40, 31}, {8, -5}}};
    for (const auto& c : cases) {
        const QImage original = test::Noise(80, 60, 23);
        QImage image = original;
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 1, PaletteRelative(PaletteRgb(0, 156, 156))));
        dc.SetROP2(R2_XORPEN);
        Capsule(dc, c.anchor, c.far, c.offset);
        EXPECT_GT(test::Changed(original, image).size(), 50u);
        Capsule(dc, c.anchor, c.far, c.offset);
        EXPECT_EQ(image, original) << c.anchor.x << "," << c.anchor.y;
    }
}

TEST(Xor, RectanglesCancelWhenDrawnTwice) {
    ExpectXorRoundTrip(
        {"rectangle", [](DeviceContext& dc) { dc.Rectangle(-4, 10, 30, 70); }, 30 * 50});
}

TEST(Xor, WidePenFiguresCancelWhenDrawnTwice) {
    ExpectXorRoundTrip({"wide line",
                        [](DeviceContext& dc) {
                            dc.SelectObject(CreatePen(PS_SOLID, 3, PaletteRgb(9, 8, 7)));
                            dc.MoveToEx(3, 4);
                            dc.LineTo(70, 31);
                        },
                        Inside(WidenPixels(LinePixels({3, 4}, {70, 31}), 3))});
    ExpectXorRoundTrip({"wide arc",
                        [](DeviceContext& dc) {
                            dc.SelectObject(CreatePen(PS_SOLID, 2, PaletteRgb(9, 8, 7)));
                            dc.Arc(20, 10, 60, 50, 40, 10, 20, 30);
                        },
                        Inside(WidenPixels(ArcPixels(20, 10, 60, 50, {40, 10}, {20, 30}), 2))});
}

} // namespace
} // namespace lexiglade
