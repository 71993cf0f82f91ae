#include "output/StripPlan.h"

#include "platform/DotArithmetic.h"
#include "platform/Units.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor {

namespace {

int offsetBy(int origin, int distance) {
    return saturateToInt(static_cast<std::int64_t>(origin) + distance);
}

} // namespace

StripPlan planPrintStrips(int bitmapWidth, int bitmapHeight, const PageMetrics& page) {
    StripPlan plan;
    const int W = bitmapWidth;
    const int H = bitmapHeight;
    if (W <= 0 || H <= 0 || page.PixelsPerInchX <= 0 || page.PixelsPerInchY <= 0) {
        return plan;
    }
    // Half the pixel count times dots per hundred: an odd last column is not counted.
    const int DW = mulDiv(W / 2, page.PixelsPerInchX, 100);
    // Vertically the vertical resolution: a printer with unequal resolutions would
    // otherwise print the sheet stretched.
    const int DH = mulDiv(H / 2, page.PixelsPerInchY, 100);
    const int T = saturateToInt((static_cast<std::int64_t>(page.PageHeight) - DH) / 2);
    plan.destinationWidth = DW;
    plan.destinationHeight = DH;
    plan.top = T;

    plan.strips.reserve(static_cast<std::size_t>(H / kStripRows + 1));
    for (int rowTop = 0; rowTop < H; rowTop += kStripRows) {
        const int rowBottom = std::min(rowTop + kStripRows, H);
        PrintStrip strip;
        strip.firstRow = rowTop;
        strip.rowCount = rowBottom - rowTop;
        strip.destination.left = 0;
        strip.destination.right = DW;
        strip.destination.top =
            offsetBy(T, mulDiv(rowTop, page.PixelsPerInchY, units::kTagDotsPerInch));
        strip.destination.bottom =
            offsetBy(T, mulDiv(rowBottom, page.PixelsPerInchY, units::kTagDotsPerInch));
        plan.strips.push_back(strip);
        if (rowBottom == H) {
            break;
        }
    }
    return plan;
}

void copyStripRows(const Bitmap& sheet, const PrintStrip& strip, Bitmap& stripBitmap) {
    const int firstRow = std::clamp(strip.firstRow, 0, sheet.height());
    const int rows = std::clamp(strip.rowCount, 0, sheet.height() - firstRow);
    if (stripBitmap.width() != sheet.width() || stripBitmap.height() != rows) {
        stripBitmap.resize(sheet.width(), rows);
    }
    for (int y = 0; y < rows; ++y) {
        std::copy_n(sheet.row(firstRow + y), sheet.width(), stripBitmap.row(y));
    }
}

} // namespace veltmoor
