#pragma once
// A bitmap owning its pixels, with a device context of its own, loaded from and saved to BMP files.
#include "platform/GdiDeviceContext.h"

#include <QImage>

#include <string>

namespace lexiglade {

class Bitmap {
  public:
    Bitmap(); // empty: no width or height until both are set
    Bitmap(int width, int height);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // "Cannot open file %s" when the file cannot be read, "Bitmap image is not valid" when it is
    // not a BMP image; the bitmap keeps what it held in either case.
    void LoadFromFile(const std::string& path);
    // A picture drawn at `ratio` device pixels per pixel: its size is that of its pixels divided by
    // the ratio, and it keeps every pixel.
    void LoadFromFile(const std::string& path, int ratio);
    // As LoadFromFile, from a BMP file's bytes already read.
    void LoadFromBytes(const std::string& bytes);
    // Holds `pixels` (shared, not copied: drawing on the bitmap copies them first) as a picture of
    // width x height pixels drawn at `ratio` device pixels per pixel.
    void Share(const QImage& pixels, int width, int height, double ratio);
    // A 24-bit BMP file; "Cannot create file %s" when it cannot be written.
    void SaveToFile(const std::string& path) const;
    // The bytes SaveToFile writes.
    std::string ToBmpBytes() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return image_.isNull(); }
    // Resizing keeps the top-left pixels that still fit; new pixels are black.
    void SetWidth(int width);
    void SetHeight(int height);
    // Device pixels per logical pixel, 1 unless set: a bitmap that keeps a copy of a scaled window
    // holds it at the window's resolution. A new ratio clears the pixels; a loaded file sets 1.
    // Saving writes the pixels of ratio 1.
    void SetPixelRatio(double ratio);
    double PixelRatio() const { return ratio_; }

    DeviceContext& Canvas() { return canvas_; }
    const DeviceContext& Canvas() const { return canvas_; }
    const QImage& Image() const { return image_; }

  private:
    void Resize(int width, int height);
    void LoadFromData(const QByteArray& data);
    QByteArray BmpData() const;

    int width_ = 0;
    int height_ = 0;
    double ratio_ = 1.0;
    QImage image_;
    DeviceContext canvas_;
};

} // namespace lexiglade
