#include "platform/GdiBitmap.h"

#include "platform/DisplayScale.h"
#include "platform/GdiError.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace lexiglade {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

QString ToQString(const std::string& path) {
    return QString::fromStdString(path);
}

void PutLe(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

int RowBytes(int width) {
    return (width * 3 + 3) / 4 * 4;
}

QByteArray BmpHeaders(int width, int height) {
    const auto imageBytes = static_cast<std::uint32_t>(RowBytes(width) * height);
    QByteArray out;
    out.append("BM");
    PutLe(out, kFileHeaderSize + kInfoHeaderSize + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, kFileHeaderSize + kInfoHeaderSize, 4);
    PutLe(out, kInfoHeaderSize, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);  // planes
    PutLe(out, 24, 2); // bits per pixel
    PutLe(out, 0, 4);  // uncompressed
    PutLe(out, imageBytes, 4);
    PutLe(out, 2835, 4); // 72 dots per inch
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    return out;
}

// Bottom-up rows of blue, green, red, each padded to four bytes.
QByteArray BmpFile(const QImage& image, int width, int height) {
    QByteArray out = BmpHeaders(width, height);
    const int padding = RowBytes(width) - width * 3;
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(padding, '\0');
    }
    return out;
}

std::uint32_t GetLe(const QByteArray& data, int at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(data[at + i]);
    }
    return value;
}

// The plain 24-bit bitmaps the game writes, and its artwork, read in one pass: a large picture
// (the artwork of a 4K screen) loads several times faster than through the general reader. Other
// files give a null image and go to that reader.
QImage Decode24Bit(const QByteArray& data) {
    constexpr int kMinimum = kFileHeaderSize + kInfoHeaderSize;
    if (data.size() < kMinimum || !data.startsWith("BM") ||
        GetLe(data, kFileHeaderSize, 4) != kInfoHeaderSize ||
        GetLe(data, kFileHeaderSize + 14, 2) != 24 || GetLe(data, kFileHeaderSize + 16, 4) != 0) {
        return {};
    }
    const auto width = static_cast<std::int32_t>(GetLe(data, kFileHeaderSize + 4, 4));
    const auto height = static_cast<std::int32_t>(GetLe(data, kFileHeaderSize + 8, 4));
    const std::uint32_t offset = GetLe(data, 10, 4);
    if (width <= 0 || height <= 0 || width > 1 << 15 || height > 1 << 15 ||
        offset + static_cast<qint64>(RowBytes(width)) * height > data.size()) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const unsigned char*>(data.constData()) + offset +
                         static_cast<qint64>(RowBytes(width)) * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 3) {
            out[x] = qRgb(in[2], in[1], in[0]);
        }
    }
    return image;
}

} // namespace

Bitmap::Bitmap() : canvas_(image_) {}

Bitmap::Bitmap(int width, int height) : canvas_(image_) {
    Resize(width, height);
}

void Bitmap::LoadFromFile(const std::string& path) {
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw PlatformError("Cannot open file " + path);
    }
    const qint64 size = file.size();
    if (const uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
        LoadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size));
        return;
    }
    LoadFromData(file.readAll());
}

void Bitmap::LoadFromFile(const std::string& path, int ratio) {
    LoadFromFile(path);
    ratio_ = ratio;
    image_.setDevicePixelRatio(ratio);
    width_ = (image_.width() + ratio - 1) / ratio;
    height_ = (image_.height() + ratio - 1) / ratio;
}

void Bitmap::LoadFromBytes(const std::string& bytes) {
    LoadFromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void Bitmap::Share(const QImage& pixels, int width, int height, double ratio) {
    image_ = pixels;
    width_ = width;
    height_ = height;
    ratio_ = ratio;
}

void Bitmap::LoadFromData(const QByteArray& data) {
    QImage loaded = Decode24Bit(data);
    if (loaded.isNull() && (!loaded.loadFromData(data, "BMP") || loaded.isNull())) {
        throw PlatformError("Bitmap image is not valid");
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    ratio_ = 1.0;
    width_ = image_.width();
    height_ = image_.height();
}

QByteArray Bitmap::BmpData() const {
    return Empty() ? BmpHeaders(0, 0) : BmpFile(image_, width_, height_);
}

std::string Bitmap::ToBmpBytes() const {
    const QByteArray bytes = BmpData();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void Bitmap::SaveToFile(const std::string& path) const {
    QFile file(ToQString(path));
    const QByteArray bytes = BmpData();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw PlatformError("Cannot create file " + path);
    }
}

void Bitmap::SetWidth(int width) {
    Resize(width, height_);
}

void Bitmap::SetHeight(int height) {
    Resize(width_, height);
}

void Bitmap::SetPixelRatio(double ratio) {
    if (ratio != ratio_) {
        ratio_ = ratio;
        image_ = QImage();
        Resize(width_, height_);
    }
}

void Bitmap::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ == 0 || height_ == 0) {
        image_ = QImage();
        return;
    }
    QImage resized(DevicePixel(width_, ratio_), DevicePixel(height_, ratio_), QImage::Format_RGB32);
    resized.fill(Qt::black);
    resized.setDevicePixelRatio(ratio_);
    const int keptRows = std::min(resized.height(), image_.height());
    const auto keptBytes = static_cast<std::size_t>(std::min(resized.width(), image_.width())) * 4;
    for (int y = 0; y < keptRows; ++y) {
        std::memcpy(resized.scanLine(y), image_.constScanLine(y), keptBytes);
    }
    image_ = std::move(resized);
}

} // namespace lexiglade
