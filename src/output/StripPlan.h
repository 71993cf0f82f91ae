#pragma once

#include "platform/Bitmap.h"
#include "render/TagSettings.h"

#include <vector>

namespace veltmoor {

// The sheet goes to the printer in strips of this many rows, so the driver never has to
// take the whole page as one bitmap.
constexpr int kStripRows = 50;

struct PrintStrip {
    int firstRow = 0; // source rows [firstRow, firstRow + rowCount) of the sheet
    int rowCount = 0;
    Rect destination; // printer dots, within the printable area
    friend bool operator==(const PrintStrip&, const PrintStrip&) = default;
};

struct StripPlan {
    int destinationWidth = 0;  // printer dots
    int destinationHeight = 0; // printer dots
    int top = 0;               // first printed dot row: the sheet is centred vertically
    std::vector<PrintStrip> strips;
};

// How a sheet bitmap of 200 pixels per inch lands on the page at its true size. Every
// source row is printed, the last strip holding what is left over; each strip's top and
// bottom follow from its row positions, so the strips tile the destination with neither
// gap nor overlap. No strip at all for an empty bitmap or a page without a resolution.
StripPlan planPrintStrips(int bitmapWidth, int bitmapHeight, const PageMetrics& page);

// Copies the strip's source rows of the sheet into strip (sized to fit), so one strip
// bitmap can be reused for the whole page.
void copyStripRows(const Bitmap& sheet, const PrintStrip& strip, Bitmap& stripBitmap);

} // namespace veltmoor
