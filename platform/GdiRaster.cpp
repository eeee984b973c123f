#include "platform/GdiRaster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace lexiglade {

namespace {

using Wide = std::int64_t;

// Doubled coordinates: u = 2x - (l + r), v = 2y - (t + b); a and b are the box's width and height.
struct Ellipse2 {
    Wide cx2;
    Wide cy2;
    Wide a;
    Wide b;

    Wide Residual(Wide u, Wide v) const { return b * b * u * u + a * a * v * v - a * a * b * b; }
    Wide Error(Wide u, Wide v) const { return std::abs(Residual(u, v)); }
};

struct Step {
    Wide u;
    Wide v;
};

// Coordinates are 16-bit, as on the original platform; figures reaching beyond draw nothing.
constexpr int kCoordinateLimit = 32767;

bool InRange(std::initializer_list<int> coordinates) {
    return std::all_of(coordinates.begin(), coordinates.end(),
                       [](int c) { return c >= -kCoordinateLimit && c <= kCoordinateLimit; });
}

void SortUnique(std::vector<DevicePoint>& pixels) {
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
}

Wide StartRow(const Ellipse2& e, Wide u, Wide v0) {
    Wide v = std::max(e.b, v0);
    while (v - 2 >= v0 && e.Error(u, v - 2) < e.Error(u, v)) {
        v -= 2;
    }
    return v;
}

// Best of the three moves outward along the quadrant; the diagonal wins ties.
Step NextStep(const Ellipse2& e, Step at) {
    const Step moves[] = {{at.u + 2, at.v - 2}, {at.u, at.v - 2}, {at.u + 2, at.v}};
    Step best = moves[0];
    for (const Step& move : moves) {
        if (e.Error(move.u, move.v) < e.Error(best.u, best.v)) {
            best = move;
        }
    }
    return best;
}

// One quadrant (u >= 0, v >= 0), traced from the top of the ellipse to its side.
std::vector<Step> TraceQuadrant(const Ellipse2& e) {
    const Wide v0 = e.b & 1;
    Step at{e.a & 1, 0};
    at.v = StartRow(e, at.u, v0);
    std::vector<Step> steps{at};
    while (true) {
        if (at.v == v0) {
            if (e.Error(at.u + 2, at.v) >= e.Error(at.u, at.v)) {
                break;
            }
            at.u += 2;
        } else {
            at = NextStep(e, at);
        }
        steps.push_back(at);
    }
    return steps;
}

std::vector<DevicePoint> Mirror(const Ellipse2& e, const std::vector<Step>& quadrant) {
    std::vector<DevicePoint> pixels;
    pixels.reserve(quadrant.size() * 4);
    for (const Step& s : quadrant) {
        for (const Wide su : {Wide{1}, Wide{-1}}) {
            for (const Wide sv : {Wide{1}, Wide{-1}}) {
                pixels.push_back({static_cast<int>((e.cx2 + su * s.u) / 2),
                                  static_cast<int>((e.cy2 + sv * s.v) / 2)});
            }
        }
    }
    SortUnique(pixels);
    return pixels;
}

// A direction in doubled coordinates with y pointing up, so counterclockwise is positive.
struct Direction {
    Wide x;
    Wide y;
};

Wide Cross(Direction p, Direction q) {
    return p.x * q.y - p.y * q.x;
}
Wide Dot(Direction p, Direction q) {
    return p.x * q.x + p.y * q.y;
}

// 0 when the turn from s to d is in [0, pi), 1 when in [pi, 2 pi).
int HalfTurn(Direction s, Direction d) {
    const Wide cross = Cross(s, d);
    return cross > 0 || (cross == 0 && Dot(s, d) > 0) ? 0 : 1;
}

// The counterclockwise turn from s to p is smaller than the one from s to q.
bool TurnsBefore(Direction s, Direction p, Direction q) {
    const int hp = HalfTurn(s, p);
    const int hq = HalfTurn(s, q);
    return hp != hq ? hp < hq : Cross(p, q) > 0;
}

Direction Radial(const Ellipse2& e, DevicePoint point) {
    Direction d{2 * Wide{point.x} - e.cx2, e.cy2 - 2 * Wide{point.y}};
    if (d.x == 0 && d.y == 0) {
        d.x = 1;
    }
    return d;
}

Ellipse2 BoxEllipse(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    return {Wide{left} + right, Wide{top} + bottom, Wide{right} - left, Wide{bottom} - top};
}

} // namespace

std::vector<DevicePoint> LinePixels(DevicePoint from, DevicePoint to) {
    if (!InRange({from.x, from.y, to.x, to.y})) {
        return {};
    }
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    std::vector<DevicePoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
    int error = dx + dy;
    DevicePoint at = from;
    while (at != to) {
        pixels.push_back(at);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            at.y += sy;
        }
    }
    return pixels;
}

std::vector<DevicePoint> EllipsePixels(int left, int top, int right, int bottom) {
    if (!InRange({left, top, right, bottom})) {
        return {};
    }
    const Ellipse2 e = BoxEllipse(left, top, right, bottom);
    if (e.b == 0) {
        std::vector<DevicePoint> row;
        for (Wide u = -e.a; u <= e.a; u += 2) {
            row.push_back({static_cast<int>((e.cx2 + u) / 2), static_cast<int>(e.cy2 / 2)});
        }
        return row;
    }
    return Mirror(e, TraceQuadrant(e));
}

std::vector<DevicePoint> ArcPixels(int left, int top, int right, int bottom, DevicePoint start,
                                   DevicePoint end) {
    std::vector<DevicePoint> pixels = EllipsePixels(left, top, right, bottom);
    const Ellipse2 e = BoxEllipse(left, top, right, bottom);
    const Direction s = Radial(e, start);
    const Direction f = Radial(e, end);
    if (HalfTurn(s, f) == 0 && Cross(s, f) == 0) {
        return pixels;
    }
    std::erase_if(pixels, [&](DevicePoint p) {
        const Direction d{2 * Wide{p.x} - e.cx2, e.cy2 - 2 * Wide{p.y}};
        return (d.x != 0 || d.y != 0) && !TurnsBefore(s, d, f);
    });
    return pixels;
}

std::vector<DevicePoint> WidenPixels(const std::vector<DevicePoint>& pixels, int width) {
    if (width <= 1) {
        std::vector<DevicePoint> copy = pixels;
        SortUnique(copy);
        return copy;
    }
    const int before = (width - 1) / 2;
    std::vector<DevicePoint> wide;
    wide.reserve(pixels.size() * static_cast<std::size_t>(width * width));
    for (const DevicePoint p : pixels) {
        for (int dy = -before; dy < width - before; ++dy) {
            for (int dx = -before; dx < width - before; ++dx) {
                wide.push_back({p.x + dx, p.y + dy});
            }
        }
    }
    SortUnique(wide);
    return wide;
}

} // namespace lexiglade
