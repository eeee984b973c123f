#include "WizardData.h"

#include "library/AtomicFile.h"
#include "wizard/Pictures.h"
#include "wizard/Validation.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace lexiglade::test {
namespace {

namespace fs = std::filesystem;

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

std::string NotPlain(const std::string& name) {
    std::string text = "\"";
    text += name;
    text += "\" is not a plain file name of the library folder";
    return text;
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
    const std::string largeFile = data.Read("pictures/large.bmp");
    const std::string smallFile = data.Read("pictures/SMALL.BMP");
    NormalizePictures(Both(data), {"Large.BMP", "small.bmp"}, nullptr);

    const QImage cut = data.ReadPicture("pictures/large.bmp");
    ASSERT_EQ(cut.size(), QSize(150, 80));
    EXPECT_TRUE(HoldsAt(cut, large, 150, 80));
    const QImage placed = data.ReadPicture("pictures/SMALL.BMP");
    ASSERT_EQ(placed.size(), QSize(150, 80));
    EXPECT_TRUE(HoldsAt(placed, small, 100, 50));
    EXPECT_TRUE(AllOf(placed, QRect(100, 0, 50, 80), qRgb(255, 255, 255)));
    EXPECT_TRUE(AllOf(placed, QRect(0, 50, 150, 30), qRgb(255, 255, 255)));
    // The player's pictures kept as they were, under the names they had; nothing else made.
    EXPECT_EQ(data.Read("pictures/originals/large.bmp"), largeFile);
    EXPECT_EQ(data.Read("pictures/originals/SMALL.BMP"), smallFile);
    EXPECT_EQ(data.Snapshot().size(), 5u);
}

TEST(NormalizePicturesTest, TheFirstOriginalIsKeptAndNeverOverwritten) {
    WizardData data(false);
    data.WritePicture("pictures/cat.bmp", Gradient(300, 200));
    const std::string first = data.Read("pictures/cat.bmp");
    NormalizePictures(Both(data), {"CAT.BMP"}, nullptr);
    const std::string reshaped = data.Read("pictures/cat.bmp");
    ASSERT_NE(reshaped, first);
    NormalizePictures(Both(data), {"cat.bmp"}, nullptr); // used again by a later puzzle
    EXPECT_EQ(data.Read("pictures/cat.bmp"), reshaped);
    EXPECT_EQ(data.Read("pictures/originals/cat.bmp"), first);

    data.WritePicture("pictures/cat.bmp", Gradient(40, 40)); // the player draws a new one
    NormalizePictures(Both(data), {"CAT.BMP"}, nullptr);
    EXPECT_EQ(data.Read("pictures/originals/cat.bmp"), first);
    EXPECT_TRUE(HoldsAt(data.ReadPicture("pictures/cat.bmp"), Gradient(40, 40), 40, 40));
}

// Fails the n-th write with a full disk.
int writesLeft = 0;
int FailWrite(ReplaceStep step) {
    return step == ReplaceStep::Write && --writesLeft == 0 ? ENOSPC : 0;
}

TEST(NormalizePicturesTest, AFullDiskLeavesThePictureWhole) {
    // The first write keeps the original, the second replaces the picture.
    for (int failing : {1, 2}) {
        WizardData data(false);
        data.WritePicture("pictures/dog.bmp", Gradient(100, 50)); // one write call each
        const std::string before = data.Read("pictures/dog.bmp");
        writesLeft = failing;
        SetReplaceFaultHook(FailWrite);
        const std::string error =
            ErrorOf([&] { NormalizePictures(Both(data), {"DOG.BMP"}, nullptr); });
        SetReplaceFaultHook(nullptr);
        const std::string written =
            data / (failing == 1 ? "pictures/originals/dog.bmp" : "pictures/dog.bmp");
        EXPECT_EQ(error, "Cannot write file " + written + ": No space left on device");
        EXPECT_EQ(data.Read("pictures/dog.bmp"), before) << failing;
        const auto files = data.Snapshot();
        EXPECT_EQ(files.count("pictures/originals/dog.bmp"), failing == 1 ? 0u : 1u);
        EXPECT_EQ(files.size(), failing == 1 ? 2u : 3u) << "no temporary file is left";

        NormalizePictures(Both(data), {"DOG.BMP"}, nullptr); // room again
        EXPECT_EQ(data.ReadPicture("pictures/dog.bmp").size(), QSize(150, 80));
        EXPECT_EQ(data.Read("pictures/originals/dog.bmp"), before);
    }
}

TEST(NormalizePicturesTest, NothingOutsideTheLibraryIsReadOrWritten) {
    WizardData data(false);
    WizardData outside(false);
    outside.WritePicture("pictures/x.bmp", Gradient(300, 200));
    const std::string outsideBytes = outside.Read("pictures/x.bmp");
    fs::create_symlink(outside / "pictures/x.bmp", data / "pictures/LINK.BMP");
    fs::create_hard_link(outside / "pictures/x.bmp", data / "pictures/HARD.BMP");

    // A symbolic link is refused: the file it names stays as it is, and so does the link.
    EXPECT_EQ(ErrorOf([&] { NormalizePictures(Both(data), {"LINK.BMP"}, nullptr); }),
              "Cannot use file " + data / "pictures/LINK.BMP" + ": it is a symbolic link");
    EXPECT_TRUE(fs::is_symlink(data / "pictures/LINK.BMP"));
    EXPECT_FALSE(fs::exists(data / "pictures/originals/LINK.BMP"));

    // A hard link is read as the library's own file, but replaced, never written through.
    NormalizePictures(Both(data), {"HARD.BMP"}, nullptr);
    EXPECT_EQ(data.ReadPicture("pictures/HARD.BMP").size(), QSize(150, 80));
    EXPECT_EQ(data.Read("pictures/originals/HARD.BMP"), outsideBytes);
    EXPECT_EQ(outside.Read("pictures/x.bmp"), outsideBytes);

    // A name that leaves the pictures folder is refused before anything is read.
    const std::string up =
        "../" + fs::path(outside.Path()).parent_path().filename().string() + "/pictures/x.bmp";
    EXPECT_EQ(ErrorOf([&] { NormalizePictures(Both(data), {up}, nullptr); }),
              NotPlain(UpperCase(up)));
    EXPECT_EQ(outside.Read("pictures/x.bmp"), outsideBytes);
    EXPECT_EQ(outside.Snapshot().size(), 2u);

    // A pictures folder that is a link is not followed either.
    WizardData linked(false);
    fs::remove(linked / "pictures");
    fs::create_directory_symlink(outside / "pictures", linked / "pictures");
    EXPECT_EQ(ErrorOf([&] {
                  NormalizePictures({linked.Path(), linked.Path()}, {"X.BMP"}, nullptr);
              }),
              "Cannot use file " + linked / "pictures" + ": it is a symbolic link");
    EXPECT_EQ(outside.Read("pictures/x.bmp"), outsideBytes);
    EXPECT_EQ(outside.Snapshot().size(), 2u);
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
    fs::remove(data / "a6.asl");
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
