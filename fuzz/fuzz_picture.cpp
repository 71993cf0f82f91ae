// Feeds arbitrary bytes to the loader that picks the decoder by content, Qt's readers
// included, and to the header reader that plans memory before a decode.
#include "QtApplication.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    veltmoor::PictureReadOptions options;
    options.maxPixels = 1'000'000; // keeps every input cheap; the checks are the same
    veltmoor::PictureHeader header;
    try {
        header = veltmoor::decodePictureHeader(bytes, QStringLiteral("fuzz.picture"), options);
    } catch (const veltmoor::UserError&) {
    }
    try {
        const veltmoor::DecodedPicture picture =
            veltmoor::decodePicture(bytes, QStringLiteral("fuzz.picture"), options);
        if (picture.bitmap.isEmpty() || picture.width <= 0 || picture.height <= 0) {
            __builtin_trap();
        }
        // Our own readers' headers must promise what their decodes give, since memory is
        // planned from them; Qt's readers may not tell.
        const bool ownReader = bytes.startsWith("BM") || bytes.startsWith("\xFF\xD8\xFF");
        if (ownReader && (header.decodedWidth != picture.bitmap.width() ||
                          header.decodedHeight != picture.bitmap.height() ||
                          header.width != picture.width || header.height != picture.height)) {
            __builtin_trap();
        }
    } catch (const veltmoor::UserError&) {
    }
    return 0;
}
