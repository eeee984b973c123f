#include "platform/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>

namespace lexiglade {
namespace {

struct ScreenCase {
    int width;
    int height;
    double scale;
};

// Worked by hand: the title-bar room is 5 % of the height, at least 32 pixels; the scale is the
// largest quarter step at which 640 x 480 fits beside it, never below 1.
TEST(DisplayScale, ChosenFromTheScreen) {
    const ScreenCase cases[] = {
        {320, 200, 1.0},    // too small even at 1: the picture is not shrunk
        {640, 480, 1.0},    // 448 rows beside the title bar
        {800, 600, 1.0},    // 568 / 480 = 1.18
        {1024, 768, 1.5},   // 730 / 480 = 1.52
        {1280, 800, 1.5},   // 760 / 480 = 1.58
        {1366, 768, 1.5},   // 730 / 480 = 1.52
        {1280, 1024, 2.0},  // 1280 / 640 = 2 and 973 / 480 = 2.03: the width decides
        {1920, 1080, 2.0},  // 1026 / 480 = 2.14
        {2560, 1080, 2.0},  // an ultra-wide screen: the height decides
        {1080, 1920, 1.5},  // a portrait screen: 1080 / 640 = 1.69, the width decides
        {2560, 1440, 2.75}, // 1368 / 480 = 2.85
        {3840, 2160, 4.25}, // 2052 / 480 = 4.28
    };
    for (const ScreenCase& c : cases) {
        EXPECT_EQ(ChooseDisplayScale(c.width, c.height), c.scale) << c.width << "x" << c.height;
    }
}

// The catalogue's picture fills at least 80 % of the height of the common screens and still fits
// beside a title bar.
TEST(DisplayScale, BackgroundFillsTheCommonScreens) {
    const ScreenCase screens[] = {{1280, 800, 0}, {1920, 1080, 0}, {3840, 2160, 0}};
    for (const ScreenCase& s : screens) {
        const double scale = ChooseDisplayScale(s.width, s.height);
        EXPECT_GE(kDesignHeight * scale, 0.8 * s.height) << s.width << "x" << s.height;
        EXPECT_LE(kDesignHeight * scale, s.height - 32) << s.width << "x" << s.height;
        EXPECT_LE(kDesignWidth * scale, s.width) << s.width << "x" << s.height;
    }
}

// Logical pixels become blocks that tile the device, and every device pixel maps back to the
// logical pixel whose block holds it, also through the division a mouse position goes through.
TEST(DisplayScale, DevicePixelsMapBackToTheirLogicalPixel) {
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.75, 4.25}) {
        for (int x = -20; x < 400; ++x) {
            ASSERT_LT(DevicePixel(x, scale), DevicePixel(x + 1, scale)) << scale << " " << x;
            for (int d = DevicePixel(x, scale); d < DevicePixel(x + 1, scale); ++d) {
                ASSERT_EQ(LogicalPixel(d / scale), x) << scale << " device " << d;
            }
        }
    }
}

// The scale on Wayland, where the area still holds the desktop's panel and the maximized forms have
// no title bar: room for the panel at the output's scale, 32 pixels at output scale 1, 64 at 2.
TEST(DisplayScale, OnWaylandLeavesRoomForThePanel) {
    struct WaylandCase {
        StartScreen screen;
        double scale;
    };
    const WaylandCase cases[] = {
        {{1920, 1080, 1.0, true}, 2.0},   // 5 % decides: 1026 / 480 = 2.14
        {{1920, 1080, 2.0, true}, 2.0},   // 1016 / 480 = 2.12
        {{1366, 768, 2.0, true}, 1.25},   // 704 / 480 = 1.47
        {{3840, 2160, 1.0, true}, 4.25},  // 5 % decides: 2052 / 480 = 4.28
        {{3840, 2160, 2.0, true}, 4.25},  // 5 % decides, as on X
        {{3840, 2160, 2.0, false}, 4.25}, // X: the work area has no panel, the title bar stays 32
    };
    for (const WaylandCase& c : cases) {
        EXPECT_EQ(ChooseDisplayScale(c.screen), c.scale)
            << c.screen.width << "x" << c.screen.height << " at " << c.screen.platformRatio;
    }
}

// The player's own QT_SCALE_FACTOR stands, and a window system that is neither X nor Wayland keeps
// its own scaling.
TEST(DisplayScale, LeavesAScaleTheEnvironmentChose) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const double before = screen->devicePixelRatio();
    ApplyDisplayScale(); // headless: not a window system the game scales for
    EXPECT_EQ(screen->devicePixelRatio(), before);
}

} // namespace
} // namespace lexiglade
