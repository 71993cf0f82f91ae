// Windows bitmap files: our own reader and writers. Qt's reader takes a truncated file
// for a whole one and Qt's writer turns small palettes into 4-bit files, and the tinted
// copies must keep their 256-entry table, so neither direction goes through Qt.

#include "platform/PictureErrors.h"
#include "platform/PictureFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace veltmoor {

namespace {

using picture_errors::damaged;
using picture_errors::unsupported;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kCompressionAlphaBitfields = 6;

// Little-endian field access into a buffer whose bounds the caller has checked.
std::uint16_t read16(const std::uint8_t* data) {
    return static_cast<std::uint16_t>(data[0] | (data[1] << 8));
}
std::uint32_t read32(const std::uint8_t* data) {
    return static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
           (static_cast<std::uint32_t>(data[2]) << 16) |
           (static_cast<std::uint32_t>(data[3]) << 24);
}
std::int32_t readSigned32(const std::uint8_t* data) {
    return static_cast<std::int32_t>(read32(data));
}

void put16(QByteArray& out, std::size_t at, std::uint32_t value) {
    out[static_cast<qsizetype>(at)] = static_cast<char>(value & 0xFF);
    out[static_cast<qsizetype>(at + 1)] = static_cast<char>((value >> 8) & 0xFF);
}
void put32(QByteArray& out, std::size_t at, std::uint32_t value) {
    put16(out, at, value & 0xFFFF);
    put16(out, at + 2, value >> 16);
}

// One channel of a BITFIELDS mask, scaled to 8 bits with rounding.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t maximum = 0;

    explicit Channel(std::uint32_t channelMask = 0) : mask(channelMask) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            maximum = mask >> shift;
        }
    }
    int extract(std::uint32_t value) const {
        if (maximum == 0) {
            return 0;
        }
        const std::uint64_t raw = (value & mask) >> shift;
        return static_cast<int>((raw * 255 + maximum / 2) / maximum);
    }
};

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kCompressionNone;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    int paletteCount = 0;
    std::size_t pixelOffset = 0;
    std::uint32_t masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
    bool useAlpha = false;

    bool hasPalette() const { return bitsPerPixel <= 8; }
    int fileRow(int row) const { return topDown ? row : height - 1 - row; }
};

// The channel masks of a bit-fields bitmap. A header holds as many as fit in it (none in
// 40 bytes, red, green and blue in 52, all four from 56 up); the ones the compression needs
// beyond those follow the header, before the colour table.
void readMasks(const std::uint8_t* data, std::size_t size, const QString& name,
               std::uint32_t headerSize, Layout& layout, std::size_t& tableOffset) {
    const std::size_t held = headerSize >= 56 ? 4 : headerSize >= 52 ? 3 : 0;
    const std::size_t needed = layout.compression == kCompressionAlphaBitfields ? 4 : 3;
    const std::size_t following = needed > held ? needed - held : 0;
    if (size - tableOffset < following * 4) {
        damaged(name, QStringLiteral("the file ends inside its colour masks"));
    }
    tableOffset += following * 4;
    const std::uint8_t* masks = data + kFileHeaderSize + 40;
    for (std::size_t i = 0; i < std::max(held, needed); ++i) {
        layout.masks[i] = read32(masks + 4 * i);
    }
    layout.useAlpha = layout.masks[3] != 0;
}

