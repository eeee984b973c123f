#pragma once
// The drag selection's geometry: cell snapping, the press limits, bearings and the capsule.
#include "engine/BoardLayout.h"
#include "engine/Grid.h"

#include <compare>
#include <cstdint>
#include <optional>

namespace lexiglade {

using Board::kCapRadius;

std::int32_t ColumnCentreX(BoardOrigin origin, std::int32_t column);
std::int32_t RowCentreY(BoardOrigin origin, std::int32_t row);

// A snapped coordinate is the centre of the cell line it fell in; otherwise it is unchanged and
// index is empty.
struct SnapResult {
    std::int32_t coordinate = 0;
    std::optional<std::int32_t> index;
    bool operator==(const SnapResult&) const = default;
};

// Windows c - 11 < x <= c + 10 tried from column 0 up: a pixel two windows share goes to the lower.
SnapResult SnapColumn(BoardOrigin origin, std::int32_t x);
// Windows tried from row 0 down: a pixel two windows share goes to the upper row.
SnapResult SnapRow(BoardOrigin origin, std::int32_t y);

// Where a left press may start a selection; all edges included.
bool InPressRectangle(BoardOrigin origin, Point p);
// A press or release at or beyond these limits selects nothing.
bool IsRefused(BoardOrigin origin, Point p);

struct SnappedCell {
    Cell cell;
    Point centre;
    bool operator==(const SnappedCell&) const = default;
};

// The cell whose windows hold p; empty when the column or the row does not snap.
std::optional<SnappedCell> SnapToCell(BoardOrigin origin, Point p);
// The anchor of a press the caller found InPressRectangle; empty when refused or not snapped
// (so a press at BoardTop + 65 or + 66 starts nothing).
std::optional<SnappedCell> BeginAnchor(BoardOrigin origin, Point p);
// The far cell of a release; empty when refused or not snapped, and then nothing matches.
std::optional<SnappedCell> ReleaseCell(BoardOrigin origin, Point p);

struct SelectionState {
    bool SelectionActive = false;
    std::int32_t AnchorX = 0, AnchorY = 0, AnchorColumn = 0, AnchorRow = 0;
    std::int32_t RubberX = 0, RubberY = 0, RubberBearing = 0;
    bool operator==(const SelectionState&) const = default;
};

using Board::kPressBearing;

// Active, anchored and rubber-banded at the cell's centre with bearing 90: a full circle.
SelectionState StartedSelection(const SnappedCell& anchor);
Point AnchorPoint(const SelectionState& state);
Point RubberPoint(const SelectionState& state);
Cell AnchorCell(const SelectionState& state);

// Elevation in whole degrees of a drag of |dx|, |dy|: 90 when dx is 0, 0 when only dy is 0.
std::int32_t ElevationDegrees(std::int32_t dx, std::int32_t dy);
// 0 to 4 for elevations 0-13, 14-33, 34-56, 57-78, 79-90.
std::int32_t BearingSector(std::int32_t elevation);
// One of the 16 bearings (clockwise from straight up) from anchor towards p; 0 when p is anchor.
std::int32_t QuantiseBearing(Point anchor, Point p);

enum class CapEnd : std::int32_t { Anchor = 1, Far = 2 };

struct ArcPoints {
    Point start;
    Point end;
    bool operator==(const ArcPoints&) const = default;
};

// The cap's arc, drawn counterclockwise from start to end on the circle of radius 10 around
// (x, y). The cap bearing is taken modulo 360; one that is not among the 16 bearings uses the
// nearest of them below it.
ArcPoints CapArc(std::int32_t x, std::int32_t y, std::int32_t bearing, CapEnd end);

// An arc on the circle inscribed in the box from topLeft to bottomRight.
struct CapFigure {
    Point topLeft;
    Point bottomRight;
    ArcPoints arc;
    bool operator==(const CapFigure&) const = default;
};

struct Segment {
    Point from;
    Point to;
    bool operator==(const Segment&) const = default;
};

// Drawn in this order: both caps, then side1 and side2. With an exclusive-or pen the same
// figure drawn twice leaves the screen as it was.
struct Capsule {
    CapFigure anchorCap;
    CapFigure farCap;
    Segment side1;
    Segment side2;
    bool operator==(const Capsule&) const = default;
};

// Caps of radius 10 around both ends, oriented by bearing; the ends themselves are not snapped.
Capsule CapsuleFigure(Point anchor, Point farEnd, std::int32_t bearing);

} // namespace lexiglade
