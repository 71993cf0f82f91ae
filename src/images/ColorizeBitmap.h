#pragma once

#include "images/TintPalettes.h"
#include "platform/Bitmap.h"
#include "platform/PictureFile.h"

namespace veltmoor {

// Every pixel becomes the palette entry nearest to its own colour, by the sum of squared
// differences of red, green and blue; of equally near entries the lowest one wins. The
// result's colour table is the palette itself.
IndexedBitmap ColorizeBitmap(const Bitmap& picture, const TintPalette& palette);
IndexedBitmap ColorizeBitmap(const Bitmap& picture, int type); // type 0..19

} // namespace veltmoor
