#include "platform/Bitmap.h"

#include <QImage>

#include <stdexcept>

namespace veltmoor {

Bitmap::Bitmap(int width, int height, TColor fill) {
    resize(width, height, fill);
}

void Bitmap::resize(int width, int height, TColor fill) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("bitmap size must not be negative");
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                   pixelFromColor(fill));
}

TColor Bitmap::pixelColor(int x, int y) const {
    return contains(x, y) ? colorFromPixel(pixel(x, y)) : clBlack;
}

void Bitmap::setPixelColor(int x, int y, TColor color) {
    if (contains(x, y)) {
        setPixel(x, y, pixelFromColor(color));
    }
}

QImage Bitmap::asQImage() {
    if (isEmpty()) {
        return {};
    }
    return QImage(reinterpret_cast<uchar*>(pixels_.data()), width_, height_,
                  static_cast<qsizetype>(width_) * 4, QImage::Format_RGB32);
}

QImage Bitmap::toQImage() const {
    if (isEmpty()) {
        return {};
    }
    QImage image(width_, height_, QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
        std::copy_n(row(y), width_, reinterpret_cast<Pixel*>(image.scanLine(y)));
    }
    return image;
}

Bitmap Bitmap::fromQImage(const QImage& image) {
    Bitmap bitmap;
    if (image.isNull()) {
        return bitmap;
    }
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    bitmap.resize(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const Pixel*>(rgb.constScanLine(y));
        Pixel* target = bitmap.row(y);
        for (int x = 0; x < rgb.width(); ++x) {
            target[x] = source[x] | 0xFF000000u;
        }
    }
    return bitmap;
}

} // namespace veltmoor
