#pragma once

#include "platform/TColor.h"

#include <cstdint>
#include <vector>

class QImage;

namespace veltmoor {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A raster of 32-bit pixels, any size including 0 x 0. Rows are contiguous, top row first.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, TColor fill = clWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    // Resizing discards the content; the new pixels are filled with the given colour.
    void resize(int width, int height, TColor fill = clWhite);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Out-of-range reads give black, out-of-range writes are ignored (clipping).
    TColor pixelColor(int x, int y) const;
    void setPixelColor(int x, int y, TColor color);

    Pixel pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, Pixel value) { pixels_[index(x, y)] = value; }

    Pixel* row(int y) { return pixels_.data() + index(0, y); }
    const Pixel* row(int y) const { return pixels_.data() + index(0, y); }
    Pixel* data() { return pixels_.data(); }
    const Pixel* data() const { return pixels_.data(); }

    // A QImage (Format_RGB32) that shares this bitmap's pixels; valid while the bitmap
    // is neither resized nor destroyed.
    QImage asQImage();
    QImage toQImage() const; // an independent copy
    static Bitmap fromQImage(const QImage& image);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

} // namespace veltmoor
