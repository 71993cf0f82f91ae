#pragma once

#include "platform/Bitmap.h"

#include <cstddef>
#include <cstdint>

namespace veltmoor {

// The orientation a camera recorded in an APP1 "Exif" segment (the bytes after the
// marker's length field): 1..8, or 1 when the segment is not EXIF, is damaged or says
// nothing. Every offset is checked against the segment's size.
int exifOrientation(const std::uint8_t* segment, std::size_t size);

// True for the orientations that show the stored columns as rows.
constexpr bool orientationSwapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

// For the orientations that swap axes: writes `rowCount` stored rows (`rows`, each
// shown.height() pixels wide), starting at stored row `firstRow`, to their places in
// `shown`, which is already sized as shown. Lets a decoder turn the picture band by band
// instead of holding it twice.
void placeTurnedRows(Bitmap& shown, const Pixel* rows, int firstRow, int rowCount, int orientation);
constexpr int kTurnBandRows = 32;

// The picture as it is meant to be seen, from the stored pixels and an EXIF orientation.
Bitmap applyOrientation(Bitmap stored, int orientation);

} // namespace veltmoor
