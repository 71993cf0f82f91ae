#include "app/ui/SlotThumbnails.h"

#include "platform/Canvas.h"

namespace veltmoor {

namespace {
constexpr TColor kPlaceholderColor = 0xE0FFFF;
constexpr TColor kPlaceholderNumberColor = 0x008000;
} // namespace

Rect letterboxRect(int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return Rect{};
    }
    // 64 bits: a picture's sides times 900 can leave 32 bits behind.
    long long h = static_cast<long long>(pictureHeight) * kThumbnailSize / pictureWidth;
    long long w = kThumbnailSize;
    if (h > kThumbnailSize) {
        w = static_cast<long long>(pictureWidth) * kThumbnailSize / pictureHeight;
        h = kThumbnailSize;
    }
    const int x = (kThumbnailSize - static_cast<int>(w)) / 2;
    const int y = (kThumbnailSize - static_cast<int>(h)) / 2;
    return Rect{x, y, x + static_cast<int>(w), y + static_cast<int>(h)};
}

Bitmap letterboxThumbnail(const Bitmap& picture, int pictureWidth, int pictureHeight) {
    Bitmap thumbnail(kThumbnailSize, kThumbnailSize, clWhite);
    const Rect place = letterboxRect(pictureWidth, pictureHeight);
    if (!picture.isEmpty() && !place.isEmpty()) {
        Canvas canvas(thumbnail);
        canvas.stretchDraw(place, picture);
    }
    return thumbnail;
}

Bitmap placeholderThumbnail(int number) {
    Bitmap thumbnail(kThumbnailSize, kThumbnailSize, kPlaceholderColor);
    Canvas canvas(thumbnail);
    canvas.brush().style = BrushStyle::Clear;
    canvas.font() = Font{QStringLiteral("Times New Roman"), 200, {}, kPlaceholderNumberColor};
    const QString text = QString::number(number);
    canvas.textOut(150 - canvas.textWidth(text) / 2, 300, text);
    return thumbnail;
}

QString placeholderHint(const QString& word, int number) {
    return QStringLiteral("Image for %1 %2, click to select different image for %1 %2")
        .arg(word)
        .arg(number);
}

} // namespace veltmoor
