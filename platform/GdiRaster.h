#pragma once
// Pixel sets of lines and arcs. Every set holds each pixel once, so an exclusive-or figure
// never cancels itself and drawing it twice restores the surface. Coordinates beyond +-32767
// (the original platform's 16-bit range) give an empty set.
#include "platform/GdiTypes.h"

#include <vector>

namespace lexiglade {

// Bresenham line from `from` towards `to`; `to` itself is not part of the line.
std::vector<DevicePoint> LinePixels(DevicePoint from, DevicePoint to);

// Outline of the ellipse inscribed in the box; both edges of the box are on the ellipse,
// so (l, t, r, b) has centre ((l + r) / 2, (t + b) / 2) and width r - l. Sorted, unique.
std::vector<DevicePoint> EllipsePixels(int left, int top, int right, int bottom);

// The part of that outline swept counterclockwise on the screen from the radial through `start`
// to the radial through `end`: pixels on the start radial belong to it, pixels on the end radial
// do not, so arcs from s to e and from e to s make the whole ellipse once. Equal radials give the
// whole ellipse. Sorted, unique.
std::vector<DevicePoint> ArcPixels(int left, int top, int right, int bottom, DevicePoint start,
                                   DevicePoint end);

// Each pixel grown to a width x width square (centred, extra pixel right and down); sorted, unique.
std::vector<DevicePoint> WidenPixels(const std::vector<DevicePoint>& pixels, int width);

} // namespace lexiglade
