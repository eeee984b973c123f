#pragma once
// Where everything lies on the puzzle screen, relative to the board picture's top-left corner (the
// board origin) or to its bottom-right corner; the screen and the selection rules both read it.
#include <compare>
#include <cstdint>

namespace lexiglade {

// A client position of the puzzle form: x grows to the right, y downwards.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    auto operator<=>(const Point&) const = default;
};

// BoardLeft and BoardTop: the corner of the board picture, to which all board geometry is relative.
struct BoardOrigin {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Inclusive on all four edges; both x bounds come first.
bool PointInBox(int x, int y, int left, int right, int top, int bottom);
// The distance in whole pixels, rounded as its exact root in single precision, halves to even.
int PixelDistance(int x1, int y1, int x2, int y2);

// A rectangle given relative to a corner, all four edges included.
struct BoxOffsets {
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;

    // Whether p lies in the box placed with its offsets from (x, y).
    constexpr bool Holds(std::int32_t x, std::int32_t y, Point p) const {
        return x + left <= p.x && p.x <= x + right && y + top <= p.y && p.y <= y + bottom;
    }
};

namespace Board {

// Cell centres: column c at left + 90 + 20c, row r at top + 77 + 18r; a letter's top lies 7 above.
inline constexpr std::int32_t kColumnCentreOffset = 90, kColumnPitch = 20;
inline constexpr std::int32_t kRowCentreOffset = 77, kRowPitch = 18;
inline constexpr std::int32_t kLetterTopOffset = 70;
// A coordinate snaps to a centre c when c - 11 < coordinate <= c + 10.
inline constexpr std::int32_t kSnapBelow = 11, kSnapAbove = 10;

// Relative to the origin: where a left press may start a selection.
inline constexpr BoxOffsets kPressArea{85, 525, 65, 345};
// Relative to the origin: a press or release at or beyond these selects nothing.
inline constexpr std::int32_t kRefusedFromX = 520, kRefusedFromY = 337;

inline constexpr std::int32_t kCapRadius = 10;
// The rubber band moves only once the pointer is further than this from the anchor.
inline constexpr std::int32_t kDragThreshold = 10;
// A press draws a full circle: both caps at the anchor with this bearing.
inline constexpr std::int32_t kPressBearing = 90;

// Relative to the origin: the clock's text and the area cleared behind it.
inline constexpr std::int32_t kClockWidth = 300, kClockHeight = 15;
// The title's face lies this far below the origin, centred on half the screen; its shadow one
// pixel left and one down.
inline constexpr std::int32_t kTitleTop = 40, kTitleShadowOffset = 1;

// Relative to the board picture's bottom-right corner: the hotspots below the board. The end-game
// picture is drawn at the end-game hotspot's corner, the printing picture at the printer setup's.
inline constexpr BoxOffsets kEndGameHotspot{0, 40, 0, 35};
inline constexpr BoxOffsets kPrintHotspot{-100, -60, 0, 35};
inline constexpr BoxOffsets kPrinterSetupHotspot{-150, -110, 0, 35};

// The hint lists: text hints below the board, picture hints on its bottom band.
inline constexpr std::int32_t kHintListLeft = 10;
inline constexpr std::int32_t kTextHintsBelow = 5, kTextHintsWidth = 144;
inline constexpr std::int32_t kWideTextHintsWidth = 375;
inline constexpr std::int32_t kPictureHintsAbove = 60, kPictureHintsWidth = 170;

// The board is centred only on screens larger than these; on smaller ones it is at the corner.
inline constexpr std::int32_t kCentredAboveWidth = 640, kCentredAboveHeight = 480;

} // namespace Board

// The board origin for a board picture of the given size on a screen of the given size.
BoardOrigin BoardOriginFor(std::int32_t screenWidth, std::int32_t screenHeight,
                           std::int32_t boardWidth, std::int32_t boardHeight);

} // namespace lexiglade
