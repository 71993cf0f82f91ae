#pragma once

#include "platform/Bitmap.h"

#include <string>
#include <vector>

namespace veltmoor::test {

// The bitmap as rows of text, '#' where the pixel has the ink colour and '.' elsewhere, so
// that an expected picture can be written out by hand in a test.
std::vector<std::string> inkPicture(const Bitmap& bitmap, TColor ink);

// The pixels of the ink colour, row by row, left to right.
std::vector<Point> inkPixels(const Bitmap& bitmap, TColor ink);

int countInk(const Bitmap& bitmap, TColor ink);

} // namespace veltmoor::test

namespace veltmoor {
// Lets GoogleTest print points in failure messages.
void PrintTo(const Point& point, std::ostream* out);
} // namespace veltmoor
