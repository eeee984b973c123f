#include "platform/GdiDeviceContext.h"
#include "platform/GdiFont.h"

#include "TestImages.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>

namespace lexiglade {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

struct Bounds {
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;
    int bottom = -1;
};

Bounds BoundsOf(const test::PixelSet& pixels) {
    Bounds b;
    for (const DevicePoint p : pixels) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

Bounds InkOf(std::string_view text, std::uint32_t align, int x, int y) {
    const QImage blank = test::Filled(200, 60, kWhite);
    QImage image = blank;
    DeviceContext dc(image);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(align);
    dc.TextOutA(x, y, text);
    return BoundsOf(test::Changed(blank, image));
}

TEST(Fonts, FacesMapOntoShippedFiles) {
    const struct {
        const char* face;
        int height;
        bool bold;
        const char* family;
        int pixelSize;
        bool drawnBold;
    } cases[] = {{"System", -13, false, "DejaVu Sans", 13, true},
                 {"system", 13, false, "DejaVu Sans", 13, true},
                 {"Times New Roman", -40, false, "Liberation Serif", 40, false},
                 {"Arial", 20, false, "DejaVu Sans", 20, false},
                 {"Arial", 0, true, "DejaVu Sans", 13, true}};
    for (const auto& c : cases) {
        const QFont font = ToQFont(CreateFont(c.face, c.height, c.bold));
        const QFontInfo info(font);
        EXPECT_EQ(info.family().toStdString(), c.family) << c.face;
        EXPECT_EQ(info.pixelSize(), c.pixelSize) << c.face;
        EXPECT_EQ(info.bold(), c.drawnBold) << c.face;
    }
}

TEST(Text, CentredTextIsCentredOnX) {
    for (const std::string_view text : {"HOH", "LEXIGLADE", "I", "MMMM"}) {
        const Bounds ink = InkOf(text, TA_CENTER | TA_TOP, 100, 20);
        ASSERT_GE(ink.right, ink.left) << text;
        EXPECT_LE(std::abs(ink.left + ink.right - 200), 2) << text;
        EXPECT_GE(ink.top, 20) << text;
        EXPECT_LE(ink.bottom, 20 + 13 + 4) << text;
    }
}

TEST(Text, LeftAlignedTextStartsAtX) {
    const Bounds ink = InkOf("HOH", TA_LEFT | TA_TOP, 30, 10);
    EXPECT_GE(ink.left, 30);
    EXPECT_LE(ink.left, 32);
    EXPECT_GE(ink.top, 10);
    const Bounds right = InkOf("HOH", TA_RIGHT | TA_TOP, 100, 10);
    EXPECT_LE(right.right, 99);
    EXPECT_GE(right.right, 97);
}

// The cell of "HOH" drawn at (40, 10) in the default font.
QRect Cell() {
    const QFontMetrics metrics(ToQFont(Font{}));
    return {40, 10, metrics.horizontalAdvance("HOH"), metrics.height()};
}

TEST(Text, TransparentTextLeavesTheBackground) {
    const QImage original = test::Noise(120, 40, 17);
    QImage image = original;
    DeviceContext dc(image);
    dc.SetBkColor(PaletteRgb(255, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOutA(40, 10, "HOH");
    const test::PixelSet changed = test::Changed(original, image);
    const QRect cell = Cell();
    EXPECT_GT(changed.size(), 20u);
    EXPECT_LT(changed.size(), static_cast<std::size_t>(cell.width() * cell.height() / 2));
    for (const DevicePoint p : changed) {
        EXPECT_TRUE(cell.contains(p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_EQ(image.pixel(cell.topLeft()), original.pixel(cell.topLeft()));
}

TEST(Text, OpaqueTextFillsItsCell) {
    QImage image = test::Noise(120, 40, 17);
    DeviceContext dc(image);
    dc.SetBkColor(PaletteRgb(255, 0, 0));
    dc.SetTextColor(PaletteRgb(0, 0, 255));
    dc.TextOutA(40, 10, "HOH");
    const QRect cell = Cell();
    for (const QPoint corner : {cell.topLeft(), cell.topRight(), cell.bottomLeft()}) {
        EXPECT_EQ(image.pixel(corner), qRgb(255, 0, 0)) << corner.x() << "," << corner.y();
    }
    EXPECT_NE(image.pixel(cell.left() - 1, cell.top()), qRgb(255, 0, 0));
    EXPECT_FALSE(test::WithColour(image, qRgb(0, 0, 255)).empty());
}

TEST(Text, TextColourMapsThroughThePalette) {
    LogPalette description;
    description.entries = {{0, 0, 0, 0}, {255, 0, 0, 0}, {255, 255, 255, 0}};
    QImage image = test::Filled(120, 40, kWhite);
    DeviceContext dc(image);
    dc.SelectPalette(CreatePalette(description), false);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(PaletteRelative(PaletteRgb(240, 20, 20)));
    dc.TextOutA(10, 10, "HIH");
    EXPECT_FALSE(test::WithColour(image, qRgb(255, 0, 0)).empty());
    EXPECT_TRUE(test::WithColour(image, qRgb(240, 20, 20)).empty());
}

} // namespace
} // namespace lexiglade
