// The page layout's arithmetic, against the worked example of a 4800 x 6600 page.
#include "platform/printer/PrinterPicture.h"
#include "print/PrintLayout.h"

#include <gtest/gtest.h>

#include <map>

namespace lexiglade::test {

namespace {

TEST(PrintLayout, WorkedExampleOf4800By6600Pixels) {
    const PageLayout page = LayoutPage(4800, 6600);
    const struct {
        const char* name;
        int actual;
        int expected;
    } values[] = {
        {"font height", page.fontHeight, 88},
        {"title centre", page.title.x, 2400},
        {"title top", page.title.y, 240},
        {"L", page.gridLeft, 960},
        {"P", page.pitch, 137},
        {"grid top", page.gridTop, 480},
        {"T", page.hintTop, 3152},
        {"Q", page.hintPitch, 114},
        {"text hint left", page.hintLeft, 480},
        {"picture width", page.pictureWidth, 619},
        {"picture height", page.pictureHeight, 330},
        {"title room", page.titleRoom, 4320},
        {"hint room", page.hintRoom, 3840},
    };
    for (const auto& value : values) {
        EXPECT_EQ(value.actual, value.expected) << value.name;
    }
}

// The font follows the longer side; title, grid and hints follow the width alone.
TEST(PrintLayout, WhichSideEachMeasureComesFrom) {
    const PageLayout wide = LayoutPage(6600, 4800);
    EXPECT_EQ(wide.fontHeight, 88);
    const PageLayout tall = LayoutPage(4800, 9000);
    EXPECT_EQ(tall.fontHeight, 120);
    EXPECT_EQ(tall.title.y, 240);
    EXPECT_EQ(tall.gridTop, 480);
    EXPECT_EQ(tall.hintTop, 3152);
    EXPECT_EQ(tall.pictureHeight, 450);
    const PageLayout a4 = LayoutPage(9583, 13699);
    EXPECT_EQ(a4.fontHeight, 182);
    EXPECT_EQ(a4.pitch, 1916 * 3 / 21);
}

TEST(PrintLayout, LettersStandAtPitchPFromTheGridCorner) {
    const PageLayout page = LayoutPage(4800, 6600);
    const struct {
        Cell cell;
        DevicePoint expected;
    } cells[] = {
        {{0, 0}, {960, 480}},   {{1, 0}, {1097, 480}},  {{0, 1}, {960, 617}},
        {{21, 0}, {3837, 480}}, {{0, 14}, {960, 2398}}, {{21, 14}, {3837, 2398}},
    };
    for (const auto& [cell, expected] : cells) {
        EXPECT_EQ(LetterPosition(page, cell), expected) << cell.column << ", " << cell.row;
    }
}

TEST(PrintLayout, TextHintsStandAtPitchQ) {
    const PageLayout page = LayoutPage(4800, 6600);
    EXPECT_EQ(TextHintPosition(page, 0), (DevicePoint{480, 3152}));
    EXPECT_EQ(TextHintPosition(page, 1), (DevicePoint{480, 3266}));
    EXPECT_EQ(TextHintPosition(page, 24), (DevicePoint{480, 5888}));
}

TEST(PrintLayout, PictureWidthRoundsHalvesToEven) {
    const std::map<int, int> widths = {
        {0, 0}, {1, 2}, {4, 8}, {8, 15}, {12, 22}, {20, 38}, {28, 52}, {330, 619}, {684, 1282},
    };
    for (const auto& [height, width] : widths) {
        EXPECT_EQ(PictureWidthFor(height), width) << height;
    }
}

TEST(PrintLayout, TwentyFivePicturesStandNineNineAndSeven) {
    const PageLayout page = LayoutPage(4800, 6600);
    const std::vector<DevicePoint> places = PicturePositions(page, 25);
    ASSERT_EQ(places.size(), 25u);
    const int columns[] = {960, 1629, 2298};
    std::map<int, int> perColumn;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const int column = static_cast<int>(k) / 9;
        const int row = static_cast<int>(k) % 9;
        EXPECT_EQ(places[k], (DevicePoint{columns[column], 3152 + row * 340})) << k;
        ++perColumn[places[k].x];
    }
    EXPECT_EQ(perColumn, (std::map<int, int>{{960, 9}, {1629, 9}, {2298, 7}}));
}

TEST(PrintLayout, PicturesBeyondTwentySevenContinueDownTheThirdColumn) {
    const std::vector<DevicePoint> places = PicturePositions(LayoutPage(4800, 6600), 30);
    ASSERT_EQ(places.size(), 30u);
    EXPECT_EQ(places[26], (DevicePoint{2298, 3152 + 8 * 340}));
    EXPECT_EQ(places[27], (DevicePoint{2298, 3152 + 9 * 340}));
    EXPECT_EQ(places[29], (DevicePoint{2298, 3152 + 11 * 340}));
}

TEST(PrintLayout, AnswerKeyOf4800By6600Pixels) {
    const PageLayout page = LayoutPage(4800, 6600);
    const AnswerKeyLayout key = LayoutAnswerKey(page);
    EXPECT_EQ(key.capsuleRadius, 61);
    EXPECT_EQ(key.capsuleLine, 6);
    EXPECT_EQ(key.answerGap, 88);
    EXPECT_EQ(key.answerRight, 4320);
    EXPECT_EQ(key.pictureColumn, 1280);
    EXPECT_EQ(key.pictureAnswerRoom, 1280 - 619 - 2 * 88);
    const std::vector<DevicePoint> places = AnswerPicturePositions(page, key, 30);
    ASSERT_EQ(places.size(), 30u);
    EXPECT_EQ(places[0], (DevicePoint{480, 3152}));
    EXPECT_EQ(places[8], (DevicePoint{480, 3152 + 8 * 340}));
    EXPECT_EQ(places[9], (DevicePoint{1760, 3152}));
    EXPECT_EQ(places[18], (DevicePoint{3040, 3152}));
    EXPECT_EQ(places[29], (DevicePoint{3040, 3152 + 11 * 340}));
}

// The capsules of neighbouring rows never touch, and each takes in its letters.
TEST(PrintLayout, CapsulesStayWithinTheirRow) {
    for (int width : {2400, 4800, 9583}) {
        const PageLayout page = LayoutPage(width, width * 11 / 8);
        const AnswerKeyLayout key = LayoutAnswerKey(page);
        EXPECT_LT(2 * key.capsuleRadius + key.capsuleLine, page.pitch) << width;
        EXPECT_GT(2 * key.capsuleRadius - key.capsuleLine, page.fontHeight) << width;
    }
}

TEST(PrintLayout, TooWideTextShrinksInProportion) {
    const struct {
        int height, width, room, expected;
    } cases[] = {
        {88, 500, 1000, 88},  {88, 1000, 1000, 88}, {88, 2000, 1000, 44},
        {88, 3000, 1000, 29}, {88, 100000, 10, 1},  {88, 0, 1000, 88},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FittedFontHeight(c.height, c.width, c.room), c.expected)
            << c.width << " in " << c.room;
    }
}

TEST(PrinterPicture, PicturesKeepTheirShapeCentredInTheirPlace) {
    const QRect place(100, 200, 619, 330);
    const struct {
        QSize picture;
        QRect expected;
    } cases[] = {
        {{150, 80}, {100, 200, 618, 330}},  {{300, 160}, {100, 200, 618, 330}},
        {{100, 100}, {244, 200, 330, 330}}, {{80, 150}, {321, 200, 176, 330}},
        {{300, 80}, {100, 282, 619, 165}},  {{0, 0}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FittedPictureRect(c.picture, place), c.expected)
            << c.picture.width() << " x " << c.picture.height();
    }
    EXPECT_TRUE(FittedPictureRect({150, 80}, QRect()).isEmpty());
}

} // namespace

} // namespace lexiglade::test
