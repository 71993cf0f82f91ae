// Feeds arbitrary bytes to the bitmap reader: it must refuse them with a UserError or
// decode them, never read outside the buffer or allocate without bound.
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
    try {
        const veltmoor::Bitmap bitmap =
            veltmoor::decodeBmp(bytes, QStringLiteral("fuzz.bmp"), options);
        if (bitmap.isEmpty()) {
            __builtin_trap(); // an empty picture must have been refused
        }
    } catch (const veltmoor::UserError&) {
    }
    try {
        const veltmoor::IndexedBitmap indexed =
            veltmoor::decodeBmpIndexed(bytes, QStringLiteral("fuzz.bmp"), options);
        if (indexed.indices.size() !=
            static_cast<std::size_t>(indexed.width) * static_cast<std::size_t>(indexed.height)) {
            __builtin_trap();
        }
    } catch (const veltmoor::UserError&) {
    }
    return 0;
}