Layout parseLayout(const QByteArray& bytes, const QString& name, std::int64_t maxPixels) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (size < kFileHeaderSize + 4) {
        damaged(name, QStringLiteral("the file ends inside its header"));
    }
    if (data[0] != 'B' || data[1] != 'M') {
        picture_errors::notReadable(name);
    }
    const std::uint32_t pixelOffset = read32(data + 10);
    const std::uint32_t headerSize = read32(data + kFileHeaderSize);
    const bool coreHeader = headerSize == 12;
    if (!coreHeader && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124) {
        unsupported(
            name,
            QStringLiteral("its bitmap header has an unknown size (%1 bytes)").arg(headerSize));
    }
    if (size < kFileHeaderSize + headerSize) {
        damaged(name, QStringLiteral("the file ends inside its header"));
    }
    const std::uint8_t* info = data + kFileHeaderSize;

    Layout layout;
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (coreHeader) {
        width = read16(info + 4);
        height = read16(info + 6);
        layout.bitsPerPixel = read16(info + 10);
        layout.paletteEntrySize = 3;
    } else {
        width = readSigned32(info + 4);
        height = readSigned32(info + 8);
        layout.bitsPerPixel = read16(info + 14);
        layout.compression = read32(info + 16);
    }
    if (height < 0) {
        layout.topDown = true;
        height = -height; // the value is 64-bit, so even the most negative height negates
    }

    const int bits = layout.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        unsupported(name, QStringLiteral("it has %1 bits per pixel").arg(bits));
    }
    const std::uint32_t compression = layout.compression;
    const bool compressionFits =
        compression == kCompressionNone || (compression == kCompressionRle8 && bits == 8) ||
        (compression == kCompressionRle4 && bits == 4) ||
        ((compression == kCompressionBitfields || compression == kCompressionAlphaBitfields) &&
         (bits == 16 || bits == 32));
    if (!compressionFits) {
        unsupported(name, QStringLiteral("it uses compression %1 with %2 bits per pixel")
                              .arg(compression)
                              .arg(bits));
    }
    picture_errors::checkPictureSize(name, width, height, maxPixels);
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);

    std::size_t tableOffset = kFileHeaderSize + headerSize;
    if (compression == kCompressionBitfields || compression == kCompressionAlphaBitfields) {
        readMasks(data, size, name, headerSize, layout, tableOffset);
    } else if (bits == 16) {
        layout.masks[0] = 0x7C00;
        layout.masks[1] = 0x03E0;
        layout.masks[2] = 0x001F;
    } else if (bits == 32) {
        layout.masks[0] = 0x00FF0000;
        layout.masks[1] = 0x0000FF00;
        layout.masks[2] = 0x000000FF;
    }

    layout.paletteOffset = tableOffset;
    if (layout.hasPalette()) {
        const std::uint32_t fullTable = 1u << bits;
        const std::uint32_t used = coreHeader ? 0 : read32(info + 32);
        if (used > fullTable) {
            damaged(name, QStringLiteral("its colour table claims %1 entries for %2-bit pixels")
                              .arg(used)
                              .arg(bits));
        }
        layout.paletteCount = static_cast<int>(used == 0 ? fullTable : used);
        const std::size_t paletteEnd =
            tableOffset + static_cast<std::size_t>(layout.paletteCount) * layout.paletteEntrySize;
        if (paletteEnd > size) {
            damaged(name, QStringLiteral("the file ends inside its colour table"));
        }
        if (pixelOffset < paletteEnd) {
            damaged(name, QStringLiteral("its pixel data starts inside the colour table"));
        }
    } else if (pixelOffset < tableOffset) {
        damaged(name, QStringLiteral("its pixel data starts inside the header"));
    }
    if (pixelOffset >= size) {
        damaged(name, QStringLiteral("the file ends before its pixel data"));
    }
    layout.pixelOffset = pixelOffset;
    return layout;
}

std::size_t rowStride(const Layout& layout) {
    return ((static_cast<std::size_t>(layout.width) *
                 static_cast<std::size_t>(layout.bitsPerPixel) +
             31) /
            32) *
           4;
}

void requireUncompressedRows(const QByteArray& bytes, const QString& name, const Layout& layout) {
    // Both factors are bounded (stride by 4 * width, height by the pixel limit).
    const std::size_t needed = rowStride(layout) * static_cast<std::size_t>(layout.height);
    if (static_cast<std::size_t>(bytes.size()) - layout.pixelOffset < needed) {
        damaged(name, QStringLiteral("the file ends before its last pixel row"));
    }
}

std::array<TColor, 256> readPalette(const QByteArray& bytes, const Layout& layout) {
    std::array<TColor, 256> palette{}; // indices beyond a short table show black
    const auto* entry =
        reinterpret_cast<const std::uint8_t*>(bytes.constData()) + layout.paletteOffset;
    for (int i = 0; i < layout.paletteCount; ++i, entry += layout.paletteEntrySize) {
        palette[static_cast<std::size_t>(i)] = rgbColor(entry[2], entry[1], entry[0]);
    }
    return palette;
}

