// Feeds arbitrary bytes to the JPEG reader, whole and at a reduced scale.
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
    for (const int needed : {0, 8}) {
        options.neededWidth = needed;
        options.neededHeight = needed;
        try {
            const veltmoor::DecodedPicture picture =
                veltmoor::decodeJpeg(bytes, QStringLiteral("fuzz.jpg"), options);
            if (picture.bitmap.isEmpty() || picture.width <= 0 || picture.height <= 0 ||
                picture.bitmap.width() > picture.width ||
                picture.bitmap.height() > picture.height) {
                __builtin_trap();
            }
        } catch (const veltmoor::UserError&) {
        }
    }
    return 0;
}
