#pragma once
// Where everything stands on the printed page, in the printer's device pixels. Pure arithmetic:
// "/" truncates toward zero like the layout's integer division.
#include "engine/Grid.h"
#include "platform/GdiTypes.h"

#include <vector>

namespace lexiglade {

struct PageLayout {
    int width = 0;         // Wp, the printable width
    int height = 0;        // Vp, the printable height
    int fontHeight = 0;    // character height: max(Wp, Vp) / 75
    DevicePoint title;     // centre and top of the title
    int titleRoom = 0;     // widest title that keeps a margin of Wp / 20 on each side
    int gridLeft = 0;      // L = Wp / 5, centre of column 0
    int gridTop = 0;       // Wp / 10, top of row 0
    int pitch = 0;         // P = 3 L / 21, between letters both ways
    int hintTop = 0;       // T = Wp / 5 + 16 P
    int hintLeft = 0;      // Wp / 10, left edge of the text hints
    int hintPitch = 0;     // Q = (Wp / 2) / 21, between text hints
    int hintRoom = 0;      // widest text hint that keeps a margin of Wp / 10 on each side
    int pictureWidth = 0;  // Vp / 20 * 1.875, rounded half to even
    int pictureHeight = 0; // Vp / 20
};

// Pictures stand in columns of this many; the third column takes all the rest.
inline constexpr int kPicturesPerColumn = 9;
// Device pixels between picture columns and between pictures of a column, at any resolution.
inline constexpr int kPictureColumnGap = 50, kPictureRowGap = 10;

PageLayout LayoutPage(int width, int height);

// height * 1.875 rounded to the nearest integer, halves to even; height >= 0.
int PictureWidthFor(int height);

// Centre and top of the letter of `cell`.
DevicePoint LetterPosition(const PageLayout& layout, Cell cell);
// Left and top of text hint k.
DevicePoint TextHintPosition(const PageLayout& layout, int k);
// Left and top of pictures 0 to count - 1.
std::vector<DevicePoint> PicturePositions(const PageLayout& layout, int count);

// The answer key: the capsule around each word, the word beside its hint, and the pictures in
// three columns across the hint room so that each has room for its word.
struct AnswerKeyLayout {
    int capsuleRadius = 0;     // 9 P / 20: round each letter, clear of the next row's capsules
    int capsuleLine = 0;       // P / 20, at least 1
    int answerGap = 0;         // the font height, between a hint and its word
    int answerRight = 0;       // Wp - Wp / 10, where the words of text hints end
    int pictureColumn = 0;     // hint room / 3, from one picture column to the next
    int pictureAnswerRoom = 0; // the width left beside a picture for its word
};

AnswerKeyLayout LayoutAnswerKey(const PageLayout& page);

// Left and top of pictures 0 to count - 1 on the answer key: columns of 9 from the text hints' left
// edge, the third column taking all the rest.
std::vector<DevicePoint> AnswerPicturePositions(const PageLayout& page, const AnswerKeyLayout& key,
                                                int count);

// The character height at which text `width` pixels wide at `height` fits `room`: `height` when it
// fits already, otherwise scaled down in proportion (at least 1).
int FittedFontHeight(int height, int width, int room);

} // namespace lexiglade
