#pragma once

#include "platform/Bitmap.h"

#include <QString>

namespace veltmoor {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// Sheets and tags are composed at 200 dots per inch. For e-mail the sheet goes at 75 dots
// per inch and a single tag at 100.
enum class ExportSize { Full, SheetForEmail, TagForEmail };
constexpr int kComposedDotsPerInch = 200;

// The resolution an exported file states for its pixels.
constexpr int exportDotsPerInch(ExportSize size) {
    switch (size) {
    case ExportSize::SheetForEmail:
        return 75;
    case ExportSize::TagForEmail:
        return kComposedDotsPerInch / 2;
    case ExportSize::Full:
        break;
    }
    return kComposedDotsPerInch;
}

PictureSize emailSheetSize(int width, int height); // width x 75 div 200, height likewise
PictureSize emailTagSize(int width, int height);   // half of each
PictureSize exportedSize(ExportSize size, int width, int height);

// The picture smoothly reduced to its exported size (a plain copy at full size).
Bitmap reducedForExport(const Bitmap& picture, ExportSize size);

// Writes the picture, reduced as asked, in the format its file name ends in: .bmp as a
// 24-bit bitmap, .jpg or .jpeg as JPEG at quality 100, .png; each states exportDotsPerInch. The
// file is replaced whole or left as it was. Throws UserError naming the file for any other ending,
// for a picture with nothing in it, and for a failed write.
void exportPicture(const QString& path, const Bitmap& picture, ExportSize size = ExportSize::Full);

} // namespace veltmoor
