#pragma once
// Surfaces and pixel sets shared by the drawing tests.
#include "platform/GdiTypes.h"

#include <QImage>

#include <cstdint>
#include <random>
#include <set>

namespace lexiglade::test {

using PixelSet = std::set<DevicePoint>;

inline QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline QImage Noise(int width, int height, std::uint32_t seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, 0xFF000000u | (random() & 0x00FFFFFFu));
        }
    }
    return image;
}

// Pixels whose colour differs between two images of one size.
inline PixelSet Changed(const QImage& before, const QImage& after) {
    PixelSet changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed.insert({x, y});
            }
        }
    }
    return changed;
}

inline PixelSet WithColour(const QImage& image, QRgb colour) {
    PixelSet found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

inline PixelSet Box(int x0, int y0, int x1, int y1) {
    PixelSet box;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            box.insert({x, y});
        }
    }
    return box;
}

} // namespace lexiglade::test
