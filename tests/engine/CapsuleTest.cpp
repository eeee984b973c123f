#include "engine/Selection.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lexiglade {
namespace {

constexpr std::int32_t kBearings[] = {0,   22,  45,  67,  90,  112, 135, 157,
                                      180, 202, 225, 247, 270, 292, 315, 337};

double DistanceFrom(Point centre, Point p) {
    return std::hypot(p.x - centre.x, p.y - centre.y);
}

TEST(CapArc, OffsetsOfTheCapBearingAroundTheCentre) {
    struct Case {
        std::int32_t bearing;
        CapEnd end;
        Point start, finish;
    };
    // Cap bearing 180, 0, 225, 337, 90, 292 in turn.
    const Case cases[] = {
        {90, CapEnd::Anchor, {100, 40}, {100, 60}}, {90, CapEnd::Far, {100, 60}, {100, 40}},
        {135, CapEnd::Anchor, {107, 43}, {93, 57}}, {67, CapEnd::Far, {105, 58}, {95, 42}},
        {0, CapEnd::Anchor, {90, 50}, {110, 50}},   {22, CapEnd::Far, {108, 55}, {92, 45}},
    };
    for (const auto& [bearing, end, start, finish] : cases) {
        const ArcPoints arc = CapArc(100, 50, bearing, end);
        EXPECT_EQ(arc.start, start) << bearing << " end " << static_cast<int>(end);
        EXPECT_EQ(arc.end, finish) << bearing << " end " << static_cast<int>(end);
    }
}

TEST(CapArc, EveryBearingGivesOppositePointsNearRadiusTenAndCapsFacingApart) {
    const Point centre{200, 120};
    for (std::int32_t bearing : kBearings) {
        const ArcPoints anchor = CapArc(centre.x, centre.y, bearing, CapEnd::Anchor);
        const ArcPoints far = CapArc(centre.x, centre.y, bearing, CapEnd::Far);
        for (const ArcPoints& arc : {anchor, far}) {
            EXPECT_NEAR(DistanceFrom(centre, arc.start), 9.7, 0.31) << bearing;
            EXPECT_EQ(arc.start.x + arc.end.x, 2 * centre.x) << bearing;
            EXPECT_EQ(arc.start.y + arc.end.y, 2 * centre.y) << bearing;
        }
        EXPECT_EQ(far.start, anchor.end) << bearing;
        EXPECT_EQ(far.end, anchor.start) << bearing;
    }
}

TEST(CapArc, CapBearingTakenModulo360AndOffTableBearingsUseTheEntryBelow) {
    const std::pair<std::int32_t, std::int32_t> sameAs[] = {
        {360, 0}, {720, 0}, {-90, 270}, {382, 22}, {100, 90}, {134, 112}, {359, 337}, {-1, 337},
    };
    for (const auto& [bearing, tableBearing] : sameAs) {
        for (CapEnd end : {CapEnd::Anchor, CapEnd::Far}) {
            EXPECT_EQ(CapArc(10, 20, bearing, end), CapArc(10, 20, tableBearing, end)) << bearing;
        }
    }
}

TEST(CapsuleFigure, CapsInBoxesOfRadiusTenJoinedBySidesParallelToTheDrag) {
    const Point anchor{150, 100};
    const Point farEnd{230, 140};
    for (std::int32_t bearing : kBearings) {
        const Capsule capsule = CapsuleFigure(anchor, farEnd, bearing);
        EXPECT_EQ(capsule.anchorCap.topLeft, (Point{140, 90}));
        EXPECT_EQ(capsule.anchorCap.bottomRight, (Point{160, 110}));
        EXPECT_EQ(capsule.farCap.topLeft, (Point{220, 130}));
        EXPECT_EQ(capsule.farCap.bottomRight, (Point{240, 150}));
        const ArcPoints a = CapArc(anchor.x, anchor.y, bearing, CapEnd::Anchor);
        const ArcPoints f = CapArc(farEnd.x, farEnd.y, bearing, CapEnd::Far);
        EXPECT_EQ(capsule.anchorCap.arc, a) << bearing;
        EXPECT_EQ(capsule.farCap.arc, f) << bearing;
        EXPECT_EQ(capsule.side1, (Segment{a.start, f.end})) << bearing;
        EXPECT_EQ(capsule.side2, (Segment{a.end, f.start})) << bearing;
        EXPECT_EQ(capsule.side1.to.x - capsule.side1.from.x, farEnd.x - anchor.x) << bearing;
        EXPECT_EQ(capsule.side2.to.y - capsule.side2.from.y, farEnd.y - anchor.y) << bearing;
    }
}

TEST(CapsuleFigure, APressDrawsAFullCircleFromTwoHalvesAndSidesOfNoLength) {
    const Point centre{90, 77};
    const Capsule capsule = CapsuleFigure(centre, centre, 90);
    EXPECT_EQ(capsule.anchorCap.arc, (ArcPoints{{90, 67}, {90, 87}}));
    EXPECT_EQ(capsule.farCap.arc, (ArcPoints{{90, 87}, {90, 67}}));
    EXPECT_EQ(capsule.side1.from, capsule.side1.to);
    EXPECT_EQ(capsule.side2.from, capsule.side2.to);
}

} // namespace
} // namespace lexiglade
