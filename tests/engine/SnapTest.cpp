#include "engine/Selection.h"

#include <gtest/gtest.h>

namespace lexiglade {
namespace {

constexpr BoardOrigin kOrigin{37, 21};

TEST(CellCentres, ColumnsEveryTwentyAndRowsEveryEighteenPixels) {
    EXPECT_EQ(ColumnCentreX(kOrigin, 0), 37 + 90);
    EXPECT_EQ(ColumnCentreX(kOrigin, 21), 37 + 510);
    EXPECT_EQ(RowCentreY(kOrigin, 0), 21 + 77);
    EXPECT_EQ(RowCentreY(kOrigin, 14), 21 + 329);
}

TEST(SnapColumn, WindowsFromCentreMinusTenToCentrePlusTenLowerColumnFirst) {
    struct Case {
        std::int32_t dx;
        std::optional<std::int32_t> column;
    };
    const Case cases[] = {
        {79, std::nullopt},
        {80, 0},
        {90, 0},
        {99, 0},
        {100, 0},
        {101, 1},
        {110, 1},
        {120, 1},
        {121, 2},
        {300, 10},
        {500, 20},
        {501, 21},
        {520, 21},
        {521, {}},
        {-5, {}},
        {0, {}},
        {2000, std::nullopt},
    };
    for (const auto& [dx, column] : cases) {
        const SnapResult snap = SnapColumn(kOrigin, kOrigin.left + dx);
        EXPECT_EQ(snap.index, column) << "x = left + " << dx;
        const std::int32_t expected = column ? ColumnCentreX(kOrigin, *column) : kOrigin.left + dx;
        EXPECT_EQ(snap.coordinate, expected) << "x = left + " << dx;
    }
}

TEST(SnapRow, SharedPixelsGoToTheUpperRow) {
    struct Case {
        std::int32_t dy;
        std::optional<std::int32_t> row;
    };
    const Case cases[] = {
        {65, std::nullopt},
        {66, std::nullopt},
        {67, 0},
        {77, 0},
        {85, 0},
        {86, 0},
        {87, 0},
        {88, 1},
        {95, 1},
        {103, 1},
        {104, 1},
        {105, 1},
        {106, 2},
        {329, 14},
        {339, 14},
        {340, {}},
        {0, {}},
    };
    for (const auto& [dy, row] : cases) {
        const SnapResult snap = SnapRow(kOrigin, kOrigin.top + dy);
        EXPECT_EQ(snap.index, row) << "y = top + " << dy;
        const std::int32_t expected = row ? RowCentreY(kOrigin, *row) : kOrigin.top + dy;
        EXPECT_EQ(snap.coordinate, expected) << "y = top + " << dy;
    }
}

TEST(PressLimits, RectangleEdgesIncludedAndRefusalFromLeft520OrTop337) {
    struct Case {
        std::int32_t dx, dy;
        bool inRectangle, refused;
    };
    const Case cases[] = {
        {85, 65, true, false},   {84, 65, false, false},  {85, 64, false, false},
        {525, 345, true, true},  {526, 200, false, true}, {300, 346, false, true},
        {519, 336, true, false}, {520, 200, true, true},  {300, 337, true, true},
        {200, 200, true, false},
    };
    for (const auto& [dx, dy, inRectangle, refused] : cases) {
        const Point p{kOrigin.left + dx, kOrigin.top + dy};
        EXPECT_EQ(InPressRectangle(kOrigin, p), inRectangle) << dx << "," << dy;
        EXPECT_EQ(IsRefused(kOrigin, p), refused) << dx << "," << dy;
    }
}

TEST(BeginAnchor, SnapsToTheCellCentreOrStartsNothing) {
    struct Case {
        std::int32_t dx, dy;
        std::optional<Cell> cell;
    };
    const Case cases[] = {
        {100, 87, Cell{0, 0}},    {101, 88, Cell{1, 1}},    {85, 67, Cell{0, 0}},
        {519, 336, Cell{21, 14}}, {250, 150, Cell{8, 4}},   {85, 65, std::nullopt},
        {300, 66, std::nullopt},  {520, 150, std::nullopt}, {250, 337, std::nullopt},
        {79, 150, std::nullopt},
    };
    for (const auto& [dx, dy, cell] : cases) {
        const auto anchor = BeginAnchor(kOrigin, {kOrigin.left + dx, kOrigin.top + dy});
        ASSERT_EQ(anchor.has_value(), cell.has_value()) << dx << "," << dy;
        if (anchor) {
            EXPECT_EQ(anchor->cell, *cell) << dx << "," << dy;
            const Point centre{ColumnCentreX(kOrigin, cell->column),
                               RowCentreY(kOrigin, cell->row)};
            EXPECT_EQ(anchor->centre, centre) << dx << "," << dy;
            EXPECT_EQ(ReleaseCell(kOrigin, {kOrigin.left + dx, kOrigin.top + dy}), anchor);
        }
    }
}

TEST(BeginAnchor, EveryPressInTheRectangleAndShortOfTheLimitsSnapsBelowRow66) {
    for (std::int32_t dx = 85; dx <= 525; ++dx) {
        for (std::int32_t dy = 65; dy <= 345; ++dy) {
            const Point p{kOrigin.left + dx, kOrigin.top + dy};
            const bool starts = dx < 520 && dy < 337 && dy > 66;
            EXPECT_EQ(BeginAnchor(kOrigin, p).has_value(), starts) << dx << "," << dy;
        }
    }
}

TEST(StartedSelection, AnchorsAndRubberBandsAtTheCentreWithBearing90) {
    const SnappedCell anchor{{3, 5}, {157, 187}};
    const SelectionState state = StartedSelection(anchor);
    const SelectionState expected{true, 157, 187, 3, 5, 157, 187, 90};
    EXPECT_EQ(state, expected);
    EXPECT_EQ(AnchorPoint(state), (Point{157, 187}));
    EXPECT_EQ(RubberPoint(state), (Point{157, 187}));
    EXPECT_EQ(AnchorCell(state), (Cell{3, 5}));
    EXPECT_EQ(SelectionState{}, (SelectionState{false, 0, 0, 0, 0, 0, 0, 0}));
}

} // namespace
} // namespace lexiglade