// Run-length data (4 or 8 bits). Pixels the data skips keep index 0, as in a freshly
// cleared Windows bitmap; a run or jump past the picture's edge is damage, not clipping.
void decodeRunLength(const QByteArray& bytes, const QString& name, const Layout& layout,
                     std::vector<std::uint8_t>& indices) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool fourBit = layout.compression == kCompressionRle4;
    const auto width = static_cast<std::size_t>(layout.width);
    std::size_t pos = layout.pixelOffset;
    std::size_t x = 0;
    int y = 0; // counted from the first row stored in the file

    auto rowStart = [&](std::size_t count) -> std::uint8_t* {
        if (y >= layout.height) {
            damaged(name, QStringLiteral("its compressed pixels run past the last row"));
        }
        if (count > width - x) {
            damaged(name, QStringLiteral("its compressed pixels run past the end of a row"));
        }
        return indices.data() + static_cast<std::size_t>(layout.fileRow(y)) * width + x;
    };

    for (;;) {
        if (size - pos < 2) {
            if (y >= layout.height) {
                return; // every row is complete; only the end marker is missing
            }
            damaged(name, QStringLiteral("the file ends inside its compressed pixels"));
        }
        const std::uint8_t count = data[pos];
        const std::uint8_t value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            std::uint8_t* target = rowStart(count);
            if (fourBit) {
                const std::uint8_t pair[2] = {static_cast<std::uint8_t>(value >> 4),
                                              static_cast<std::uint8_t>(value & 0x0F)};
                for (std::size_t i = 0; i < count; ++i) {
                    target[i] = pair[i & 1];
                }
            } else {
                std::fill_n(target, count, value);
            }
            x += count;
            continue;
        }
        switch (value) {
        case 0: // end of line; one past the last row is where a well-formed file stops
            x = 0;
            if (y < layout.height) {
                ++y;
            }
            break;
        case 1: // end of bitmap
            return;
        case 2: { // jump right and up
            if (size - pos < 2) {
                damaged(name, QStringLiteral("the file ends inside its compressed pixels"));
            }
            const std::size_t right = data[pos];
            const int up = data[pos + 1];
            pos += 2;
            if (right > width - x || up > layout.height - y) {
                damaged(name, QStringLiteral("its compressed pixels jump outside the picture"));
            }
            x += right;
            y += up;
            break;
        }
        default: { // a literal run of `value` pixels, padded to an even byte count
            const std::size_t literalBytes = fourBit ? (value + 1u) / 2u : value;
            const std::size_t paddedBytes = (literalBytes + 1u) & ~std::size_t{1};
            if (size - pos < literalBytes) {
                damaged(name, QStringLiteral("the file ends inside its compressed pixels"));
            }
            std::uint8_t* target = rowStart(value);
            for (std::size_t i = 0; i < value; ++i) {
                target[i] = fourBit ? static_cast<std::uint8_t>((i & 1) ? data[pos + i / 2] & 0x0F
                                                                        : data[pos + i / 2] >> 4)
                                    : data[pos + i];
            }
            x += value;
            pos += std::min(paddedBytes, size - pos);
            break;
        }
        }
    }
}

void decodePackedIndices(const QByteArray& bytes, const Layout& layout,
                         std::vector<std::uint8_t>& indices) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const std::size_t stride = rowStride(layout);
    const int bits = layout.bitsPerPixel;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1u;
    const auto width = static_cast<std::size_t>(layout.width);
    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* source =
            data + layout.pixelOffset + static_cast<std::size_t>(layout.fileRow(row)) * stride;
        std::uint8_t* target = indices.data() + static_cast<std::size_t>(row) * width;
        if (bits == 8) {
            std::memcpy(target, source, width);
            continue;
        }
        for (std::size_t x = 0; x < width; ++x) {
            const unsigned byte = source[x / static_cast<std::size_t>(perByte)];
            const int slot = static_cast<int>(x % static_cast<std::size_t>(perByte));
            const int shift = 8 - bits * (slot + 1); // leftmost pixel in the high bits
            target[x] = static_cast<std::uint8_t>((byte >> shift) & mask);
        }
    }
}

