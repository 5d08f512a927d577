#pragma once
// Pictures of buttons, images, menu items and tree nodes. A bitmap is a
// block of RGB pixels; the Win32 back end turns it into a device-independent
// bitmap, headless runs only keep it. Stock glyphs are the platform's own
// pictures (the check mark of OK buttons), named rather than stored.
#include <memory>
#include <optional>
#include <vector>

#include "ui/Color.h"

namespace lorivex::ui {

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TColor fill = clWhite)
        : width_(width), height_(height), pixels_(size_t(width) * size_t(height), fill) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TColor Pixel(int x, int y) const { return pixels_.at(size_t(y) * size_t(width_) + size_t(x)); }
    void SetPixel(int x, int y, TColor color) { pixels_.at(size_t(y) * size_t(width_) + size_t(x)) = color; }
    // Pixels of this colour are not drawn: the colour a picture file names
    // as transparent, else the bottom-left pixel's colour, as button glyphs
    // have always done.
    TColor TransparentColor() const
    {
        if (transparent_)
            return *transparent_;
        return Empty() ? clWhite : Pixel(0, height_ - 1);
    }
    bool HasTransparentColor() const { return transparent_.has_value(); }
    void SetTransparentColor(TColor color) { transparent_ = color; }
    void ClearTransparentColor() { transparent_.reset(); }

private:
    int width_ = 0, height_ = 0;
    std::vector<TColor> pixels_;
    std::optional<TColor> transparent_;
};

using TBitmapPtr = std::shared_ptr<TBitmap>;

enum class StockGlyph { None, Ok, Cancel };

// Pictures of one size, addressed by index (tree nodes, menu items).
class TImageList {
public:
    TImageList(int width = 16, int height = 16) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Add(TBitmapPtr bitmap)
    {
        images_.push_back(std::move(bitmap));
        return int(images_.size()) - 1;
    }
    int Count() const { return int(images_.size()); }
    const TBitmapPtr& operator[](int index) const { return images_.at(size_t(index)); }

private:
    int width_, height_;
    std::vector<TBitmapPtr> images_;
};

} // namespace lorivex::ui
