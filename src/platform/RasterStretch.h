#pragma once

#include "platform/Bitmap.h"

namespace veltmoor::raster {

// Copies source with its top-left pixel at (x, y), clipped to target.
void copyBitmap(Bitmap& target, int x, int y, const Bitmap& source);

// Resamples source into destination (any rectangle, clipped to target). Each axis is
// filtered on its own: shrinking averages the source pixels each target pixel covers,
// fractions of pixels included; enlarging interpolates linearly between pixel centres; an
// axis that keeps its size is copied. Same size on both axes is an exact copy.
void stretchSmooth(Bitmap& target, Rect destination, const Bitmap& source);

// Nearest-pixel resampling; with skipColor set, source pixels of that colour (compared on
// red, green and blue) leave the target untouched.
void stretchNearest(Bitmap& target, Rect destination, const Bitmap& source, bool skip,
                    Pixel skipColor);

} // namespace veltmoor::raster