IndexedBitmap decodeIndexed(const QByteArray& bytes, const QString& name, const Layout& layout) {
    IndexedBitmap result;
    result.width = layout.width;
    result.height = layout.height;
    result.palette = readPalette(bytes, layout);
    const bool runLength =
        layout.compression == kCompressionRle4 || layout.compression == kCompressionRle8;
    if (!runLength) {
        requireUncompressedRows(bytes, name, layout);
    }
    result.indices.assign(
        static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height), 0);
    if (runLength) {
        decodeRunLength(bytes, name, layout, result.indices);
    } else {
        decodePackedIndices(bytes, layout, result.indices);
    }
    return result;
}

int overWhite(int channel, int alpha) {
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

Bitmap decodeDirect(const QByteArray& bytes, const QString& name, const Layout& layout) {
    requireUncompressedRows(bytes, name, layout);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const std::size_t stride = rowStride(layout);
    const auto width = static_cast<std::size_t>(layout.width);
    auto sourceRow = [&](int row) {
        return data + layout.pixelOffset + static_cast<std::size_t>(layout.fileRow(row)) * stride;
    };

    Bitmap bitmap(layout.width, layout.height);
    if (layout.bitsPerPixel == 24) {
        for (int row = 0; row < layout.height; ++row) {
            const std::uint8_t* source = sourceRow(row);
            Pixel* target = bitmap.row(row);
            for (std::size_t x = 0; x < width; ++x, source += 3) {
                target[x] = pixelFromRgb(source[2], source[1], source[0]);
            }
        }
        return bitmap;
    }

    const Channel red(layout.masks[0]);
    const Channel green(layout.masks[1]);
    const Channel blue(layout.masks[2]);
    const Channel alpha(layout.masks[3]);
    const bool wide = layout.bitsPerPixel == 32;
    auto value = [wide](const std::uint8_t* source, std::size_t x) -> std::uint32_t {
        return wide ? read32(source + 4 * x) : read16(source + 2 * x);
    };

    // Many writers fill an alpha mask with zeros they never meant as transparency, so
    // alpha counts only when some pixel is not fully transparent.
    bool alphaMeant = false;
    if (layout.useAlpha) {
        for (int row = 0; row < layout.height && !alphaMeant; ++row) {
            const std::uint8_t* source = sourceRow(row);
            for (std::size_t x = 0; x < width; ++x) {
                if (alpha.extract(value(source, x)) != 0) {
                    alphaMeant = true;
                    break;
                }
            }
        }
    }

    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* source = sourceRow(row);
        Pixel* target = bitmap.row(row);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t v = value(source, x);
            int r = red.extract(v);
            int g = green.extract(v);
            int b = blue.extract(v);
            if (alphaMeant) {
                const int a = alpha.extract(v);
                r = overWhite(r, a);
                g = overWhite(g, a);
                b = overWhite(b, a);
            }
            target[x] = pixelFromRgb(r, g, b);
        }
    }
    return bitmap;
}

std::size_t bmpStride(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) *
           4;
}

// The 14-byte file header and the 40-byte information header shared by both writers.
QByteArray bmpHeaders(int width, int height, int bitsPerPixel, std::uint32_t paletteEntries,
                      int dotsPerInch = kBitmapDotsPerInch) {
    const std::size_t stride = bmpStride(width, bitsPerPixel);
    const std::size_t imageSize = stride * static_cast<std::size_t>(height);
    const std::size_t pixelOffset = kFileHeaderSize + 40 + paletteEntries * 4;
    const std::size_t fileSize = pixelOffset + imageSize;
    if (fileSize > 0xFFFFFFFFu) {
        throw std::length_error("picture too large for a bitmap file");
    }
    QByteArray out(static_cast<qsizetype>(fileSize), '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(fileSize));
    put32(out, 10, static_cast<std::uint32_t>(pixelOffset));
    put32(out, 14, 40);
    put32(out, 18, static_cast<std::uint32_t>(width));
    put32(out, 22, static_cast<std::uint32_t>(height)); // positive: bottom row first
    put16(out, 26, 1);
    put16(out, 28, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, 30, kCompressionNone);
    put32(out, 34, static_cast<std::uint32_t>(imageSize));
    put32(out, 38, static_cast<std::uint32_t>(dotsPerMetre(dotsPerInch)));
    put32(out, 42, static_cast<std::uint32_t>(dotsPerMetre(dotsPerInch)));
    put32(out, 46, paletteEntries);
    put32(out, 50, 0);
    return out;
}

} // namespace

