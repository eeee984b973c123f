#include "WizardData.h"

#include "wizard/Pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>

namespace lexiglade::test {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

// True when `picture` holds `source` in its top-left corner, cut to w x h.
bool HoldsAt(const QImage& picture, const QImage& source, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (picture.pixel(x, y) != source.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// True when every pixel of the rectangle is `colour`.
bool AllOf(const QImage& picture, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixel(x, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

// The data folder holding the shipped files too, as in the build folder.
DataFolders Both(const WizardData& data) {
    return {data.Path(), data.Path()};
}

TEST(NormalizePicturesTest, PicturesAreCutOrPlacedInTheFrameAndSavedWhereTheyWereRead) {
    WizardData data(false);
    const QImage large = Gradient(300, 200);
    const QImage small = Gradient(100, 50).mirrored(true, false);
    data.WritePicture("pictures/large.bmp", large); // found whatever the case of the hint
    data.WritePicture("pictures/SMALL.BMP", small);
    NormalizePictures(Both(data), {"Large.BMP", "small.bmp"}, nullptr);

    const QImage cut = data.ReadPicture("pictures/large.bmp");
    ASSERT_EQ(cut.size(), QSize(150, 80));
    EXPECT_TRUE(HoldsAt(cut, large, 150, 80));
    const QImage placed = data.ReadPicture("pictures/SMALL.BMP");
    ASSERT_EQ(placed.size(), QSize(150, 80));
    EXPECT_TRUE(HoldsAt(placed, small, 100, 50));
    EXPECT_TRUE(AllOf(placed, QRect(100, 0, 50, 80), qRgb(255, 255, 255)));
    EXPECT_TRUE(AllOf(placed, QRect(0, 50, 150, 30), qRgb(255, 255, 255)));
    EXPECT_EQ(data.Snapshot().size(), 3u); // no file made under another name
}

TEST(NormalizePicturesTest, TheCanvasSizeAndWhatLiesOutsideTheFrameAreKept) {
    WizardData data(false);
    QImage canvas(170, 95, QImage::Format_RGB32);
    canvas.fill(kCanvasColour);
    data.WritePicture("a6.asl", canvas);
    data.WritePicture("pictures/p.bmp", Gradient(40, 30));
    NormalizePictures(Both(data), {"P.BMP"}, nullptr);
    const QImage picture = data.ReadPicture("pictures/p.bmp");
    ASSERT_EQ(picture.size(), QSize(170, 95));
    EXPECT_TRUE(HoldsAt(picture, Gradient(40, 30), 40, 30));
    EXPECT_TRUE(AllOf(picture, QRect(40, 0, 110, 80), qRgb(255, 255, 255)));
    EXPECT_TRUE(AllOf(picture, QRect(150, 0, 20, 95), kCanvasColour));
    EXPECT_TRUE(AllOf(picture, QRect(0, 80, 170, 15), kCanvasColour));
}

TEST(NormalizePicturesTest, AnInvalidBitmapStopsTheRunWithTheEarlierPicturesRewritten) {
    WizardData data(false);
    data.WritePicture("pictures/one.bmp", Gradient(300, 200));
    data.Write("pictures/two.bmp", "not a bitmap");
    data.WritePicture("pictures/three.bmp", Gradient(60, 60));
    const std::string three = data.Read("pictures/three.bmp");
    EXPECT_EQ(ErrorOf([&] {
                  NormalizePictures(Both(data), {"ONE.BMP", "TWO.BMP", "THREE.BMP"}, nullptr);
              }),
              "Bitmap image is not valid");
    EXPECT_EQ(data.ReadPicture("pictures/one.bmp").size(), QSize(150, 80));
    EXPECT_EQ(data.Read("pictures/two.bmp"), "not a bitmap");
    EXPECT_EQ(data.Read("pictures/three.bmp"), three);
}

TEST(NormalizePicturesTest, AMissingCanvasRewritesNothing) {
    WizardData data(false);
    data.WritePicture("pictures/one.bmp", Gradient(300, 200));
    std::filesystem::remove(data / "a6.asl");
    const auto before = data.Snapshot();
    EXPECT_EQ(ErrorOf([&] { NormalizePictures(Both(data), {"ONE.BMP"}, nullptr); }),
              "Cannot open file " + data / "a6.asl");
    EXPECT_EQ(data.Snapshot(), before);
}

TEST(NormalizePicturesTest, TheCanvasIsTheShippedOneUnlessDataDirHasItsOwn) {
    WizardData shipped(false);
    WizardData player(false);
    std::filesystem::remove(player / "a6.asl");
    player.WritePicture("pictures/p.bmp", Gradient(40, 30));
    NormalizePictures({player.Path(), shipped.Path()}, {"P.BMP"}, nullptr);
    const QImage reshaped = player.ReadPicture("pictures/p.bmp");
    ASSERT_EQ(reshaped.size(), QSize(150, 80));
    EXPECT_TRUE(AllOf(reshaped, QRect(40, 0, 110, 80), qRgb(255, 255, 255)));

    QImage own(160, 90, QImage::Format_RGB32);
    own.fill(kCanvasColour);
    player.WritePicture("a6.asl", own);
    player.WritePicture("pictures/q.bmp", Gradient(40, 30));
    NormalizePictures({player.Path(), shipped.Path()}, {"Q.BMP"}, nullptr);
    EXPECT_EQ(player.ReadPicture("pictures/q.bmp").size(), QSize(160, 90));

    std::filesystem::remove(player / "a6.asl");
    std::filesystem::remove(shipped / "a6.asl");
    EXPECT_EQ(ErrorOf([&] {
                  NormalizePictures({player.Path(), shipped.Path()}, {"Q.BMP"}, nullptr);
              }),
              "Cannot open file " + shipped / "a6.asl");
}

} // namespace
} // namespace lexiglade::test
