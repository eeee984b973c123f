#include "platform/DisplayScale.h"

#include <QByteArray>
#include <QtGlobal>

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

// Restores an environment variable as the test found it.
class SavedVariable {
  public:
    explicit SavedVariable(const char* name)
        : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
    ~SavedVariable() {
        if (set_) {
            qputenv(name_, value_);
        } else {
            qunsetenv(name_);
        }
    }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

  private:
    const char* name_;
    bool set_;
    QByteArray value_;
};

// The player's own QT_SCALE_FACTOR stands, and a window system other than X keeps its scaling.
TEST(DisplayScale, LeavesAScaleTheEnvironmentChose) {
    const SavedVariable factor("QT_SCALE_FACTOR");
    const SavedVariable platform("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "3");
    ApplyDisplayScale();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("3"));
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_QPA_PLATFORM", "wayland");
    ApplyDisplayScale();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
}

} // namespace
} // namespace lexiglade