Bitmap decodeBmp(const QByteArray& bytes, const QString& nameForMessages,
                 PictureReadOptions options) {
    const Layout layout = parseLayout(bytes, nameForMessages, options.maxPixels);
    if (layout.hasPalette()) {
        return decodeIndexed(bytes, nameForMessages, layout).toBitmap();
    }
    return decodeDirect(bytes, nameForMessages, layout);
}

PictureHeader decodeBmpHeader(const QByteArray& bytes, const QString& nameForMessages,
                              PictureReadOptions options) {
    const Layout layout = parseLayout(bytes, nameForMessages, options.maxPixels);
    return {layout.width, layout.height, layout.width, layout.height};
}

IndexedBitmap decodeBmpIndexed(const QByteArray& bytes, const QString& nameForMessages,
                               PictureReadOptions options) {
    const Layout layout = parseLayout(bytes, nameForMessages, options.maxPixels);
    if (!layout.hasPalette()) {
        unsupported(nameForMessages, QStringLiteral("it has no colour table"));
    }
    return decodeIndexed(bytes, nameForMessages, layout);
}

Bitmap IndexedBitmap::toBitmap() const {
    if (width < 0 || height < 0 ||
        indices.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("indexed bitmap size does not match its indices");
    }
    std::array<Pixel, 256> pixels{};
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = pixelFromColor(palette[i]);
    }
    Bitmap bitmap(width, height);
    const std::uint8_t* index = indices.data();
    for (int y = 0; y < height; ++y) {
        Pixel* target = bitmap.row(y);
        for (int x = 0; x < width; ++x) {
            target[x] = pixels[*index++];
        }
    }
    return bitmap;
}

QByteArray encodeBmp24(const Bitmap& bitmap, int dotsPerInch) {
    if (bitmap.isEmpty()) {
        throw std::invalid_argument("cannot encode an empty bitmap");
    }
    QByteArray out = bmpHeaders(bitmap.width(), bitmap.height(), 24, 0, dotsPerInch);
    const std::size_t stride = bmpStride(bitmap.width(), 24);
    auto* pixels = reinterpret_cast<std::uint8_t*>(out.data()) + kFileHeaderSize + 40;
    for (int y = 0; y < bitmap.height(); ++y) {
        const Pixel* source = bitmap.row(y);
        std::uint8_t* target = pixels + static_cast<std::size_t>(bitmap.height() - 1 - y) * stride;
        for (int x = 0; x < bitmap.width(); ++x, target += 3) {
            target[0] = static_cast<std::uint8_t>(blueOfPixel(source[x]));
            target[1] = static_cast<std::uint8_t>(greenOfPixel(source[x]));
            target[2] = static_cast<std::uint8_t>(redOfPixel(source[x]));
        }
    }
    return out;
}

QByteArray encodeBmp8(const IndexedBitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0) {
        throw std::invalid_argument("cannot encode an empty bitmap");
    }
    if (bitmap.indices.size() !=
        static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        throw std::invalid_argument("indexed bitmap size does not match its indices");
    }
    // Always the full 256-entry table, even for a picture with two colours: whoever
    // reads the file back works on the table as it was written.
    QByteArray out = bmpHeaders(bitmap.width, bitmap.height, 8, 256);
    auto* table = reinterpret_cast<std::uint8_t*>(out.data()) + kFileHeaderSize + 40;
    for (std::size_t i = 0; i < 256; ++i) {
        const TColor color = resolveSystemColor(bitmap.palette[i]);
        table[4 * i] = static_cast<std::uint8_t>(blueOf(color));
        table[4 * i + 1] = static_cast<std::uint8_t>(greenOf(color));
        table[4 * i + 2] = static_cast<std::uint8_t>(redOf(color));
        table[4 * i + 3] = 0;
    }
    std::uint8_t* pixels = table + 256 * 4;
    const std::size_t stride = bmpStride(bitmap.width, 8);
    const auto width = static_cast<std::size_t>(bitmap.width);
    for (int y = 0; y < bitmap.height; ++y) {
        std::memcpy(pixels + static_cast<std::size_t>(bitmap.height - 1 - y) * stride,
                    bitmap.indices.data() + static_cast<std::size_t>(y) * width, width);
    }
    return out;
}

} // namespace veltmoor
