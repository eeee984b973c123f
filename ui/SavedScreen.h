#pragma once
// The saved copy of the puzzle window (ScreenCopy): its top-left Width() x Height() pixels as they
// were when saved, put back by every paint. Only what differs from what the window's own paint
// draws is kept: the areas drawn on outside its paints, as blocks of device pixels. Everything else
// each paint draws afresh, the same every time, so saving and putting back copy only those blocks.
// Saving from another window, or from one whose size or scale changed, keeps what that window
// holds beyond its own paint in the same way.
#include "platform/GdiBitmap.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <memory>
#include <vector>

namespace lexiglade {

class SurfaceForm;

class SavedScreen {
  public:
    // The size of the area saved and put back. A width or height of 0 empties the copy.
    void SetWidth(int width);
    void SetHeight(int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Saves from `pixels`, the device context of `window`.
    void Save(SurfaceForm& window, const DeviceContext& pixels);
    void Restore(DeviceContext& window) const;
    // The area a restore draws on.
    QRect SavedArea() const;

    // What a restore puts back, over transparent pixels of the copy's size, at the scale it was
    // saved at; for tests.
    QImage Image() const;

  private:
    struct Block {
        QRect area; // in the window's pixels
        std::unique_ptr<Bitmap> pixels;
    };
    QRect Area() const { return {0, 0, width_, height_}; }

    int width_ = 0;
    int height_ = 0;
    std::uint64_t window_ = 0; // the serial of the window the blocks were saved from
    QSize windowPixels_;       // its image's size and scale then
    double ratio_ = 1.0;
    std::vector<Block> blocks_;
};

} // namespace lexiglade
