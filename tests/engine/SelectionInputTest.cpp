#include "engine/SelectionInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexiglade {
namespace {

constexpr BoardOrigin kOrigin{37, 21};
constexpr Point kAnchor{200, 150};

TEST(WithinDeadZone, TenPixelsRoundedAsTheScreenRoundsThem) {
    struct Case {
        std::int32_t dx, dy;
        bool within;
    };
    const Case cases[] = {{0, 0, true},  {10, 0, true},  {0, -10, true}, {11, 0, false},
                          {10, 3, true}, {10, 4, false}, {-9, 5, true},  {7, 7, true},
                          {8, 7, false}, {-3, 10, true}, {6, -9, false}, {-10, -3, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(WithinDeadZone(kAnchor, {kAnchor.x + c.dx, kAnchor.y + c.dy}), c.within)
            << c.dx << "," << c.dy;
    }
}

TEST(CursorFrame, FramesTheCellAroundItsCentre) {
    EXPECT_EQ(CellCentre(kOrigin, {0, 0}), (Point{37 + 90, 21 + 77}));
    EXPECT_EQ(CellCentre(kOrigin, {21, 14}), (Point{37 + 510, 21 + 329}));
    EXPECT_EQ(CursorFrameOf(kOrigin, {0, 0}),
              (CursorFrame{{37 + 80, 21 + 68}, {37 + 99, 21 + 85}}));
    // Neighbouring frames touch but never share a pixel.
    const CursorFrame right = CursorFrameOf(kOrigin, {1, 0});
    const CursorFrame below = CursorFrameOf(kOrigin, {0, 1});
    EXPECT_EQ(right.topLeft.x, 37 + 100);
    EXPECT_EQ(below.topLeft.y, 21 + 86);
}

TEST(StepCursor, MovesOneCellAndIsHeldAtTheEdges) {
    struct Case {
        Cell from;
        PlayKey key;
        Cell to;
    };
    const Case cases[] = {{{5, 5}, PlayKey::Left, {4, 5}},   {{5, 5}, PlayKey::Right, {6, 5}},
                          {{5, 5}, PlayKey::Up, {5, 4}},     {{5, 5}, PlayKey::Down, {5, 6}},
                          {{0, 3}, PlayKey::Left, {0, 3}},   {{21, 3}, PlayKey::Right, {21, 3}},
                          {{4, 0}, PlayKey::Up, {4, 0}},     {{4, 14}, PlayKey::Down, {4, 14}},
                          {{5, 5}, PlayKey::Confirm, {5, 5}}};
    for (const Case& c : cases) {
        EXPECT_EQ(StepCursor(c.from, c.key), c.to) << c.from.column << "," << c.from.row;
    }
}

TEST(SelectionInput, PressAndReleaseWithinTheDeadZoneLeaveTheSelectionOpen) {
    struct Case {
        const char* what;
        std::vector<Point> moves;
        Point release;
        bool ends;
    };
    const Case cases[] = {
        {"click", {}, kAnchor, false},
        {"small moves", {{205, 155}, {193, 150}}, {207, 157}, false},
        {"out and back", {{215, 150}, {200, 150}}, kAnchor, true},
        {"release beyond", {}, {211, 150}, true},
        {"drag", {{220, 150}, {260, 150}}, {260, 150}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectionInput input;
        input.DragBegan();
        for (const Point p : c.moves) {
            EXPECT_TRUE(input.PointerMoved(kAnchor, p));
        }
        EXPECT_EQ(input.LeftReleaseEnds(kAnchor, c.release), c.ends);
        EXPECT_EQ(input.Hold(), c.ends ? SelectionHold::None : SelectionHold::Pointer);
    }
}

TEST(SelectionInput, OpenSelectionFollowsThePointerUntilTheNextPress) {
    SelectionInput input;
    EXPECT_FALSE(input.LeftPressEnds()) << "no selection: a press starts one";
    input.DragBegan();
    EXPECT_FALSE(input.LeftPressEnds()) << "a drag ends by its release";
    EXPECT_FALSE(input.RightPressCancels());
    ASSERT_FALSE(input.LeftReleaseEnds(kAnchor, kAnchor));
    EXPECT_TRUE(input.IsOpen());
    EXPECT_TRUE(input.PointerMoved(kAnchor, {300, 150}));
    EXPECT_FALSE(input.LeftReleaseEnds(kAnchor, {300, 150})) << "a stray release ends nothing";
    EXPECT_TRUE(input.LeftPressEnds());
    EXPECT_EQ(input.Hold(), SelectionHold::None);

    input.DragBegan();
    ASSERT_FALSE(input.LeftReleaseEnds(kAnchor, kAnchor));
    EXPECT_TRUE(input.RightPressCancels());
    EXPECT_EQ(input.Hold(), SelectionHold::None);
    EXPECT_FALSE(input.RightPressCancels());
}

TEST(SelectionInput, KeysMoveTheCursorAndAnchorEndAndCancelSelections) {
    SelectionInput input;
    EXPECT_FALSE(input.CursorShown());
    EXPECT_EQ(input.Key(PlayKey::Cancel), KeyAction::None);
    EXPECT_FALSE(input.CursorShown());
    struct Step {
        PlayKey key;
        KeyAction action;
        Cell cursor;
        SelectionHold hold;
    };
    using enum PlayKey;
    const Step steps[] = {
        {Left, KeyAction::MoveCursor, {0, 0}, SelectionHold::None}, // shows it at the corner
        {Left, KeyAction::None, {0, 0}, SelectionHold::None},
        {Right, KeyAction::MoveCursor, {1, 0}, SelectionHold::None},
        {Down, KeyAction::MoveCursor, {1, 1}, SelectionHold::None},
        {Confirm, KeyAction::Begin, {1, 1}, SelectionHold::Cursor},
        {Right, KeyAction::MoveCursorAndBand, {2, 1}, SelectionHold::Cursor},
        {Down, KeyAction::MoveCursorAndBand, {2, 2}, SelectionHold::Cursor},
        {Confirm, KeyAction::End, {2, 2}, SelectionHold::None},
        {Confirm, KeyAction::Begin, {2, 2}, SelectionHold::Cursor},
        {Up, KeyAction::MoveCursorAndBand, {2, 1}, SelectionHold::Cursor},
        {Cancel, KeyAction::Cancel, {2, 1}, SelectionHold::None},
        {Cancel, KeyAction::None, {2, 1}, SelectionHold::None},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(input.Key(s.key), s.action);
        EXPECT_EQ(input.Cursor(), s.cursor);
        EXPECT_EQ(input.Hold(), s.hold);
        EXPECT_TRUE(input.CursorShown());
    }
}

TEST(SelectionInput, KeyAndMouseSelectionsKeepToTheirOwnEnds) {
    SelectionInput input;
    input.DragBegan();
    EXPECT_EQ(input.Key(PlayKey::Confirm), KeyAction::None) << "a drag is ended by its release";
    EXPECT_EQ(input.Key(PlayKey::Cancel), KeyAction::None);
    EXPECT_EQ(input.Key(PlayKey::Right), KeyAction::MoveCursor) << "the band stays with the mouse";
    ASSERT_FALSE(input.LeftReleaseEnds(kAnchor, kAnchor));
    EXPECT_EQ(input.Key(PlayKey::Confirm), KeyAction::None);
    EXPECT_EQ(input.Key(PlayKey::Cancel), KeyAction::Cancel) << "Escape drops a click's selection";

    ASSERT_EQ(input.Key(PlayKey::Confirm), KeyAction::Begin);
    EXPECT_FALSE(input.PointerMoved(kAnchor, {300, 150})) << "the pointer leaves the band alone";
    EXPECT_FALSE(input.LeftReleaseEnds(kAnchor, {300, 150}));
    EXPECT_TRUE(input.LeftPressEnds()) << "a left click ends a key's selection too";
}

} // namespace
} // namespace lexiglade
