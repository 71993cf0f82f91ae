#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace veltmoor {

// A picture decoded from a file. For a reduced decode the bitmap is smaller than the
// picture, but width and height are always the picture's own, so layout arithmetic
// never depends on how the picture was decoded.
struct DecodedPicture {
    Bitmap bitmap;
    int width = 0;
    int height = 0;
};

// Largest number of pixels a picture may claim before anything is allocated for it.
constexpr std::int64_t kMaxPicturePixels = 200'000'000;

// The largest file read as a picture with that pixel limit: an uncompressed 32-bit bitmap
// of that many pixels, and room for what files carry beside their pixels.
constexpr std::int64_t maxPictureFileBytes(std::int64_t maxPixels) {
    return maxPixels * 4 + (std::int64_t{64} << 20);
}

struct PictureReadOptions {
    // When non-zero, the decoder may reduce the picture (JPEG: DCT scaling 1/2, 1/4,
    // 1/8) as long as the result is still at least this large on both axes. A zero on
    // one axis leaves that axis unconstrained.
    int neededWidth = 0;
    int neededHeight = 0;
    // Pictures claiming more pixels than this are refused before decoding; the fuzzers
    // lower it to keep each input cheap.
    std::int64_t maxPixels = kMaxPicturePixels;
};

// What a file's header tells before any pixel is decoded: the picture's own size (as it is
// shown, after its orientation) and the size of the bitmap that decoding it with the same
// options gives. Zero sizes when a format's header does not tell.
struct PictureHeader {
    int width = 0;
    int height = 0;
    int decodedWidth = 0;
    int decodedHeight = 0;

    std::int64_t decodedPixels() const {
        return static_cast<std::int64_t>(decodedWidth) * decodedHeight;
    }
};

// Decodes by content: JPEG (FF D8 FF), Windows bitmap ("BM"), else any format Qt reads.
// Throws UserError naming the file and what is wrong; a folder, a device, a pipe or a file
// larger than maxPictureFileBytes is refused before anything is read.
DecodedPicture readPicture(const QString& path, PictureReadOptions options = {});
DecodedPicture decodePicture(const QByteArray& bytes, const QString& nameForMessages,
                             PictureReadOptions options = {});

// The header alone, with the decoders' checks on it; throws UserError as they do.
PictureHeader readPictureHeader(const QString& path, PictureReadOptions options = {});
PictureHeader decodePictureHeader(const QByteArray& bytes, const QString& nameForMessages,
                                  PictureReadOptions options = {});
PictureHeader decodeJpegHeader(const QByteArray& bytes, const QString& nameForMessages,
                               PictureReadOptions options = {});
PictureHeader decodeBmpHeader(const QByteArray& bytes, const QString& nameForMessages,
                              PictureReadOptions options = {});

DecodedPicture decodeJpeg(const QByteArray& bytes, const QString& nameForMessages,
                          PictureReadOptions options = {});
Bitmap decodeBmp(const QByteArray& bytes, const QString& nameForMessages,
                 PictureReadOptions options = {});

// An 8-bit picture with its colour table, as the tinted copies are stored.
struct IndexedBitmap {
    int width = 0;
    int height = 0;
    std::array<TColor, 256> palette{};
    std::vector<std::uint8_t> indices; // width * height, top row first

    Bitmap toBitmap() const;
};

// The colour table and indices of a palette bitmap (1, 4 or 8 bits, plain or RLE), for
// callers that work on the palette itself. Other bitmaps are refused with a UserError.
IndexedBitmap decodeBmpIndexed(const QByteArray& bytes, const QString& nameForMessages,
                               PictureReadOptions options = {});

// The resolution a written file states, so that another program places the pixels at their
// size on paper. Bitmaps say 96 dots per inch unless told, as Windows writes them; a JPEG
// or PNG told nothing keeps its encoder's default.
constexpr int kBitmapDotsPerInch = 96;
constexpr int kEncoderDefaultDotsPerInch = 0;

// Dots per inch as the whole dots per metre that BMP and PNG files store.
constexpr int dotsPerMetre(int dotsPerInch) {
    return (dotsPerInch * 10000 + 127) / 254;
}

// Writers replace the file whole or leave the old one untouched; failures throw UserError.
void writeBmp24(const QString& path, const Bitmap& bitmap, int dotsPerInch = kBitmapDotsPerInch);
void writeBmp8(const QString& path, const IndexedBitmap& bitmap);
void writeJpeg(const QString& path, const Bitmap& bitmap, int quality = 100,
               int dotsPerInch = kEncoderDefaultDotsPerInch);
void writePng(const QString& path, const Bitmap& bitmap,
              int dotsPerInch = kEncoderDefaultDotsPerInch);

// In-memory encoders; an empty bitmap (or indices that do not match the size) is a
// programming error and throws std::invalid_argument.
QByteArray encodeBmp24(const Bitmap& bitmap, int dotsPerInch = kBitmapDotsPerInch);
QByteArray encodeBmp8(const IndexedBitmap& bitmap);
QByteArray encodeJpeg(const Bitmap& bitmap, int quality = 100,
                      int dotsPerInch = kEncoderDefaultDotsPerInch);

} // namespace veltmoor
