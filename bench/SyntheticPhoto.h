#pragma once

#include "platform/Bitmap.h"
#include "platform/PictureFile.h"

#include <QString>

#include <cmath>
#include <cstdint>

namespace veltmoor::bench {

// A picture with smooth gradients, texture and grain, so that a JPEG of it costs about as
// much to decode as a photograph of the same size. The seed varies it.
inline Bitmap syntheticPhoto(int width, int height, int seed) {
    Bitmap bitmap(width, height);
    std::uint32_t noise = 2463534242u + static_cast<std::uint32_t>(seed) * 7919u;
    for (int y = 0; y < height; ++y) {
        Pixel* row = bitmap.row(y);
        for (int x = 0; x < width; ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = static_cast<int>(noise % 17) - 8;
            const double texture =
                40.0 * std::sin((x + seed * 37) * 0.013) * std::cos((y - seed * 11) * 0.009);
            const int red = 70 + x * 120 / width + static_cast<int>(texture) + grain;
            const int green = 50 + y * 150 / height + grain + seed * 9 % 40;
            const int blue = 160 - x * 70 / width + static_cast<int>(texture / 2) + grain;
            row[x] = pixelFromRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255),
                                  std::clamp(blue, 0, 255));
        }
    }
    return bitmap;
}

// A 12-megapixel (4000 x 3000) photograph-like JPEG at path.
inline void writeSyntheticPhotoJpeg(const QString& path, int seed, int width = 4000,
                                    int height = 3000) {
    writeJpeg(path, syntheticPhoto(width, height, seed), 90);
}

} // namespace veltmoor::bench
