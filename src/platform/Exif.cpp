#include "platform/Exif.h"

#include <algorithm>
#include <cstring>

namespace veltmoor {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;

class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    bool has(std::size_t offset, std::size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    std::uint16_t read16(std::size_t offset) const {
        const unsigned a = data_[offset];
        const unsigned b = data_[offset + 1];
        return static_cast<std::uint16_t>(bigEndian_ ? (a << 8) | b : (b << 8) | a);
    }
    std::uint32_t read32(std::size_t offset) const {
        const std::uint32_t high = read16(offset);
        const std::uint32_t low = read16(offset + 2);
        return bigEndian_ ? (high << 16) | low : (low << 16) | high;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool bigEndian_;
};

} // namespace

int exifOrientation(const std::uint8_t* segment, std::size_t size) {
    static constexpr char kExifHeader[6] = {'E', 'x', 'i', 'f', '\0', '\0'};
    if (segment == nullptr || size < sizeof kExifHeader + 8 ||
        std::memcmp(segment, kExifHeader, sizeof kExifHeader) != 0) {
        return 1;
    }
    const std::uint8_t* tiff = segment + sizeof kExifHeader;
    const std::size_t tiffSize = size - sizeof kExifHeader;
    bool bigEndian = false;
    if (tiff[0] == 'I' && tiff[1] == 'I') {
        bigEndian = false;
    } else if (tiff[0] == 'M' && tiff[1] == 'M') {
        bigEndian = true;
    } else {
        return 1;
    }
    const TiffReader reader(tiff, tiffSize, bigEndian);
    if (reader.read16(2) != 42) {
        return 1;
    }
    const std::size_t directory = reader.read32(4);
    if (!reader.has(directory, 2)) {
        return 1;
    }
    const std::size_t entries = reader.read16(directory);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        if (!reader.has(entry, 12)) {
            return 1;
        }
        if (reader.read16(entry) != kOrientationTag) {
            continue;
        }
        if (reader.read16(entry + 2) != kTypeShort || reader.read32(entry + 4) < 1) {
            return 1;
        }
        const int value = reader.read16(entry + 8); // a lone SHORT sits in the value field
        return value >= 1 && value <= 8 ? value : 1;
    }
    return 1;
}

void placeTurnedRows(Bitmap& shown, const Pixel* rows, int firstRow, int rowCount,
                     int orientation) {
    // Stored pixel (sx, sy) of a w x h picture is shown at (x, y) with
    // y = sx or w-1-sx, x = sy or h-1-sy: each stored column becomes a shown row.
    const int w = shown.height();
    const int h = shown.width();
    const bool fromRight = orientation == 7 || orientation == 8;  // y = w - 1 - sx
    const bool fromBottom = orientation == 6 || orientation == 7; // x = h - 1 - sy
    const std::ptrdiff_t stride = w;
    for (int sx = 0; sx < w; ++sx) {
        Pixel* target = shown.row(fromRight ? w - 1 - sx : sx);
        for (int k = 0; k < rowCount; ++k) {
            const int sy = firstRow + k;
            target[fromBottom ? h - 1 - sy : sy] = rows[k * stride + sx];
        }
    }
}

Bitmap applyOrientation(Bitmap stored, int orientation) {
    const int w = stored.width();
    const int h = stored.height();
    switch (orientation) {
    case 2: // mirrored left to right
        for (int y = 0; y < h; ++y) {
            std::reverse(stored.row(y), stored.row(y) + w);
        }
        return stored;
    case 3: // turned half round
        std::reverse(stored.data(), stored.data() + static_cast<std::size_t>(w) * h);
        return stored;
    case 4: // mirrored top to bottom
        for (int y = 0; y < h / 2; ++y) {
            std::swap_ranges(stored.row(y), stored.row(y) + w, stored.row(h - 1 - y));
        }
        return stored;
    case 5:
    case 6:
    case 7:
    case 8: {
        // In bands of rows, so that the rows being read stay in the cache.
        Bitmap shown(h, w);
        for (int first = 0; first < h; first += kTurnBandRows) {
            placeTurnedRows(shown, stored.row(first), first, std::min(kTurnBandRows, h - first),
                            orientation);
        }
        return shown;
    }
    default:
        return stored;
    }
}

} // namespace veltmoor
