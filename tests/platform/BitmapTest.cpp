#include "platform/GdiBitmap.h"
#include "platform/GdiError.h"

#include "TestImages.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace lexiglade {
namespace {

std::string PathIn(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::string ErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        return error.what();
    }
    return "no error";
}

void Paint(Bitmap& bitmap, const QImage& picture) {
    QImage copy = picture;
    const DeviceContext source(copy);
    bitmap.Canvas().BitBlt(0, 0, picture.width(), picture.height(), &source, 0, 0, SRCCOPY);
}

TEST(Bitmap, SavesA24BitFileThatLoadsBack) {
    const QTemporaryDir dir;
    for (const int width : {1, 2, 3, 4, 7, 150}) {
        const QImage noise = test::Noise(width, 5, static_cast<std::uint32_t>(width));
        Bitmap bitmap(width, 5);
        Paint(bitmap, noise);
        const std::string path = PathIn(dir, "a6.asl");
        bitmap.SaveToFile(path);
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(bytes[28], 24);
        EXPECT_EQ(bytes.size(), 54 + (width * 3 + 3) / 4 * 4 * 5);
        Bitmap loaded;
        loaded.LoadFromFile(path);
        EXPECT_EQ(loaded.Width(), width);
        EXPECT_EQ(loaded.Height(), 5);
        EXPECT_EQ(loaded.Image(), noise) << width;
    }
}

TEST(Bitmap, ReadsIndexedBmpFiles) {
    const QTemporaryDir dir;
    QImage indexed(9, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(200, 10, 30), qRgb(5, 250, 60)});
    indexed.fill(1);
    indexed.setPixel(3, 2, 2);
    const std::string path = PathIn(dir, "a3.asl");
    ASSERT_TRUE(indexed.save(QString::fromStdString(path), "BMP"));
    Bitmap bitmap;
    bitmap.LoadFromFile(path);
    ASSERT_EQ(bitmap.Width(), 9);
    EXPECT_EQ(bitmap.Canvas().GetPixel(0, 0), PaletteRgb(200, 10, 30));
    EXPECT_EQ(bitmap.Canvas().GetPixel(3, 2), PaletteRgb(5, 250, 60));
}

TEST(Bitmap, ReportsFilesThatCannotBeUsed) {
    const QTemporaryDir dir;
    const std::string missing = PathIn(dir, "a4.asl");
    const std::string garbage = PathIn(dir, "garbage.bmp");
    const std::string truncated = PathIn(dir, "truncated.bmp");
    const std::string noFolder = PathIn(dir, "none/x.bmp");
    const std::string folder = dir.path().toStdString();
    WriteBytes(garbage, "this is no picture");
    WriteBytes(truncated, QByteArray("BM\x36\x00\x00\x00", 6));
    Bitmap bitmap(3, 2);
    const struct {
        std::function<void()> action;
        std::string text;
    } cases[] = {
        {[&] { bitmap.LoadFromFile(missing); }, "Cannot open file " + missing},
        {[&] { bitmap.LoadFromFile(garbage); }, "Bitmap image is not valid"},
        {[&] { bitmap.LoadFromFile(truncated); }, "Bitmap image is not valid"},
        {[&] { bitmap.LoadFromFile(folder); }, "Cannot open file " + folder},
        {[&] { bitmap.SaveToFile(noFolder); }, "Cannot create file " + noFolder},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorText(c.action), c.text);
    }
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
}

TEST(Bitmap, StartsEmptyAndTakesItsSizeLater) {
    Bitmap bitmap;
    DeviceContext& canvas = bitmap.Canvas();
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    canvas.Rectangle(0, 0, 5, 5);
    bitmap.SetWidth(30);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetHeight(20);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Image().size(), QSize(30, 20));
    EXPECT_EQ(canvas.GetPixel(29, 19), PaletteRgb(0, 0, 0));
    canvas.BitBlt(0, 0, 10, 10, nullptr, 0, 0, WHITENESS);
    EXPECT_EQ(canvas.GetPixel(9, 9), PaletteRgb(255, 255, 255));
    bitmap.SetWidth(5);
    bitmap.SetHeight(40);
    EXPECT_EQ(canvas.GetDeviceCaps(HORZRES), 5);
    EXPECT_EQ(canvas.GetPixel(4, 9), PaletteRgb(255, 255, 255));
    EXPECT_EQ(canvas.GetPixel(4, 10), PaletteRgb(0, 0, 0));
    EXPECT_EQ(canvas.GetPixel(4, 39), PaletteRgb(0, 0, 0));
}

} // namespace
} // namespace lexiglade
