#include "engine/Selection.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace lexiglade {

namespace {

bool InSnapWindow(std::int32_t coordinate, std::int32_t centre) {
    return centre - Board::kSnapBelow < coordinate && coordinate <= centre + Board::kSnapAbove;
}

template <typename CentreOf>
SnapResult Snap(std::int32_t coordinate, std::int32_t count, CentreOf centreOf) {
    SnapResult result{coordinate, std::nullopt};
    for (std::int32_t i = 0; i < count; ++i) {
        if (InSnapWindow(result.coordinate, centreOf(i))) {
            result.coordinate = centreOf(i);
            result.index = i;
        }
    }
    return result;
}

struct CapOffset {
    std::int32_t bearing;
    Point offset;
};

// Ascending bearings, so the last entry not above a cap bearing is the one it uses.
constexpr std::array<CapOffset, 16> kCapOffsets{{
    {0, {0, -10}},
    {22, {5, -8}},
    {45, {7, -7}},
    {67, {8, -5}},
    {90, {10, 0}},
    {112, {8, 5}},
    {135, {7, 7}},
    {157, {5, 8}},
    {180, {0, 10}},
    {202, {-5, 8}},
    {225, {-7, 7}},
    {247, {-8, 5}},
    {270, {-10, 0}},
    {292, {-8, -5}},
    {315, {-7, -7}},
    {337, {-5, -8}},
}};

Point CapOffsetFor(std::int32_t capBearing) {
    Point offset = kCapOffsets.front().offset;
    for (const CapOffset& entry : kCapOffsets) {
        if (entry.bearing <= capBearing) {
            offset = entry.offset;
        }
    }
    return offset;
}

std::int32_t Modulo360(std::int64_t bearing) {
    return static_cast<std::int32_t>(((bearing % 360) + 360) % 360);
}

CapFigure CapAround(Point centre, std::int32_t bearing, CapEnd end) {
    return {{centre.x - kCapRadius, centre.y - kCapRadius},
            {centre.x + kCapRadius, centre.y + kCapRadius},
            CapArc(centre.x, centre.y, bearing, end)};
}

} // namespace

std::int32_t ColumnCentreX(BoardOrigin origin, std::int32_t column) {
    return origin.left + Board::kColumnCentreOffset + Board::kColumnPitch * column;
}

std::int32_t RowCentreY(BoardOrigin origin, std::int32_t row) {
    return origin.top + Board::kRowCentreOffset + Board::kRowPitch * row;
}

SnapResult SnapColumn(BoardOrigin origin, std::int32_t x) {
    return Snap(x, kGridColumns, [origin](std::int32_t i) { return ColumnCentreX(origin, i); });
}

SnapResult SnapRow(BoardOrigin origin, std::int32_t y) {
    return Snap(y, kGridRows, [origin](std::int32_t j) { return RowCentreY(origin, j); });
}

bool InPressRectangle(BoardOrigin origin, Point p) {
    return Board::kPressArea.Holds(origin.left, origin.top, p);
}

bool IsRefused(BoardOrigin origin, Point p) {
    return p.x >= origin.left + Board::kRefusedFromX || p.y >= origin.top + Board::kRefusedFromY;
}

std::optional<SnappedCell> SnapToCell(BoardOrigin origin, Point p) {
    const SnapResult column = SnapColumn(origin, p.x);
    const SnapResult row = SnapRow(origin, p.y);
    if (!column.index || !row.index) {
        return std::nullopt;
    }
    return SnappedCell{{*column.index, *row.index}, {column.coordinate, row.coordinate}};
}

std::optional<SnappedCell> BeginAnchor(BoardOrigin origin, Point p) {
    if (IsRefused(origin, p)) {
        return std::nullopt;
    }
    return SnapToCell(origin, p);
}

std::optional<SnappedCell> ReleaseCell(BoardOrigin origin, Point p) {
    return BeginAnchor(origin, p);
}

SelectionState StartedSelection(const SnappedCell& anchor) {
    return {true,
            anchor.centre.x,
            anchor.centre.y,
            anchor.cell.column,
            anchor.cell.row,
            anchor.centre.x,
            anchor.centre.y,
            kPressBearing};
}

Point AnchorPoint(const SelectionState& state) {
    return {state.AnchorX, state.AnchorY};
}

Point RubberPoint(const SelectionState& state) {
    return {state.RubberX, state.RubberY};
}

Cell AnchorCell(const SelectionState& state) {
    return {state.AnchorColumn, state.AnchorRow};
}

std::int32_t ElevationDegrees(std::int32_t dx, std::int32_t dy) {
    if (dx == 0) {
        return 90;
    }
    if (dy == 0) {
        return 0;
    }
    const double radians = std::atan(std::abs(static_cast<double>(dy) / dx));
    // Stored in single precision before rounding, halves to even; 3.14159 is the constant used.
    const float degrees = static_cast<float>(radians * 180.0 / 3.14159);
    return static_cast<std::int32_t>(std::nearbyint(degrees));
}

std::int32_t BearingSector(std::int32_t elevation) {
    constexpr std::array<std::int32_t, 4> kSectorTops{13, 33, 56, 78};
    std::int32_t sector = 0;
    while (sector < 4 && elevation > kSectorTops[sector]) {
        ++sector;
    }
    return sector;
}

std::int32_t QuantiseBearing(Point anchor, Point p) {
    using Row = std::array<std::int32_t, 5>;
    constexpr Row kRightUp{90, 67, 45, 22, 0}, kRightDown{90, 112, 135, 157, 180};
    constexpr Row kLeftDown{270, 247, 225, 202, 180}, kLeftUp{270, 292, 315, 337, 0};
    const auto dx = static_cast<std::int32_t>(std::llabs(std::int64_t{p.x} - anchor.x));
    const auto dy = static_cast<std::int32_t>(std::llabs(std::int64_t{p.y} - anchor.y));
    const auto sector = static_cast<std::size_t>(BearingSector(ElevationDegrees(dx, dy)));
    // Every test that holds sets the bearing; they overlap only on the axes, where they agree.
    std::int32_t bearing = 0;
    if (p.x >= anchor.x && p.y <= anchor.y) {
        bearing = kRightUp[sector];
    }
    if (p.x >= anchor.x && p.y >= anchor.y) {
        bearing = kRightDown[sector];
    }
    if (p.x <= anchor.x && p.y >= anchor.y) {
        bearing = kLeftDown[sector];
    }
    if (p.x <= anchor.x && p.y <= anchor.y) {
        bearing = kLeftUp[sector];
    }
    return bearing;
}

ArcPoints CapArc(std::int32_t x, std::int32_t y, std::int32_t bearing, CapEnd end) {
    const std::int32_t turn = end == CapEnd::Anchor ? 90 : 270;
    const Point offset = CapOffsetFor(Modulo360(std::int64_t{bearing} + turn));
    return {{x - offset.x, y - offset.y}, {x + offset.x, y + offset.y}};
}

Capsule CapsuleFigure(Point anchor, Point farEnd, std::int32_t bearing) {
    const CapFigure anchorCap = CapAround(anchor, bearing, CapEnd::Anchor);
    const CapFigure farCap = CapAround(farEnd, bearing, CapEnd::Far);
    return {anchorCap,
            farCap,
            {anchorCap.arc.start, farCap.arc.end},
            {anchorCap.arc.end, farCap.arc.start}};
}

} // namespace lexiglade
